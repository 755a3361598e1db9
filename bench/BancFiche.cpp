#include "Dialogues.h"
#include "Fiche.h"
#include "FichePleine.h"
#include "FichierPage.h"
#include "FichierPdf.h"
#include "MyWidget.h"
#include "fichier/FichierPersonnage.h"
#include "model/Demon.h"
#include "ui_VEXALFiche.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QUndoStack>

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
// Times one player action per iteration. Between two actions the event loop runs, as it does between two
// clicks: it polishes, lays out and paints what the last action left, and that is not the action's time. Nor is
// oRevenir's, which takes the action back on the settled sheet, so that every action starts from the same place.
template <class Action, class Retour>
void Mesurer(benchmark::State& oEtat, Action oAction, Retour oRevenir)
{
    for (auto _ : oEtat)
    {
        oAction();
        oEtat.PauseTiming();
        QCoreApplication::processEvents();
        oRevenir();
        QCoreApplication::processEvents();
        oEtat.ResumeTiming();
    }
}

template <class Action>
void Mesurer(benchmark::State& oEtat, Action oAction)
{
    Mesurer(oEtat, oAction, [] {});
}

// "&Faire un Demon": the character with its catalogues, the previous sheet dropped, the new one built, its
// lists filled, refreshed and shown.
void BM_NouveauDemon(benchmark::State& oEtat)
{
    MyWidget oFenetre;
    Mesurer(oEtat, [&] { oFenetre.NewDemon(); });
}

// The same creation step by step, to show where its time goes: each counter is the mean time of one step.
// The sheet it replaces was shown and painted, as a sheet that the player has had on screen is.
void BM_NouveauDemonParEtape(benchmark::State& oEtat)
{
    using Horloge = std::chrono::steady_clock;
    constexpr std::array<const char*, 4> kEtapes = {"Fermer", "Construire", "SetPerso", "Afficher"};
    std::array<Horloge::duration, kEtapes.size()> oDurees{};
    auto poFiche = std::make_unique<Fiche>();
    Mesurer(oEtat, [&] {
        std::array<Horloge::time_point, kEtapes.size() + 1> oInstants;
        oInstants[0] = Horloge::now();
        poFiche.reset();
        oInstants[1] = Horloge::now();
        poFiche = std::make_unique<Fiche>();
        oInstants[2] = Horloge::now();
        poFiche->SetPerso(new Demon);
        oInstants[3] = Horloge::now();
        poFiche->show();
        oInstants[4] = Horloge::now();
        for (size_t i = 0; i < kEtapes.size(); ++i)
            oDurees[i] += oInstants[i + 1] - oInstants[i];
    });
    for (size_t i = 0; i < kEtapes.size(); ++i)
        oEtat.counters[kEtapes[i]] = benchmark::Counter(std::chrono::duration<double>(oDurees[i]).count(),
                                                        benchmark::Counter::kAvgIterations);
}

// The floor of a new sheet: the bare form built on a plain widget and shown, which replaces the previous one as a
// new sheet replaces the old.
void BM_FormeSeule(benchmark::State& oEtat)
{
    std::unique_ptr<QWidget> poForme;
    Mesurer(oEtat, [&] {
        poForme.reset();
        poForme = std::make_unique<QWidget>();
        Ui::VEXALFiche oForme;
        oForme.setupUi(poForme.get());
        poForme->show();
    });
}

// The full character as the player saved it once every talent and power of the lists was on its sheet, after as
// many awards as asked, the creation included: a campaign's journal, each award with its picture of the character.
struct PersonnageEnregistre
{
    explicit PersonnageEnregistre(int nAttributions = 1)
    {
        Fiche oFiche;
        oFiche.SetPerso(new Demon);
        RemplirFiche(oFiche);
        for (int n = 1; n < nAttributions; ++n)
            oFiche.GetDocument().Accorder(DocumentPersonnage::Aujourdhui(), 1, "Séance " + std::to_string(n));
        oEtat = oFiche.GetPerso()->GetEtat();
        oFichier = oDossier.filePath(QStringLiteral("plein") + QLatin1String(FichierPersonnage::kExtension));
        FichierPersonnage::Enregistrer(*oFiche.GetPerso(), *oFiche.GetDocument().GetJournal(),
                                       QFile::encodeName(oFichier).constData(), oErreur);
    }

    QTemporaryDir oDossier;
    QString oFichier;
    EtatPersonnage oEtat;
    std::string oErreur;  // why the file could not be written; empty when it was
};

// A new sheet handed the full character by fDonner, and shown. The sheet goes before the next, untimed, once it is
// known to show a row for each talent and power of the character; fPreparer readies the next character, untimed.
template <class Don, class Preparation>
void MesurerNouvelleFiche(benchmark::State& oEtat, const PersonnageEnregistre& oPlein, Don fDonner,
                          Preparation fPreparer)
{
    if (!oPlein.oErreur.empty())
    {
        oEtat.SkipWithError(("the character was not saved: " + oPlein.oErreur).c_str());
        return;
    }
    const auto nLignes = static_cast<int>(oPlein.oEtat.moTalents.size() + oPlein.oEtat.moPouvoirs.size());
    std::unique_ptr<Fiche> poFiche;
    bool bToutesLesLignes = true;
    fPreparer();
    Mesurer(
        oEtat,
        [&] {
            poFiche = std::make_unique<Fiche>();
            fDonner(*poFiche);
            poFiche->show();
        },
        [&] {
            bToutesLesLignes = bToutesLesLignes && CompterLignes(*poFiche) == nLignes;
            poFiche.reset();
            fPreparer();
        });
    if (!bToutesLesLignes)
        oEtat.SkipWithError("the sheet does not show a row for each talent and power of the character");
    oEtat.counters["Lignes"] = nLignes;
}

// "Ouvrir…" on the full character's file: the file read, its character built and checked against the rules, and a
// new sheet built with its rows and shown.
void BM_Ouverture(benchmark::State& oEtat, const PersonnageEnregistre& oPlein)
{
    // A file refused is told in a warning, which must not wait for a player; the missing rows tell it.
    QStringList oAvertissements;
    Dialogues::SetTemoinAvertissements(&oAvertissements);
    MesurerNouvelleFiche(
        oEtat, oPlein, [&](Fiche& oFiche) { oFiche.OuvrirFichier(oPlein.oFichier); }, [] {});
    Dialogues::SetTemoinAvertissements(nullptr);
}

// The floor of opening: the same character, already in memory, handed to a new sheet that is then shown.
void BM_FicheDonnee(benchmark::State& oEtat, const PersonnageEnregistre& oPlein)
{
    std::unique_ptr<Personnage> poPerso;
    MesurerNouvelleFiche(
        oEtat, oPlein, [&](Fiche& oFiche) { oFiche.SetPerso(poPerso.release()); },
        [&] {
            poPerso = std::make_unique<Demon>();
            poPerso->Restaurer(oPlein.oEtat);
        });
}

// The full character's sheet, after the campaign it was saved with, written by pEcrire (its printed sheet as a PDF, its
// web page) to a file that each write replaces.
void BM_Feuille(benchmark::State& oEtat, const PersonnageEnregistre& oCampagne,
                bool (*pEcrire)(const Personnage&, const Journal&, const char*, QString&, const Remplacement&),
                const char* oNom)
{
    std::string oErreur;
    Dossier oDossier;
    const std::unique_ptr<Personnage> poPerso =
        FichierPersonnage::Ouvrir(QFile::encodeName(oCampagne.oFichier).constData(), oErreur, &oDossier);
    if (!poPerso)
    {
        oEtat.SkipWithError(("the character does not open: " + oErreur).c_str());
        return;
    }
    const QByteArray oFichier = QFile::encodeName(oCampagne.oDossier.filePath(QLatin1String(oNom)));
    QString oRaison;
    for (auto _ : oEtat)
    {
        if (!pEcrire(*poPerso, oDossier.moJournal, oFichier.constData(), oRaison, {}))
        {
            oEtat.SkipWithError(oRaison.toStdString().c_str());
            break;
        }
    }
    oEtat.counters["Octets"] = static_cast<double>(QFileInfo(QFile::decodeName(oFichier)).size());
}

// A demon that counts how often the sheet reads its BL: every refresh reads it the same number of times.
class DemonCompte : public Demon
{
public:
    int GetBL() const override
    {
        ++mnLectures;
        return Demon::GetBL();
    }

    mutable long mnLectures = 0;
};

// FORCE between 3.5 and 4 moves the bonus of every talent based on it, so the edit changes those rows too.
constexpr double kForceBasse = 3.5;
constexpr double kForceHaute = 4.0;

// The player's edit: FORCE to its other value. Returns the value asked for.
double Basculer(QDoubleSpinBox* poForce)
{
    const double fForce = poForce->value() == kForceBasse ? kForceHaute : kForceBasse;
    poForce->setValue(fForce);
    return fForce;
}

struct FicheDeBanc
{
    Fiche oFiche;
    DemonCompte* poPerso = nullptr;
    int nLignes = 0;
    long nLecturesParRafraichissement = 0;
};

// A shown sheet with at least nLignes rows, FORCE at its low value and nothing left to paint.
std::unique_ptr<FicheDeBanc> PreparerFiche(int nLignes)
{
    auto poBanc = std::make_unique<FicheDeBanc>();
    poBanc->poPerso = new DemonCompte;
    poBanc->oFiche.SetPerso(poBanc->poPerso);
    poBanc->oFiche.show();
    poBanc->nLignes = RemplirFiche(poBanc->oFiche, nLignes);
    poBanc->oFiche.ForceValue->setValue(kForceBasse);
    QCoreApplication::processEvents();

    const long nAvant = poBanc->poPerso->mnLectures;
    poBanc->oFiche.UpdateFiche();
    poBanc->nLecturesParRafraichissement = poBanc->poPerso->mnLectures - nAvant;
    return poBanc;
}

// One player edit of FORCE, from the spin box's new value to the settled sheet; Rafraichissements counts
// the sheet's refreshes per edit.
void BM_Edition(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    QDoubleSpinBox* poForce = oBanc.oFiche.ForceValue;
    const long nAvant = oBanc.poPerso->mnLectures;
    double fForce = poForce->value();
    Mesurer(oEtat, [&] { fForce = Basculer(poForce); });
    if (oBanc.poPerso->GetCaract(FORCE) != static_cast<float>(fForce))
        oEtat.SkipWithError("the character refused the edit");
    const double fRafraichissements = static_cast<double>(oBanc.poPerso->mnLectures - nAvant)
        / static_cast<double>(oBanc.nLecturesParRafraichissement);
    oEtat.counters["Lignes"] = oBanc.nLignes;
    oEtat.counters["Rafraichissements"] = benchmark::Counter(fRafraichissements, benchmark::Counter::kAvgIterations);
}

// One step through the undo stack across a FORCE edit, from the command to the settled sheet. The opposite step takes
// it back untimed, so that every timed step crosses the same edit.
void MesurerPas(benchmark::State& oEtat, FicheDeBanc& oBanc, void (QUndoStack::*pPas)(), void (QUndoStack::*pRetour)())
{
    QUndoStack* poPile = oBanc.oFiche.GetPile();
    const float fAvant = oBanc.poPerso->GetCaract(FORCE);
    Basculer(oBanc.oFiche.ForceValue);
    const float fApres = oBanc.poPerso->GetCaract(FORCE);
    // A redo starts from the edit undone.
    if (pPas == &QUndoStack::redo)
        poPile->undo();
    QCoreApplication::processEvents();
    const float fAttendue = pPas == &QUndoStack::undo ? fAvant : fApres;
    bool bTraverse = fAvant != fApres;
    Mesurer(
        oEtat, [&] { (poPile->*pPas)(); },
        [&] {
            bTraverse = bTraverse && oBanc.poPerso->GetCaract(FORCE) == fAttendue
                && oBanc.oFiche.ForceValue->value() == fAttendue;
            (poPile->*pRetour)();
        });
    if (!bTraverse)
        oEtat.SkipWithError("the step did not put the character's FORCE back");
    oEtat.counters["Lignes"] = oBanc.nLignes;
}

// An award of 1 PA granted to the full character, from the command to the settled sheet, on a journal of kSeances
// awards; bAnnuler times its undo instead. The opposite step goes untimed.
constexpr int kSeances = 30;

void MesurerAttribution(benchmark::State& oEtat, FicheDeBanc& oBanc, bool bAnnuler)
{
    DocumentPersonnage& oDocument = oBanc.oFiche.GetDocument();
    QUndoStack* poPile = oBanc.oFiche.GetPile();
    const auto Accorder = [&] { oDocument.Accorder(DocumentPersonnage::Aujourdhui(), 1, "Séance"); };
    for (std::size_t n = oDocument.GetJournal()->size(); n < kSeances; ++n)
        Accorder();
    const auto Annuler = [&] { poPile->undo(); };
    const std::size_t nAttributions = oDocument.GetJournal()->size();
    if (bAnnuler)
        Accorder();
    QCoreApplication::processEvents();
    bool bTraverse = true;
    const auto Verifier = [&](std::size_t nAttendues) {
        bTraverse = bTraverse && oDocument.GetJournal()->size() == nAttendues
            && oBanc.oFiche.spinBoxPATOT->value() == oBanc.poPerso->GetPATotal();
    };
    if (bAnnuler)
        Mesurer(oEtat, Annuler, [&] { Verifier(nAttributions); Accorder(); });
    else
        Mesurer(oEtat, Accorder, [&] { Verifier(nAttributions + 1); Annuler(); });
    if (!bTraverse)
        oEtat.SkipWithError("the award was not granted or taken back");
    oEtat.counters["Lignes"] = oBanc.nLignes;
}

void BM_Accorder(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    MesurerAttribution(oEtat, oBanc, false);
}

void BM_AnnulerAccord(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    MesurerAttribution(oEtat, oBanc, true);
}

void BM_Annuler(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    MesurerPas(oEtat, oBanc, &QUndoStack::undo, &QUndoStack::redo);
}

void BM_Retablir(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    MesurerPas(oEtat, oBanc, &QUndoStack::redo, &QUndoStack::undo);
}

// The bytes in use on the heap, blocks mapped on their own included.
std::size_t TasOccupe()
{
    const struct mallinfo2 oTas = mallinfo2();
    return oTas.uordblks + oTas.hblkhd;
}

// The stack keeps at least this many steps.
constexpr int kPasGardes = 1000;

// The heap one undo step keeps: FORCE edited kPasGardes times from an empty stack, which must keep every step. Not a
// time: OctetsParPas is the figure.
void BM_MemoireParPas(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    QUndoStack* poPile = oBanc.oFiche.GetPile();
    double fOctets = 0;
    for (auto _ : oEtat)
    {
        poPile->clear();
        QCoreApplication::processEvents();
        const std::size_t nAvant = TasOccupe();
        for (int i = 0; i < kPasGardes; ++i)
        {
            Basculer(oBanc.oFiche.ForceValue);
            QCoreApplication::processEvents();
        }
        const std::size_t nApres = TasOccupe();
        if (poPile->count() < kPasGardes)
        {
            oEtat.SkipWithError("the undo stack did not keep every step");
            break;
        }
        fOctets += (static_cast<double>(nApres) - static_cast<double>(nAvant)) / kPasGardes;
    }
    oEtat.counters["Lignes"] = oBanc.nLignes;
    oEtat.counters["OctetsParPas"] = benchmark::Counter(fOctets, benchmark::Counter::kAvgIterations);
}

// What the settled sheet shows in every widget that a refresh writes.
struct Releve
{
    std::vector<std::pair<QSpinBox*, int>> oEntiers;
    std::vector<std::pair<QDoubleSpinBox*, double>> oReels;
    std::vector<std::pair<QLabel*, QString>> oTextes;
};

Releve Relever(Fiche& oFiche)
{
    Releve oReleve;
    for (QSpinBox* poBoite : oFiche.findChildren<QSpinBox*>())
        oReleve.oEntiers.emplace_back(poBoite, poBoite->value());
    // The rows' boxes as well as the characteristics.
    for (QDoubleSpinBox* poBoite : oFiche.findChildren<QDoubleSpinBox*>())
        oReleve.oReels.emplace_back(poBoite, poBoite->value());
    for (QLabel* poLabel : {oFiche.SupLabel, oFiche.PArestantValue, oFiche.PASecondaireValue, oFiche.PAConvertiValue,
                            oFiche.PFValue, oFiche.BLValue, oFiche.BGValue, oFiche.BFValue, oFiche.MSValue})
        oReleve.oTextes.emplace_back(poLabel, poLabel->text());
    return oReleve;
}

template <class Boite, class Valeur>
void EcrireBloque(Boite* poBoite, const Valeur& oValeur)
{
    const QSignalBlocker oBloque(poBoite);
    poBoite->setValue(oValeur);
}

void EcrireBloque(QLabel* poLabel, const QString& oTexte)
{
    const QSignalBlocker oBloque(poLabel);
    poLabel->setText(oTexte);
}

void Ecrire(const Releve& oReleve)
{
    for (const auto& [poBoite, nValeur] : oReleve.oEntiers)
        EcrireBloque(poBoite, nValeur);
    for (const auto& [poBoite, fValeur] : oReleve.oReels)
        EcrireBloque(poBoite, fValeur);
    for (const auto& [poLabel, oTexte] : oReleve.oTextes)
        EcrireBloque(poLabel, oTexte);
}

// The floor of an edit: every widget that a refresh writes, written once with its signals blocked, with the
// values that the same edit leaves on the sheet.
void BM_EcritureBloquee(benchmark::State& oEtat, FicheDeBanc& oBanc)
{
    oBanc.oFiche.ForceValue->setValue(kForceBasse);
    const Releve oBasse = Relever(oBanc.oFiche);
    oBanc.oFiche.ForceValue->setValue(kForceHaute);
    const Releve oHaute = Relever(oBanc.oFiche);
    bool bHaute = false;
    Mesurer(oEtat, [&] {
        bHaute = !bHaute;
        Ecrire(bHaute ? oHaute : oBasse);
    });
    oEtat.counters["Lignes"] = oBanc.nLignes;
}

// The sheets are filled once and kept across repetitions: filling one takes longer than every edit measured
// on it. The floor writes behind the character's back, so it has sheets of its own.
class Fiches
{
public:
    FicheDeBanc& Pour(void (*pBanc)(benchmark::State&, FicheDeBanc&), int nLignes)
    {
        std::unique_ptr<FicheDeBanc>& poBanc = moFiches[{pBanc, nLignes}];
        if (!poBanc)
            poBanc = PreparerFiche(nLignes);
        return *poBanc;
    }

    benchmark::internal::Benchmark* Enregistrer(const std::string& oNom,
                                                void (*pBanc)(benchmark::State&, FicheDeBanc&), int nLignes)
    {
        return benchmark::RegisterBenchmark(oNom.c_str(), [this, pBanc, nLignes](benchmark::State& oEtat) {
                   pBanc(oEtat, Pour(pBanc, nLignes));
               })->Unit(benchmark::kMicrosecond);
    }

private:
    std::map<std::pair<void (*)(benchmark::State&, FicheDeBanc&), int>, std::unique_ptr<FicheDeBanc>> moFiches;
};
}

int main(int argc, char** argv)
{
    QApplication oApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // Declared after the application: the sheets must go before it does.
    Fiches oFiches;
    const PersonnageEnregistre oPlein;
    std::map<int, std::unique_ptr<const PersonnageEnregistre>> oCampagnes;
    for (int nAttributions : {30, 300})
        oCampagnes[nAttributions] = std::make_unique<const PersonnageEnregistre>(nAttributions);
    benchmark::RegisterBenchmark("BM_NouveauDemon", BM_NouveauDemon)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_NouveauDemonParEtape", BM_NouveauDemonParEtape)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_FormeSeule", BM_FormeSeule)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_Ouverture", BM_Ouverture, std::cref(oPlein))->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_FicheDonnee", BM_FicheDonnee, std::cref(oPlein))->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_Pdf", BM_Feuille, std::cref(oPlein), ImprimerPdf, "plein.pdf")
        ->Unit(benchmark::kMicrosecond);
    // Opening grows with the journal, one picture checked per award.
    for (const auto& [nAttributions, poCampagne] : oCampagnes)
    {
        benchmark::RegisterBenchmark(("BM_OuvertureJournal/" + std::to_string(nAttributions)).c_str(), BM_Ouverture,
                                     std::cref(*poCampagne))
            ->Unit(benchmark::kMicrosecond);
        // Writing the web page grows with the journal too, what each award bought worked out and written twice: as
        // text and in the file the page carries. The PDF of the same campaign is its floor.
        const std::string oCampagne = "/" + std::to_string(nAttributions);
        benchmark::RegisterBenchmark(("BM_Page" + oCampagne).c_str(), BM_Feuille, std::cref(*poCampagne), EcrirePage,
                                     "plein.html")
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_Pdf" + oCampagne).c_str(), BM_Feuille, std::cref(*poCampagne), ImprimerPdf,
                                     "plein.pdf")
            ->Unit(benchmark::kMicrosecond);
    }
    for (int nLignes : {0, 50, 100})
        oFiches.Enregistrer("BM_Edition/" + std::to_string(nLignes), BM_Edition, nLignes);
    oFiches.Enregistrer("BM_Edition/toutes", BM_Edition, kToutesLesLignes);
    oFiches.Enregistrer("BM_EcritureBloquee/toutes", BM_EcritureBloquee, kToutesLesLignes);
    oFiches.Enregistrer("BM_Annuler/toutes", BM_Annuler, kToutesLesLignes);
    oFiches.Enregistrer("BM_Retablir/toutes", BM_Retablir, kToutesLesLignes);
    oFiches.Enregistrer("BM_Accorder/toutes", BM_Accorder, kToutesLesLignes);
    oFiches.Enregistrer("BM_AnnulerAccord/toutes", BM_AnnulerAccord, kToutesLesLignes);
    oFiches.Enregistrer("BM_MemoireParPas/0", BM_MemoireParPas, 0)->Iterations(1);
    oFiches.Enregistrer("BM_MemoireParPas/toutes", BM_MemoireParPas, kToutesLesLignes)->Iterations(1);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
