#include "Page.h"

#include "Sortie.h"
#include "StyleFeuille.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <utility>

Page::Page(Sortie& oSortie, const StyleFeuille& oStyle, QString oPersonnage, std::function<bool(int)> oImprimee)
    : moSortie(oSortie),
      moAppareil(oSortie.Appareil()),
      moStyle(oStyle),
      moPersonnage(std::move(oPersonnage)),
      moImprimee(std::move(oImprimee)),
      mpoPeintre(&oSortie.Ouvrir(moImprimee(mnNumero)))
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
    ++mnNumero;
    mpoPeintre = &moSortie.Ouvrir(moImprimee(mnNumero));
    PeindreEnTete();
}

// A loose page still says whose it is and where it goes.
void Page::PeindreEnTete()
{
    const QFont& oPolice = moStyle.moEnTete;
    const QString oNumero = QStringLiteral("page %1").arg(mnNumero);
    const double fLigne = moStyle.Interligne(oPolice);
    const double fPlaceDuNom = Largeur() - moStyle.Largeur(oPolice, oNumero) - moStyle.Mm(4);
    mpoPeintre->setPen(Qt::black);
    mpoPeintre->setFont(oPolice);
    mpoPeintre->drawText(QRectF(0, 0, fPlaceDuNom, fLigne), Qt::AlignLeft | Qt::AlignVCenter,
                         moStyle.Raccourci(oPolice, moPersonnage, fPlaceDuNom));
    mpoPeintre->drawText(QRectF(0, 0, Largeur(), fLigne), Qt::AlignRight | Qt::AlignVCenter, oNumero);
    const double fTrait = fLigne + moStyle.Mm(1);
    mpoPeintre->setPen(moStyle.Trait(0.3));
    mpoPeintre->drawLine(QPointF(0, fTrait), QPointF(Largeur(), fTrait));
    mfY = fTrait + moStyle.Mm(4);
    mfDebut = mfY;
}
