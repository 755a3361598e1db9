#include "GrilleImprimee.h"

#include "Paragraphe.h"

#include <QAbstractItemModel>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
constexpr double kMargeMm = 1.2;
constexpr double kEtiquettesMinMm = 25;
constexpr double kEtiquettesMaxMm = 60;
// Six characters side by side on a landscape A4 page, with their figures and the reason of their last award.
constexpr double kColonneMinMm = 36;
constexpr double kColonneMaxMm = 50;
// A reason of any length keeps its row within a few lines: the sheets that follow print it whole.
constexpr int kLignesMax = 3;

// A cell's text broken into lines within its width, each of its own lines cut short past a few.
class TexteCase
{
public:
    TexteCase(const QString& oTexte, const QFont& oPolice, const StyleFeuille& oStyle, double fLargeur,
              Qt::Alignment eAlignement)
        : mfInterligne(oStyle.Interligne(oPolice))
    {
        for (const QString& oLigne : oTexte.split(QLatin1Char('\n')))
        {
            moParagraphes.push_back(std::make_unique<Paragraphe>(
                oStyle.Raccourci(oPolice, oLigne, kLignesMax * fLargeur), oPolice, oStyle.Appareil(), fLargeur,
                eAlignement));
        }
    }

    double Hauteur() const
    {
        int nLignes = 0;
        for (const auto& poParagraphe : moParagraphes)
            nLignes += poParagraphe->NombreDeLignes();
        return nLignes * mfInterligne;
    }

    void Peindre(QPainter& oPeintre, QPointF oCoin) const
    {
        for (const auto& poParagraphe : moParagraphes)
        {
            for (int nLigne = 0; nLigne < poParagraphe->NombreDeLignes(); ++nLigne)
            {
                poParagraphe->PeindreLigne(oPeintre, nLigne, oCoin);
                oCoin.ry() += mfInterligne;
            }
        }
    }

private:
    std::vector<std::unique_ptr<Paragraphe>> moParagraphes;
    double mfInterligne;
};
}

GrilleImprimee::GrilleImprimee(const QAbstractItemModel& oModele, QPainter& oPeintre, QPagedPaintDevice& oAppareil)
    : moModele(oModele),
      moPeintre(oPeintre),
      moAppareil(oAppareil),
      moStyle(oAppareil),
      mfMarge(moStyle.Mm(kMargeMm))
{
    double fEtiquettes = 0;
    for (int nLigne = 0; nLigne < moModele.rowCount(); ++nLigne)
    {
        const QString oNom = moModele.headerData(nLigne, Qt::Vertical).toString();
        fEtiquettes = std::max(fEtiquettes, moStyle.Largeur(moStyle.moTexte, oNom));
    }
    // A little more than the widest name, which the rounding of its layout would break otherwise.
    fEtiquettes += 2 * mfMarge + moStyle.Mm(1);
    mfEtiquettes = std::clamp(fEtiquettes, moStyle.Mm(kEtiquettesMinMm), moStyle.Mm(kEtiquettesMaxMm));
    const double fPlace = moAppareil.width() - mfEtiquettes;
    mnParPage = std::max(1, static_cast<int>(fPlace / moStyle.Mm(kColonneMinMm)));
    mfColonne = std::min(moStyle.Mm(kColonneMaxMm), fPlace / mnParPage);
}

int GrilleImprimee::Peindre(const QString& oTitre, const QStringList& oRemarques)
{
    moTitre = oTitre;
    NouvellePage();
    PeindreRemarques(oRemarques);
    const int nColonnes = moModele.columnCount();
    for (int nDebut = 0; nDebut == 0 || nDebut < nColonnes; nDebut += mnParPage)
    {
        const int nFin = std::min(nColonnes, nDebut + mnParPage);
        if (nDebut > 0)
            NouvellePage();
        const double fPremiere = moModele.rowCount() > 0 ? HauteurLigne(0, nDebut, nFin) : 0;
        if (mfY + HauteurEntetes(nDebut, nFin) + fPremiere > moAppareil.height() && mfY > mfDebut)
            NouvellePage();
        PeindreEntetes(nDebut, nFin);
        for (int nLigne = 0; nLigne < moModele.rowCount(); ++nLigne)
        {
            const double fHauteur = HauteurLigne(nLigne, nDebut, nFin);
            // Never cut: a row goes whole to the next page, one taller than a page to a page of its own.
            if (mfY + fHauteur > moAppareil.height() && mfY > mfDebut)
            {
                NouvellePage();
                PeindreEntetes(nDebut, nFin);
            }
            PeindreLigne(nLigne, nDebut, nFin, fHauteur);
        }
    }
    return mnPage;
}

double GrilleImprimee::Hauteur(const QFont& oPolice, const QString& oTexte, double fLargeur) const
{
    return TexteCase(oTexte, oPolice, moStyle, fLargeur, Qt::AlignLeft).Hauteur();
}

void GrilleImprimee::PeindreTexte(const QFont& oPolice, const QRectF& oCase, Qt::Alignment eAlignement,
                                  const QString& oTexte)
{
    const QRectF oPlace = oCase.adjusted(mfMarge, mfMarge, -mfMarge, -mfMarge);
    TexteCase(oTexte, oPolice, moStyle, oPlace.width(), eAlignement & Qt::AlignHorizontal_Mask)
        .Peindre(moPeintre, oPlace.topLeft());
}

// A loose page still says which table it is and where it goes.
void GrilleImprimee::NouvellePage()
{
    if (mnPage > 0)
        moAppareil.newPage();
    ++mnPage;
    const double fLargeur = moAppareil.width();
    const QString oNumero = QStringLiteral("page %1").arg(mnPage);
    const double fLigne = moStyle.Interligne(moStyle.moTitre);
    const double fPlaceDuTitre = fLargeur - moStyle.Largeur(moStyle.moEnTete, oNumero) - moStyle.Mm(4);
    moPeintre.setPen(Qt::black);
    moPeintre.setFont(moStyle.moTitre);
    moPeintre.drawText(QRectF(0, 0, fPlaceDuTitre, fLigne), Qt::AlignLeft | Qt::AlignVCenter,
                       moStyle.Raccourci(moStyle.moTitre, moTitre, fPlaceDuTitre));
    moPeintre.setFont(moStyle.moEnTete);
    moPeintre.drawText(QRectF(0, 0, fLargeur, fLigne), Qt::AlignRight | Qt::AlignVCenter, oNumero);
    const double fTrait = fLigne + moStyle.Mm(1);
    moPeintre.setPen(moStyle.Trait(0.3));
    moPeintre.drawLine(QPointF(0, fTrait), QPointF(fLargeur, fTrait));
    mfY = fTrait + moStyle.Mm(4);
    mfDebut = mfY;
}

void GrilleImprimee::PeindreRemarques(const QStringList& oRemarques)
{
    const double fLargeur = moAppareil.width();
    for (const QString& oRemarque : oRemarques)
    {
        const double fHauteur = Hauteur(moStyle.moTexte, oRemarque, fLargeur - 2 * mfMarge) + 2 * mfMarge;
        PeindreTexte(moStyle.moTexte, QRectF(0, mfY, fLargeur, fHauteur), Qt::AlignLeft, oRemarque);
        mfY += fHauteur;
    }
    if (!oRemarques.isEmpty())
        mfY += moStyle.Mm(3);
}

double GrilleImprimee::HauteurEntetes(int nDebut, int nFin) const
{
    double fHauteur = 0;
    for (int nColonne = nDebut; nColonne < nFin; ++nColonne)
    {
        const QString oTexte = moModele.headerData(nColonne, Qt::Horizontal).toString();
        fHauteur = std::max(fHauteur, Hauteur(moStyle.moFort, oTexte, mfColonne - 2 * mfMarge));
    }
    return fHauteur + 2 * mfMarge;
}

void GrilleImprimee::PeindreEntetes(int nDebut, int nFin)
{
    const double fHauteur = HauteurEntetes(nDebut, nFin);
    double fX = mfEtiquettes;
    for (int nColonne = nDebut; nColonne < nFin; ++nColonne)
    {
        PeindreTexte(moStyle.moFort, QRectF(fX, mfY, mfColonne, fHauteur), Qt::AlignHCenter,
                     moModele.headerData(nColonne, Qt::Horizontal).toString());
        fX += mfColonne;
    }
    mfY += fHauteur;
    moPeintre.setPen(moStyle.Trait(0.3));
    moPeintre.drawLine(QPointF(0, mfY), QPointF(fX, mfY));
    mfDebut = mfY;
}

double GrilleImprimee::HauteurLigne(int nLigne, int nDebut, int nFin) const
{
    double fHauteur = Hauteur(moStyle.moTexte, moModele.headerData(nLigne, Qt::Vertical).toString(),
                              mfEtiquettes - 2 * mfMarge);
    for (int nColonne = nDebut; nColonne < nFin; ++nColonne)
    {
        const QModelIndex oCase = moModele.index(nLigne, nColonne);
        fHauteur = std::max(fHauteur, Hauteur(Police(oCase), oCase.data().toString(), mfColonne - 2 * mfMarge));
    }
    return fHauteur + 2 * mfMarge;
}

void GrilleImprimee::PeindreLigne(int nLigne, int nDebut, int nFin, double fHauteur)
{
    const double fLargeur = mfEtiquettes + (nFin - nDebut) * mfColonne;
    if (nLigne % 2 == 1)
        moPeintre.fillRect(QRectF(0, mfY, fLargeur, fHauteur), moStyle.moBande);
    PeindreTexte(moStyle.moTexte, QRectF(0, mfY, mfEtiquettes, fHauteur), Qt::AlignLeft,
                 moModele.headerData(nLigne, Qt::Vertical).toString());
    double fX = mfEtiquettes;
    for (int nColonne = nDebut; nColonne < nFin; ++nColonne)
    {
        const QModelIndex oCase = moModele.index(nLigne, nColonne);
        PeindreTexte(Police(oCase), QRectF(fX, mfY, mfColonne, fHauteur),
                     oCase.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), oCase.data().toString());
        fX += mfColonne;
    }
    mfY += fHauteur;
}

const QFont& GrilleImprimee::Police(const QModelIndex& oCase) const
{
    return oCase.data(Qt::FontRole).value<QFont>().bold() ? moStyle.moFort : moStyle.moTexte;
}
