#include "PersonnagePlein.h"
#include "fichier/FichierPersonnage.h"
#include "fichier/FichierTable.h"
#include "model/Demon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString kTable = QStringLiteral("table.vexal-table");

// Every file of the folder, hidden ones too, with its bytes.
QMap<QString, QByteArray> Contenu(const QDir& oDossier)
{
    QMap<QString, QByteArray> oContenu;
    for (const QString& oNom : oDossier.entryList(QDir::Files | QDir::Hidden))
    {
        QFile oFichier(oDossier.filePath(oNom));
        oContenu[oNom] = oFichier.open(QIODevice::ReadOnly) ? oFichier.readAll() : QByteArray("illisible");
    }
    return oContenu;
}

// The program run to its end by bash, after oAvant: its exit code and what it said on stderr.
std::pair<int, QString> Lancer(const QStringList& oArguments, const QString& oAvant = {})
{
    QProcess oProgramme;
    oProgramme.start(QStringLiteral("bash"),
                     QStringList{QStringLiteral("-c"), oAvant + QStringLiteral(" exec \"$0\" \"$@\""),
                                 QStringLiteral(VEXAL_PROGRAMME)}
                         + oArguments);
    oProgramme.waitForFinished(60000);
    return {oProgramme.exitCode(), QString::fromUtf8(oProgramme.readAllStandardError())};
}

void Enregistrer(const Personnage& oPerso, const QString& oChemin)
{
    std::string oErreur;
    QVERIFY2(FichierPersonnage::Enregistrer(oPerso, Journaux::Commencer(oPerso.GetEtat(), ""),
                                           QFile::encodeName(oChemin).constData(), oErreur),
             oErreur.c_str());
}

void EcrireTable(const QDir& oDossier, const std::vector<std::string>& oPersonnages)
{
    std::string oErreur;
    QVERIFY2(FichierTable::Enregistrer({"Campagne de Lyon", oPersonnages},
                                       QFile::encodeName(oDossier.filePath(kTable)).constData(), oErreur),
             oErreur.c_str());
}
}

class TableCommandeTest : public QObject
{
    Q_OBJECT

private slots:
    void ThePdfOfATableIsItsGridThenEachSheet();
    void AnAwardGoesToEveryCharacterOrToNone_data();
    void AnAwardGoesToEveryCharacterOrToNone();
};

void TableCommandeTest::ThePdfOfATableIsItsGridThenEachSheet()
{
    const QTemporaryDir oTemporaire;
    const QDir oDossier(oTemporaire.path());
    const QStringList oNoms = QStringLiteral("Aurore Bastien Céleste Damien Élise Fabien Gaëlle Hugo").split(' ');
    std::vector<std::string> oFichiers;
    for (const QString& oNom : oNoms)
    {
        Demon oDemon;
        oDemon.SetNom(oNom.toStdString());
        oFichiers.push_back(oNom.toStdString() + FichierPersonnage::kExtension);
        Enregistrer(oDemon, oDossier.filePath(QString::fromStdString(oFichiers.back())));
    }
    oFichiers.push_back("perdu.vexal");
    EcrireTable(oDossier, oFichiers);
    const QString oPdf = oDossier.filePath(QStringLiteral("table.pdf"));

    const auto [nCode, oMessage] = Lancer({QStringLiteral("--pdf"), oPdf, oDossier.filePath(kTable)});
    QVERIFY2(nCode == 0, qPrintable(oMessage));
    QProcess oPdfToText;
    oPdfToText.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), oPdf, QStringLiteral("-")});
    QVERIFY(oPdfToText.waitForFinished(30000));
    const QStringList oPages =
        QString::fromUtf8(oPdfToText.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    // Six characters side by side on a page, every row named on each, the character missing said on the first.
    QCOMPARE(oPages.size(), 2 + oNoms.size());
    for (const QString& oGrille : oPages.mid(0, 2))
    {
        for (const char* oTexte : {"Campagne de Lyon", "Total PA", "Volonté", "Dernière attribution", "perdu.vexal"})
            QVERIFY2(oGrille.contains(QString::fromUtf8(oTexte)), oTexte);
    }
    QVERIFY(oPages[0].contains(QStringLiteral("perdu.vexal » ne peut pas être lu")));
    for (int n = 0; n < oNoms.size(); ++n)
    {
        QVERIFY2(oPages[n / 6].contains(oNoms[n]) && !oPages[1 - n / 6].contains(oNoms[n]), qPrintable(oNoms[n]));
        // Then each character's sheet, in the table's order.
        QVERIFY(oPages[2 + n].contains(QStringLiteral("FICHE DE PERSONNAGE")) && oPages[2 + n].contains(oNoms[n]));
    }
}

void TableCommandeTest::AnAwardGoesToEveryCharacterOrToNone_data()
{
    // A third file at the table, when there is one; another VEXAL holds the full character; its file grows past
    // what may be written; the file the refusal names, none when every character gets the award.
    QTest::addColumn<QString>("oTroisieme");
    QTest::addColumn<bool>("bTenu");
    QTest::addColumn<bool>("bLimite");
    QTest::addColumn<QString>("oNomme");
    QTest::newRow("granted to all") << QString() << false << false << QString();
    QTest::newRow("one open in another VEXAL") << QString() << true << false << "grand.vexal";
    QTest::newRow("a refused file") << "refuse.vexal" << false << false << "refuse.vexal";
    QTest::newRow("a write cut short") << QString() << false << true << "grand.vexal";
    QTest::newRow("a missing file") << "absent.vexal" << false << false << "absent.vexal";
}

void TableCommandeTest::AnAwardGoesToEveryCharacterOrToNone()
{
    QFETCH(QString, oTroisieme);
    QFETCH(bool, bTenu);
    QFETCH(bool, bLimite);
    QFETCH(QString, oNomme);
    const QTemporaryDir oTemporaire;
    const QDir oDossier(oTemporaire.path());
    const QStringList oPersonnages{QStringLiteral("petit.vexal"), QStringLiteral("grand.vexal")};
    Enregistrer(Demon(), oDossier.filePath(oPersonnages[0]));
    Demon oGrand;
    RemplirPersonnage(oGrand);
    Enregistrer(oGrand, oDossier.filePath(oPersonnages[1]));
    for (const QString& oNom : {oPersonnages[0] + '~', oPersonnages[1] + '~', QStringLiteral("refuse.vexal")})
    {
        QFile oFichier(oDossier.filePath(oNom));
        QVERIFY(oFichier.open(QIODevice::WriteOnly) && oFichier.write("{}") == 2);
    }
    std::vector<std::string> oTable{oPersonnages[0].toStdString(), oPersonnages[1].toStdString()};
    if (!oTroisieme.isEmpty())
        oTable.push_back(oTroisieme.toStdString());
    EcrireTable(oDossier, oTable);
    // The small character's file, its award and its copy fit within the limit, the full one's never.
    const qint64 nBlocs = QFileInfo(oDossier.filePath(oPersonnages[0])).size() * 2 / 1024 + 1;
    QVERIFY(QFileInfo(oDossier.filePath(oPersonnages[1])).size() > nBlocs * 1024);
    const QTemporaryDir oMaison;
    QProcess oAutre;
    if (bTenu)
    {
        QProcessEnvironment oEnvironnement = QProcessEnvironment::systemEnvironment();
        oEnvironnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        oEnvironnement.insert(QStringLiteral("XDG_DATA_HOME"), oMaison.path());
        oEnvironnement.insert(QStringLiteral("XDG_CONFIG_HOME"), oMaison.path());
        oAutre.setProcessEnvironment(oEnvironnement);
        oAutre.start(QStringLiteral(VEXAL_PROGRAMME), {oDossier.filePath(oPersonnages[1])});
        QTRY_VERIFY_WITH_TIMEOUT(oDossier.exists(QStringLiteral(".grand.vexal.lock")), 20000);
    }
    const QMap<QString, QByteArray> oAvant = Contenu(oDossier);

    const auto [nCode, oMessage] =
        Lancer({QStringLiteral("--accorder"), QStringLiteral("3"), QStringLiteral("--raison"),
                QStringLiteral("Séance 9"), oDossier.filePath(kTable)},
               bLimite ? QStringLiteral("ulimit -f %1;").arg(nBlocs) : QString());
    if (oNomme.isEmpty())
    {
        QVERIFY2(nCode == 0, qPrintable(oMessage));
        for (const QString& oNom : oPersonnages)
        {
            Dossier oLu;
            std::string oErreur;
            QVERIFY(FichierPersonnage::Ouvrir(QFile::encodeName(oDossier.filePath(oNom)).constData(), oErreur, &oLu));
            QCOMPARE(oLu.moJournal.size(), std::size_t(2));
        }
        return;
    }
    QCOMPARE(nCode, 1);
    QVERIFY2(oMessage.contains(oNomme), qPrintable(oMessage));
    QVERIFY(Contenu(oDossier) == oAvant);
}

QTEST_GUILESS_MAIN(TableCommandeTest)
#include "TableCommandeTest.moc"
