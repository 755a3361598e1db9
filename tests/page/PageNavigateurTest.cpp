#include "ContenuFeuille.h"
#include "PageHtml.h"
#include "PersonnagePlein.h"
#include "fichier/FichierPersonnage.h"
#include "model/Demon.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace
{
constexpr int kLargeurs[] = {360, 1280};

struct Cas
{
    const char* moNom;
    Demon moDemon;
    Journal moJournal;
};

// The full character after a campaign; or texts that would end the data, open an element or an attribute, and a note
// too long for any line.
void Preparer(Cas& o, bool bHostile)
{
    const std::string oBalises = bHostile ? "<i>1</i> </script> \\u003c \"deux\" & 'trois'" : "";
    if (bHostile)
        o.moDemon.AjouterTalentBase("Combat", PRIMAIRE, AGILITE);
    else
        RemplirPersonnage(o.moDemon);
    o.moJournal = Journaux::Commencer(o.moDemon.GetEtat(), "2026-09-05");
    for (int n = 1; n <= 12; ++n)
        Journaux::Accorder(o.moDemon, o.moJournal, "2026-10-" + std::to_string(10 + n), n,
                           "Séance " + std::to_string(n) + oBalises);
    o.moDemon.SetNom(bHostile ? "</script><b>Gras</b> \"l'ange\" & Cie" : "Azazel, prince des mouches");
    o.moDemon.SetNotes(bHostile ? "<script>alert(1)</script><b>note</b> " + std::string(100 * 1024, 'x') : "");
}

// What the page must show: the name, every talent and power, every award with what it bought, and the notes.
QStringList Attendus(const Cas& o)
{
    const ContenuFeuille oContenu = ContenuDe(o.moDemon, o.moJournal);
    QStringList oAttendus{oContenu.moNom};
    for (const GroupeFeuille& oGroupe : oContenu.moGroupes)
        for (const LigneFeuille& oLigne : oGroupe.moLignes)
            oAttendus << oLigne.moNom;
    for (const AttributionFeuille& oAttribution : oContenu.moJournal)
        oAttendus << oAttribution.moDate << oAttribution.moPA << oAttribution.moRaison << oAttribution.moAchats;
    return oAttendus << oContenu.moNotes;
}

// Measures each frame once all are loaded: the page's width against its frame's, what its text lacks, what it
// fetched, and what elements it holds besides its own data.
const char* kMesure = R"(<script>
const attendus = %1;
onload = () => {
  const p = document.createElement('pre');
  p.id = 'mesures';
  p.textContent = encodeURIComponent(JSON.stringify([...document.querySelectorAll('iframe')].map((f, n) => {
    const d = f.contentDocument, t = d.body.innerText, e = 'b, i, link, img, iframe, object, embed, script[src]';
    return {largeur: d.documentElement.scrollWidth, fenetre: d.documentElement.clientWidth,
            manquants: attendus[n].filter(a => !t.includes(a)), etrangers: d.querySelectorAll(e).length,
            chargements: f.contentWindow.performance.getEntriesByType('resource').length, scripts: d.scripts.length,
            nom: JSON.parse(d.getElementById('vexal-personnage').textContent).nom};
  })));
  document.body.append(p);
};
</script>)";
}

// Each page in a frame of each width, the frames measured by a script of the test's own, in one run of Chromium:
// its windows are never narrower than 500 pixels.
class PageNavigateurTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ThePageFitsAndShowsEverything_data();
    void ThePageFitsAndShowsEverything();

private:
    Cas moCas[2] = {{"full character", {}, {}}, {"hostile texts", {}, {}}};
    QJsonArray moMesures;
};

void PageNavigateurTest::initTestCase()
{
    const QString oChromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (oChromium.isEmpty())
        QSKIP("chromium is not installed (scripts/setup installs it): the page is not checked in a browser");
    QString oCadres;
    QJsonArray oAttendus;
    for (int n = 0; n < 2; ++n)
    {
        Preparer(moCas[n], n == 1);
        QString oPage = QString::fromStdString(TextePage(moCas[n].moDemon, moCas[n].moJournal));
        oPage.replace(QLatin1Char('&'), QStringLiteral("&amp;")).replace(QLatin1Char('"'), QStringLiteral("&quot;"));
        for (const int nLargeur : kLargeurs)
        {
            oCadres += QStringLiteral("<iframe style=\"display:block;border:0;width:%1px;height:740px\" srcdoc=\"%2\">"
                                      "</iframe>").arg(nLargeur).arg(oPage);
            oAttendus.append(QJsonArray::fromStringList(Attendus(moCas[n])));
        }
    }
    // No text of the test's can end its script either.
    const QString oListes = QString::fromUtf8(QJsonDocument(oAttendus).toJson(QJsonDocument::Compact))
                                .replace(QLatin1Char('<'), QStringLiteral("\\u003c"));
    QTemporaryDir oDossier;
    QFile oCadre(oDossier.filePath(QStringLiteral("cadres.html")));
    QVERIFY(oCadre.open(QIODevice::WriteOnly));
    oCadre.write((QStringLiteral("<!DOCTYPE html><body style=\"margin:0\">") + oCadres
                  + QString::fromLatin1(kMesure).arg(oListes)).toUtf8());
    oCadre.close();
    QProcess oNavigateur;
    oNavigateur.start(oChromium, QStringLiteral("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                                                "--disable-background-networking --disable-component-update "
                                                "--disable-sync --window-size=1300,800 --dump-dom")
                                         .split(QLatin1Char(' '))
                                     << QStringLiteral("--user-data-dir=") + oDossier.filePath(QStringLiteral("profil"))
                                     << QUrl::fromLocalFile(oCadre.fileName()).toString());
    QVERIFY(oNavigateur.waitForFinished(60000));
    const QRegularExpressionMatch oMesures = QRegularExpression(QStringLiteral("id=\"mesures\">([^<]*)"))
                                                 .match(QString::fromUtf8(oNavigateur.readAllStandardOutput()));
    QVERIFY2(oMesures.hasMatch(), qPrintable(oNavigateur.readAllStandardError().right(2000)));
    moMesures = QJsonDocument::fromJson(QUrl::fromPercentEncoding(oMesures.captured(1).toUtf8()).toUtf8()).array();
    QCOMPARE(moMesures.size(), 4);
}

void PageNavigateurTest::ThePageFitsAndShowsEverything_data()
{
    QTest::addColumn<int>("cas");
    QTest::addColumn<int>("largeur");
    for (int nCas = 0; nCas < 2; ++nCas)
        for (int nLargeur = 0; nLargeur < 2; ++nLargeur)
            QTest::addRow("%s, %d px", moCas[nCas].moNom, kLargeurs[nLargeur]) << nCas << nLargeur;
}

// As wide as its window, every text shown as text, nothing fetched, and the file it carries whole: read back, it is
// the character's file byte for byte.
void PageNavigateurTest::ThePageFitsAndShowsEverything()
{
    QFETCH(int, cas);
    QFETCH(int, largeur);
    const Cas& o = moCas[cas];
    const QJsonObject oMesure = moMesures.at(cas * 2 + largeur).toObject();
    const int nFenetre = oMesure[QStringLiteral("fenetre")].toInt();
    QVERIFY2(oMesure[QStringLiteral("largeur")].toInt() <= nFenetre, qPrintable(QString::number(nFenetre)));
    QVERIFY(nFenetre > kLargeurs[largeur] - 20);
    QCOMPARE(oMesure[QStringLiteral("manquants")].toArray(), QJsonArray());
    QCOMPARE(oMesure[QStringLiteral("chargements")].toInt(), 0);
    QCOMPARE(oMesure[QStringLiteral("etrangers")].toInt(), 0);
    QCOMPARE(oMesure[QStringLiteral("scripts")].toInt(), 1);
    QCOMPARE(oMesure[QStringLiteral("nom")].toString(), QString::fromStdString(o.moDemon.GetNom()));

    std::string oErreur;
    const std::optional<Dossier> oLu = FichierPersonnage::LireDossier(TextePage(o.moDemon, o.moJournal), oErreur);
    QVERIFY2(oLu, oErreur.c_str());
    QCOMPARE(FichierPersonnage::Ecrire(*oLu), FichierPersonnage::Ecrire(Dossier{o.moDemon.GetEtat(), o.moJournal}));
}

QTEST_GUILESS_MAIN(PageNavigateurTest)
#include "PageNavigateurTest.moc"
