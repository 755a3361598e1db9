#include "FeuilleImprimee.h"

#include "ContenuFeuille.h"
#include "FluxColonnes.h"
#include "NotesFeuille.h"
#include "Page.h"
#include "Paragraphe.h"
#include "StyleFeuille.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <utility>
#include <vector>

namespace
{
constexpr double kEcartCasesMm = 3;
constexpr double kGrandeCaseMm = 13;
constexpr double kPetiteCaseMm = 11;

// The sheet from top to bottom: who the character is, its figures in boxes, its talents and powers, its notes.
class Feuille
{
public:
    Feuille(const ContenuFeuille& oContenu, Page& oPage)
        : moContenu(oContenu),
          moPage(oPage),
          moStyle(oPage.Style()),
          moPeintre(oPage.Peintre())
    {
    }

    void Peindre()
    {
        PeindreIdentite();
        PeindreCases(moContenu.moPoints, kGrandeCaseMm);
        PeindreCases(moContenu.moCaracteristiques, kGrandeCaseMm);
        PeindreCases(moContenu.moDerivees, kPetiteCaseMm);
        FluxColonnes(moContenu.moGroupes, moPage).Peindre();
        NotesFeuille(moContenu.moNotes, moPage).Peindre();
    }

private:
    void PeindreIdentite();
    void PeindreCases(const std::vector<CaseFeuille>& oCases, double fHauteurMm);

    const ContenuFeuille& moContenu;
    Page& moPage;
    const StyleFeuille& moStyle;
    QPainter& moPeintre;
};

void Feuille::PeindreIdentite()
{
    const double fLargeur = moPage.Largeur();
    moPeintre.setPen(Qt::black);
    moPeintre.setFont(moStyle.moSurtitre);
    moPeintre.drawText(QPointF(0, moStyle.Ascendante(moStyle.moSurtitre)), QStringLiteral("VEXAL · FICHE DE PERSONNAGE"));
    moPage.Descendre(moStyle.Interligne(moStyle.moSurtitre) + moStyle.Mm(1));

    // However long the name, it is printed whole.
    const Paragraphe oNom(moContenu.moNom, moStyle.moNom, moStyle.Appareil(), fLargeur);
    const double fLigneNom = moStyle.Interligne(moStyle.moNom);
    for (int nLigne = 0; nLigne < oNom.NombreDeLignes(); ++nLigne)
    {
        oNom.PeindreLigne(moPeintre, nLigne, QPointF(0, moPage.Y()));
        moPage.Descendre(fLigneNom);
    }
    moPeintre.setPen(moStyle.Trait(0.7));
    moPeintre.drawLine(QPointF(0, moPage.Y() + moStyle.Mm(0.5)), QPointF(fLargeur, moPage.Y() + moStyle.Mm(0.5)));
    moPage.Descendre(moStyle.Mm(2.5));

    const std::pair<QString, QString> oChamps[] = {
        {QStringLiteral("Camp"), moContenu.moCamp},
        {QStringLiteral("Supérieur"), moContenu.moSuperieur},
        {QStringLiteral("Grade"), moContenu.moGrade},
    };
    const double fBase = moPage.Y() + moStyle.Ascendante(moStyle.moIdentite);
    double fX = 0;
    for (const auto& [oLibelle, oValeur] : oChamps)
    {
        moPeintre.setPen(Qt::black);
        moPeintre.setFont(moStyle.moLibelle);
        moPeintre.drawText(QPointF(fX, fBase), oLibelle);
        fX += moStyle.Largeur(moStyle.moLibelle, oLibelle) + moStyle.Mm(2);
        moPeintre.setFont(moStyle.moIdentite);
        moPeintre.drawText(QPointF(fX, fBase), oValeur);
        fX += moStyle.Largeur(moStyle.moIdentite, oValeur) + moStyle.Mm(10);
    }
    moPage.Descendre(moStyle.Interligne(moStyle.moIdentite) + moStyle.Mm(4));
}

void Feuille::PeindreCases(const std::vector<CaseFeuille>& oCases, double fHauteurMm)
{
    const double fEcart = moStyle.Mm(kEcartCasesMm);
    const double fHauteur = moStyle.Mm(fHauteurMm);
    const double fLargeur = (moPage.Largeur() - fEcart * (oCases.size() - 1)) / oCases.size();
    const double fY = moPage.Reserver(fHauteur);
    const double fLibelle = moStyle.Mm(1) + moStyle.Interligne(moStyle.moLibelle);
    double fX = 0;
    for (const CaseFeuille& oCase : oCases)
    {
        const QRectF oCadre(fX, fY, fLargeur, fHauteur);
        moPeintre.setPen(moStyle.Trait(0.3));
        moPeintre.setBrush(Qt::NoBrush);
        moPeintre.drawRoundedRect(oCadre, moStyle.Mm(1.5), moStyle.Mm(1.5));
        moPeintre.setPen(Qt::black);
        moPeintre.setFont(moStyle.moLibelle);
        moPeintre.drawText(oCadre.adjusted(0, moStyle.Mm(1), 0, 0), Qt::AlignHCenter | Qt::AlignTop, oCase.moLibelle);
        moPeintre.setFont(moStyle.moChiffre);
        moPeintre.drawText(oCadre.adjusted(0, fLibelle, 0, 0), Qt::AlignCenter, oCase.moValeur);
        fX += fLargeur + fEcart;
    }
    moPage.Descendre(fHauteur + fEcart);
}
}

int ImprimerFeuille(const Personnage& oPerso, QPagedPaintDevice& oAppareil)
{
    // Margins that every printer can reach, and room enough for forty rows on the first page.
    oAppareil.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(14, 12, 14, 12),
                                        QPageLayout::Millimeter));
    QPainter oPeintre;
    if (!oPeintre.begin(&oAppareil))
        return 0;
    const ContenuFeuille oContenu = ContenuDe(oPerso);
    const StyleFeuille oStyle(oAppareil);
    Page oPage(oAppareil, oPeintre, oStyle, oContenu.moNom + QStringLiteral(" · ") + oContenu.moCamp);
    Feuille(oContenu, oPage).Peindre();
    oPeintre.end();
    return oPage.Numero();
}
