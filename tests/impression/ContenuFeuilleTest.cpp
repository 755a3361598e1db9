#include "ContenuFeuille.h"
#include "extension/Maison.h"
#include "model/Demon.h"

#include <QTest>

class ContenuFeuilleTest : public QObject
{
    Q_OBJECT

private slots:
    void AnExtensionsEntriesAreGroupedAsTheGamesAre_data();
    void AnExtensionsEntriesAreGroupedAsTheGamesAre();
};

void ContenuFeuilleTest::AnExtensionsEntriesAreGroupedAsTheGamesAre_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("groupe");

    QTest::newRow("primary") << QStringLiteral("Gouaille") << QStringLiteral("Talents primaires");
    QTest::newRow("speciality") << QStringLiteral("Gouaille(Spe)") << QStringLiteral("Talents primaires");
    QTest::newRow("secondary") << QStringLiteral("Canotage") << QStringLiteral("Talents secondaires");
    QTest::newRow("exotic") << QStringLiteral("Rixe") << QStringLiteral("Talents exotiques");
    QTest::newRow("language") << QStringLiteral("Argot") << QStringLiteral("Langues");
    QTest::newRow("power") << QStringLiteral("Brume") << QStringLiteral("Pouvoirs");
}

// The award's purchases are priced from the character's own catalogues: the house's power costs its 2 PA.
void ContenuFeuilleTest::AnExtensionsEntriesAreGroupedAsTheGamesAre()
{
    QFETCH(QString, nom);
    QFETCH(QString, groupe);
    ContenuExtension oParis{{"paris", "Paris", 1}, {}, {}, {{"Brume", CampPouvoir::Tous, 2}}};
    oParis.moTalents = {{"Gouaille", PRIMAIRE, PRESENCE, true}, {"Canotage", SECONDAIRE, FORCE},
                        {"Rixe", EXOTIQUE, AUCUNE}, {"Argot", SECONDAIRE, AUCUNE, false, true}};
    Demon oDemon;
    oDemon.Meubler(std::make_shared<const Maison>(std::vector<ContenuExtension>{oParis}));
    const Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "");
    for (const char* oTalent : {"Gouaille", "Canotage", "Rixe", "Argot"})
        oDemon.AjouterTalentBase(oTalent, EXOTIQUE, AUCUNE);
    QVERIFY(oDemon.AjouterPouvoirBase("Brume"));

    const ContenuFeuille oContenu = ContenuDe(oDemon, oJournal);

    const auto oGroupe = std::find_if(oContenu.moGroupes.begin(), oContenu.moGroupes.end(),
                                      [&](const GroupeFeuille& o) { return o.moTitre == groupe; });
    QVERIFY(oGroupe != oContenu.moGroupes.end());
    QVERIFY(std::any_of(oGroupe->moLignes.begin(), oGroupe->moLignes.end(),
                        [&](const LigneFeuille& o) { return o.moNom == nom; }));
    QVERIFY2(oContenu.moJournal.at(0).moAchats.endsWith(QStringLiteral(" : 2 PA dépensés")),
             qPrintable(oContenu.moJournal.at(0).moAchats));
}

QTEST_MAIN(ContenuFeuilleTest)
#include "ContenuFeuilleTest.moc"
