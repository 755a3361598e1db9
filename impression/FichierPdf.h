#ifndef VEXAL_IMPRESSION_FICHIERPDF_H
#define VEXAL_IMPRESSION_FICHIERPDF_H

#include "disque/FichierAtomique.h"
#include "journal/Journal.h"

#include <QString>

#include <functional>

class Personnage;
class QPdfWriter;

// Writes the pages fPeindre paints on a PDF writer titled oTitre as a PDF file, whole or not at all: the pages are
// drawn first, then written through the same careful replacement as a saved character (fileName in the system's own
// bytes). fPeindre says in French why it could not paint, or nothing. Returns false, and why in French in oRaison,
// when the file could not be written; the disk is then left as it was.
bool EcrirePagesPdf(const QString& oTitre, const std::function<QString(QPdfWriter&)>& fPeindre, const char* fileName,
                    QString& oRaison, const Remplacement& oOptions = {});

// The printed sheet of the character and its journal, written so.
bool ImprimerPdf(const Personnage& oPerso, const Journal& oJournal, const char* fileName, QString& oRaison,
                 const Remplacement& oOptions = {});

#endif
