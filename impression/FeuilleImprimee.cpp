#include "FeuilleImprimee.h"

#include "ContenuFeuille.h"
#include "FluxColonnes.h"
#include "JournalFeuille.h"
#include "NotesFeuille.h"
#include "Page.h"
#include "Paragraphe.h"
#include "Sortie.h"
#include "StyleFeuille.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace
{
constexpr double kEcartCasesMm = 3;
constexpr double kGrandeCaseMm = 13;
constexpr double kPetiteCaseMm = 11;
// Margins that every printer can reach, and room enough for forty rows on the first page of an A4 sheet.
constexpr QMarginsF kMargesMm(14, 12, 14, 12);

// The sheet from top to bottom: who the character is, its figures in boxes, its talents and powers, its notes, its
// journal.
class Feuille
{
public:
    Feuille(const ContenuFeuille& oContenu, Page& oPage)
        : moContenu(oContenu),
          moPage(oPage),
          moStyle(oPage.Style())
    {
    }

    void Peindre()
    {
        PeindreIdentite();
        PeindreCases(moContenu.moPoints, kGrandeCaseMm);
        PeindreCases(moContenu.moCaracteristiques, kGrandeCaseMm);
        PeindreCases(moContenu.moDerivees, kPetiteCaseMm);
        FluxColonnes(moContenu.moGroupes, moPage).Peindre();
        JournalFeuille oJournal(moContenu.moJournal, moPage);
        NotesFeuille(moContenu.moNotes, moPage).Peindre(oJournal.Hauteur());
        oJournal.Peindre();
    }

private:
    void PeindreIdentite();
    void PeindreCases(const std::vector<CaseFeuille>& oCases, double fHauteurMm);

    const ContenuFeuille& moContenu;
    Page& moPage;
    const StyleFeuille& moStyle;
};

void Feuille::PeindreIdentite()
{
    const double fLargeur = moPage.Largeur();
    QPainter& oPeintre = moPage.Peintre();
    oPeintre.setPen(Qt::black);
    oPeintre.setFont(moStyle.moSurtitre);
    oPeintre.drawText(QPointF(0, moStyle.Ascendante(moStyle.moSurtitre)), QStringLiteral("VEXAL · FICHE DE PERSONNAGE"));
    moPage.Descendre(moStyle.Interligne(moStyle.moSurtitre) + moStyle.Mm(1));

    // However long the name, it is printed whole.
    const Paragraphe oNom(moContenu.moNom, moStyle.moNom, moStyle.Appareil(), fLargeur);
    const double fLigneNom = moStyle.Interligne(moStyle.moNom);
    for (int nLigne = 0; nLigne < oNom.NombreDeLignes(); ++nLigne)
    {
        oNom.PeindreLigne(oPeintre, nLigne, QPointF(0, moPage.Y()));
        moPage.Descendre(fLigneNom);
    }
    oPeintre.setPen(moStyle.Trait(0.7));
    oPeintre.drawLine(QPointF(0, moPage.Y() + moStyle.Mm(0.5)), QPointF(fLargeur, moPage.Y() + moStyle.Mm(0.5)));
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
        oPeintre.setPen(Qt::black);
        oPeintre.setFont(moStyle.moLibelle);
        oPeintre.drawText(QPointF(fX, fBase), oLibelle);
        fX += moStyle.Largeur(moStyle.moLibelle, oLibelle) + moStyle.Mm(2);
        oPeintre.setFont(moStyle.moIdentite);
        oPeintre.drawText(QPointF(fX, fBase), oValeur);
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
    QPainter& oPeintre = moPage.Peintre();
    const double fLibelle = moStyle.Mm(1) + moStyle.Interligne(moStyle.moLibelle);
    double fX = 0;
    for (const CaseFeuille& oCase : oCases)
    {
        const QRectF oCadre(fX, fY, fLargeur, fHauteur);
        oPeintre.setPen(moStyle.Trait(0.3));
        oPeintre.setBrush(Qt::NoBrush);
        oPeintre.drawRoundedRect(oCadre, moStyle.Mm(1.5), moStyle.Mm(1.5));
        oPeintre.setPen(Qt::black);
        oPeintre.setFont(moStyle.moLibelle);
        oPeintre.drawText(oCadre.adjusted(0, moStyle.Mm(1), 0, 0), Qt::AlignHCenter | Qt::AlignTop, oCase.moLibelle);
        oPeintre.setFont(moStyle.moChiffre);
        oPeintre.drawText(oCadre.adjusted(0, fLibelle, 0, 0), Qt::AlignCenter, oCase.moValeur);
        fX += fLargeur + fEcart;
    }
    moPage.Descendre(fHauteur + fEcart);
}

// Lays the whole sheet out, its pages going to the device when oImprimee takes them; returns how many it has.
int Derouler(const ContenuFeuille& oContenu, Sortie& oSortie, std::function<bool(int)> oImprimee)
{
    const StyleFeuille oStyle(oSortie.Appareil());
    Page oPage(oSortie, oStyle, oContenu.moNom + QStringLiteral(" · ") + oContenu.moCamp, std::move(oImprimee));
    Feuille(oContenu, oPage).Peindre();
    return oPage.Numero();
}

// Every page of the sheet, in A4 portrait. A page already open on the device keeps its own size.
int ImprimerTout(const Personnage& oPerso, const Journal& oJournal, Sortie& oSortie)
{
    oSortie.Appareil().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargesMm, QPageLayout::Millimeter));
    Derouler(ContenuDe(oPerso, oJournal), oSortie, [](int) { return true; });
    return oSortie.Terminer();
}

// The sheet's pages in the order the printer takes them, with the copies it does not make itself. A selection or
// the current page mean the whole sheet, which has neither.
std::vector<int> Suite(const QPrinter& oImprimante, int nPages)
{
    const QPageRanges oPlages =
        oImprimante.printRange() == QPrinter::PageRange ? oImprimante.pageRanges() : QPageRanges();
    std::vector<int> oPages;
    for (int nPage = 1; nPage <= nPages; ++nPage)
    {
        if (oPlages.isEmpty() || oPlages.contains(nPage))
            oPages.push_back(nPage);
    }
    const int nCopies = oImprimante.supportsMultipleCopies() ? 1 : std::max(1, oImprimante.copyCount());
    std::vector<int> oSuite;
    if (oImprimante.collateCopies())
    {
        for (int nCopie = 0; nCopie < nCopies; ++nCopie)
            oSuite.insert(oSuite.end(), oPages.begin(), oPages.end());
    }
    else
    {
        for (const int nPage : oPages)
            oSuite.insert(oSuite.end(), nCopies, nPage);
    }
    return oSuite;
}
}

int ImprimerFeuille(const Personnage& oPerso, const Journal& oJournal, QPagedPaintDevice& oAppareil)
{
    Sortie oSortie(oAppareil);
    return ImprimerTout(oPerso, oJournal, oSortie);
}

int ImprimerFeuille(const Personnage& oPerso, const Journal& oJournal, QPainter& oPeintre)
{
    auto* poAppareil = dynamic_cast<QPagedPaintDevice*>(oPeintre.device());
    if (!oPeintre.isActive() || poAppareil == nullptr)
        return 0;
    Sortie oSortie(oPeintre, *poAppareil);
    return ImprimerTout(oPerso, oJournal, oSortie);
}

int ImprimerFeuille(const Personnage& oPerso, const Journal& oJournal, QPrinter& oImprimante)
{
    oImprimante.setPageMargins(kMargesMm, QPageLayout::Millimeter);
    const ContenuFeuille oContenu = ContenuDe(oPerso, oJournal);
    Sortie oSortie(oImprimante);
    const std::vector<int> oSuite = Suite(oImprimante, Derouler(oContenu, oSortie, [](int) { return false; }));
    // Each run of the sheet prints pages in their order: the suite takes a new run wherever it goes back.
    for (auto oDebut = oSuite.begin(); oDebut != oSuite.end();)
    {
        auto oFin = std::adjacent_find(oDebut, oSuite.end(), std::greater_equal<int>());
        if (oFin != oSuite.end())
            ++oFin;
        Derouler(oContenu, oSortie, [oDebut, oFin](int nPage) { return std::binary_search(oDebut, oFin, nPage); });
        oDebut = oFin;
    }
    return oSortie.Terminer();
}
