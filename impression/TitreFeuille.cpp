#include "TitreFeuille.h"

#include "StyleFeuille.h"

#include <QPainter>

namespace
{
constexpr double kAirMm = 3.5;
constexpr double kTraitMm = 0.6;
constexpr double kSousTraitMm = 1.2;
}

TitreFeuille::TitreFeuille(const StyleFeuille& oStyle)
    : moStyle(oStyle)
{
}

double TitreFeuille::Hauteur() const
{
    return moStyle.Mm(kAirMm) + moStyle.Interligne(moStyle.moTitre) + moStyle.Mm(kTraitMm + kSousTraitMm);
}

double TitreFeuille::Base() const
{
    return moStyle.Mm(kAirMm) + moStyle.Ascendante(moStyle.moTitre);
}

void TitreFeuille::Peindre(QPainter& oPeintre, const QString& oTexte, double fX, double fY, double fLargeur) const
{
    oPeintre.setPen(Qt::black);
    oPeintre.setFont(moStyle.moTitre);
    oPeintre.drawText(QPointF(fX, fY + Base()), oTexte);
    const double fTrait = fY + moStyle.Mm(kAirMm) + moStyle.Interligne(moStyle.moTitre) + moStyle.Mm(kTraitMm);
    oPeintre.setPen(moStyle.Trait(0.35));
    oPeintre.drawLine(QPointF(fX, fTrait), QPointF(fX + fLargeur, fTrait));
}
