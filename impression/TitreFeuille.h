#ifndef VEXAL_IMPRESSION_TITREFEUILLE_H
#define VEXAL_IMPRESSION_TITREFEUILLE_H

class QPainter;
class QString;
class StyleFeuille;

// A heading of the sheet: its words in bold serif, some air above, a grey rule below as wide as what it heads.
class TitreFeuille
{
public:
    explicit TitreFeuille(const StyleFeuille& oStyle);

    double Hauteur() const;
    // From the heading's top to the baseline of its words, where any words beside it stand too.
    double Base() const;
    void Peindre(QPainter& oPeintre, const QString& oTexte, double fX, double fY, double fLargeur) const;

private:
    const StyleFeuille& moStyle;
};

#endif
