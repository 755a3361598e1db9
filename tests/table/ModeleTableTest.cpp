#include "DocumentPersonnage.h"
#include "DocumentTable.h"
#include "ModeleTable.h"
#include "fichier/FichierPersonnage.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace
{
void Ecrire(const QString& oChemin, const std::string& oTexte)
{
    QFile oFichier(oChemin);
    QVERIFY(oFichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    oFichier.write(oTexte.data(), static_cast<qint64>(oTexte.size()));
}

// Azazel, a demon of Force 3 who speaks a language; Gabriel, an angel of Volonté 2,5 and Force 2.
std::string Azazel(int nForce = 2)
{
    Demon oDemon;
    oDemon.SetNom("Azazel");
    oDemon.AugmenteCaracteristique(FORCE, nForce);
    oDemon.AjouterTalentBase("LangueAnglais", SECONDAIRE, AUCUNE);
    return FichierPersonnage::Ecrire(oDemon.GetEtat());
}

std::string Gabriel()
{
    Ange oAnge;
    oAnge.SetNom("Gabriel");
    oAnge.AugmenteCaracteristique(VOLONTE, 1);
    return FichierPersonnage::Ecrire(oAnge.GetEtat());
}

int Ligne(const QAbstractItemModel& oModele, const QString& oNom)
{
    for (int n = 0; n < oModele.rowCount(); ++n)
    {
        if (oModele.headerData(n, Qt::Vertical).toString() == oNom)
            return n;
    }
    return -1;
}

QString Case(const QAbstractItemModel& oModele, const QString& oLigne, int nColonne, int nRole = Qt::DisplayRole)
{
    return oModele.data(oModele.index(Ligne(oModele, oLigne), nColonne), nRole).toString();
}

using Geste = std::function<void(const QTemporaryDir&)>;
using Constat = std::function<void(const ModeleTable&, FiltreTable&, const QTemporaryDir&)>;
}

Q_DECLARE_METATYPE(Geste)
Q_DECLARE_METATYPE(Constat)

// Three characters at the table, "azazel.vexal", "gabriel.vexal" and "perdu.vexal" (empty): each case changes the
// files and reads the grid.
class ModeleTableTest : public QObject
{
    Q_OBJECT

private slots:
    void TheGridShowsEachCharacterAsItsFileHoldsIt_data();
    void TheGridShowsEachCharacterAsItsFileHoldsIt();
};

void ModeleTableTest::TheGridShowsEachCharacterAsItsFileHoldsIt_data()
{
    QTest::addColumn<Geste>("geste");
    QTest::addColumn<Constat>("constat");
    const Geste Rien = [](const QTemporaryDir&) {};

    QTest::newRow("a column a character") << Rien << Constat([](const ModeleTable& o, FiltreTable&, const QTemporaryDir&) {
        QCOMPARE(o.columnCount(), 3);
        QVERIFY(o.headerData(0, Qt::Horizontal).toString().startsWith(QStringLiteral("Azazel\nDémon")));
        QCOMPARE(Case(o, QStringLiteral("Force"), 0), QStringLiteral("3"));
        QCOMPARE(Case(o, QStringLiteral("LangueAnglais"), 0), QStringLiteral("1"));
        QCOMPARE(Case(o, QStringLiteral("LangueAnglais"), 1), QString());
        QVERIFY(Case(o, QStringLiteral("Dernière attribution"), 1).contains(QStringLiteral("Création")));
    });
    QTest::newRow("the best of a row stands out") << Rien << Constat([](const ModeleTable& o, FiltreTable&, const QTemporaryDir&) {
        const QModelIndex oForce = o.index(Ligne(o, QStringLiteral("Force")), 0);
        QVERIFY(o.data(oForce, Qt::FontRole).value<QFont>().bold());
        QVERIFY(!o.data(oForce.siblingAtColumn(1), Qt::FontRole).value<QFont>().bold());
        // Held by one character alone, a language is nobody's best.
        QVERIFY(!o.data(o.index(Ligne(o, QStringLiteral("LangueAnglais")), 0), Qt::FontRole).isValid());
    });
    QTest::newRow("an unreadable file keeps its column") << Rien << Constat([](const ModeleTable& o, FiltreTable&, const QTemporaryDir&) {
        QVERIFY(o.headerData(2, Qt::Horizontal).toString().startsWith(QStringLiteral("perdu.vexal\nillisible")));
        QVERIFY(o.headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("vide")));
        QCOMPARE(Case(o, QStringLiteral("Force"), 2), QString());
    });
    QTest::newRow("a missing file keeps its column") << Geste([](const QTemporaryDir& oDossier) {
        QFile::remove(oDossier.filePath(QStringLiteral("gabriel.vexal")));
    }) << Constat([](const ModeleTable& o, FiltreTable&, const QTemporaryDir&) {
        QVERIFY(o.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("n'existe pas")));
        QCOMPARE(o.columnCount(), 3);
    });
    QTest::newRow("a file written by another program") << Rien
        << Constat([](const ModeleTable& o, FiltreTable&, const QTemporaryDir& oDossier) {
        std::string oErreur;
        Demon oDemon;
        oDemon.SetNom("Azazel");
        oDemon.AugmenteCaracteristique(FORCE, 4);
        QVERIFY(FichierPersonnage::Enregistrer(oDemon, Journaux::Commencer(oDemon.GetEtat(), ""),
                                               QFile::encodeName(oDossier.filePath(QStringLiteral("azazel.vexal"))),
                                               oErreur));
        QTRY_COMPARE(Case(o, QStringLiteral("Force"), 0), QStringLiteral("4"));
        QCOMPARE(Case(o, QStringLiteral("LangueAnglais"), 0), QString());
    });
    QTest::newRow("the filter ignores case and accents") << Rien << Constat([](const ModeleTable&, FiltreTable& f, const QTemporaryDir&) {
        f.SetTexte(QStringLiteral("VOLONTE"));
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.headerData(0, Qt::Vertical).toString(), QStringLiteral("Volonté"));
        QCOMPARE(f.data(f.index(0, 1)).toString(), QStringLiteral("2,5"));
        f.SetTexte(QStringLiteral("pa "));
        QCOMPARE(f.rowCount(), 3);
    });
}

void ModeleTableTest::TheGridShowsEachCharacterAsItsFileHoldsIt()
{
    QFETCH(Geste, geste);
    QFETCH(Constat, constat);
    QTemporaryDir oDossier;
    Ecrire(oDossier.filePath(QStringLiteral("azazel.vexal")), Azazel());
    Ecrire(oDossier.filePath(QStringLiteral("gabriel.vexal")), Gabriel());
    Ecrire(oDossier.filePath(QStringLiteral("perdu.vexal")), "");
    const QString oTable = oDossier.filePath(QStringLiteral("paris.vexal-table"));
    Ecrire(oTable, FichierTable::Ecrire({"Paris", {"azazel.vexal", "gabriel.vexal", "perdu.vexal"}}));
    geste(oDossier);
    DocumentTable oDocument;
    QCOMPARE(oDocument.Ouvrir(oTable, nullptr), QString());
    ModeleTable oModele(oDocument);
    FiltreTable oFiltre;
    oFiltre.setSourceModel(&oModele);
    constat(oModele, oFiltre, oDossier);
}

QTEST_MAIN(ModeleTableTest)
#include "ModeleTableTest.moc"
