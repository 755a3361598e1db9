#ifndef VEXAL_IMPRESSION_PAGE_H
#define VEXAL_IMPRESSION_PAGE_H

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class Sortie;
class StyleFeuille;

// The page being painted and the height already filled on it. A block is measured before it is placed: when it
// does not fit below what is there, it goes to a new page, whose first line names the character and the page.
// Pages are numbered from the sheet's first, printed or not, and go to the device only when oImprimee takes them.
class Page
{
public:
    Page(Sortie& oSortie, const StyleFeuille& oStyle, QString oPersonnage, std::function<bool(int)> oImprimee);

    // The painter changes with the page.
    QPainter& Peintre() const { return *mpoPeintre; }
    const StyleFeuille& Style() const { return moStyle; }
    int Numero() const { return mnNumero; }
    double Largeur() const;
    double Y() const { return mfY; }
    double Reste() const;
    // Nothing but the running head is on the page yet: a block that does not fit here fits nowhere.
    bool EstVierge() const { return mfY == mfDebut; }

    void Descendre(double fHauteur) { mfY += fHauteur; }
    // Where a block of this height goes: below what is there, or at the top of a new page.
    double Reserver(double fHauteur);
    void Suivante();

private:
    void PeindreEnTete();

    Sortie& moSortie;
    QPagedPaintDevice& moAppareil;
    const StyleFeuille& moStyle;
    QString moPersonnage;
    std::function<bool(int)> moImprimee;
    int mnNumero = 1;
    QPainter* mpoPeintre;
    double mfY = 0;
    double mfDebut = 0;
};

#endif
