#ifndef VEXAL_IMPRESSION_FICHIERPDF_H
#define VEXAL_IMPRESSION_FICHIERPDF_H

#include <QString>

class Personnage;

// Writes the character's printed sheet as a PDF file, whole or not at all: the pages go to a file beside the
// target, which takes its place only once they are all written. Returns false, and why in French in oRaison, when
// the file could not be written; the disk is then left as it was.
bool ImprimerPdf(const Personnage& oPerso, const QString& oFichier, QString& oRaison);

#endif
