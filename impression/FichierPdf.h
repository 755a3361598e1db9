#ifndef VEXAL_IMPRESSION_FICHIERPDF_H
#define VEXAL_IMPRESSION_FICHIERPDF_H

#include "disque/FichierAtomique.h"
#include "journal/Journal.h"

#include <QString>

class Personnage;

// Writes the printed sheet of the character and its journal as a PDF file, whole or not at all: the pages are drawn
// first, then written through the same careful replacement as a saved character (fileName in the system's own
// bytes). Returns false, and why in French in oRaison, when the file could not be written; the disk is then left as
// it was.
bool ImprimerPdf(const Personnage& oPerso, const Journal& oJournal, const char* fileName, QString& oRaison,
                 const Remplacement& oOptions = {});

#endif
