#include "Joueur.h"

#include "Dialogues.h"
#include "DossierPartage.h"
#include "Fiche.h"
#include "MyWidget.h"
#include "fichier/FichierPersonnage.h"
#include "model/Demon.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QUndoStack>

namespace
{
// A demon with a name, a superior, a reserved power, a general talent with its speciality, and a language.
std::unique_ptr<Personnage> Modele()
{
    auto poPerso = std::make_unique<Demon>();
    poPerso->SetNom("Azazel");
    poPerso->SetSuperieur("Baal");
    poPerso->AjouterPouvoirBase("ArtDeCombat");
    poPerso->AjouterTalentBase("Combat", PRIMAIRE, AGILITE);
    poPerso->AugmenterTalent("Combat(Spe)", 2);
    poPerso->AugmenterTalent("Combat", 2);
    poPerso->AjouterTalentBase("LangueAnglais", SECONDAIRE, AUCUNE);
    return poPerso;
}

void Ecrire(const QString& oChemin, const QByteArray& oOctets)
{
    QFile oFichier(oChemin);
    QVERIFY(oFichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(oFichier.write(oOctets), oOctets.size());
}

QString Programme()
{
    return QStringLiteral(VEXAL_PROGRAMME);
}
}

class DocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ARefusedFileLeavesTheOpenCharacterAsItWas_data();
    void ARefusedFileLeavesTheOpenCharacterAsItWas();
    void ACharacterIsSavedReopenedAndNeverDroppedUnasked();
    void TheCommandLineExportsAFileOrSaysWhyNot();
    void NotesAreOneStepAPauseAndKeptInTheFile();
    void TheJournalListsWhatEachAwardBought();
    void AnAwardIsWhatIsTypedInTheDialog();
    void TheWebPageIsWrittenSharedAndOpenedBack();

private:
    QTemporaryDir moDossier;
    QStringList moAvertissements;
};

void DocumentTest::init()
{
    moAvertissements.clear();
    Dialogues::SetTemoinAvertissements(&moAvertissements);
}

void DocumentTest::cleanup()
{
    Dialogues::SetTemoinAvertissements(nullptr);
    Dialogues::SetProchaineReponse(std::nullopt);
}

void DocumentTest::ARefusedFileLeavesTheOpenCharacterAsItWas_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<QString>("raison");

    // The reasons of every refusal are the file's own tests; here, one of each kind reaches the window.
    const QByteArray oValide = QByteArray::fromStdString(FichierPersonnage::Ecrire(Modele()->GetEtat()));
    const auto Pa = [](int nPA) { return QByteArray("\"pa\": ") + QByteArray::number(nPA); };
    QByteArray oFaux = oValide;
    oFaux.replace(Pa(Modele()->GetPA()), Pa(Modele()->GetPA() - 3));
    QTest::newRow("empty") << QByteArray() << "vide";
    const QByteArray oBlancs(static_cast<qsizetype>(FichierPersonnage::kTailleMax), ' ');
    QTest::newRow("over the size limit") << oValide + oBlancs << "16 Mio";
    QTest::newRow("balances off") << oFaux << "Les PA ne tombent pas juste";
}

// Whatever the file, the sheet keeps its character, its unsaved steps and its title, and the warning names the
// first problem.
void DocumentTest::ARefusedFileLeavesTheOpenCharacterAsItWas()
{
    QFETCH(QByteArray, texte);
    QFETCH(QString, raison);
    const auto poFiche = OuvrirFiche(Modele().release());
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->ForceValue);
    const EtatPersonnage oAvant = poFiche->GetPerso()->GetEtat();
    const QString oTitre = poFiche->windowTitle();
    const QString oChemin = moDossier.filePath(QStringLiteral("refuse.vexal"));
    Ecrire(oChemin, texte);

    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    Dialogues::SetProchainNom(oChemin);
    Joueur::Cliquer(poFiche->Ouvrir);

    QCOMPARE(moAvertissements.size(), 1);
    QVERIFY2(moAvertissements.first().contains(raison), qPrintable(moAvertissements.first()));
    QVERIFY(poFiche->GetPerso()->GetEtat() == oAvant);
    QCOMPARE(poFiche->GetPile()->count(), 1);
    QCOMPARE(poFiche->windowTitle(), oTitre);
    VERIFIER_FICHE(*poFiche);
}

// Named, edited and saved, the character comes back whole from the command line; later edits are asked about
// before anything drops them, and the player's answer holds.
void DocumentTest::ACharacterIsSavedReopenedAndNeverDroppedUnasked()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("azazel.vexal"));
    EtatPersonnage oEnregistre;
    {
        const auto poDepart = OuvrirDepart(QStringLiteral("&Faire un Demon"));
        QVERIFY(poDepart);
        Fiche& oFiche = *poDepart->GetFiche();
        QTest::keyClicks(oFiche.NomValue, QStringLiteral("Azazel"));
        Joueur::Monter(oFiche.ForceValue, 2);
        QVERIFY(Joueur::AjouterTalent(oFiche, QStringLiteral("Combat")));
        QCOMPARE(oFiche.GetPile()->count(), 4);
        QCOMPARE(oFiche.windowTitle(), QStringLiteral("Azazel[*] - VEXAL Fiche de perso Version 1.0"));
        QVERIFY(oFiche.isWindowModified());
        // In the name, the undo keys are the character's: the talent goes and comes back, the name stays.
        oFiche.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&oFiche));
        oFiche.NomValue->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(oFiche.NomValue, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(NomsDesLignes(oFiche.vboxLayout1).isEmpty());
        QTest::keyClick(oFiche.NomValue, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(NomsDesLignes(oFiche.vboxLayout1), (QStringList{"Combat", "Combat(Spe)"}));
        QCOMPARE(oFiche.NomValue->text(), QStringLiteral("Azazel"));

        // Saved through the save button's arrow, from the keyboard.
        Dialogues::SetProchainNom(moDossier.filePath(QStringLiteral("azazel")));
        QTimer::singleShot(0, [] {
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        });
        oFiche.Enregistrer->setFocus(Qt::TabFocusReason);
        QTest::keyClick(oFiche.Enregistrer, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(oFiche.GetFichier(), oChemin);
        QVERIFY(!oFiche.isWindowModified());
        QCOMPARE(oFiche.windowTitle(), QStringLiteral("Azazel (azazel.vexal)[*] - VEXAL Fiche de perso Version 1.0"));
        oEnregistre = oFiche.GetPerso()->GetEtat();
        // Saved: quitting asks nothing.
        Dialogues::SetProchaineReponse(Dialogues::Reponse::Annuler);
        QVERIFY(oFiche.PeutAbandonner());
        QVERIFY(Dialogues::ProchaineReponse());
        Dialogues::SetProchaineReponse(std::nullopt);
    }

    std::string oErreur;
    MyWidget oDepart;
    oDepart.OuvrirFichier(oChemin);
    Fiche& oFiche = *oDepart.GetFiche();
    QVERIFY(moAvertissements.isEmpty());
    QVERIFY(oFiche.GetPerso()->GetEtat() == oEnregistre);
    QCOMPARE(NomsDesLignes(oFiche.vboxLayout1), (QStringList{"Combat", "Combat(Spe)"}));
    QCOMPARE(oFiche.NomValue->text(), QStringLiteral("Azazel"));
    QVERIFY(!oFiche.Annuler->isEnabled());

    Joueur::Monter(oFiche.ForceValue);
    QVERIFY(oFiche.Annuler->isEnabled());
    Dialogues::SetProchaineReponse(Dialogues::Reponse::Annuler);
    Joueur::Cliquer(Bouton(oDepart, QStringLiteral("&Faire un ange")));
    QVERIFY(!Dialogues::ProchaineReponse());
    QCOMPARE(oDepart.GetFiche(), &oFiche);
    QCOMPARE(oFiche.GetPerso()->GetCaract(FORCE), 3.5f);

    Dialogues::SetProchaineReponse(Dialogues::Reponse::Enregistrer);
    Joueur::Cliquer(Bouton(oDepart, QStringLiteral("&Faire un ange")));
    QCOMPARE(oDepart.GetFiche()->GetPerso()->GetCamp(), ANGE);
    QVERIFY(FichierPersonnage::Ouvrir(QFile::encodeName(oChemin).constData(), oErreur)->GetCaract(FORCE) == 3.5f);
    Joueur::Monter(oDepart.GetFiche()->ForceValue);
    Joueur::Cliquer(oDepart.GetFiche()->Annuler);
    QVERIFY(!oDepart.GetFiche()->isWindowModified());
}

void DocumentTest::TheCommandLineExportsAFileOrSaysWhyNot()
{
    const QString oFichier = moDossier.filePath(QStringLiteral("azazel.vexal"));
    const QString oSortie = moDossier.filePath(QStringLiteral("azazel.txt"));
    const QString oRefuse = moDossier.filePath(QStringLiteral("refuse.vexal"));
    const std::unique_ptr<Personnage> poPerso = Modele();
    std::string oErreur;
    QVERIFY(FichierPersonnage::Enregistrer(*poPerso, Journaux::Commencer(poPerso->GetEtat(), ""),
                                           QFile::encodeName(oFichier).constData(), oErreur));
    Ecrire(oRefuse, "{}");
    // Work without a window leaves the player's settings alone: no file is noted as last used.
    const QString oReglages = moDossier.filePath(QStringLiteral("reglages"));
    const auto Lancer = [&oReglages](const QStringList& oArguments) {
        QProcess oProgramme;
        QProcessEnvironment oEnvironnement = QProcessEnvironment::systemEnvironment();
        // No display: work without a window must not need one.
        oEnvironnement.remove(QStringLiteral("DISPLAY"));
        oEnvironnement.remove(QStringLiteral("QT_QPA_PLATFORM"));
        oEnvironnement.insert(QStringLiteral("XDG_CONFIG_HOME"), oReglages);
        oProgramme.setProcessEnvironment(oEnvironnement);
        oProgramme.start(Programme(), oArguments);
        oProgramme.waitForFinished(20000);
        return std::pair{oProgramme.exitCode(), QString::fromUtf8(oProgramme.readAllStandardError())};
    };

    QCOMPARE(Lancer({QStringLiteral("--export"), oSortie, oFichier}).first, 0);
    QFile oExport(oSortie);
    QVERIFY(oExport.open(QIODevice::ReadOnly));
    QCOMPARE(oExport.readAll().toStdString(), poPerso->TexteExport());

    const QString oAutreSortie = moDossier.filePath(QStringLiteral("refuse.txt"));
    const auto [nCode, oMessage] = Lancer({QStringLiteral("--export"), oAutreSortie, oRefuse});
    QCOMPARE(nCode, 1);
    QVERIFY2(oMessage.contains(QStringLiteral("Ce n'est pas une fiche de personnage VEXAL")), qPrintable(oMessage));
    QVERIFY(!QFile::exists(oAutreSortie));
    QCOMPARE(Lancer({QStringLiteral("--version")}).first, 0);
    const QString oPdf = moDossier.filePath(QStringLiteral("azazel.pdf"));
    QCOMPARE(Lancer({QStringLiteral("--pdf"), oPdf, oFichier}).first, 0);
    QFile oFeuille(oPdf);
    QVERIFY(oFeuille.open(QIODevice::ReadOnly));
    QVERIFY(oFeuille.read(5) == "%PDF-");
    const QString oAutrePdf = moDossier.filePath(QStringLiteral("refuse.pdf"));
    QCOMPARE(Lancer({QStringLiteral("--pdf"), oAutrePdf, oRefuse}).first, 1);
    QVERIFY(!QFile::exists(oAutrePdf));
    const QString oPage = moDossier.filePath(QStringLiteral("azazel.html"));
    QCOMPARE(Lancer({QStringLiteral("--html"), oPage, oFichier}).first, 0);
    QVERIFY(FichierPersonnage::Ouvrir(QFile::encodeName(oPage).constData(), oErreur));
    QCOMPARE(Lancer({QStringLiteral("--html"), oPage, QStringLiteral("--pdf"), oPdf, oFichier}).first, 2);
    QVERIFY(!QFileInfo::exists(oReglages + QStringLiteral("/vexal")));
    QCOMPARE(Lancer({QStringLiteral("--export"), moDossier.filePath(QStringLiteral("absent/x.txt")), oFichier}).first,
             1);
}

// A pause in the typing ends a step; the notes go into the file and come back with an undo. The notes' window saves,
// undoes and prints with the sheet's keys.
void DocumentTest::NotesAreOneStepAPauseAndKeptInTheFile()
{
    const auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Cliquer(poFiche->Notes);
    auto* poNotes = poFiche->findChild<QPlainTextEdit*>(QStringLiteral("NotesTexte"));
    QVERIFY(poNotes != nullptr && poNotes->isVisible());

    poNotes->insertPlainText(QStringLiteral("Né à Paris"));
    QCOMPARE(poFiche->GetPile()->count(), 0);
    QTRY_COMPARE(poFiche->GetPile()->count(), 1);
    QTest::keyClicks(poNotes, QStringLiteral(", en 1920"));
    QTRY_COMPARE(poFiche->GetPile()->count(), 2);
    QCOMPARE(poFiche->GetPerso()->GetNotes(), std::string("Né à Paris, en 1920"));

    const QString oChemin = moDossier.filePath(QStringLiteral("notes.vexal"));
    Dialogues::SetProchainNom(oChemin);
    QTest::keyClick(poNotes, Qt::Key_S, Qt::ControlModifier);
    std::string oErreur;
    QCOMPARE(FichierPersonnage::Ouvrir(QFile::encodeName(oChemin).constData(), oErreur)->GetNotes(),
             std::string("Né à Paris, en 1920"));

    QTest::keyClick(poNotes, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(poNotes->toPlainText(), QStringLiteral("Né à Paris"));
    const QString oFeuille = moDossier.filePath(QStringLiteral("notes.pdf"));
    Dialogues::SetProchainNom(oFeuille);
    QTest::keyClick(poNotes, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(QFileInfo(oFeuille).size() > 0);
}

// Created, saved, granted PA, spent them, saved and opened again: the journal lists the award and what it bought.
void DocumentTest::TheJournalListsWhatEachAwardBought()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("campagne.vexal"));
    {
        const auto poDepart = OuvrirDepart(QStringLiteral("&Faire un Demon"));
        QVERIFY(poDepart);
        Fiche& oFiche = *poDepart->GetFiche();
        Dialogues::SetProchainNom(oChemin);
        Joueur::Cliquer(oFiche.Enregistrer);
        Joueur::Cliquer(oFiche.JournalBouton);
        auto* poJournal = oFiche.findChild<QWidget*>(QStringLiteral("FenetreJournal"));
        QVERIFY(poJournal != nullptr && poJournal->isVisible());
        QTimer::singleShot(0, [] {
            QWidget* poDialogue = QApplication::activeModalWidget();
            poDialogue->findChild<QSpinBox*>(QStringLiteral("AttributionPA"))->setValue(12);
            poDialogue->findChild<QLineEdit*>(QStringLiteral("AttributionRaison"))->setText(QStringLiteral("Séance 1"));
            QTest::keyClick(poDialogue, Qt::Key_Return);
        });
        Joueur::Cliquer(poJournal->findChild<QPushButton*>(QStringLiteral("Accorder")));
        QCOMPARE(oFiche.spinBoxPATOT->value(), 92);
        Joueur::Monter(oFiche.ForceValue, 2);
        QVERIFY(Joueur::AjouterPouvoir(oFiche, QStringLiteral("Vol")));
        Joueur::Cliquer(oFiche.Enregistrer);
    }

    MyWidget oDepart;
    oDepart.OuvrirFichier(oChemin);
    Fiche& oFiche = *oDepart.GetFiche();
    Joueur::Cliquer(oFiche.JournalBouton);
    auto* poTable = oFiche.findChild<QTableWidget*>(QStringLiteral("JournalTable"));
    auto* poAchats = oFiche.findChild<QListWidget*>(QStringLiteral("JournalAchats"));
    QCOMPARE(poTable->rowCount(), 2);
    QCOMPARE(poTable->item(1, 0)->text(), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(poTable->item(1, 1)->text(), QStringLiteral("12"));
    QCOMPARE(poTable->item(1, 2)->text(), QStringLiteral("Séance 1"));
    const auto Achats = [&](int nLigne) {
        poTable->setCurrentCell(nLigne, 0);
        QStringList oLignes;
        for (int n = 0; n < poAchats->count(); ++n)
            oLignes << poAchats->item(n)->text();
        return oLignes;
    };
    QCOMPARE(Achats(1), (QStringList{"Force : 2 → 3 (4 PA dépensés)", "Vol : ajouté à 0,5 (3 PA dépensés)"}));
    QCOMPARE(Achats(0), QStringList{"Rien n'a encore été acheté avec ces PA."});

    // The same character in a file of version 1, which knew no journal: its creation holds what it bought.
    QFile oFichier(oChemin);
    QVERIFY(oFichier.open(QIODevice::ReadOnly));
    QByteArray oTexte = oFichier.readAll();
    oTexte.truncate(oTexte.indexOf(",\n  \"journal\""));
    Ecrire(oChemin, oTexte.replace("\"version\": 2", "\"version\": 1") + "\n}\n");
    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    oDepart.OuvrirFichier(oChemin);
    QVERIFY2(oFiche.BarreEtat->text().contains(QStringLiteral("version 1")), qPrintable(oFiche.BarreEtat->text()));
    QCOMPARE(poTable->rowCount(), 1);
    QCOMPARE(poTable->item(0, 3)->text(), QStringLiteral("repris d'un fichier version 1"));
}

// Typed whole, the amount and the date are the award's; an amount no total holds, or a day that does not exist, is
// refused inside the dialog, which stays open and keeps the amount it had.
void DocumentTest::AnAwardIsWhatIsTypedInTheDialog()
{
    const auto poFiche = OuvrirFiche(new Demon);
    Joueur::Cliquer(poFiche->JournalBouton);
    auto* poJournal = poFiche->findChild<QWidget*>(QStringLiteral("FenetreJournal"));
    const QString oDate = QDate::currentDate().addDays(25).toString(Qt::ISODate);
    QStringList oRefus;
    int nGarde = 0;
    QTimer::singleShot(0, [&] {
        QWidget* poDialogue = QApplication::activeModalWidget();
        poDialogue->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), poDialogue);
        auto* poPA = poDialogue->findChild<QSpinBox*>(QStringLiteral("AttributionPA"));
        auto* poRefus = poDialogue->findChild<QLabel*>(QStringLiteral("AttributionRefus"));
        Joueur::Entamer(poPA, QStringLiteral("9999999999"));
        oRefus << poRefus->text();
        nGarde = poPA->value();
        Joueur::Entamer(poPA, QStringLiteral("99999"));
        QTest::keyClick(poPA, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Seance 1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2026-02-30"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        oRefus << poRefus->text();
        QTest::keyClicks(QApplication::focusWidget(), oDate);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Joueur::Cliquer(poJournal->findChild<QPushButton*>(QStringLiteral("Accorder")));

    QCOMPARE(oRefus.size(), 2);
    QVERIFY2(oRefus[0].startsWith(QStringLiteral("Les PA accordés vont de -")), qPrintable(oRefus[0]));
    QCOMPARE(nGarde, 10);
    QCOMPARE(oRefus[1], QStringLiteral("2026-02-30 n'existe pas"));
    const Journal& oAttributions = *poFiche->GetDocument().GetJournal();
    QCOMPARE(oAttributions.size(), std::size_t(2));
    QCOMPARE(oAttributions[1].mnPA, 99999);
    QCOMPARE(oAttributions[1].moDate, oDate.toStdString());
    QCOMPARE(oAttributions[1].moRaison, std::string("Seance 1"));
    QCOMPARE(poFiche->findChild<QTableWidget*>(QStringLiteral("JournalTable"))->currentRow(), 1);
}

// "Page web…" writes the page where the player says; a sharing folder gets the page at each save, or the status line
// says why not while the save stands; the page opens back as the character, tied to no file.
void DocumentTest::TheWebPageIsWrittenSharedAndOpenedBack()
{
    const auto poFiche = OuvrirFiche(Modele().release());
    QVERIFY(poFiche);
    Dialogues::SetProchainNom(moDossier.filePath(QStringLiteral("page")));
    Joueur::Cliquer(poFiche->PageWeb);
    const QString oPage = moDossier.filePath(QStringLiteral("page.html"));
    QVERIFY2(poFiche->BarreEtat->text().contains(oPage), qPrintable(poFiche->BarreEtat->text()));

    QAction* poPartage = poFiche->Enregistrer->menu()->actions().value(1);
    QCOMPARE(poPartage->text(), QStringLiteral("Dossier de partage…"));
    for (const auto& [oDossier, bEchec] : {std::pair(moDossier.filePath(QStringLiteral("absent")), true),
                                           std::pair(moDossier.path(), false)})
    {
        Dialogues::SetProchainNom(oDossier);
        poPartage->trigger();
        Dialogues::SetProchainNom(moDossier.filePath(QStringLiteral("azazel.vexal")));
        Joueur::Cliquer(poFiche->Enregistrer);
        QCOMPARE(poFiche->GetFichier(), moDossier.filePath(QStringLiteral("azazel.vexal")));
        QCOMPARE(poFiche->BarreEtat->text().contains(QStringLiteral("La page web n'a pas pu être écrite")), bEchec);
    }
    Dialogues::SetProchainNom(QString());
    poPartage->trigger();
    QVERIFY(DossierPartage::Lire().isEmpty());
    QVERIFY(moAvertissements.isEmpty());

    std::string oErreur;
    for (const QString& oLue : {oPage, moDossier.filePath(QStringLiteral("Azazel.html"))})
        QVERIFY(FichierPersonnage::Ouvrir(QFile::encodeName(oLue).constData(), oErreur)->GetEtat()
                == poFiche->GetPerso()->GetEtat());
    const auto poAutre = OuvrirFiche(new Demon);
    QVERIFY(poAutre->OuvrirFichier(oPage));
    QVERIFY(poAutre->GetPerso()->GetEtat() == poFiche->GetPerso()->GetEtat());
    QVERIFY(poAutre->GetFichier().isEmpty());
}

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
