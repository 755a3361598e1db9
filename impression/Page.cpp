#include "Page.h"

#include "StyleFeuille.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <utility>

Page::Page(QPagedPaintDevice& oAppareil, QPainter& oPeintre, const StyleFeuille& oStyle, QString oPersonnage)
    : moAppareil(oAppareil),
      moPeintre(oPeintre),
      moStyle(oStyle),
      moPersonnage(std::move(oPersonnage))
{
}

double Page::Largeur() const
{
    return moAppareil.width();
}

double Page::Reste() const
{
    return moAppareil.height() - mfY;
}

double Page::Reserver(double fHauteur)
{
    if (fHauteur > Reste() && !EstVierge())
        Suivante();
    return mfY;
}

void Page::Suivante()
{
    moAppareil.newPage();
    ++mnNumero;
    PeindreEnTete();
}

// A loose page still says whose it is and where it goes.
void Page::PeindreEnTete()
{
    const QFont& oPolice = moStyle.moEnTete;
    const QString oNumero = QStringLiteral("page %1").arg(mnNumero);
    const double fLigne = moStyle.Interligne(oPolice);
    const double fPlaceDuNom = Largeur() - moStyle.Largeur(oPolice, oNumero) - moStyle.Mm(4);
    moPeintre.setPen(Qt::black);
    moPeintre.setFont(oPolice);
    moPeintre.drawText(QRectF(0, 0, fPlaceDuNom, fLigne), Qt::AlignLeft | Qt::AlignVCenter,
                       moStyle.Raccourci(oPolice, moPersonnage, fPlaceDuNom));
    moPeintre.drawText(QRectF(0, 0, Largeur(), fLigne), Qt::AlignRight | Qt::AlignVCenter, oNumero);
    const double fTrait = fLigne + moStyle.Mm(1);
    moPeintre.setPen(moStyle.Trait(0.3));
    moPeintre.drawLine(QPointF(0, fTrait), QPointF(Largeur(), fTrait));
    mfY = fTrait + moStyle.Mm(4);
    mfDebut = mfY;
}
