#include "FluxColonnes.h"

#include "Page.h"
#include "StyleFeuille.h"
#include "TitreFeuille.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace
{
constexpr double kEcartMm = 7;
constexpr double kNiveauMm = 13;
constexpr double kValeurMm = 17;
constexpr double kRetraitMm = 1.5;
// Rows a little taller than their text, so that a pencil mark fits beside a figure.
constexpr double kHauteurLigne = 1.35;
}

FluxColonnes::FluxColonnes(const std::vector<GroupeFeuille>& oGroupes, Page& oPage)
    : moPage(oPage)
{
    const StyleFeuille& oStyle = oPage.Style();
    for (const GroupeFeuille& oGroupe : oGroupes)
    {
        for (std::size_t nLigne = 0; nLigne < oGroupe.moLignes.size(); ++nLigne)
            moBlocs.push_back({&oGroupe, nLigne});
    }
    mfEcart = oStyle.Mm(kEcartMm);
    mfLargeur = (oPage.Largeur() - mfEcart) / 2;
    mfTitre = TitreFeuille(oStyle).Hauteur();
    mfLigne = oStyle.Interligne(oStyle.moTexte) * kHauteurLigne;
    mfColonneNiveau = oStyle.Mm(kNiveauMm);
    mfColonneValeur = oStyle.Mm(kValeurMm);
}

double FluxColonnes::HauteurBloc(std::size_t nBloc) const
{
    return moBlocs[nBloc].mnLigne == 0 ? mfTitre + mfLigne : mfLigne;
}

bool FluxColonnes::Veuve(std::size_t nBloc) const
{
    if (nBloc >= moBlocs.size())
        return false;
    const Bloc& oBloc = moBlocs[nBloc];
    return oBloc.mnLigne > 0 && oBloc.mnLigne + 1 == oBloc.mpoGroupe->moLignes.size();
}

double FluxColonnes::HauteurColonne(std::size_t nDebut, std::size_t nFin) const
{
    if (nDebut >= nFin)
        return 0;
    double fHauteur = moBlocs[nDebut].mnLigne == 0 ? 0 : mfTitre;
    for (std::size_t nBloc = nDebut; nBloc < nFin; ++nBloc)
        fHauteur += HauteurBloc(nBloc);
    return fHauteur;
}

std::size_t FluxColonnes::Remplir(std::size_t nDebut, double fHauteur) const
{
    std::size_t nFin = nDebut;
    while (nFin < moBlocs.size() && HauteurColonne(nDebut, nFin + 1) <= fHauteur)
        ++nFin;
    return nFin > nDebut && Veuve(nFin) ? nFin - 1 : nFin;
}

std::optional<std::size_t> FluxColonnes::Partager(std::size_t nDebut, double fHauteur) const
{
    std::optional<std::size_t> onCoupure;
    double fMeilleure = std::numeric_limits<double>::infinity();
    for (std::size_t nCoupure = nDebut; nCoupure <= moBlocs.size(); ++nCoupure)
    {
        const double fGauche = HauteurColonne(nDebut, nCoupure);
        const double fDroite = HauteurColonne(nCoupure, moBlocs.size());
        const double fPlusHaute = std::max(fGauche, fDroite);
        // On a tie the left column takes the extra row, as a reader expects.
        if (!Veuve(nCoupure) && fGauche <= fHauteur && fDroite <= fHauteur && fPlusHaute <= fMeilleure)
        {
            onCoupure = nCoupure;
            fMeilleure = fPlusHaute;
        }
    }
    return onCoupure;
}

void FluxColonnes::Peindre()
{
    const double fDroite = mfLargeur + mfEcart;
    std::size_t nDebut = 0;
    while (nDebut < moBlocs.size())
    {
        const double fY = moPage.Y();
        if (const std::optional<std::size_t> onCoupure = Partager(nDebut, moPage.Reste()))
        {
            const double fGauche = PeindreColonne(nDebut, *onCoupure, 0, fY);
            moPage.Descendre(std::max(fGauche, PeindreColonne(*onCoupure, moBlocs.size(), fDroite, fY)));
            return;
        }
        std::size_t nCoupure = Remplir(nDebut, moPage.Reste());
        if (nCoupure == nDebut && !moPage.EstVierge())
        {
            moPage.Suivante();
            continue;
        }
        nCoupure = std::max(nCoupure, nDebut + 1);
        const std::size_t nFin = Remplir(nCoupure, moPage.Reste());
        PeindreColonne(nDebut, nCoupure, 0, fY);
        PeindreColonne(nCoupure, nFin, fDroite, fY);
        moPage.Suivante();
        nDebut = nFin;
    }
}

double FluxColonnes::PeindreColonne(std::size_t nDebut, std::size_t nFin, double fX, double fY) const
{
    double fBas = fY;
    for (std::size_t nBloc = nDebut; nBloc < nFin; ++nBloc)
    {
        const Bloc& oBloc = moBlocs[nBloc];
        if (oBloc.mnLigne == 0 || nBloc == nDebut)
        {
            PeindreTitre(*oBloc.mpoGroupe, oBloc.mnLigne != 0, fX, fBas);
            fBas += mfTitre;
        }
        PeindreLigne(*oBloc.mpoGroupe, oBloc.mnLigne, fX, fBas);
        fBas += mfLigne;
    }
    return fBas - fY;
}

void FluxColonnes::PeindreTitre(const GroupeFeuille& oGroupe, bool bSuite, double fX, double fY) const
{
    const StyleFeuille& oStyle = moPage.Style();
    QPainter& oPeintre = moPage.Peintre();
    const TitreFeuille oTitre(oStyle);
    oTitre.Peindre(oPeintre, bSuite ? oGroupe.moTitre + QStringLiteral(" (suite)") : oGroupe.moTitre, fX, fY, mfLargeur);

    const double fRetrait = oStyle.Mm(kRetraitMm);
    const double fBase = fY + oTitre.Base();
    const double fFinValeur = fX + mfLargeur - fRetrait;
    const double fFinNiveau = fFinValeur - mfColonneValeur;
    oPeintre.setPen(Qt::black);
    oPeintre.setFont(oStyle.moMention);
    oPeintre.drawText(QPointF(fFinNiveau - oStyle.Largeur(oStyle.moMention, oGroupe.moTitreNiveau), fBase),
                      oGroupe.moTitreNiveau);
    oPeintre.drawText(QPointF(fFinValeur - oStyle.Largeur(oStyle.moMention, oGroupe.moTitreValeur), fBase),
                      oGroupe.moTitreValeur);
}

void FluxColonnes::PeindreLigne(const GroupeFeuille& oGroupe, std::size_t nLigne, double fX, double fY) const
{
    const StyleFeuille& oStyle = moPage.Style();
    QPainter& oPeintre = moPage.Peintre();
    const LigneFeuille& oLigne = oGroupe.moLignes[nLigne];
    // Every other row on a light band, so that the eye keeps to a row across the gap to its figures.
    if (nLigne % 2 == 1)
        oPeintre.fillRect(QRectF(fX, fY, mfLargeur, mfLigne), oStyle.moBande);

    const double fRetrait = oStyle.Mm(kRetraitMm);
    const double fBase = fY + (mfLigne - oStyle.Interligne(oStyle.moTexte)) / 2 + oStyle.Ascendante(oStyle.moTexte);
    const double fFinValeur = fX + mfLargeur - fRetrait;
    const double fFinNiveau = fFinValeur - mfColonneValeur;
    oPeintre.setPen(Qt::black);
    oPeintre.setFont(oStyle.moTexte);
    oPeintre.drawText(QPointF(fX + fRetrait, fBase), oLigne.moNom);
    oPeintre.drawText(QPointF(fFinNiveau - oStyle.Largeur(oStyle.moTexte, oLigne.moNiveau), fBase), oLigne.moNiveau);
    if (!oLigne.moMention.isEmpty())
    {
        oPeintre.setFont(oStyle.moMention);
        const double fMention = fX + fRetrait + oStyle.Largeur(oStyle.moTexte, oLigne.moNom) + oStyle.Mm(2);
        oPeintre.drawText(QPointF(fMention, fBase), oLigne.moMention);
    }
    oPeintre.setFont(oStyle.moFort);
    oPeintre.drawText(QPointF(fFinValeur - oStyle.Largeur(oStyle.moFort, oLigne.moValeur), fBase), oLigne.moValeur);
}
