#include "JournalFeuille.h"

#include "Page.h"
#include "StyleFeuille.h"

#include <QPainter>

#include <algorithm>

namespace
{
constexpr double kRetraitMm = 1.5;
constexpr double kEcartMm = 3;
// Above and below an award's text, so that its band does not touch the letters.
constexpr double kAirMm = 0.8;
}

JournalFeuille::JournalFeuille(const std::vector<AttributionFeuille>& oAttributions, Page& oPage)
    : moAttributions(oAttributions),
      moPage(oPage),
      moRubrique(QStringLiteral("Journal"), oPage),
      mfRetrait(oPage.Style().Mm(kRetraitMm)),
      mfAir(oPage.Style().Mm(kAirMm))
{
    const StyleFeuille& oStyle = oPage.Style();
    double fDate = 0;
    double fPA = 0;
    for (const AttributionFeuille& oAttribution : oAttributions)
    {
        fDate = std::max(fDate, oStyle.Largeur(oStyle.moTexte, oAttribution.moDate));
        fPA = std::max(fPA, oStyle.Largeur(oStyle.moFort, oAttribution.moPA));
    }
    const double fEcart = oStyle.Mm(kEcartMm);
    mfFinPA = mfRetrait + fDate + fEcart + fPA;
    mfTexte = mfFinPA + fEcart;
    const double fLargeur = oPage.Largeur() - mfTexte - mfRetrait;
    for (const AttributionFeuille& oAttribution : oAttributions)
    {
        Rangee oRangee;
        oRangee.mfHauteur = 2 * mfAir;
        if (!oAttribution.moRaison.isEmpty())
            Ajouter(oRangee, oAttribution.moRaison, oStyle.moTexte, fLargeur);
        Ajouter(oRangee, oAttribution.moAchats, oStyle.moMention, fLargeur);
        moRangees.push_back(std::move(oRangee));
    }
}

void JournalFeuille::Ajouter(Rangee& oRangee, const QString& oTexte, const QFont& oPolice, double fLargeur) const
{
    const StyleFeuille& oStyle = moPage.Style();
    const Paragraphe& oParagraphe =
        *oRangee.moParagraphes.emplace_back(std::make_unique<Paragraphe>(oTexte, oPolice, oStyle.Appareil(), fLargeur));
    const double fLigne = oStyle.Interligne(oPolice);
    for (int nLigne = 0; nLigne < oParagraphe.NombreDeLignes(); ++nLigne)
    {
        oRangee.moLignes.push_back({&oParagraphe, nLigne, fLigne});
        oRangee.mfHauteur += fLigne;
    }
}

double JournalFeuille::Hauteur() const
{
    if (moRangees.empty())
        return 0;
    double fHauteur = moRubrique.HauteurTitre();
    for (const Rangee& oRangee : moRangees)
        fHauteur += oRangee.mfHauteur;
    return fHauteur;
}

void JournalFeuille::Peindre()
{
    for (std::size_t nRangee = 0; nRangee < moRangees.size(); ++nRangee)
        PeindreRangee(nRangee);
}

void JournalFeuille::PeindreRangee(std::size_t nRangee)
{
    const StyleFeuille& oStyle = moPage.Style();
    const Rangee& oRangee = moRangees[nRangee];
    const AttributionFeuille& oAttribution = moAttributions[nRangee];
    // Whole where a page holds it, else line by line.
    moRubrique.Placer(oRangee.mfHauteur);
    for (std::size_t nLigne = 0; nLigne < oRangee.moLignes.size(); ++nLigne)
    {
        const Ligne& oLigne = oRangee.moLignes[nLigne];
        const double fDessus = nLigne == 0 ? mfAir : 0;
        const double fHauteur = fDessus + oLigne.mfHauteur + (nLigne + 1 == oRangee.moLignes.size() ? mfAir : 0);
        moRubrique.Placer(fHauteur);
        QPainter& oPeintre = moPage.Peintre();
        const double fHaut = moPage.Y() + fDessus;
        if (nRangee % 2 == 1)
            oPeintre.fillRect(QRectF(0, moPage.Y(), moPage.Largeur(), fHauteur), oStyle.moBande);
        if (nLigne == 0)
        {
            const double fBase = fHaut + oLigne.mpoParagraphe->Ascendante(oLigne.mnLigne);
            oPeintre.setPen(Qt::black);
            oPeintre.setFont(oStyle.moTexte);
            oPeintre.drawText(QPointF(mfRetrait, fBase), oAttribution.moDate);
            oPeintre.setFont(oStyle.moFort);
            oPeintre.drawText(QPointF(mfFinPA - oStyle.Largeur(oStyle.moFort, oAttribution.moPA), fBase),
                              oAttribution.moPA);
        }
        oLigne.mpoParagraphe->PeindreLigne(oPeintre, oLigne.mnLigne, QPointF(mfTexte, fHaut));
        moPage.Descendre(fHauteur);
    }
}
