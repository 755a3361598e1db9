#include "Joueur.h"

#include "Dialogues.h"
#include "DocumentTable.h"
#include "FenetreTable.h"
#include "Fiche.h"
#include "MyWidget.h"
#include "PouvoirTalentWidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{
// Lines 1, 6 and 7 end with a space.
const QByteArray kFicheAttendue = "Fiche de Personnage VEXAL Version 1.0 \n"
                                  "\n"
                                  "Superieur : Baal\n"
                                  "Grade : 1\n"
                                  "\n"
                                  "FORCE: 3 AGILITE: 3+ PERCEPTION: 1+ \n"
                                  "PRESENCE: 2 VOLONTE: 2 FOI: 2+ \n"
                                  "\n"
                                  "PP :7\n"
                                  "PF :5\n"
                                  "BL :5\n"
                                  "BG :10\n"
                                  "BF :15\n"
                                  "MS :20\n"
                                  "\n"
                                  "\n"
                                  "TALENTS PRIMAIRE:\n"
                                  "\n"
                                  "    Combat(2+)\n"
                                  "    Combat(Spe)(2+)\n"
                                  "    Fouille(0+)\n"
                                  "\n"
                                  "TALENTS SECONDAIRE:\n"
                                  "\n"
                                  "    Acrobatie(3)\n"
                                  "    LangueAnglais(1+)\n"
                                  "\n"
                                  "TALENTS EXOTIQUE:\n"
                                  "\n"
                                  "    Torture(2)\n"
                                  "\n"
                                  "POUVOIRS :\n"
                                  "\n"
                                  "    ArtDeCombat(1+)\n"
                                  "    Poison(1)\n";

QDoubleSpinBox* BoiteTalent(const Fiche& oFiche, const QString& oNom)
{
    return BoiteDe(Ligne(oFiche.vboxLayout1, oNom));
}

QDoubleSpinBox* BoitePouvoir(const Fiche& oFiche, const QString& oNom)
{
    return BoiteDe(Ligne(oFiche.vboxLayout, oNom));
}

// A new character of the start window, named and saved in oFichier.
void Creer(MyWidget& oDepart, const QString& oBouton, const QString& oNom, const QString& oFichier)
{
    Joueur::Cliquer(Bouton(oDepart, oBouton));
    Fiche& oFiche = *oDepart.GetFiche();
    QTest::keyClicks(oFiche.NomValue, oNom);
    Joueur::Monter(oFiche.ForceValue);
    Dialogues::SetProchainNom(oFichier);
    Joueur::Cliquer(oFiche.Enregistrer);
}

// The row of the grid as the table window shows it, a cell per character.
QStringList Rangee(const QTableView& oVue, int nLigne)
{
    QStringList oCases;
    for (int nColonne = 0; nColonne < oVue.model()->columnCount(); ++nColonne)
        oCases << oVue.model()->index(nLigne, nColonne).data().toString();
    return oCases;
}

// A double click as the mouse makes it: the first click, then the second.
void DoubleCliquer(QWidget* poZone, QPoint oPoint)
{
    QTest::mouseClick(poZone, Qt::LeftButton, {}, oPoint);
    QTest::mouseDClick(poZone, Qt::LeftButton, {}, oPoint);
}

QByteArray Lire(const QString& oChemin)
{
    QFile oFichier(oChemin);
    return oFichier.open(QIODevice::ReadOnly) ? oFichier.readAll() : QByteArray();
}
}

class ParcoursTest : public QObject
{
    Q_OBJECT

private slots:
    void PlayerBuildsADemonAndExportsIt();
    void GameMasterKeepsATableOfThreeAndGrantsThemOneAward();
};

void ParcoursTest::PlayerBuildsADemonAndExportsIt()
{
    QTemporaryDir oDossier;
    QStringList oAvertissements;
    Dialogues::SetTemoinAvertissements(&oAvertissements);
    const auto oFin = qScopeGuard([] { Dialogues::SetTemoinAvertissements(nullptr); });
    const auto poFenetre = OuvrirDepart("&Faire un Demon");
    QVERIFY(poFenetre);
    Fiche* poFiche = poFenetre->GetFiche();
    QVERIFY(QTest::qWaitForWindowExposed(poFiche));
    Fiche& oFiche = *poFiche;
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("80"));

    // One digit too many refuses the number whole rather than cutting it to 100.
    Joueur::Taper(oFiche.spinBoxPATOT, "1000");
    QCOMPARE(oFiche.spinBoxPATOT->text(), QStringLiteral("80"));
    QCOMPARE(oFiche.BarreEtat->text(), QStringLiteral("Total PA va de 0 à 999"));
    Joueur::Taper(oFiche.spinBoxPATOT, "100");
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("100"));
    Joueur::Monter(oFiche.spinBoxGRADE);
    QCOMPARE(oFiche.spinBoxGRADE->value(), 1);

    QVERIFY(Joueur::AjouterPouvoir(oFiche, "ArtDeCombat"));
    QVERIFY(Lignes(oFiche.vboxLayout).isEmpty());
    QVERIFY(Joueur::Choisir(oFiche.SuperieurListe, "Baal"));
    QCOMPARE(oFiche.SupLabel->text(), QStringLiteral("Baal"));

    Joueur::Monter(oFiche.ForceValue, 2);
    Joueur::Taper(oFiche.AgiliteValue, "3.5");
    Joueur::Descendre(oFiche.PerceptionValue);
    Joueur::Monter(oFiche.FoiValue);
    Joueur::Monter(oFiche.PPValue, 3);
    QCOMPARE(oFiche.AgiliteValue->value(), 3.5);
    QCOMPARE(oFiche.PPValue->value(), 7);
    QCOMPARE(oFiche.PFValue->text(), QStringLiteral("5"));
    QCOMPARE(oFiche.BLValue->text(), QStringLiteral("5"));
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("87"));

    QVERIFY(Joueur::AjouterTalent(oFiche, "Combat"));
    Joueur::Monter(BoiteTalent(oFiche, "Combat(Spe)"), 2);
    Joueur::Monter(BoiteTalent(oFiche, "Combat"), 2);
    QVERIFY(Joueur::AjouterTalent(oFiche, "Fouille"));
    Joueur::Monter(BoiteTalent(oFiche, "Fouille"));
    QVERIFY(Joueur::AjouterTalent(oFiche, "Acrobatie"));
    Joueur::Monter(BoiteTalent(oFiche, "Acrobatie"), 3);
    QVERIFY(Joueur::AjouterTalent(oFiche, "LangueAnglais"));
    Joueur::Monter(BoiteTalent(oFiche, "LangueAnglais"), 2);
    QVERIFY(Joueur::AjouterTalent(oFiche, "Torture"));
    Joueur::Monter(BoiteTalent(oFiche, "Torture"), 2);
    QCOMPARE(NomsDesLignes(oFiche.vboxLayout1),
             QStringList({"Combat", "Combat(Spe)", "Fouille", "Acrobatie", "LangueAnglais", "Torture"}));
    QCOMPARE(BoiteTalent(oFiche, "Combat")->value(), 2.5);
    QCOMPARE(BoiteTalent(oFiche, "Fouille")->value(), 1.5);
    QCOMPARE(BoiteTalent(oFiche, "Acrobatie")->value(), 3.0);
    QCOMPARE(BoiteTalent(oFiche, "LangueAnglais")->value(), 1.5);
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("80"));
    QCOMPARE(oFiche.PASecondaireValue->text(), QStringLiteral("1"));

    QVERIFY(Joueur::AjouterPouvoir(oFiche, "Poison"));
    Joueur::Monter(BoitePouvoir(oFiche, "Poison"));
    QVERIFY(Joueur::AjouterPouvoir(oFiche, "ArtDeCombat"));
    Joueur::Monter(BoitePouvoir(oFiche, "ArtDeCombat"), 2);
    QVERIFY(Joueur::AjouterPouvoir(oFiche, "Charme"));
    Joueur::Cocher(Ligne(oFiche.vboxLayout, "Charme"));
    Joueur::Cliquer(oFiche.RemovePouvoir);
    QCOMPARE(NomsDesLignes(oFiche.vboxLayout), QStringList({"Poison", "ArtDeCombat"}));
    QCOMPARE(BoitePouvoir(oFiche, "ArtDeCombat")->value(), 1.5);
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("65"));
    QCOMPARE(oFiche.PASecondaireValue->text(), QStringLiteral("1"));
    QCOMPARE(oFiche.PAConvertiValue->text(), QStringLiteral("0"));
    VERIFIER_FICHE(oFiche);

    const QString oChemin = oDossier.filePath("baal.txt");
    Dialogues::SetProchainNom(oChemin);
    Joueur::Cliquer(oFiche.Export);

    QFile oFichier(oChemin);
    QVERIFY(oFichier.open(QIODevice::ReadOnly));
    QCOMPARE(oFichier.readAll(), kFicheAttendue);
    QCOMPARE(QDir(oDossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"baal.txt"});
    QVERIFY(oAvertissements.isEmpty());
}

void ParcoursTest::GameMasterKeepsATableOfThreeAndGrantsThemOneAward()
{
    QTemporaryDir oDossier;
    QStringList oAvertissements;
    Dialogues::SetTemoinAvertissements(&oAvertissements);
    const auto oFin = qScopeGuard([] { Dialogues::SetTemoinAvertissements(nullptr); });
    const QStringList oFichiers{oDossier.filePath("azazel.vexal"), oDossier.filePath("gabriel.vexal"),
                                oDossier.filePath("lilith.vexal")};
    QVERIFY(QFile::copy(QStringLiteral("docs/exemple.vexal"), oFichiers[0]));
    const auto poDepart = OuvrirDepart();
    QVERIFY(poDepart);
    Creer(*poDepart, "&Faire un ange", "Gabriel", oFichiers[1]);
    Creer(*poDepart, "&Faire un Demon", "Lilith", oFichiers[2]);
    Fiche& oFiche = *poDepart->GetFiche();

    Joueur::Cliquer(Bouton(*poDepart, "&Table de jeu…"));
    FenetreTable* poTable = poDepart->GetFenetreTable();
    QVERIFY(QTest::qWaitForWindowExposed(poTable));
    QTest::keyClicks(poTable->findChild<QLineEdit*>("TableNom"), "La chute");
    QCOMPARE(poTable->windowTitle(), QStringLiteral("Table de jeu : La chute[*]"));
    QVERIFY(poTable->isWindowModified());
    Dialogues::SetProchainsNoms(oFichiers);
    Joueur::Cliquer(Bouton(*poTable, "Ajouter des personnages…"));
    auto* poVue = poTable->findChild<QTableView*>("TableGrille");
    QCOMPARE(poVue->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Azazel\nDémon, Baal\nGrade 1"));
    QCOMPARE(poVue->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Gabriel\nAnge, sans supérieur\nGrade 0"));
    QTest::keyClicks(poTable->findChild<QLineEdit*>("TableFiltre"), "FORCE");
    QCOMPARE(poVue->model()->rowCount(), 1);
    QCOMPARE(Rangee(*poVue, 0), QStringList({"4", "2,5", "2,5"}));
    QVERIFY(poVue->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    poTable->findChild<QLineEdit*>("TableFiltre")->clear();
    QCOMPARE(Rangee(*poVue, 0), QStringList({"140", "100", "80"}));

    // Six PA for everyone, but eight for Lilith, set apart before the common amount changed.
    QStringList oSuivis;
    QTimer::singleShot(0, [&] {
        QWidget* poDialogue = QApplication::activeModalWidget();
        poDialogue->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), poDialogue);
        auto* poCommun = poDialogue->findChild<QSpinBox*>("AttributionPA");
        const QList<QSpinBox*> oParts = poDialogue->findChild<QGroupBox*>()->findChildren<QSpinBox*>();
        for (const auto& [poBoite, oPA] : {std::pair{oParts[2], "8"}, std::pair{poCommun, "6"}})
        {
            Joueur::Entamer(poBoite, oPA);
            QTest::keyClick(poBoite, Qt::Key_Tab);
        }
        for (const QSpinBox* poPart : oParts)
            oSuivis << poPart->text();
        QTest::keyClicks(QApplication::focusWidget(), "Seance 7");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Joueur::Cliquer(Bouton(*poTable, "Accorder à la table…"));
    QCOMPARE(oSuivis, QStringList({"6", "6", "8"}));
    QCOMPARE(poTable->findChild<QLabel*>("TableEtat")->text(), QStringLiteral("Attribution accordée à 3 personnages"));
    QCOMPARE(Rangee(*poVue, 0), QStringList({"146", "106", "88"}));
    for (const QString& oChemin : oFichiers)
    {
        QVERIFY2(Lire(oChemin).contains("\"raison\":\"Seance 7\""), qPrintable(oChemin));
        QVERIFY(QFile::exists(oChemin + "~"));
    }
    QCOMPARE(oFiche.spinBoxPATOT->value(), 88);

    // Gabriel on the sheet, the award taken back there in one step: the grid follows, the file waits.
    DoubleCliquer(poVue->viewport(), poVue->visualRect(poVue->model()->index(3, 1)).center());
    QCOMPARE(oFiche.NomValue->text(), QStringLiteral("Gabriel"));
    QVERIFY(oFiche.isVisible());
    Joueur::Cliquer(oFiche.Annuler);
    QCOMPARE(oFiche.spinBoxPATOT->value(), 100);
    QVERIFY(oFiche.isWindowModified());
    QCOMPARE(Rangee(*poVue, 0), QStringList({"146", "100", "88"}));
    QVERIFY(Lire(oFichiers[1]).contains("Seance 7"));

    const QString oCampagne = oDossier.filePath("campagne.vexal-table");
    Dialogues::SetProchainNom(oCampagne);
    Joueur::Cliquer(Bouton(*poTable, "Enregistrer"));
    QVERIFY(!poTable->isWindowModified());
    QCOMPARE(Lire(oCampagne), QByteArray("{\n  \"format\": \"vexal-table\",\n  \"version\": 1,\n"
                                         "  \"nom\": \"La chute\",\n  \"personnages\": [\n    \"azazel.vexal\",\n"
                                         "    \"gabriel.vexal\",\n    \"lilith.vexal\"\n  ]\n}\n"));
    QVERIFY(poTable->close());
    QVERIFY(poTable->GetTable().GetPersonnages().empty());

    // Opened again from the start window, the table shows Gabriel as the sheet holds it, which is not asked about.
    Dialogues::SetProchaineReponse(Dialogues::Reponse::Annuler);
    Dialogues::SetProchainNom(oCampagne);
    Joueur::Cliquer(Bouton(*poDepart, "&Ouvrir…"));
    QVERIFY2(Dialogues::ProchaineReponse(), "the sheet was asked about a file it does not open");
    QVERIFY(QTest::qWaitForWindowExposed(poTable));
    QCOMPARE(poTable->windowTitle(), QStringLiteral("Table de jeu : La chute[*]"));
    QCOMPARE(Rangee(*poVue, 0), QStringList({"146", "100", "88"}));
    QCOMPARE(oFiche.NomValue->text(), QStringLiteral("Gabriel"));

    // Azazel's header: the sheet asks about Gabriel, let go back to its file.
    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    QHeaderView* poEntete = poVue->horizontalHeader();
    DoubleCliquer(poEntete->viewport(),
                  QPoint(poEntete->sectionViewportPosition(0) + poEntete->sectionSize(0) / 2, poEntete->height() / 2));
    QVERIFY(!Dialogues::ProchaineReponse());
    QCOMPARE(oFiche.NomValue->text(), QStringLiteral("Azazel"));
    QCOMPARE(Rangee(*poVue, 0), QStringList({"146", "106", "88"}));

    // Printed: the grid, then the three sheets.
    const QString oPdf = oDossier.filePath("campagne.pdf");
    Dialogues::SetProchainNom(oPdf);
    Joueur::Cliquer(Bouton(*poTable, "PDF…"));
    QVERIFY(Lire(oPdf).startsWith("%PDF-"));
    QVERIFY(oAvertissements.isEmpty());
}

QTEST_MAIN(ParcoursTest)
#include "ParcoursTest.moc"
