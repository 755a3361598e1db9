#include "Joueur.h"

#include "Fiche.h"
#include "PouvoirTalentWidget.h"
#include "model/Demon.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace
{
QStringList BullesDesLignes(const QVBoxLayout* poColonne)
{
    QStringList oBulles;
    for (const PouvoirTalentWidget* poLigne : Lignes(poColonne))
        oBulles << poLigne->toolTip();
    return oBulles;
}

void Fleches(QAbstractSpinBox* poBoite, int nFleches)
{
    Joueur::Monter(poBoite, std::max(nFleches, 0));
    Joueur::Descendre(poBoite, std::max(-nFleches, 0));
}

// One spacer, last, keeps the rows packed at the top of their column.
bool EspaceurSeulEnBas(const QVBoxLayout* poColonne)
{
    return NombreEspaceurs(poColonne) == 1 && FinitParEspaceur(poColonne);
}
}

class LignesTest : public QObject
{
    Q_OBJECT

private slots:
    // One row on its own.
    void RowIsACheckBoxANameAndAValue();
    void SettingTheShownValueAgainSaysNothing();
    void SettingANewValueSaysSoOnce_data();
    void SettingANewValueSaysSoOnce();
    void RowValuesStayBetween0And99Point99_data();
    void RowValuesStayBetween0And99Point99();
    void RowGivesBackTheNameItShows_data();
    void RowGivesBackTheNameItShows();
    void RowReadsItsNameAsUtf8AndGivesItBackAsLatin1();
    void PlayerRaisingTheRowSaysSoOnce();
    void TypedValueIsReportedOnceWhenTakenWithEnter();
    void ClickingTheCheckBoxMarksTheRow();

    // The talent column.
    void AddingTalentsShowsTheirRows_data();
    void AddingTalentsShowsTheirRows();
    void TalentRowEdits_data();
    void TalentRowEdits();
    void TalentRowShowsLevelPlusTheCharacteristicBonus_data();
    void TalentRowShowsLevelPlusTheCharacteristicBonus();
    void RemovingTwoAdjacentCheckedTalentsTakesOnePress();
    void RefusedTalentRemovalKeepsItsRowChecked();
    void RemovingAGeneralTalentAndItsSpecialityTogether();
    void RemovedTalentComesBackAtZero();

    // The power column.
    void AddingAPowerShowsARowPricedInPA_data();
    void AddingAPowerShowsARowPricedInPA();
    void AddingPowers_data();
    void AddingPowers();
    void PowerRowEdits_data();
    void PowerRowEdits();
    void RemovingTwoAdjacentCheckedPowersTakesOnePress();

    // The superior.
    void ChoosingASuperiorReachesTheCharacter_data();
    void ChoosingASuperiorReachesTheCharacter();
    void ChangingTheListWithoutThePlayerDoesNotReachTheCharacter();
    void ReservedPowerWaitsForItsSuperior();
    void SuperiorStaysWhileItsPowerIsHeld_data();
    void SuperiorStaysWhileItsPowerIsHeld();
};

void LignesTest::RowIsACheckBoxANameAndAValue()
{
    PouvoirTalentWidget oLigne;

    QCOMPARE(oLigne.objectName(), QStringLiteral("PouvoirTalentWidget"));
    QCOMPARE(oLigne.size(), QSize(183, 25));
    QCOMPARE(oLigne.minimumHeight(), 22);
    QCOMPARE(oLigne.maximumSize(), QSize(250, 25));
    QCOMPARE(oLigne.toolTip(), QStringLiteral("Pouvoir"));
    const auto* poCase = oLigne.findChild<QCheckBox*>("mpoCheck");
    QVERIFY(poCase != nullptr);
    QCOMPARE(poCase->pos(), QPoint(0, 0));
    QCOMPARE(poCase->text(), QString());
    QVERIFY(!oLigne.IsChecked());
    const auto* poNom = oLigne.findChild<QLabel*>("poName");
    QVERIFY(poNom != nullptr);
    QCOMPARE(poNom->geometry(), QRect(20, 0, 170, 20));
    QCOMPARE(poNom->text(), QStringLiteral("name"));
    const QDoubleSpinBox* poBoite = BoiteDe(&oLigne);
    QVERIFY(poBoite != nullptr);
    QCOMPARE(poBoite->geometry(), QRect(180, 0, 62, 20));
    QCOMPARE(poBoite->singleStep(), 0.5);
    QCOMPARE(poBoite->minimum(), 0.0);
    QCOMPARE(poBoite->maximum(), 99.99);
    QCOMPARE(poBoite->decimals(), 2);
}

void LignesTest::SettingTheShownValueAgainSaysNothing()
{
    PouvoirTalentWidget oLigne;
    oLigne.SetValue(2.5);
    QSignalSpy oChangements(&oLigne, &PouvoirTalentWidget::ValueChanged);

    oLigne.SetValue(2.5);

    QCOMPARE(oChangements.count(), 0);
    QCOMPARE(oLigne.GetValue(), 2.5);
}

void LignesTest::SettingANewValueSaysSoOnce_data()
{
    QTest::addColumn<double>("avant");
    QTest::addColumn<double>("apres");

    QTest::newRow("up half a point") << 2.0 << 2.5;
    QTest::newRow("down to zero") << 1.5 << 0.0;
    QTest::newRow("from zero to the top") << 0.0 << 99.99;
}

void LignesTest::SettingANewValueSaysSoOnce()
{
    QFETCH(double, avant);
    QFETCH(double, apres);
    PouvoirTalentWidget oLigne;
    oLigne.SetValue(avant);
    QSignalSpy oChangements(&oLigne, &PouvoirTalentWidget::ValueChanged);

    oLigne.SetValue(apres);

    QCOMPARE(oChangements.count(), 1);
    QCOMPARE(oLigne.GetValue(), apres);
}

void LignesTest::RowValuesStayBetween0And99Point99_data()
{
    QTest::addColumn<double>("demande");
    QTest::addColumn<double>("montre");

    QTest::newRow("above the top") << 150.0 << 99.99;
    QTest::newRow("just above the top") << 100.0 << 99.99;
    QTest::newRow("below zero") << -3.0 << 0.0;
    QTest::newRow("inside") << 7.5 << 7.5;
}

void LignesTest::RowValuesStayBetween0And99Point99()
{
    QFETCH(double, demande);
    QFETCH(double, montre);
    PouvoirTalentWidget oLigne;
    oLigne.SetValue(1.0);

    oLigne.SetValue(demande);

    QCOMPARE(oLigne.GetValue(), montre);
}

void LignesTest::RowGivesBackTheNameItShows_data()
{
    QTest::addColumn<QString>("nom");

    QTest::newRow("speciality") << "Combat(Spe)";
    QTest::newRow("language") << "LangueAnglais";
    QTest::newRow("power") << "ArtDeCombat";
}

void LignesTest::RowGivesBackTheNameItShows()
{
    QFETCH(QString, nom);
    PouvoirTalentWidget oLigne;

    oLigne.SetName(nom.toLatin1().constData());

    QCOMPARE(oLigne.GetName(), nom.toStdString());
    QCOMPARE(oLigne.findChild<QLabel*>("poName")->text(), nom);
}

void LignesTest::RowReadsItsNameAsUtf8AndGivesItBackAsLatin1()
{
    PouvoirTalentWidget oLigne;

    oLigne.SetName("Ep\xC3\xA9" "e");

    QCOMPARE(oLigne.findChild<QLabel*>("poName")->text(), QStringLiteral("Ep\u00E9e"));
    QCOMPARE(oLigne.GetName(), std::string("Ep\xE9" "e"));
}

void LignesTest::PlayerRaisingTheRowSaysSoOnce()
{
    PouvoirTalentWidget oLigne;
    oLigne.show();
    QVERIFY(QTest::qWaitForWindowExposed(&oLigne));
    QSignalSpy oChangements(&oLigne, &PouvoirTalentWidget::ValueChanged);

    Joueur::Monter(BoiteDe(&oLigne));

    QCOMPARE(oChangements.count(), 1);
    QCOMPARE(oLigne.GetValue(), 0.5);
}

void LignesTest::TypedValueIsReportedOnceWhenTakenWithEnter()
{
    PouvoirTalentWidget oLigne;
    oLigne.show();
    QVERIFY(QTest::qWaitForWindowExposed(&oLigne));
    QDoubleSpinBox* poBoite = BoiteDe(&oLigne);
    QSignalSpy oChangements(&oLigne, &PouvoirTalentWidget::ValueChanged);

    QTest::keyClick(poBoite, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(poBoite, "12");
    QCOMPARE(oChangements.count(), 0);
    QTest::keyClick(poBoite, Qt::Key_Return);

    QCOMPARE(oChangements.count(), 1);
    QCOMPARE(oLigne.GetValue(), 12.0);
}

void LignesTest::ClickingTheCheckBoxMarksTheRow()
{
    PouvoirTalentWidget oLigne;
    oLigne.show();
    QVERIFY(QTest::qWaitForWindowExposed(&oLigne));

    Joueur::Cocher(&oLigne);
    QVERIFY(oLigne.IsChecked());

    Joueur::Cocher(&oLigne);
    QVERIFY(!oLigne.IsChecked());
}

void LignesTest::AddingTalentsShowsTheirRows_data()
{
    QTest::addColumn<QStringList>("ajouts");
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QStringList>("bulles");

    QTest::newRow("a primary talent") << QStringList{"Baratin"} << QStringList{"Baratin"} << QStringList{"PRIMAIRE"};
    QTest::newRow("a secondary talent") << QStringList{"Acrobatie"} << QStringList{"Acrobatie"}
                                        << QStringList{"SECONDAIRE"};
    QTest::newRow("an exotic talent") << QStringList{"Torture"} << QStringList{"Torture"} << QStringList{"EXOTIQUE"};
    QTest::newRow("a language") << QStringList{"LangueAnglais"} << QStringList{"LangueAnglais"}
                                << QStringList{"SECONDAIRE"};
    QTest::newRow("a general talent brings its speciality")
        << QStringList{"Combat"} << QStringList{"Combat", "Combat(Spe)"} << QStringList{"PRIMAIRE", "PRIMAIRE"};
    QTest::newRow("a speciality alone") << QStringList{"Combat(Spe)"} << QStringList{"Combat(Spe)"}
                                        << QStringList{"PRIMAIRE"};
    QTest::newRow("a general talent after its speciality")
        << QStringList{"Combat(Spe)", "Combat"} << QStringList{"Combat(Spe)", "Combat"}
        << QStringList{"PRIMAIRE", "PRIMAIRE"};
    QTest::newRow("a speciality after its general talent")
        << QStringList{"Combat", "Combat(Spe)"} << QStringList{"Combat", "Combat(Spe)"}
        << QStringList{"PRIMAIRE", "PRIMAIRE"};
    QTest::newRow("the same talent twice") << QStringList{"Baratin", "Baratin"} << QStringList{"Baratin"}
                                           << QStringList{"PRIMAIRE"};
    QTest::newRow("several talents in the order added")
        << QStringList{"Torture", "Art", "Baratin"} << QStringList{"Torture", "Art", "Art(Spe)", "Baratin"}
        << QStringList{"EXOTIQUE", "SECONDAIRE", "SECONDAIRE", "PRIMAIRE"};
}

void LignesTest::AddingTalentsShowsTheirRows()
{
    QFETCH(QStringList, ajouts);
    QFETCH(QStringList, lignes);
    QFETCH(QStringList, bulles);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);

    for (const QString& oNom : ajouts)
    {
        QVERIFY(Joueur::AjouterTalent(*poFiche, oNom));
        QVERIFY(EspaceurSeulEnBas(poFiche->vboxLayout1));
    }

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout1), lignes);
    QCOMPARE(BullesDesLignes(poFiche->vboxLayout1), bulles);
    for (const QString& oNom : lignes)
        QCOMPARE(poFiche->GetPerso()->GetTalent(oNom.toStdString())->GetNiveau(), 0.0f);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 80);
    QVERIFY(Lignes(poFiche->vboxLayout).isEmpty());
    VERIFIER_FICHE(*poFiche);
}

void LignesTest::TalentRowEdits_data()
{
    QTest::addColumn<QString>("talent");
    QTest::addColumn<int>("fleches");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<double>("niveau");
    QTest::addColumn<double>("montre");
    QTest::addColumn<int>("pa");
    QTest::addColumn<int>("secondaires");
    QTest::addColumn<int>("convertis");

    // Every characteristic stands at 2, a bonus of 1. Arrow presses come first, then the typed text.
    QTest::newRow("primary up one step earns a secondary PA") << "Baratin" << 1 << "" << 0.5 << 1.5 << 79 << 1 << 0;
    QTest::newRow("primary up two steps") << "Baratin" << 2 << "" << 1.0 << 2.0 << 78 << 2 << 0;
    QTest::newRow("primary typed down by 1.0") << "Baratin" << 4 << "2" << 1.0 << 2.0 << 78 << 2 << 0;
    QTest::newRow("below zero springs back") << "Baratin" << -1 << "" << 0.0 << 1.0 << 80 << 0 << 0;
    QTest::newRow("typed past the grade cap leaves it alone") << "Baratin" << 2 << "12" << 1.0 << 2.0 << 78 << 2 << 0;
    QTest::newRow("secondary converts a PA") << "Acrobatie" << 1 << "" << 0.5 << 1.5 << 79 << 1 << 1;
    QTest::newRow("secondary spends what it converted") << "Acrobatie" << 2 << "" << 1.0 << 2.0 << 79 << 0 << 1;
    QTest::newRow("exotic pays in PA") << "Torture" << 2 << "" << 1.0 << 2.0 << 78 << 0 << 0;
    QTest::newRow("exotic stops at the grade cap") << "Torture" << 14 << "" << 6.5 << 7.5 << 67 << 0 << 0;
    QTest::newRow("a language stops at 0.5") << "LangueAnglais" << 2 << "" << 0.5 << 1.5 << 79 << 1 << 1;
    QTest::newRow("a general talent never passes its speciality") << "Combat" << 1 << "" << 0.0 << 1.0 << 80 << 0 << 0;
}

void LignesTest::TalentRowEdits()
{
    QFETCH(QString, talent);
    QFETCH(int, fleches);
    QFETCH(QString, frappe);
    QFETCH(double, niveau);
    QFETCH(double, montre);
    QFETCH(int, pa);
    QFETCH(int, secondaires);
    QFETCH(int, convertis);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, talent));
    QDoubleSpinBox* poBoite = BoiteDe(Ligne(poFiche->vboxLayout1, talent));

    Fleches(poBoite, fleches);
    if (!frappe.isEmpty())
        Joueur::Taper(poBoite, frappe);

    const Personnage& oPerso = *poFiche->GetPerso();
    QCOMPARE(double{poFiche->GetPerso()->GetTalent(talent.toStdString())->GetNiveau()}, niveau);
    QCOMPARE(poBoite->value(), montre);
    QCOMPARE(oPerso.GetPA(), pa);
    QCOMPARE(poFiche->PASecondaireValue->text(), QString::number(secondaires));
    QCOMPARE(oPerso.GetPASecondaire(), secondaires);
    QCOMPARE(oPerso.GetPAConverti(), convertis);
    VERIFIER_FICHE(*poFiche);
}

void LignesTest::TalentRowShowsLevelPlusTheCharacteristicBonus_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<int>("fleches");
    QTest::addColumn<QString>("talent");
    QTest::addColumn<int>("pas");
    QTest::addColumn<double>("montre");

    QTest::newRow("level 1 on 3.5 shows 2.5") << "PresenceValue" << 3 << "Baratin" << 2 << 2.5;
    QTest::newRow("level 1 on 2 shows 2") << "PresenceValue" << 0 << "Baratin" << 2 << 2.0;
    QTest::newRow("level 0 on 5 shows 2.5") << "PresenceValue" << 6 << "Baratin" << 0 << 2.5;
    QTest::newRow("level 0 on 1.5 shows the least bonus, 1") << "AgiliteValue" << -1 << "Acrobatie" << 0 << 1.0;
    QTest::newRow("no characteristic counts as 2") << "ForceValue" << 4 << "Intrusion" << 2 << 2.0;
}

void LignesTest::TalentRowShowsLevelPlusTheCharacteristicBonus()
{
    QFETCH(QString, boite);
    QFETCH(int, fleches);
    QFETCH(QString, talent);
    QFETCH(int, pas);
    QFETCH(double, montre);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, talent));
    Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, talent)), pas);

    Fleches(poFiche->findChild<QDoubleSpinBox*>(boite), fleches);

    QCOMPARE(BoiteDe(Ligne(poFiche->vboxLayout1, talent))->value(), montre);
    QCOMPARE(double{poFiche->GetPerso()->GetTalent(talent.toStdString())->GetNiveau()}, pas * 0.5);
}

void LignesTest::RemovingTwoAdjacentCheckedTalentsTakesOnePress()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    for (const QString& oNom : QStringList{"Baratin", "Discussion", "Fouille"})
    {
        QVERIFY(Joueur::AjouterTalent(*poFiche, oNom));
        Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, oNom)));
    }
    QCOMPARE(poFiche->GetPerso()->GetPA(), 77);
    Joueur::Cocher(Ligne(poFiche->vboxLayout1, "Baratin"));
    Joueur::Cocher(Ligne(poFiche->vboxLayout1, "Discussion"));

    Joueur::Cliquer(poFiche->RemoveTalent);

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout1), QStringList{"Fouille"});
    QVERIFY(EspaceurSeulEnBas(poFiche->vboxLayout1));
    QVERIFY(poFiche->GetPerso()->GetTalent("Baratin") == nullptr);
    QVERIFY(poFiche->GetPerso()->GetTalent("Discussion") == nullptr);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 79);
    QCOMPARE(poFiche->GetPerso()->GetPASecondaire(), 1);
    VERIFIER_FICHE(*poFiche);
}

void LignesTest::RefusedTalentRemovalKeepsItsRowChecked()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, "Combat"));
    PouvoirTalentWidget* poSpecialite = Ligne(poFiche->vboxLayout1, "Combat(Spe)");
    Joueur::Cocher(poSpecialite);

    Joueur::Cliquer(poFiche->RemoveTalent);

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout1), QStringList({"Combat", "Combat(Spe)"}));
    QCOMPARE(Ligne(poFiche->vboxLayout1, "Combat(Spe)"), poSpecialite);
    QVERIFY(poSpecialite->IsChecked());
    QVERIFY(poFiche->GetPerso()->GetTalent("Combat(Spe)") != nullptr);
}

void LignesTest::RemovingAGeneralTalentAndItsSpecialityTogether()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, "Combat"));
    Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, "Combat(Spe)")), 2);
    Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, "Combat")), 2);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 76);
    for (PouvoirTalentWidget* poLigne : Lignes(poFiche->vboxLayout1))
        Joueur::Cocher(poLigne);

    Joueur::Cliquer(poFiche->RemoveTalent);

    QVERIFY(Lignes(poFiche->vboxLayout1).isEmpty());
    QVERIFY(poFiche->GetPerso()->GetTalent("Combat") == nullptr);
    QVERIFY(poFiche->GetPerso()->GetTalent("Combat(Spe)") == nullptr);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 80);
    QCOMPARE(poFiche->GetPerso()->GetPASecondaire(), 0);
}

void LignesTest::RemovedTalentComesBackAtZero()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, "Torture"));
    Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, "Torture")), 3);
    Joueur::Cocher(Ligne(poFiche->vboxLayout1, "Torture"));
    Joueur::Cliquer(poFiche->RemoveTalent);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 80);

    Joueur::Cliquer(poFiche->AddTalent);

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout1), QStringList{"Torture"});
    QCOMPARE(poFiche->GetPerso()->GetTalent("Torture")->GetNiveau(), 0.0f);
    QCOMPARE(BoiteDe(Ligne(poFiche->vboxLayout1, "Torture"))->value(), 1.0);
    QVERIFY(!Ligne(poFiche->vboxLayout1, "Torture")->IsChecked());
}

void LignesTest::AddingAPowerShowsARowPricedInPA_data()
{
    QTest::addColumn<bool>("demon");
    QTest::addColumn<QString>("pouvoir");
    QTest::addColumn<int>("prix");

    QTest::newRow("a demon's own power") << true << "Poison" << 3;
    QTest::newRow("a general power on a demon") << true << "Charme" << 4;
    QTest::newRow("an invariable power") << true << "EspritChaotique" << 10;
    QTest::newRow("a general power on an angel") << false << "Charme" << 4;
    QTest::newRow("an angel's own power") << false << "AbsorptionAmour" << 3;
}

void LignesTest::AddingAPowerShowsARowPricedInPA()
{
    QFETCH(bool, demon);
    QFETCH(QString, pouvoir);
    QFETCH(int, prix);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);
    const int nAvant = poFiche->GetPerso()->GetPA();

    QVERIFY(Joueur::AjouterPouvoir(*poFiche, pouvoir));

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout), QStringList{pouvoir});
    PouvoirTalentWidget* poLigne = Ligne(poFiche->vboxLayout, pouvoir);
    QCOMPARE(poLigne->toolTip(), QStringLiteral("%1 PA").arg(prix));
    QCOMPARE(poLigne->GetValue(), 0.5);
    QCOMPARE(poFiche->GetPerso()->GetPouvoir(pouvoir.toStdString())->GetNiveau(), 0.5);
    QCOMPARE(poFiche->GetPerso()->GetPA(), nAvant - prix);
    QCOMPARE(poFiche->PArestantValue->text(), QString::number(nAvant - prix));
    QVERIFY(EspaceurSeulEnBas(poFiche->vboxLayout));
    QVERIFY(Lignes(poFiche->vboxLayout1).isEmpty());
}

void LignesTest::AddingPowers_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("ajouts");
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<int>("pa");

    QTest::newRow("a reserved power without its superior") << "" << QStringList{"ArtDeCombat"} << QStringList{} << 80;
    QTest::newRow("a power without the points") << "2" << QStringList{"Poison"} << QStringList{} << 2;
    QTest::newRow("the same power twice") << "" << QStringList{"Poison", "Poison"} << QStringList{"Poison"} << 77;
    QTest::newRow("two powers in the order added") << "" << QStringList{"Poison", "Charme"}
                                                   << QStringList{"Poison", "Charme"} << 73;
}

void LignesTest::AddingPowers()
{
    QFETCH(QString, total);
    QFETCH(QStringList, ajouts);
    QFETCH(QStringList, lignes);
    QFETCH(int, pa);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    if (!total.isEmpty())
        Joueur::Taper(poFiche->spinBoxPATOT, total);

    for (const QString& oNom : ajouts)
        QVERIFY(Joueur::AjouterPouvoir(*poFiche, oNom));

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout), lignes);
    QCOMPARE(NombreEspaceurs(poFiche->vboxLayout), lignes.isEmpty() ? 0 : 1);
    QCOMPARE(poFiche->GetPerso()->GetPA(), pa);
    for (const QString& oNom : ajouts)
        QCOMPARE(poFiche->GetPerso()->GetPouvoir(oNom.toStdString()) != nullptr, lignes.contains(oNom));
    VERIFIER_FICHE(*poFiche);
}

void LignesTest::PowerRowEdits_data()
{
    QTest::addColumn<QString>("pouvoir");
    QTest::addColumn<int>("fleches");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<double>("niveau");
    QTest::addColumn<int>("pa");

    QTest::newRow("up one step pays the price") << "Poison" << 1 << "" << 1.0 << 74;
    QTest::newRow("typing 2 buys three steps") << "Poison" << 0 << "2" << 2.0 << 68;
    QTest::newRow("typed past the grade cap leaves it alone") << "Poison" << 0 << "10" << 0.5 << 77;
    QTest::newRow("stops at the grade cap") << "Poison" << 5 << "" << 2.5 << 65;
    QTest::newRow("down to zero stays held") << "Poison" << -1 << "" << 0.0 << 80;
    QTest::newRow("below zero springs back") << "Poison" << -2 << "" << 0.0 << 80;
    QTest::newRow("an invariable power cannot rise") << "EspritChaotique" << 1 << "" << 0.5 << 70;
    QTest::newRow("an invariable power can come down") << "EspritChaotique" << -1 << "" << 0.0 << 80;
}

void LignesTest::PowerRowEdits()
{
    QFETCH(QString, pouvoir);
    QFETCH(int, fleches);
    QFETCH(QString, frappe);
    QFETCH(double, niveau);
    QFETCH(int, pa);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, pouvoir));
    QDoubleSpinBox* poBoite = BoiteDe(Ligne(poFiche->vboxLayout, pouvoir));

    Fleches(poBoite, fleches);
    if (!frappe.isEmpty())
        Joueur::Taper(poBoite, frappe);

    QCOMPARE(poFiche->GetPerso()->GetPouvoir(pouvoir.toStdString())->GetNiveau(), niveau);
    QCOMPARE(poBoite->value(), niveau);
    QCOMPARE(poFiche->GetPerso()->GetPA(), pa);
    QCOMPARE(poFiche->PArestantValue->text(), QString::number(pa));
}

void LignesTest::RemovingTwoAdjacentCheckedPowersTakesOnePress()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    for (const QString& oNom : QStringList{"Poison", "Charme", "Douleur"})
        QVERIFY(Joueur::AjouterPouvoir(*poFiche, oNom));
    Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout, "Poison")));
    QCOMPARE(poFiche->GetPerso()->GetPA(), 66);
    Joueur::Cocher(Ligne(poFiche->vboxLayout, "Poison"));
    Joueur::Cocher(Ligne(poFiche->vboxLayout, "Charme"));

    Joueur::Cliquer(poFiche->RemovePouvoir);

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout), QStringList{"Douleur"});
    QVERIFY(EspaceurSeulEnBas(poFiche->vboxLayout));
    QVERIFY(poFiche->GetPerso()->GetPouvoir("Poison") == nullptr);
    QVERIFY(poFiche->GetPerso()->GetPouvoir("Charme") == nullptr);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 76);
    QCOMPARE(poFiche->PArestantValue->text(), QStringLiteral("76"));
}

void LignesTest::ChoosingASuperiorReachesTheCharacter_data()
{
    QTest::addColumn<bool>("demon");
    QTest::addColumn<QString>("superieur");

    QTest::newRow("Baal") << true << "Baal";
    QTest::newRow("the last prince") << true << "Vephar";
    QTest::newRow("the prince already displayed") << true << "Abalam";
    QTest::newRow("Jean-Luc") << false << "Jean-Luc";
    QTest::newRow("the archangel already displayed") << false << "Alain";
}

void LignesTest::ChoosingASuperiorReachesTheCharacter()
{
    QFETCH(bool, demon);
    QFETCH(QString, superieur);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);

    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, superieur));

    QCOMPARE(poFiche->GetPerso()->GetSuperieur(), superieur.toStdString());
    QCOMPARE(poFiche->SupLabel->text(), superieur);
    QCOMPARE(poFiche->SuperieurListe->currentText(), superieur);
}

void LignesTest::ChangingTheListWithoutThePlayerDoesNotReachTheCharacter()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);

    poFiche->SuperieurListe->setCurrentIndex(poFiche->SuperieurListe->findText("Baal"));

    QCOMPARE(poFiche->SuperieurListe->currentText(), QStringLiteral("Baal"));
    QCOMPARE(poFiche->GetPerso()->GetSuperieur(), std::string());
    QCOMPARE(poFiche->SupLabel->text(), QString());
}

void LignesTest::ReservedPowerWaitsForItsSuperior()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, "ArtDeCombat"));
    QVERIFY(Lignes(poFiche->vboxLayout).isEmpty());
    QCOMPARE(poFiche->GetPerso()->GetPA(), 80);

    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, "Baal"));
    Joueur::Cliquer(poFiche->AddPouvoir);

    QCOMPARE(NomsDesLignes(poFiche->vboxLayout), QStringList{"ArtDeCombat"});
    QCOMPARE(Ligne(poFiche->vboxLayout, "ArtDeCombat")->toolTip(), QStringLiteral("3 PA"));
    QCOMPARE(Ligne(poFiche->vboxLayout, "ArtDeCombat")->GetValue(), 0.5);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 77);
}

void LignesTest::SuperiorStaysWhileItsPowerIsHeld_data()
{
    QTest::addColumn<QString>("superieur");
    QTest::addColumn<QString>("pouvoir");
    QTest::addColumn<QString>("autre");

    QTest::newRow("Baal's ArtDeCombat") << "Baal" << "ArtDeCombat" << "Belial";
    QTest::newRow("Morax's OeuvreArt") << "Morax" << "OeuvreArt" << "Abalam";
}

void LignesTest::SuperiorStaysWhileItsPowerIsHeld()
{
    QFETCH(QString, superieur);
    QFETCH(QString, pouvoir);
    QFETCH(QString, autre);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, superieur));
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, pouvoir));
    QCOMPARE(NomsDesLignes(poFiche->vboxLayout), QStringList{pouvoir});

    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, autre));

    QCOMPARE(poFiche->SupLabel->text(), superieur);
    QCOMPARE(poFiche->GetPerso()->GetSuperieur(), superieur.toStdString());
    // The list springs back to the superior the character keeps, and the sheet says why.
    QCOMPARE(poFiche->SuperieurListe->currentText(), superieur);
    QCOMPARE(poFiche->BarreEtat->text(),
             QStringLiteral("%1 est réservé à %2 : impossible de changer de supérieur").arg(pouvoir, superieur));

    Joueur::Cocher(Ligne(poFiche->vboxLayout, pouvoir));
    Joueur::Cliquer(poFiche->RemovePouvoir);
    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, autre));

    QCOMPARE(poFiche->SupLabel->text(), autre);
    QCOMPARE(poFiche->GetPerso()->GetSuperieur(), autre.toStdString());
}

QTEST_MAIN(LignesTest)
#include "LignesTest.moc"
