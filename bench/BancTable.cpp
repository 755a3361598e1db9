#include "AccordTable.h"
#include "DocumentPersonnage.h"
#include "DocumentTable.h"
#include "Documents.h"
#include "ModeleTable.h"
#include "PersonnagePlein.h"
#include "disque/FichierAtomique.h"
#include "fichier/FichierPersonnage.h"
#include "fichier/FichierTable.h"
#include "model/Demon.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int kPersonnages = 6;
constexpr int kAttributions = 30;

// The table of a long campaign: six full characters, each after 30 awards, the creation included; the first one's
// file also as another program would write it, one award further.
struct Campagne
{
    Campagne()
    {
        Demon oDemon;
        RemplirPersonnage(oDemon);
        Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "");
        const auto Accorder = [&](int n) {
            Journaux::Accorder(oDemon, oJournal, "2026-01-01", 1, "Séance " + std::to_string(n));
        };
        for (int n = 1; n < kAttributions; ++n)
            Accorder(n);
        moTexte = FichierPersonnage::Ecrire({oDemon.GetEtat(), oJournal});
        Accorder(kAttributions);
        moAutreTexte = FichierPersonnage::Ecrire({oDemon.GetEtat(), oJournal});
        Table oTable{"Campagne", {}};
        for (int n = 0; n < kPersonnages; ++n)
        {
            oTable.moPersonnages.push_back("plein" + std::to_string(n) + FichierPersonnage::kExtension);
            moPersonnages << moDossier.filePath(QString::fromStdString(oTable.moPersonnages.back()));
            mbEcrite = mbEcrite && RemplacerFichier(QFile::encodeName(moPersonnages.back()).constData(), moTexte);
        }
        moTable = moDossier.filePath(QStringLiteral("campagne") + QLatin1String(FichierTable::kExtension));
        std::string oErreur;
        mbEcrite = mbEcrite && FichierTable::Enregistrer(oTable, QFile::encodeName(moTable).constData(), oErreur);
    }

    QTemporaryDir moDossier;
    QStringList moPersonnages;
    QString moTable;
    std::string moTexte;
    std::string moAutreTexte;
    bool mbEcrite = true;
};

const Campagne* LaCampagne(benchmark::State& oEtat)
{
    static const Campagne soCampagne;
    if (!soCampagne.mbEcrite)
        oEtat.SkipWithError("the campaign's files were not written");
    return soCampagne.mbEcrite ? &soCampagne : nullptr;
}

// The table open, every character of it read.
std::unique_ptr<DocumentTable> Ouvrir(const Campagne& oCampagne)
{
    auto poTable = std::make_unique<DocumentTable>();
    if (!poTable->Ouvrir(oCampagne.moTable, nullptr).isEmpty())
        return nullptr;
    for (const PersonnageTable& oPersonnage : poTable->GetPersonnages())
    {
        if (!oPersonnage.mpoDocument)
            return nullptr;
    }
    return poTable;
}

// Times fAction alone, each time. Untimed, the events it left go by, then fApres checks what it did and readies the
// next one.
template <class Action, class Apres>
void Mesurer(benchmark::State& oEtat, Action fAction, Apres fApres)
{
    bool bFait = true;
    for (auto _ : oEtat)
    {
        fAction();
        oEtat.PauseTiming();
        QCoreApplication::processEvents();
        bFait = fApres() && bFait;
        oEtat.ResumeTiming();
    }
    if (!bFait)
        oEtat.SkipWithError("the action did not do what it should");
}

// The floor: one of the characters opened as the table opens each of them, its document, its lock and its file.
void BM_OuvrirPersonnage(benchmark::State& oEtat)
{
    const Campagne* poCampagne = LaCampagne(oEtat);
    if (poCampagne == nullptr)
        return;
    const QString& oFichier = poCampagne->moPersonnages.front();
    std::shared_ptr<DocumentPersonnage> poDocument;
    QString oErreur;
    Mesurer(
        oEtat,
        [&] {
            poDocument = Documents::Nouveau();
            oErreur = poDocument->Ouvrir(oFichier, std::move(LienFichier::Verrouiller(oFichier).mpoFichier));
        },
        [&] {
            poDocument.reset();
            return oErreur.isEmpty();
        });
}

// The table file read, and each of its six characters as above.
void BM_OuvrirTable(benchmark::State& oEtat)
{
    const Campagne* poCampagne = LaCampagne(oEtat);
    if (poCampagne == nullptr)
        return;
    std::unique_ptr<DocumentTable> poTable;
    Mesurer(
        oEtat, [&] { poTable = Ouvrir(*poCampagne); },
        [&] {
            const bool bOuverte = poTable != nullptr;
            poTable.reset();
            return bOuverte;
        });
}

// The floor: one of the characters saved as the player saves it, its previous version kept beside it.
void BM_EnregistrerPersonnage(benchmark::State& oEtat)
{
    const Campagne* poCampagne = LaCampagne(oEtat);
    if (poCampagne == nullptr)
        return;
    const std::unique_ptr<DocumentTable> poTable = Ouvrir(*poCampagne);
    if (!poTable)
    {
        oEtat.SkipWithError("the table does not open");
        return;
    }
    DocumentPersonnage& oDocument = *poTable->GetPersonnages().front().mpoDocument;
    QString oErreur;
    Mesurer(
        oEtat, [&] { oErreur = oDocument.Enregistrer(oDocument.GetFichier()); }, [&] { return oErreur.isEmpty(); });
}

// One award of 1 PA to the six characters of the table, each saved. Each is then taken back and saved again, untimed.
void BM_AccorderATous(benchmark::State& oEtat)
{
    const Campagne* poCampagne = LaCampagne(oEtat);
    if (poCampagne == nullptr)
        return;
    const std::unique_ptr<DocumentTable> poTable = Ouvrir(*poCampagne);
    if (!poTable)
    {
        oEtat.SkipWithError("the table does not open");
        return;
    }
    std::vector<PartAttribution> oParts;
    for (const PersonnageTable& oPersonnage : poTable->GetPersonnages())
        oParts.push_back({oPersonnage.mpoDocument, oPersonnage.moFichier, oPersonnage.moRaison, 1});
    IssueAttribution oIssue;
    Mesurer(
        oEtat, [&] { oIssue = AccorderATous(oParts, "2026-02-01", "Séance"); },
        [&] {
            bool bRepris = oIssue.mbFaite;
            for (const PartAttribution& oPart : oParts)
            {
                bRepris = bRepris && oPart.mpoDocument->GetJournal()->size() == kAttributions + 1;
                oPart.mpoDocument->GetPile()->undo();
                bRepris = oPart.mpoDocument->Enregistrer(oPart.mpoDocument->GetFichier()).isEmpty() && bRepris;
            }
            return bRepris;
        });
}

// The grid of the table after another program wrote one of its characters: the file's change heard, the character
// read again, the grid following, through the event loop as in the program. The file is written untimed, each time
// the other of its two versions.
void BM_RafraichirTable(benchmark::State& oEtat)
{
    const Campagne* poCampagne = LaCampagne(oEtat);
    if (poCampagne == nullptr)
        return;
    const std::unique_ptr<DocumentTable> poTable = Ouvrir(*poCampagne);
    if (!poTable)
    {
        oEtat.SkipWithError("the table does not open");
        return;
    }
    const ModeleTable oModele(*poTable);
    const QByteArray oFichier = QFile::encodeName(poCampagne->moPersonnages.front());
    const DocumentPersonnage* poDocument = poTable->GetPersonnages().front().mpoDocument.get();
    bool bAutre = false;
    const auto Ecrire = [&] {
        bAutre = !bAutre;
        return RemplacerFichier(oFichier.constData(), bAutre ? poCampagne->moAutreTexte : poCampagne->moTexte);
    };
    QEventLoop oBoucle;
    QObject::connect(&oModele, &ModeleTable::dataChanged, &oBoucle, &QEventLoop::quit);
    QObject::connect(&oModele, &ModeleTable::modelReset, &oBoucle, &QEventLoop::quit);
    // A change never heard ends the wait all the same, and shows in the count of awards.
    QTimer oGarde;
    oGarde.setSingleShot(true);
    QObject::connect(&oGarde, &QTimer::timeout, &oBoucle, &QEventLoop::quit);
    bool bEcrit = Ecrire();
    Mesurer(
        oEtat,
        [&] {
            oGarde.start(10000);
            oBoucle.exec();
        },
        [&] {
            const std::size_t nAttendues = bAutre ? kAttributions + 1 : kAttributions;
            const bool bSuivi = bEcrit && poTable->GetPersonnages().front().mpoDocument.get() == poDocument
                && poDocument->GetJournal()->size() == nAttendues;
            bEcrit = Ecrire();
            return bSuivi;
        });
}
}

BENCHMARK(BM_OuvrirPersonnage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OuvrirTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnregistrerPersonnage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccorderATous)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RafraichirTable)->Unit(benchmark::kMillisecond);
