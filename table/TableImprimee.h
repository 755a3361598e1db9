#ifndef VEXAL_TABLE_TABLEIMPRIMEE_H
#define VEXAL_TABLE_TABLEIMPRIMEE_H

#include "disque/FichierAtomique.h"

#include <QString>

class DocumentTable;

// Writes the table as one PDF file, whole or not at all, as the printed sheet is written: first the grid of its
// characters on landscape pages, headed by the characters that could not be read and why, then each character's
// printed sheet, in the table's order. Never over one of its characters' files. Returns false, and why in French in
// oRaison, when the file could not be written; the disk is then left as it was.
bool ImprimerTablePdf(const DocumentTable& oTable, const char* fileName, QString& oRaison,
                      const Remplacement& oOptions = {});

#endif
