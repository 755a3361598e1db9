#include "Joueur.h"

#include "CopieRecuperation.h"
#include "Dialogues.h"
#include "Fiche.h"
#include "MyWidget.h"
#include "VersionFichiers.h"
#include "fichier/FichierPersonnage.h"
#include "model/Demon.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

namespace
{
QByteArray Lire(const QString& oChemin)
{
    QFile oFichier(oChemin);
    return oFichier.open(QIODevice::ReadOnly) ? oFichier.readAll() : QByteArray();
}

void Ecrire(const QString& oChemin, const QByteArray& oOctets)
{
    QFile oFichier(oChemin);
    QVERIFY(oFichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(oFichier.write(oOctets), oOctets.size());
}

QStringList Copies()
{
    return QDir(CopieRecuperation::Dossier()).entryList({QStringLiteral("*.vexal")}, QDir::Files);
}

// Plays each gesture on the modal window that comes up, in turn, while the sheet waits on the first one.
void SurLesFenetresModales(QList<std::function<void(QWidget*)>> oGestes)
{
    auto* poGuet = new QTimer(qApp);
    QObject::connect(poGuet, &QTimer::timeout, [poGuet, oGestes, poDerniere = QPointer<QWidget>()]() mutable {
        QWidget* poModale = QApplication::activeModalWidget();
        if (poModale == nullptr || poModale == poDerniere)
            return;
        poDerniere = poModale;
        // Played once the watch is over: a gesture that opens the next modal window waits inside it.
        QTimer::singleShot(0, poModale, [poModale, fGeste = oGestes.takeFirst()] { fGeste(poModale); });
        if (oGestes.isEmpty())
            poGuet->deleteLater();
    });
    poGuet->start(50);
}
}

class ConfianceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void SavingAsAsksAboutTheFileReallyWritten();
    void WhatIsTypedIsWhatIsSaved();
    void AFileOpenInAnotherProgramIsOpenedOnlyIfThePlayerSays();
    void SavingOverAFileChangedOnDiskAsksFirst();
    void QuittingAsksOncePerUnsavedCharacter();
    void ARefusedFileIsShownAndTheStartWindowStays();
    void UnsavedChangesKeepARecoveryCopyUntilSaved();
    void ACopyLeftByAStoppedProgramIsOfferedBack();
    void ACopyGoesBackOnlyToItsOwnUnchangedCharacterFile_data();
    void ACopyGoesBackOnlyToItsOwnUnchangedCharacterFile();
    void AClosedSheetLetsItsFileGoAndOneFileHasOneLock();
    void WhatCannotBeKeptIsSaidOnTheStatusLine();

private:
    QTemporaryDir moDossier;
    QStringList moAvertissements;
};

void ConfianceTest::init()
{
    moAvertissements.clear();
    Dialogues::SetTemoinAvertissements(&moAvertissements);
    QDir(CopieRecuperation::Dossier()).removeRecursively();
}

void ConfianceTest::cleanup()
{
    Dialogues::SetTemoinAvertissements(nullptr);
    Dialogues::SetProchainesReponses({});
}

// "autre" typed in the save dialog writes autre.vexal: the dialog's question is about that file.
void ConfianceTest::SavingAsAsksAboutTheFileReallyWritten()
{
    const QString oAutre = moDossier.filePath(QStringLiteral("autre.vexal"));
    Ecrire(oAutre, "garde");
    const auto poFiche = OuvrirFiche(new Demon);
    QString oQuestion;
    QPointer<QWidget> poDialogue;
    SurLesFenetresModales({[&](QWidget* poModale) {
                               poDialogue = poModale;
                               qobject_cast<QFileDialog*>(poModale)->setDirectory(moDossier.path());
                               auto* poNom = poModale->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                               poNom->setText(QStringLiteral("autre"));
                               QTest::keyClick(poNom, Qt::Key_Return);
                           },
                           [&](QWidget* poModale) {
                               oQuestion = qobject_cast<QMessageBox*>(poModale)->text();
                               QTest::keyClick(poModale, Qt::Key_Escape);
                               QTimer::singleShot(0, poDialogue, &QWidget::close);
                           }});

    QVERIFY(!poFiche->EnregistrerSousAction());

    QVERIFY2(oQuestion.contains(QStringLiteral("autre.vexal")), qPrintable(oQuestion));
    QCOMPARE(Lire(oAutre), QByteArray("garde"));
}

// A number still being typed reaches the character before Ctrl+S writes it, and before the question on closing; so
// does a reason still being typed in the journal.
void ConfianceTest::WhatIsTypedIsWhatIsSaved()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("tape.vexal"));
    const auto poFiche = OuvrirFiche(new Demon);
    Dialogues::SetProchainNom(oChemin);
    QVERIFY(poFiche->EnregistrerAction());

    Joueur::Entamer(poFiche->ForceValue, QStringLiteral("3"));
    QTest::keySequence(poFiche.get(), QKeySequence::Save);

    std::string oErreur;
    QCOMPARE(FichierPersonnage::Ouvrir(QFile::encodeName(oChemin).constData(), oErreur)->GetCaract(FORCE), 3.0f);
    QVERIFY(!poFiche->isWindowModified());
    Joueur::Cliquer(poFiche->JournalBouton);
    auto* poJournal = poFiche->findChild<QWidget*>(QStringLiteral("FenetreJournal"));
    poJournal->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), poJournal);
    auto* poTable = poFiche->findChild<QTableWidget*>(QStringLiteral("JournalTable"));
    QTest::mouseClick(poTable->viewport(), Qt::LeftButton, {}, poTable->visualItemRect(poTable->item(0, 2)).center());
    QTest::keyClick(poTable, Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Depart"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    Dossier oDossier;
    QVERIFY(FichierPersonnage::Ouvrir(QFile::encodeName(oChemin).constData(), oErreur, &oDossier));
    QCOMPARE(oDossier.moJournal.front().moRaison, std::string("Depart"));
    QVERIFY(!poFiche->isWindowModified());
    Joueur::Entamer(poFiche->ForceValue, QStringLiteral("3.5"));
    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    QVERIFY(!poFiche->close());
    QVERIFY(Dialogues::ProchainesReponses().isEmpty());
    QCOMPARE(poFiche->GetPerso()->GetCaract(FORCE), 3.5f);
}

// While another VEXAL holds the file, opening it asks; once that program is gone, its lock is taken over.
void ConfianceTest::AFileOpenInAnotherProgramIsOpenedOnlyIfThePlayerSays()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("partage.vexal"));
    Demon oAutre;
    oAutre.SetNom("Belial");
    std::string oErreur;
    QVERIFY(FichierPersonnage::Enregistrer(oAutre, Journaux::Commencer(oAutre.GetEtat(), ""),
                                           QFile::encodeName(oChemin).constData(), oErreur));
    QTemporaryDir oMaison;
    QProcess oProgramme;
    QProcessEnvironment oEnvironnement = QProcessEnvironment::systemEnvironment();
    oEnvironnement.insert(QStringLiteral("XDG_DATA_HOME"), oMaison.path());
    oEnvironnement.insert(QStringLiteral("XDG_CONFIG_HOME"), oMaison.path());
    oProgramme.setProcessEnvironment(oEnvironnement);
    oProgramme.start(QStringLiteral(VEXAL_PROGRAMME), {oChemin});
    QTRY_VERIFY(QFile::exists(moDossier.filePath(QStringLiteral(".partage.vexal.lock"))));
    const auto poFiche = OuvrirFiche(new Demon);

    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    QVERIFY(!poFiche->OuvrirFichier(oChemin));
    QVERIFY(Dialogues::ProchainesReponses().isEmpty());
    QCOMPARE(poFiche->GetPerso()->GetNom(), std::string());
    // Saving over it asks the same, and the default keeps the other program's file.
    const QByteArray oAvant = Lire(oChemin);
    Dialogues::SetProchainNom(oChemin);
    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    QVERIFY(!poFiche->EnregistrerAction());
    QVERIFY(Dialogues::ProchainesReponses().isEmpty());
    QCOMPARE(Lire(oChemin), oAvant);

    oProgramme.kill();
    QVERIFY(oProgramme.waitForFinished());
    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    QVERIFY(poFiche->OuvrirFichier(oChemin));
    QCOMPARE(Dialogues::ProchainesReponses(), QStringList{QStringLiteral("Annuler")});
    QCOMPARE(poFiche->GetPerso()->GetNom(), std::string("Belial"));
    QVERIFY(moAvertissements.isEmpty());
}

void ConfianceTest::SavingOverAFileChangedOnDiskAsksFirst()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("change.vexal"));
    const auto poFiche = OuvrirFiche(new Demon);
    Dialogues::SetProchainNom(oChemin);
    QVERIFY(poFiche->EnregistrerAction());
    Demon oAilleurs;
    oAilleurs.SetNom("Ecrit ailleurs");
    const QByteArray oAutreVersion = QByteArray::fromStdString(FichierPersonnage::Ecrire(oAilleurs.GetEtat()));
    Ecrire(oChemin, oAutreVersion);
    Joueur::Monter(poFiche->ForceValue);

    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    QVERIFY(!poFiche->EnregistrerAction());
    QCOMPARE(Lire(oChemin), oAutreVersion);
    QVERIFY(poFiche->isWindowModified());

    Dialogues::SetProchainesReponses({QStringLiteral("Enregistrer quand même")});
    QVERIFY(poFiche->EnregistrerAction());
    QVERIFY(Dialogues::ProchainesReponses().isEmpty());
    QCOMPARE(Lire(oChemin), QByteArray::fromStdString(FichierPersonnage::Ecrire(
                                {poFiche->GetPerso()->GetEtat(), *poFiche->GetDocument().GetJournal()})));
}

void ConfianceTest::QuittingAsksOncePerUnsavedCharacter()
{
    const auto poDepart = OuvrirDepart(QStringLiteral("&Faire un Demon"));
    Joueur::Monter(poDepart->GetFiche()->ForceValue);
    QPushButton* poQuitter = Bouton(*poDepart, QStringLiteral("&Quitter"));

    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    Joueur::Cliquer(poQuitter);
    QVERIFY(Dialogues::ProchainesReponses().isEmpty());
    QVERIFY(poDepart->isVisible() && poDepart->GetFiche()->isVisible());

    Dialogues::SetProchainesReponses({QStringLiteral("Ne pas enregistrer"), QStringLiteral("Annuler")});
    QCOMPARE(Executer([&] { Joueur::Cliquer(poQuitter); }), 0);
    QCOMPARE(Dialogues::ProchainesReponses(), QStringList{QStringLiteral("Annuler")});
}

// What a double-click on a refused file runs: the reason, then the start window.
void ConfianceTest::ARefusedFileIsShownAndTheStartWindowStays()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("vide.vexal"));
    Ecrire(oChemin, "");
    const auto poDepart = OuvrirDepart();

    poDepart->OuvrirFichier(oChemin);

    QCOMPARE(moAvertissements.size(), 1);
    QVERIFY2(moAvertissements.first().contains(QStringLiteral("Le fichier est vide")), qPrintable(moAvertissements[0]));
    QVERIFY(poDepart->isVisible());
    QVERIFY(!poDepart->GetFiche()->isVisible());
}

// Within two seconds of an edit the copy holds the character; saved, the character needs it no more.
void ConfianceTest::UnsavedChangesKeepARecoveryCopyUntilSaved()
{
    const auto poFiche = OuvrirFiche(new Demon);
    Joueur::Monter(poFiche->ForceValue);

    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 1, 2000);
    const QString oCopie = poFiche->GetCopie().Chemin();
    std::string oErreur;
    FichierPersonnage::OrigineCopie oOrigine;
    const auto oDossier = FichierPersonnage::LireCopie(Lire(oCopie).toStdString(), oErreur, oOrigine);
    QVERIFY(oDossier && oDossier->moEtat == poFiche->GetPerso()->GetEtat());
    QVERIFY(oDossier->moJournal == *poFiche->GetDocument().GetJournal());

    Dialogues::SetProchainNom(moDossier.filePath(QStringLiteral("sauve.vexal")));
    QVERIFY(poFiche->EnregistrerAction());
    QVERIFY(Copies().isEmpty());
    QVERIFY(!QFile::exists(oCopie + QStringLiteral(".lock")));
}

// Copies left by a program that stopped are offered one by one, the oldest first; a running program's never are.
void ConfianceTest::ACopyLeftByAStoppedProgramIsOfferedBack()
{
    QVERIFY(QDir().mkpath(CopieRecuperation::Dossier()));
    const QString oIllisible = CopieRecuperation::Dossier() + QStringLiteral("/illisible.vexal");
    Ecrire(oIllisible, "{");
    QFile oAncienne(oIllisible);
    QVERIFY(oAncienne.open(QIODevice::ReadWrite));
    QVERIFY(oAncienne.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    oAncienne.close();
    Demon oPerdu;
    oPerdu.SetNom("Azazel");
    oPerdu.AugmenteCaracteristique(FORCE, 2);
    const QString oOrigine = moDossier.filePath(QStringLiteral("azazel.vexal"));
    const QString oPerdue = CopieRecuperation::Dossier() + QStringLiteral("/perdue.vexal");
    const std::string oTexte = FichierPersonnage::EcrireCopie(
        {oPerdu.GetEtat(), Journaux::Commencer(oPerdu.GetEtat(), "")}, {oOrigine.toStdString(), {}});
    Ecrire(oPerdue, QByteArray::fromStdString(oTexte));
    const auto poVivante = OuvrirFiche(new Demon);
    Joueur::Monter(poVivante->ForceValue);
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 3, 2000);
    const auto poDepart = OuvrirDepart();

    Dialogues::SetProchainesReponses({tr("Supprimer"), tr("Récupérer"), tr("Annuler")});
    poDepart->ProposerRecuperations();

    QCOMPARE(Dialogues::ProchainesReponses(), QStringList{QStringLiteral("Annuler")});
    QCOMPARE(Copies().size(), 2);
    const Fiche& oFiche = *poDepart->GetFiche();
    QVERIFY(oFiche.isVisible() && oFiche.isWindowModified());
    QVERIFY(oFiche.GetPerso()->GetEtat() == oPerdu.GetEtat());
    QCOMPARE(oFiche.GetFichier(), oOrigine);
    QCOMPARE(oFiche.GetCopie().Chemin(), oPerdue);
}

// The copy names the file it came from; recovered, it is saved only over that very character file, as it was
// when the copy's edits began, unless the player says so. Any other file stays as it is.
void ConfianceTest::ACopyGoesBackOnlyToItsOwnUnchangedCharacterFile_data()
{
    QTest::addColumn<QString>("origine");
    QTest::addColumn<QByteArray>("contenu");  // what the origin holds when the copy is made; none: no such file
    QTest::addColumn<bool>("changeDepuis");   // another save of the origin after the copy's edits began
    QTest::addColumn<bool>("retour");         // the character goes back to its file
    Demon oSauve;
    oSauve.SetNom("Sauvé");
    const QByteArray oFiche = QByteArray::fromStdString(FichierPersonnage::Ecrire(oSauve.GetEtat()));
    QTest::newRow("unchanged") << "azazel.vexal" << oFiche << false << true;
    QTest::newRow("saved since") << "azazel.vexal" << oFiche << true << true;
    QTest::newRow("not yet saved there") << "azazel.vexal" << QByteArray() << false << true;
    QTest::newRow("relative") << "" << QByteArray() << false << false;
    QTest::newRow("a text file") << "notes.txt" << QByteArray("mes notes\n") << false << false;
    QTest::newRow("the copy itself") << "*" << QByteArray() << false << false;
}

void ConfianceTest::ACopyGoesBackOnlyToItsOwnUnchangedCharacterFile()
{
    QFETCH(QString, origine);
    QFETCH(QByteArray, contenu);
    QFETCH(bool, changeDepuis);
    QFETCH(bool, retour);
    QVERIFY(QDir().mkpath(CopieRecuperation::Dossier()));
    const QString oCopie = CopieRecuperation::Dossier() + QStringLiteral("/perdue.vexal");
    QString oOrigine = origine == QLatin1String("*") ? oCopie : moDossier.filePath(origine);
    if (origine.isEmpty())
        oOrigine = QStringLiteral("azazel.vexal");
    QFile::remove(oOrigine);
    std::optional<FichierPersonnage::VersionFichier> oVersion;
    if (!contenu.isEmpty())
    {
        Ecrire(oOrigine, contenu);
        oVersion = VersionDe(EmpreinteDe(QFile::encodeName(oOrigine).constData()), contenu.toStdString());
    }
    if (changeDepuis)
    {
        Demon oEntreTemps;
        oEntreTemps.SetNom("Enregistré entre-temps");
        Ecrire(oOrigine, QByteArray::fromStdString(FichierPersonnage::Ecrire(oEntreTemps.GetEtat())));
    }
    Demon oPerdu;
    oPerdu.SetNom("Azazel");
    oPerdu.AugmenteCaracteristique(FORCE, 2);
    Ecrire(oCopie, QByteArray::fromStdString(FichierPersonnage::EcrireCopie(
                       {oPerdu.GetEtat(), Journaux::Commencer(oPerdu.GetEtat(), "")},
                       {QFile::encodeName(oOrigine).toStdString(), oVersion})));
    const QByteArray oAvant = Lire(oOrigine);
    const auto poDepart = OuvrirDepart();

    Dialogues::SetProchainesReponses({tr("Récupérer")});
    poDepart->ProposerRecuperations();
    Fiche& oFiche = *poDepart->GetFiche();
    QVERIFY(oFiche.isVisible() && oFiche.GetPerso()->GetEtat() == oPerdu.GetEtat());
    QCOMPARE(oFiche.GetFichier(), retour ? oOrigine : QString());
    QCOMPARE(oFiche.BarreEtat->text().contains(QStringLiteral("sans fichier")), !retour);

    // Saving asks first over a file written since; a character without a file asks for a name.
    Dialogues::SetProchainNom(QString());
    Dialogues::SetProchainesReponses({QStringLiteral("Annuler")});
    QCOMPARE(oFiche.EnregistrerAction(), retour && !changeDepuis);
    QCOMPARE(Dialogues::ProchainesReponses().isEmpty(), changeDepuis);
    if (!retour || changeDepuis)
        QCOMPARE(Lire(oOrigine), oAvant);
    else
        QCOMPARE(Lire(oOrigine), QByteArray::fromStdString(FichierPersonnage::Ecrire(
                                     {oFiche.GetPerso()->GetEtat(), *oFiche.GetDocument().GetJournal()})));
    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    QFile::remove(oOrigine);
}

// A sheet closed with nothing unsaved lets other programs open its file unwarned; the lock of a file reached
// through a link is the file's own, and a lock that cannot serve is said on the status line.
void ConfianceTest::AClosedSheetLetsItsFileGoAndOneFileHasOneLock()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("ferme.vexal"));
    const QString oVerrou = moDossier.filePath(QStringLiteral(".ferme.vexal.lock"));
    Ecrire(oChemin, QByteArray::fromStdString(FichierPersonnage::Ecrire(Demon().GetEtat())));
    QVERIFY(QFile::link(oChemin, moDossier.filePath(QStringLiteral("lien.vexal"))));
    const auto poDepart = OuvrirDepart();

    poDepart->OuvrirFichier(moDossier.filePath(QStringLiteral("lien.vexal")));
    Fiche& oFiche = *poDepart->GetFiche();
    QCOMPARE(oFiche.GetFichier(), oChemin);
    QVERIFY(QFile::exists(oVerrou));
    QVERIFY(!QFile::exists(moDossier.filePath(QStringLiteral(".lien.vexal.lock"))));
    QVERIFY(oFiche.close());
    QVERIFY(!QFile::exists(oVerrou));

    QVERIFY(QDir().mkdir(oVerrou));
    poDepart->OuvrirFichier(oChemin);
    QVERIFY2(oFiche.BarreEtat->text().contains(QStringLiteral("Pas de verrou")), qPrintable(oFiche.BarreEtat->text()));
    QVERIFY(QDir(oVerrou).exists());
    QVERIFY(QDir().rmdir(oVerrou));
}

// A save goes on without its backup, and edits without their recovery copy, but the player hears of it once.
void ConfianceTest::WhatCannotBeKeptIsSaidOnTheStatusLine()
{
    const QString oChemin = moDossier.filePath(QStringLiteral("secours.vexal"));
    QVERIFY(QDir().mkpath(oChemin + QLatin1Char('~')));
    QDir(CopieRecuperation::Dossier()).removeRecursively();
    Ecrire(CopieRecuperation::Dossier(), "un fichier où les copies devraient aller");
    const auto poFiche = OuvrirFiche(new Demon);
    Dialogues::SetProchainNom(oChemin);
    QVERIFY(poFiche->EnregistrerAction());
    QVERIFY(poFiche->EnregistrerAction());
    QVERIFY2(poFiche->BarreEtat->text().contains(QStringLiteral("secours.vexal~")), qPrintable(poFiche->BarreEtat->text()));
    QVERIFY(QFileInfo(oChemin + QLatin1Char('~')).isDir());

    Joueur::Monter(poFiche->ForceValue);
    QTRY_VERIFY_WITH_TIMEOUT(poFiche->BarreEtat->text().contains(QStringLiteral("copie de récupération")), 3000);
    Joueur::Monter(poFiche->ForceValue);
    QTest::qWait(2 * CopieRecuperation::kDelaiMs);
    QVERIFY(!poFiche->BarreEtat->text().contains(QStringLiteral("copie de récupération")));
    QFile::remove(CopieRecuperation::Dossier());
    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
}

QTEST_MAIN(ConfianceTest)
#include "ConfianceTest.moc"
