#ifndef VEXAL_IMPRESSION_FEUILLEIMPRIMEE_H
#define VEXAL_IMPRESSION_FEUILLEIMPRIMEE_H

#include "journal/Journal.h"

class Personnage;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Paints the sheet of the character and its journal for the game table on a PDF writer, in real text: the device is
// set to A4 portrait, and pages are added as the sheet needs them, never inside a row. Returns the number of pages
// painted, 0 when the device cannot be painted on.
int ImprimerFeuille(const Personnage& oPerso, const Journal& oJournal, QPagedPaintDevice& oAppareil);

// The same sheet after the pages a painter already put on its PDF writer, which stays open for more: the writer
// goes on with A4 portrait pages. Returns the number of pages painted, 0 when the painter is not open on a device
// of pages.
int ImprimerFeuille(const Personnage& oPerso, const Journal& oJournal, QPainter& oPeintre);

// The same sheet on the paper the printer was given, as its print dialog left it: only the pages asked for, each
// numbered as in the whole sheet, and the copies the printer does not make itself. Returns the number of pages sent,
// 0 when none was, for want of a printer or of a page in the range asked for.
int ImprimerFeuille(const Personnage& oPerso, const Journal& oJournal, QPrinter& oImprimante);

#endif
