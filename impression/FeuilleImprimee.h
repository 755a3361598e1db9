#ifndef VEXAL_IMPRESSION_FEUILLEIMPRIMEE_H
#define VEXAL_IMPRESSION_FEUILLEIMPRIMEE_H

class Personnage;
class QPagedPaintDevice;

// Paints the character's sheet for the game table on a PDF writer or a printer, in real text: the device is set to
// A4 portrait, and pages are added as the sheet needs them, never inside a row. Returns the number of pages
// painted, 0 when the device cannot be painted on.
int ImprimerFeuille(const Personnage& oPerso, QPagedPaintDevice& oAppareil);

#endif
