#ifndef VEXAL_PAGE_FICHIERPAGE_H
#define VEXAL_PAGE_FICHIERPAGE_H

#include "disque/FichierAtomique.h"
#include "journal/Journal.h"

#include <QString>

class Personnage;

// A web page's file extension, without its dot.
constexpr const char* kExtensionPage = "html";

// Writes the character's web page (TextePage) as a file, whole or not at all, through the same careful replacement
// as a saved character (fileName in the system's own bytes). A page too large to be opened back is not written.
// Returns false, and why in French in oRaison, when the file could not be written; the disk is then left as it was.
bool EcrirePage(const Personnage& oPerso, const Journal& oJournal, const char* fileName, QString& oRaison,
                const Remplacement& oOptions = {});

#endif
