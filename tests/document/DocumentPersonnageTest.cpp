#include "DocumentPersonnage.h"
#include "NomFichier.h"
#include "model/Demon.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace
{
using Intention = std::function<void(DocumentPersonnage&)>;
}

// The document on its own, with no window: what each intention of the player does to the character, to the steps to
// undo and to the signals the views follow.
class DocumentPersonnageTest : public QObject
{
    Q_OBJECT

private slots:
    void EachIntentionIsAtMostOneStepAndOneShowing_data();
    void EachIntentionIsAtMostOneStepAndOneShowing();
    void TheJournalSaysWhatItDid_data();
    void TheJournalSaysWhatItDid();
    void UndoAndRedoPutBackTheExactStates();
    void TypingANameIsOneStep();
    void RemovedTogetherSecondaryTalentsGiveBackFirst();
    void AnUndoneRemovalPutsTheRowBackInItsPlace();
    void ARefusedOpenLeavesEverythingAsItWas();
};

void DocumentPersonnageTest::EachIntentionIsAtMostOneStepAndOneShowing_data()
{
    QTest::addColumn<Intention>("intention");
    QTest::addColumn<int>("pas");
    QTest::addColumn<int>("changements");
    QTest::addColumn<bool>("refus");

    const auto I = [](Intention f) { return f; };
    QTest::newRow("characteristic raised") << I([](auto& o) { o.ChangerCaracteristique(FORCE, 3); }) << 1 << 1 << false;
    QTest::newRow("characteristic off the half points")
        << I([](auto& o) { o.ChangerCaracteristique(FORCE, 2.2); }) << 0 << 1 << false;
    QTest::newRow("characteristic above the cap")
        << I([](auto& o) { o.ChangerCaracteristique(FORCE, 6); }) << 0 << 1 << true;
    QTest::newRow("PP raised") << I([](auto& o) { o.ChangerPP(5); }) << 1 << 1 << false;
    QTest::newRow("total PA lowered past the points left") << I([](auto& o) {
        o.ChangerCaracteristique(FORCE, 3);
        o.ChangerTotalPA(0);
    }) << 1 << 2 << true;
    QTest::newRow("grade raised") << I([](auto& o) { o.ChangerGrade(2); }) << 1 << 1 << false;
    QTest::newRow("superior chosen") << I([](auto& o) { o.ChoisirSuperieur("Baal"); }) << 1 << 1 << false;
    QTest::newRow("talent added with its speciality") << I([](auto& o) { o.AjouterTalent("Combat"); }) << 1 << 1 << false;
    QTest::newRow("talent from no catalogue") << I([](auto& o) { o.AjouterTalent("Jonglage"); }) << 0 << 0 << false;
    QTest::newRow("power reserved to another superior")
        << I([](auto& o) { o.AjouterPouvoir("ArtDeCombat"); }) << 0 << 0 << true;
    QTest::newRow("talent score raised") << I([](auto& o) {
        o.AjouterTalent("Baratin");
        o.ChangerScoreTalent("Baratin", 2.5);
    }) << 2 << 2 << false;
    QTest::newRow("checked talents removed") << I([](auto& o) {
        o.AjouterTalent("Combat");
        o.EnleverTalents({"Combat", "Combat(Spe)"});
    }) << 2 << 2 << false;
    QTest::newRow("power level raised") << I([](auto& o) {
        o.AjouterPouvoir("Poison");
        o.ChangerNiveauPouvoir("Poison", 1);
    }) << 2 << 2 << false;
    QTest::newRow("notes") << I([](auto& o) { o.ChangerNotes("Né à Paris"); }) << 1 << 1 << false;
    QTest::newRow("award granted, date and reason changed") << I([](auto& o) {
        o.Accorder("2099-10-17", 10, "Séance 1");
        o.ChangerDate(1, "2099-10-18");
        o.ChangerRaison(1, "Séance 2");
    }) << 3 << 3 << false;
    QTest::newRow("award whose PA are spent kept") << I([](auto& o) {
        o.ChangerTotalPA(5);
        o.Accorder("", 10, "Séance 1");
        o.ChangerCaracteristique(FORCE, 4);
        o.RetirerAttribution(1);
    }) << 3 << 4 << true;
    QTest::newRow("total set twice after an award, one adjustment") << I([](auto& o) {
        o.Accorder("", 10, "Séance 1");
        o.ChangerTotalPA(95);
        o.ChangerTotalPA(97);
    }) << 2 << 3 << false;
    QTest::newRow("adjustment brought back to 0 PA, gone") << I([](auto& o) {
        o.Accorder("", 10, "Séance 1");
        o.ChangerTotalPA(95);
        o.ChangerTotalPA(90);
    }) << 1 << 3 << false;
    QTest::newRow("correction kept under a total at the top") << I([](auto& o) {
        o.Accorder("", -30, "Correction");
        o.Accorder("", Personnage::PATotalMax - 50, "Trésor");
        o.RetirerAttribution(1);
    }) << 2 << 3 << true;
}

// An intention that changes the character is one step; one that came with a value the character may not have taken
// shows the character again even when it changed nothing; a refusal is said once.
void DocumentPersonnageTest::EachIntentionIsAtMostOneStepAndOneShowing()
{
    QFETCH(Intention, intention);
    QFETCH(int, pas);
    QFETCH(int, changements);
    QFETCH(bool, refus);
    DocumentPersonnage oDocument;
    oDocument.Remplacer(new Demon);
    QSignalSpy oChangements(&oDocument, &DocumentPersonnage::Change);
    QSignalSpy oAnnonces(&oDocument, &DocumentPersonnage::Annonce);

    intention(oDocument);

    QCOMPARE(oDocument.GetPile()->count(), pas);
    QCOMPARE(oChangements.size(), changements);
    const bool bRefus = std::any_of(oAnnonces.begin(), oAnnonces.end(), [](const auto& o) { return o[1].toBool(); });
    QCOMPARE(bRefus, refus);
    QVERIFY(*oDocument.GetEtat() == oDocument.GetPerso()->GetEtat());
    QCOMPARE(oDocument.EstModifie(), pas > 0);
}

void DocumentPersonnageTest::TheJournalSaysWhatItDid_data()
{
    QTest::addColumn<Intention>("intention");
    QTest::addColumn<QString>("annonce");

    const auto I = [](Intention f) { return f; };
    QTest::newRow("adjustment added") << I([](auto& o) {
        o.Accorder("", 10, "Séance 1");
        o.ChangerTotalPA(95);
    }) << "Ajustement de +5 PA ajouté au journal";
    QTest::newRow("adjustment changed") << I([](auto& o) {
        o.Accorder("", 10, "Séance 1");
        o.ChangerTotalPA(95);
        o.ChangerTotalPA(87);
    }) << QStringLiteral("Ajustement du %1 porté à −3 PA").arg(QString::fromStdString(DocumentPersonnage::Aujourdhui()));
    QTest::newRow("purchases of a removed award") << I([](auto& o) {
        o.Accorder("2099-01-02", 10, "Séance 1");
        o.Accorder("2099-01-09", 10, "Séance 2");
        o.ChangerCaracteristique(FORCE, 3);
        o.RetirerAttribution(2);
    }) << "Ses achats comptent désormais dans l'attribution du 2099-01-02 (« Séance 1 »)";
    QTest::newRow("purchases of the first award removed") << I([](auto& o) {
        o.Accorder("", 10, "Séance 1");
        o.ChangerCaracteristique(FORCE, 3);
        o.RetirerAttribution(1);
    }) << "Ses achats comptent désormais dans la création";
}

// An adjustment the total PA box makes or moves, and where the purchases of a removed award now count, are told.
void DocumentPersonnageTest::TheJournalSaysWhatItDid()
{
    QFETCH(Intention, intention);
    QFETCH(QString, annonce);
    DocumentPersonnage oDocument;
    oDocument.Remplacer(new Demon);
    QSignalSpy oAnnonces(&oDocument, &DocumentPersonnage::Annonce);

    intention(oDocument);

    QCOMPARE(oAnnonces.last().at(0).toString(), annonce);
}

// What the secondary talents give back pays for the PA secondaire the primary ones take back: no PA is converted
// that another order of the same removals would keep.
void DocumentPersonnageTest::RemovedTogetherSecondaryTalentsGiveBackFirst()
{
    auto* poDemon = new Demon;
    poDemon->AjouterTalentBase("Acrobatie", SECONDAIRE, AGILITE);
    poDemon->AugmenterTalent("Acrobatie", 4);
    poDemon->AjouterTalentBase("Baratin", PRIMAIRE, PRESENCE);
    poDemon->AugmenterTalent("Baratin", 2);
    poDemon->AugmenterTalent("Acrobatie", 2);
    QCOMPARE(poDemon->GetPAConverti(), 2);
    DocumentPersonnage oDocument;
    oDocument.Remplacer(poDemon);

    oDocument.EnleverTalents({"Baratin", "Acrobatie"});

    QCOMPARE(oDocument.GetPerso()->GetPA(), 78);
    QCOMPARE(oDocument.GetPerso()->GetPAConverti(), 2);
}

void DocumentPersonnageTest::AnUndoneRemovalPutsTheRowBackInItsPlace()
{
    DocumentPersonnage oDocument;
    oDocument.Remplacer(new Demon);
    for (const char* oPouvoir : {"Vol", "Poison", "Anaerobiose"})
        oDocument.AjouterPouvoir(oPouvoir);
    const std::vector<std::string> oOrdre = oDocument.GetOrdre()->moPouvoirs;
    QCOMPARE(oOrdre, (std::vector<std::string>{"Vol", "Poison", "Anaerobiose"}));

    oDocument.EnleverPouvoirs({"Poison"});
    oDocument.GetPile()->undo();
    QCOMPARE(oDocument.GetOrdre()->moPouvoirs, oOrdre);
    oDocument.GetPile()->redo();
    QCOMPARE(oDocument.GetOrdre()->moPouvoirs, (std::vector<std::string>{"Vol", "Anaerobiose"}));
}

void DocumentPersonnageTest::UndoAndRedoPutBackTheExactStates()
{
    DocumentPersonnage oDocument;
    oDocument.Remplacer(new Demon);
    std::vector<EtatPersonnage> oEtats{oDocument.GetPerso()->GetEtat()};
    const std::vector<Intention> oIntentions = {
        [](auto& o) { o.ChangerGrade(3); },          [](auto& o) { o.ChangerCaracteristique(FORCE, 7.5); },
        [](auto& o) { o.AjouterTalent("Combat"); }, [](auto& o) { o.ChangerGrade(0); },
        [](auto& o) { o.EnleverTalents({"Combat"}); }};
    for (const Intention& fIntention : oIntentions)
    {
        fIntention(oDocument);
        oEtats.push_back(oDocument.GetPerso()->GetEtat());
    }
    QSignalSpy oChangements(&oDocument, &DocumentPersonnage::Change);

    for (auto oEtat = oEtats.rbegin() + 1; oEtat != oEtats.rend(); ++oEtat)
    {
        oDocument.GetPile()->undo();
        QVERIFY(oDocument.GetPerso()->GetEtat() == *oEtat);
    }
    for (auto oEtat = oEtats.begin() + 1; oEtat != oEtats.end(); ++oEtat)
    {
        oDocument.GetPile()->redo();
        QVERIFY(oDocument.GetPerso()->GetEtat() == *oEtat);
    }
    QCOMPARE(oChangements.size(), 2 * static_cast<int>(oIntentions.size()));
}

void DocumentPersonnageTest::TypingANameIsOneStep()
{
    DocumentPersonnage oDocument;
    oDocument.Remplacer(new Demon);
    for (const char* oNom : {"A", "Az", "Aza", "Azazel"})
        oDocument.ChangerNom(oNom);

    QCOMPARE(oDocument.GetPile()->count(), 1);
    oDocument.GetPile()->undo();
    QCOMPARE(oDocument.GetPerso()->GetNom(), std::string());
}

void DocumentPersonnageTest::ARefusedOpenLeavesEverythingAsItWas()
{
    const QTemporaryDir oDossier;
    const QString oBon = oDossier.filePath(QStringLiteral("bon.vexal"));
    const QString oVide = oDossier.filePath(QStringLiteral("vide.vexal"));
    QFile oFichier(oVide);
    QVERIFY(oFichier.open(QIODevice::WriteOnly));
    oFichier.close();
    DocumentPersonnage oDocument;
    oDocument.Remplacer(new Demon);
    QVERIFY(oDocument.Enregistrer(oBon).isEmpty());
    oDocument.ChangerCaracteristique(FORCE, 3);
    const EtatPersonnage oAvant = oDocument.GetPerso()->GetEtat();
    QSignalSpy oSignaux(&oDocument, &DocumentPersonnage::Change);

    QCOMPARE(oDocument.Ouvrir(oVide, nullptr), QStringLiteral("Le fichier est vide"));

    QVERIFY(oDocument.GetPerso()->GetEtat() == oAvant);
    QCOMPARE(oDocument.GetPile()->count(), 1);
    QCOMPARE(oDocument.GetFichier(), oBon);
    QVERIFY(oDocument.EstModifie());
    QCOMPARE(oSignaux.size(), 0);
}

QTEST_GUILESS_MAIN(DocumentPersonnageTest)
#include "DocumentPersonnageTest.moc"
