#include "ContenuFeuille.h"
#include "FeuilleImprimee.h"
#include "FichierPdf.h"
#include "PersonnagePlein.h"
#include "model/Demon.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// One row as the sheet prints it: a name, then its level and its score or price on the same line.
struct Rangee
{
    QString moNom;
    QString moNiveau;
    QString moValeur;
};

// What a search in the PDF finds, as laid out on the page; from one page only when nPage is given, and only from
// the left or right half of an A4 page when nMoitie is 1 or 2.
QString Texte(const QString& oPdf, int nPage = 0, int nMoitie = 0)
{
    QStringList oArguments{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (nPage > 0)
        oArguments << QStringLiteral("-f") << QString::number(nPage) << QStringLiteral("-l") << QString::number(nPage);
    if (nMoitie > 0)
        oArguments << QStringLiteral("-x %1 -W 298 -H 842").arg((nMoitie - 1) * 298).split(QLatin1Char(' '));
    QProcess oPdfToText;
    oPdfToText.start(QStringLiteral("pdftotext"), oArguments << oPdf << QStringLiteral("-"));
    if (!oPdfToText.waitForFinished(30000) || oPdfToText.exitCode() != 0)
        return {};
    return QString::fromUtf8(oPdfToText.readAllStandardOutput());
}

// Where the last of the texts ends when each comes after the one before, from nDepuis on; -1 and the first one
// missing otherwise.
qsizetype Suivre(const QString& oTexte, const QStringList& oAttendus, qsizetype nDepuis, QString& oManquant)
{
    for (const QString& oAttendu : oAttendus)
    {
        const qsizetype nTrouve = oTexte.indexOf(oAttendu, nDepuis);
        if (nTrouve < 0)
        {
            oManquant = oAttendu;
            return -1;
        }
        nDepuis = nTrouve + oAttendu.size();
    }
    return nDepuis;
}

QRegularExpression Motif(const Rangee& oRangee)
{
    return QRegularExpression(QStringLiteral("(^|\\s)%1\\s+(invariable\\s+)?%2\\s+%3(\\s|$)")
                                  .arg(QRegularExpression::escape(oRangee.moNom), QRegularExpression::escape(oRangee.moNiveau),
                                       QRegularExpression::escape(oRangee.moValeur)),
                              QRegularExpression::MultilineOption);
}

bool NommeSeul(const QString& oTexte, const QString& oNom)
{
    return oTexte.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(oNom))));
}

// Every row the full demon prints: its characteristics all stand at 2, so each talent scores its level plus 1.
std::vector<Rangee> RangeesPleines(Personnage& oPerso)
{
    std::vector<Rangee> oRangees;
    for (const Niveau& oTalent : oPerso.GetEtat().moTalents)
        oRangees.push_back({QString::fromStdString(oTalent.moNom), QStringLiteral("0"), QStringLiteral("1")});
    for (const Niveau& oPouvoir : oPerso.GetEtat().moPouvoirs)
        oRangees.push_back({QString::fromStdString(oPouvoir.moNom), QStringLiteral("0,5"),
                            QStringLiteral("%1 PA").arg(oPerso.GetPouvoir(oPouvoir.moNom)->GetCout())});
    return oRangees;
}

int Pages(const Personnage& oPerso, const Journal& oJournal)
{
    QBuffer oTampon;
    oTampon.open(QIODevice::WriteOnly);
    QPdfWriter oPdf(&oTampon);
    return ImprimerFeuille(oPerso, oJournal, oPdf);
}

QStringList Contenu(const QString& oDossier)
{
    return QDir(oDossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
}

class FeuilleImprimeeTest : public QObject
{
    Q_OBJECT

private slots:
    void EveryFigureOfTheCharacterCanBeFoundInReadingOrder();
    void TheDocumentIsTitledWithTheCharactersName_data();
    void TheDocumentIsTitledWithTheCharactersName();
    void FortyRowsAtGradeOneFitOnOnePage();
    void EveryRowOfAFullDemonStaysWholeOnItsPage();
    void ThePrinterTakesThePagesAndCopiesAskedForOnItsPaper_data();
    void ThePrinterTakesThePagesAndCopiesAskedForOnItsPaper();
    void AFailedWriteSaysWhyAndLeavesNothingBehind_data();
    void AFailedWriteSaysWhyAndLeavesNothingBehind();
};

void FeuilleImprimeeTest::EveryFigureOfTheCharacterCanBeFoundInReadingOrder()
{
    Demon oDemon;
    oDemon.SetNom("Azraëlle de Montségur");
    oDemon.SetNotes("Née à Carcassonne en 1209.\nCraint l'eau bénite.");
    Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "");
    QCOMPARE(Journaux::Accorder(oDemon, oJournal, "2026-10-17", 40, "Séance 3"), std::string());
    oDemon.SetGrade(1);
    oDemon.SetSuperieur("Abalam");
    oDemon.AugmenteCaracteristique(AGILITE, 3);
    QCOMPARE(Journaux::Accorder(oDemon, oJournal, "2026-10-31", 85, "Séance 4"), std::string());
    oDemon.AugmenteCaracteristique(PRESENCE, 4);
    oDemon.AugmenterPP(2);
    QCOMPARE(Journaux::Accorder(oDemon, oJournal, "2026-11-07", -5, "Erreur de compte"), std::string());
    const struct
    {
        const char* mpoNom;
        PRIORITE mePriorite;
        CARACT meCaract;
        int mnDemis;
    } oTalents[] = {
        {"Combat(Spe)", PRIMAIRE, AGILITE, 5}, {"Combat", PRIMAIRE, AGILITE, 4}, {"Baratin", PRIMAIRE, PRESENCE, 2},
        {"Acrobatie", SECONDAIRE, AGILITE, 2}, {"Humour", EXOTIQUE, AUCUNE, 3}, {"LangueLatin", SECONDAIRE, AUCUNE, 1},
    };
    for (const auto& oTalent : oTalents)
    {
        oDemon.AjouterTalentBase(oTalent.mpoNom, oTalent.mePriorite, oTalent.meCaract);
        oDemon.AugmenterTalent(oTalent.mpoNom, oTalent.mnDemis);
    }
    QVERIFY(oDemon.AjouterPouvoirBase("Charme"));
    oDemon.AugmenterPouvoir("Charme", 3);
    QVERIFY(oDemon.AjouterPouvoirBase("Membres_GrandesCornes"));
    const QTemporaryDir oDossier;
    const QString oPdf = oDossier.filePath(QStringLiteral("azraelle.pdf"));
    QString oRaison = QStringLiteral("pas encore écrit");

    QVERIFY(ImprimerPdf(oDemon, oJournal, QFile::encodeName(oPdf).constData(), oRaison));

    QVERIFY(oRaison.isEmpty());
    QCOMPARE(Contenu(oDossier.path()), QStringList{QStringLiteral("azraelle.pdf")});
    const QString oTexte = Texte(oPdf);
    QString oManquant;
    const qsizetype nFlux = Suivre(oTexte,
                                   {"Azraëlle de Montségur", "Démon", "Abalam", "1",
                                    "PA total", "PA restant", "PA secondaire", "PA converti", "200", "148", "8", "0",
                                    "Force", "Agilité", "Perception", "Présence", "Volonté", "Foi",
                                    "2", "3,5", "2", "4", "2", "2",
                                    "PP", "PF", "BL", "BG", "BF", "MS", "6", "4", "4", "8", "12", "16"},
                                   0, oManquant);
    QVERIFY2(nFlux >= 0, qPrintable(oManquant + QStringLiteral(" missing or out of order in:\n") + oTexte));
    // The headings share their lines with the other column's; the notes come below both columns.
    qsizetype nNotes = nFlux;
    for (const QString& oTitre :
         QStringList{"Talents primaires", "Talents secondaires", "Talents exotiques", "Langues", "Pouvoirs"})
        nNotes = std::max(nNotes, Suivre(oTexte, {oTitre}, nFlux, oManquant));
    QVERIFY2(Suivre(oTexte,
                    {"Notes", "Née à Carcassonne en 1209.", "Craint l'eau bénite.", "Journal",
                     "date inconnue", "+80 PA", "Création", "2026-10-17", "+40 PA", "Séance 3",
                     "Agilité 3,5, Grade 1, Supérieur Abalam : 6 PA dépensés", "2026-10-31", "+85 PA", "Séance 4",
                     "2026-11-07", "−5 PA", "Erreur de compte"},
                    nNotes, oManquant) >= 0,
             qPrintable(oManquant + QStringLiteral(" missing or out of order in:\n") + oTexte));
    const Rangee oRangees[] = {
        {"Baratin", "1", "3"}, {"Combat", "2", "3,5"}, {"Combat(Spe)", "2,5", "4"}, {"Acrobatie", "1", "2,5"},
        {"Humour", "1,5", "2,5"}, {"LangueLatin", "0,5", "1,5"}, {"Charme", "2", "4 PA"},
        {"Membres_GrandesCornes", "0,5", "6 PA"},
    };
    for (const Rangee& oRangee : oRangees)
        QVERIFY2(oTexte.contains(Motif(oRangee)), qPrintable(oRangee.moNom + QStringLiteral(" not whole in:\n") + oTexte));
    QVERIFY(oTexte.contains(QRegularExpression(QStringLiteral("Membres_GrandesCornes\\s+invariable"))));
}

void FeuilleImprimeeTest::TheDocumentIsTitledWithTheCharactersName_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("titre");

    QTest::newRow("named") << QStringLiteral("Bélial-Zoé") << QStringLiteral("Bélial-Zoé");
    QTest::newRow("unnamed") << QString() << QStringLiteral("Personnage VEXAL");
}

void FeuilleImprimeeTest::TheDocumentIsTitledWithTheCharactersName()
{
    QFETCH(QString, nom);
    QFETCH(QString, titre);
    Demon oDemon;
    oDemon.SetNom(nom.toStdString());
    const QTemporaryDir oDossier;
    const QString oPdf = oDossier.filePath(QStringLiteral("titre.pdf"));
    QString oRaison;
    QVERIFY(ImprimerPdf(oDemon, {}, QFile::encodeName(oPdf).constData(), oRaison));

    QProcess oPdfInfo;
    oPdfInfo.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), oPdf});
    QVERIFY(oPdfInfo.waitForFinished(30000));
    const QString oInfo = QString::fromUtf8(oPdfInfo.readAllStandardOutput());
    QVERIFY2(oInfo.contains(QRegularExpression(QStringLiteral("^Title:\\s+%1$").arg(QRegularExpression::escape(titre)),
                                               QRegularExpression::MultilineOption)),
             qPrintable(oInfo));
    QVERIFY(oInfo.contains(QRegularExpression(QStringLiteral("^Creator:\\s+VEXAL$"), QRegularExpression::MultilineOption)));
    QVERIFY(Texte(oPdf).contains(nom.isEmpty() ? QStringLiteral("Sans nom") : nom));
}

void FeuilleImprimeeTest::FortyRowsAtGradeOneFitOnOnePage()
{
    Demon oDemon;
    oDemon.SetNom("Quarante");
    oDemon.SetNotes("Une ligne.\nUne autre.\nEt une troisième.");
    oDemon.AddPATotal(999 - oDemon.GetPATotal());
    oDemon.SetGrade(1);
    // Every other talent of the catalogue, then powers, so that every heading shows.
    int nRang = 0;
    for (const auto& [oNom, poTalent] : *oDemon.GetListeDesTalents())
    {
        if (nRang++ % 2 == 0 && oDemon.GetEtat().moTalents.size() < 32)
            oDemon.AjouterTalentBase(oNom, poTalent->GetPriorite(), poTalent->GetCaractBase());
    }
    for (auto oPouvoir = oDemon.GetListeDesPouvoirs()->begin(); oDemon.GetEtat().moPouvoirs.size() < 8; ++oPouvoir)
        QVERIFY(oDemon.AjouterPouvoirBase(oPouvoir->first));
    const EtatPersonnage oEtat = oDemon.GetEtat();
    QCOMPARE(oEtat.moTalents.size() + oEtat.moPouvoirs.size(), std::size_t(40));

    QCOMPARE(Pages(oDemon, Journaux::Commencer(oEtat, "")), 1);
}

void FeuilleImprimeeTest::EveryRowOfAFullDemonStaysWholeOnItsPage()
{
    Demon oDemon;
    oDemon.SetNom("Plein");
    RemplirPersonnage(oDemon);
    const std::vector<Rangee> oRangees = RangeesPleines(oDemon);
    QCOMPARE(oRangees.size(), std::size_t(202));
    const Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "");
    const QTemporaryDir oDossier;
    const QString oPdf = oDossier.filePath(QStringLiteral("plein.pdf"));
    QString oRaison;

    QVERIFY(ImprimerPdf(oDemon, oJournal, QFile::encodeName(oPdf).constData(), oRaison));

    const int nPages = static_cast<int>(Texte(oPdf).count(QLatin1Char('\f')));
    QVERIFY(nPages > 1);
    QCOMPARE(Pages(oDemon, oJournal), nPages);
    QStringList oTextes;
    for (int nPage = 1; nPage <= nPages; ++nPage)
        oTextes << Texte(oPdf, nPage, 1) << Texte(oPdf, nPage, 2);
    for (const Rangee& oRangee : oRangees)
    {
        int nNomme = 0;
        int nEntiere = 0;
        for (const QString& oTexte : oTextes)
        {
            nNomme += NommeSeul(oTexte, oRangee.moNom);
            nEntiere += oTexte.contains(Motif(oRangee));
        }
        QVERIFY2(nNomme == 1 && nEntiere == 1, qPrintable(oRangee.moNom));
    }
    for (const GroupeFeuille& oGroupe : ContenuDe(oDemon, oJournal).moGroupes)
    {
        const auto oDerniere = oGroupe.moLignes.rbegin();
        const auto EnsembleDans = [&](const QString& oTexte) {
            return NommeSeul(oTexte, oDerniere->moNom) && NommeSeul(oTexte, oDerniere[1].moNom);
        };
        QVERIFY2(oGroupe.moLignes.size() < 2 || std::any_of(oTextes.begin(), oTextes.end(), EnsembleDans),
                 qPrintable(oDerniere->moNom + QStringLiteral(" alone in its column")));
    }
}

void FeuilleImprimeeTest::ThePrinterTakesThePagesAndCopiesAskedForOnItsPaper_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("papier");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("assemblees");
    QTest::addColumn<QList<int>>("pages");

    QTest::newRow("pages 2 to 3") << QPageSize::A4 << 1 << true << QList<int>{2, 3};
    QTest::newRow("collated, on letter") << QPageSize::Letter << 2 << true << QList<int>{2, 3, 2, 3};
    QTest::newRow("uncollated, on A5") << QPageSize::A5 << 2 << false << QList<int>{2, 2, 3, 3};
}

void FeuilleImprimeeTest::ThePrinterTakesThePagesAndCopiesAskedForOnItsPaper()
{
    QFETCH(QPageSize::PageSizeId, papier);
    QFETCH(int, copies);
    QFETCH(bool, assemblees);
    QFETCH(QList<int>, pages);
    Demon oDemon;
    RemplirPersonnage(oDemon);
    const QTemporaryDir oDossier;
    const QString oPdf = oDossier.filePath(QStringLiteral("imprimante.pdf"));
    QPrinter oImprimante(QPrinter::HighResolution);
    oImprimante.setOutputFormat(QPrinter::PdfFormat);
    oImprimante.setOutputFileName(oPdf);
    oImprimante.setPageSize(QPageSize(papier));
    oImprimante.setPrintRange(QPrinter::PageRange);
    oImprimante.setFromTo(2, 3);
    oImprimante.setCopyCount(copies);
    oImprimante.setCollateCopies(assemblees);

    QCOMPARE(ImprimerFeuille(oDemon, {}, oImprimante), static_cast<int>(pages.size()));

    QList<int> oNumeros;
    for (const QString& oPage : Texte(oPdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts))
        oNumeros << QRegularExpression(QStringLiteral("page (\\d+)")).match(oPage).captured(1).toInt();
    QCOMPARE(oNumeros, pages);
    QCOMPARE(oImprimante.pageLayout().pageSize().id(), papier);
    QVERIFY(QFile::remove(oPdf));
    oImprimante.setFromTo(9, 9);
    QCOMPARE(ImprimerFeuille(oDemon, {}, oImprimante), 0);
    QVERIFY(!QFile::exists(oPdf));
}

void FeuilleImprimeeTest::AFailedWriteSaysWhyAndLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("cible");
    QTest::addColumn<QString>("cause");

    QTest::newRow("into a missing folder") << QStringLiteral("absent/fiche.pdf") << QStringLiteral("/absent n'existe pas");
    QTest::newRow("onto a folder") << QStringLiteral("dossier") << QStringLiteral(" : c'est un dossier");
}

void FeuilleImprimeeTest::AFailedWriteSaysWhyAndLeavesNothingBehind()
{
    QFETCH(QString, cible);
    QFETCH(QString, cause);
    const QTemporaryDir oDossier;
    QVERIFY(QDir(oDossier.path()).mkdir(QStringLiteral("dossier")));
    const QStringList oAvant = Contenu(oDossier.path());
    Demon oDemon;
    QString oRaison;

    QVERIFY(!ImprimerPdf(oDemon, {}, QFile::encodeName(oDossier.filePath(cible)).constData(), oRaison));

    QVERIFY2(oRaison.startsWith(QStringLiteral("Le PDF n'a pas pu être écrit dans ")), qPrintable(oRaison));
    QVERIFY2(oRaison.endsWith(cause), qPrintable(oRaison));
    QCOMPARE(Contenu(oDossier.path()), oAvant);
    QVERIFY(Contenu(oDossier.filePath(QStringLiteral("dossier"))).isEmpty());
}

QTEST_MAIN(FeuilleImprimeeTest)
#include "FeuilleImprimeeTest.moc"
