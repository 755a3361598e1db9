#include "Joueur.h"

#include "Dialogues.h"
#include "Fiche.h"
#include "model/Demon.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{
const QByteArray kDemonNeuf = "Fiche de Personnage VEXAL Version 1.0 \n"
                              "\n"
                              "Superieur : \n"
                              "Grade : 0\n"
                              "\n"
                              "FORCE: 2 AGILITE: 2 PERCEPTION: 2 \n"
                              "PRESENCE: 2 VOLONTE: 2 FOI: 2 \n"
                              "\n"
                              "PP :4\n"
                              "PF :4\n"
                              "BL :4\n"
                              "BG :8\n"
                              "BF :12\n"
                              "MS :16\n"
                              "\n"
                              "\n"
                              "TALENTS PRIMAIRE:\n"
                              "\n"
                              "\n"
                              "TALENTS SECONDAIRE:\n"
                              "\n"
                              "\n"
                              "TALENTS EXOTIQUE:\n"
                              "\n"
                              "\n"
                              "POUVOIRS :\n"
                              "\n";

QByteArray Lire(const QString& oChemin)
{
    QFile oFichier(oChemin);
    if (!oFichier.open(QIODevice::ReadOnly))
        return {};
    return oFichier.readAll();
}

// Every entry below the folder, hidden ones included, with its size: equal lists mean that
// nothing was created, removed or rewritten there.
QStringList Contenu(const QString& oDossier)
{
    QStringList oEntrees;
    QDirIterator oParcours(oDossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
    while (oParcours.hasNext())
    {
        oParcours.next();
        oEntrees << QStringLiteral("%1 %2").arg(oParcours.filePath()).arg(oParcours.fileInfo().size());
    }
    oEntrees.sort();
    return oEntrees;
}

// Answers the next save dialog that the sheet opens, the real one, and notes what it looked like.
// The dialog reads its folder in the background and may clear the name meanwhile, so the name is
// written again until the dialog takes it; after twenty seconds the dialog is cancelled.
class Repondeur : public QObject
{
public:
    // An empty name cancels the dialog.
    explicit Repondeur(const QString& oNom)
        : moNom(oNom)
    {
        connect(&moAttente, &QTimer::timeout, this, &Repondeur::Repondre);
        moAttente.start(10);
        moDuree.start();
    }

    QString moTitre;
    QWidget* mpoParent = nullptr;
    QFileDialog::AcceptMode meMode = QFileDialog::AcceptOpen;

private:
    void Repondre()
    {
        auto* poDialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (poDialogue == nullptr)
            return;
        moTitre = poDialogue->windowTitle();
        mpoParent = poDialogue->parentWidget();
        meMode = poDialogue->acceptMode();
        const auto* poBoutons = poDialogue->findChild<QDialogButtonBox*>();
        if (moNom.isEmpty() || moDuree.hasExpired(20000))
        {
            Joueur::Cliquer(poBoutons->button(QDialogButtonBox::Cancel));
            return;
        }
        auto* poSaisie = poDialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (poSaisie->text() != moNom)
            poSaisie->setText(moNom);
        QPushButton* poEnregistrer = poBoutons->button(QDialogButtonBox::Save);
        if (poEnregistrer->isEnabled())
            Joueur::Cliquer(poEnregistrer);
    }

    QString moNom;
    QTimer moAttente;
    QElapsedTimer moDuree;
};
}

class ExportFicheTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void SaveDialogAsksToChooseAFile_data();
    void SaveDialogAsksToChooseAFile();
    void CancellingTheSaveDialogWritesNothingAndShowsNothing();
    void FileBearsExactlyTheChosenName_data();
    void FileBearsExactlyTheChosenName();
    void ExportingTwiceKeepsOnlyTheSecond();
    void UnwritableTargetWarnsOnceAndLeavesTheDiskAlone_data();
    void UnwritableTargetWarnsOnceAndLeavesTheDiskAlone();

private:
    QStringList moAvertissements;
    QTemporaryDir moDossier;
};

void ExportFicheTest::init()
{
    moAvertissements.clear();
    Dialogues::SetTemoinAvertissements(&moAvertissements);
    QVERIFY(moDossier.isValid());
    QVERIFY(Contenu(moDossier.path()).isEmpty());
}

void ExportFicheTest::cleanup()
{
    Dialogues::SetTemoinAvertissements(nullptr);
    for (const QFileInfo& oEntree : QDir(moDossier.path()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
    {
        if (oEntree.isDir())
            QDir(oEntree.filePath()).removeRecursively();
        else
            QFile::remove(oEntree.filePath());
    }
}

void ExportFicheTest::SaveDialogAsksToChooseAFile_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("ecrit");

    QTest::newRow("cancelled") << QString() << QByteArray();
    QTest::newRow("a name given") << "fiche.txt" << kDemonNeuf;
}

void ExportFicheTest::SaveDialogAsksToChooseAFile()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, ecrit);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Repondeur oRepondeur(nom.isEmpty() ? nom : moDossier.filePath(nom));

    Joueur::Cliquer(poFiche->Export);

    QCOMPARE(oRepondeur.moTitre, QStringLiteral("Choose a file"));
    QCOMPARE(oRepondeur.mpoParent, poFiche.get());
    QCOMPARE(oRepondeur.meMode, QFileDialog::AcceptSave);
    QCOMPARE(Lire(moDossier.filePath("fiche.txt")), ecrit);
    QCOMPARE(QDir(moDossier.path()).entryList(QDir::Files | QDir::Hidden).size(), ecrit.isEmpty() ? 0 : 1);
    QVERIFY(moAvertissements.isEmpty());
}

void ExportFicheTest::CancellingTheSaveDialogWritesNothingAndShowsNothing()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    const QString oRacine = QDir::currentPath();
    const auto oRetour = qScopeGuard([&] { QDir::setCurrent(oRacine); });
    QVERIFY(QDir::setCurrent(moDossier.path()));
    Dialogues::SetProchainNom(QString());

    Joueur::Cliquer(poFiche->Export);

    QVERIFY(Contenu(moDossier.path()).isEmpty());
    QVERIFY(moAvertissements.isEmpty());
}

void ExportFicheTest::FileBearsExactlyTheChosenName_data()
{
    QTest::addColumn<QString>("nom");

    QTest::newRow("plain") << "fiche.txt";
    QTest::newRow("accented, with a space") << QStringLiteral("fiche été.txt");
    QTest::newRow("cyrillic") << QStringLiteral("персонаж.txt");
    QTest::newRow("no extension") << "fiche";
}

void ExportFicheTest::FileBearsExactlyTheChosenName()
{
    QFETCH(QString, nom);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Dialogues::SetProchainNom(moDossier.filePath(nom));

    Joueur::Cliquer(poFiche->Export);

    QCOMPARE(QDir(moDossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{nom});
    QCOMPARE(Lire(moDossier.filePath(nom)), kDemonNeuf);
    QVERIFY(moAvertissements.isEmpty());
}

void ExportFicheTest::ExportingTwiceKeepsOnlyTheSecond()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    const QString oChemin = moDossier.filePath("fiche.txt");
    Joueur::Monter(poFiche->ForceValue);
    Dialogues::SetProchainNom(oChemin);
    Joueur::Cliquer(poFiche->Export);
    QVERIFY(Lire(oChemin).contains("FORCE: 2+ "));

    Joueur::Descendre(poFiche->ForceValue);
    Dialogues::SetProchainNom(oChemin);
    Joueur::Cliquer(poFiche->Export);

    QCOMPARE(Lire(oChemin), kDemonNeuf);
    QCOMPARE(QDir(moDossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"fiche.txt"});
    QVERIFY(moAvertissements.isEmpty());
}

void ExportFicheTest::UnwritableTargetWarnsOnceAndLeavesTheDiskAlone_data()
{
    QTest::addColumn<QString>("cible");
    QTest::addColumn<QStringList>("dossiers");
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<bool>("personnage");
    QTest::addColumn<QString>("raison");

    QTest::newRow("a folder") << "dossier" << QStringList{"dossier"} << QStringList{} << false << "c'est un dossier";
    QTest::newRow("a folder holding a file") << "plein" << QStringList{"plein"} << QStringList{"plein/garde.txt"} << false
                                             << "c'est un dossier";
    QTest::newRow("a file in a missing folder") << "absent/fiche.txt" << QStringList{} << QStringList{} << false
                                                << "le dossier %1/absent n'existe pas";
    QTest::newRow("the character's own file") << "perso.vexal" << QStringList{} << QStringList{} << true
                                              << "c'est le fichier du personnage lui-même, qui serait perdu";
}

void ExportFicheTest::UnwritableTargetWarnsOnceAndLeavesTheDiskAlone()
{
    QFETCH(QString, cible);
    QFETCH(QStringList, dossiers);
    QFETCH(QStringList, fichiers);
    QFETCH(bool, personnage);
    QFETCH(QString, raison);
    for (const QString& oNom : dossiers)
        QVERIFY(QDir(moDossier.path()).mkpath(oNom));
    for (const QString& oNom : fichiers)
    {
        QFile oFichier(moDossier.filePath(oNom));
        QVERIFY(oFichier.open(QIODevice::WriteOnly));
        QCOMPARE(oFichier.write("garde"), qint64(5));
    }
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    const QString oChemin = moDossier.filePath(cible);
    if (personnage)
    {
        Dialogues::SetProchainNom(oChemin);
        Joueur::Cliquer(poFiche->Enregistrer);
    }
    const QStringList oAvant = Contenu(moDossier.path());
    Dialogues::SetProchainNom(oChemin);

    Joueur::Cliquer(poFiche->Export);

    QCOMPARE(moAvertissements, QStringList{QStringLiteral("Impossible d'écrire le fichier %1 : %2.")
                                               .arg(oChemin, raison.arg(moDossier.path()))});
    QCOMPARE(Contenu(moDossier.path()), oAvant);
}

QTEST_MAIN(ExportFicheTest)
#include "ExportFicheTest.moc"
