#include "Banc.h"

#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(RegleDesTalents, AddingAGeneralTalentBringsItsSpecialityFreeOfCharge)
{
    Demon oDemon;
    Acquerir(oDemon, "Combat");

    Talent* poCombat = oDemon.GetTalent("Combat");
    Talent* poSpecialite = oDemon.GetTalent("Combat(Spe)");
    ASSERT_NE(poCombat, nullptr);
    ASSERT_NE(poSpecialite, nullptr);
    EXPECT_EQ(poCombat->GetNiveau(), 0.0f);
    EXPECT_EQ(poSpecialite->GetNiveau(), 0.0f);
    EXPECT_EQ(poCombat->GetSpecialite(), poSpecialite);
    EXPECT_EQ(oDemon.GetTalentGeneral(poSpecialite), poCombat);
    EXPECT_EQ(oDemon.GetNumTalents(), 2);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{80, 0, 0}));
}

TEST(RegleDesTalents, AddingASpecialityAloneAddsOnlyIt)
{
    Demon oDemon;
    Acquerir(oDemon, "Combat(Spe)");
    EXPECT_NE(oDemon.GetTalent("Combat(Spe)"), nullptr);
    EXPECT_EQ(oDemon.GetTalent("Combat"), nullptr);
}

TEST(RegleDesTalents, AGeneralTalentAddedLaterLinksToTheSpecialityAlreadyHeld)
{
    Demon oDemon;
    Acquerir(oDemon, "Tir(Spe)");
    oDemon.AugmenterTalent("Tir(Spe)", 3);
    Talent* poSpecialite = oDemon.GetTalent("Tir(Spe)");

    Acquerir(oDemon, "Tir");

    EXPECT_EQ(oDemon.GetTalent("Tir(Spe)"), poSpecialite);
    EXPECT_EQ(poSpecialite->GetNiveau(), 1.5f);
    EXPECT_EQ(oDemon.GetTalent("Tir")->GetSpecialite(), poSpecialite);
}

TEST(RegleDesTalents, TheGivenPriorityAndCharacteristicYieldToTheCatalogue)
{
    Demon oDemon;
    oDemon.AjouterTalentBase("Baratin", EXOTIQUE, FORCE);
    ASSERT_NE(oDemon.GetTalent("Baratin"), nullptr);
    EXPECT_EQ(oDemon.GetTalent("Baratin")->GetPriorite(), PRIMAIRE);
    EXPECT_EQ(oDemon.GetTalent("Baratin")->GetCaractBase(), PRESENCE);
}

TEST(RegleDesTalents, AddingATalentAlreadyHeldKeepsItsLevel)
{
    PersonnageDeTest<Demon> oDemon;
    Acquerir(oDemon, "Kamasutra");
    oDemon.AugmenterTalent("Kamasutra", 2);
    const Etat oAvant = oDemon.Releve();
    Acquerir(oDemon, "Kamasutra");
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

// "Combat" and its speciality, both held at 0.0.
class RegleDesTalentsSpecialite : public testing::Test
{
protected:
    void SetUp() override { Acquerir(oDemon, "Combat"); }

    PersonnageDeTest<Demon> oDemon;
};

TEST_F(RegleDesTalentsSpecialite, AGeneralTalentRisesOnlyAsFarAsItsSpeciality)
{
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterTalent("Combat", 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);

    oDemon.AugmenterTalent("Combat(Spe)", 2);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{78, 2, 0}));

    oDemon.AugmenterTalent("Combat", 2);
    EXPECT_EQ(oDemon.GetTalent("Combat")->GetNiveau(), 1.0f);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{76, 4, 0}));
}

TEST_F(RegleDesTalentsSpecialite, ASpecialityComesDownNoLowerThanItsGeneralTalent)
{
    oDemon.AugmenterTalent("Combat(Spe)", 2);
    oDemon.AugmenterTalent("Combat", 2);
    const Etat oAvant = oDemon.Releve();

    oDemon.DiminuerTalent("Combat(Spe)", 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);

    oDemon.DiminuerTalent("Combat", 1);
    EXPECT_EQ(oDemon.GetTalent("Combat")->GetNiveau(), 0.5f);
    oDemon.DiminuerTalent("Combat(Spe)", 1);
    EXPECT_EQ(oDemon.GetTalent("Combat(Spe)")->GetNiveau(), 0.5f);
}

TEST_F(RegleDesTalentsSpecialite, ASpecialityCannotBeRemovedWhileItsGeneralTalentIsHeld)
{
    oDemon.AugmenterTalent("Combat(Spe)", 2);
    const Etat oAvant = oDemon.Releve();
    EXPECT_FALSE(oDemon.EnleverTalentBase("Combat(Spe)"));
    EXPECT_EQ(oDemon.Releve(), oAvant);

    EXPECT_TRUE(oDemon.EnleverTalentBase("Combat"));
    EXPECT_EQ(oDemon.GetTalent("Combat(Spe)")->GetNiveau(), 1.0f);

    EXPECT_TRUE(oDemon.EnleverTalentBase("Combat(Spe)"));
    EXPECT_EQ(oDemon.GetTalent("Combat(Spe)"), nullptr);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{80, 0, 0}));
}

TEST(RegleDesTalents, LoweringAPrimaryTalentTakesBackItsSecondaryPointsEvenOnceSpent)
{
    Ange oAnge;
    Acquerir(oAnge, "Baratin");
    Acquerir(oAnge, "Acrobatie");

    oAnge.AugmenterTalent("Baratin", 2);
    EXPECT_EQ(SoldesDe(oAnge), (Soldes{98, 2, 0}));
    oAnge.AugmenterTalent("Acrobatie", 2);
    EXPECT_EQ(SoldesDe(oAnge), (Soldes{98, 0, 0}));
    oAnge.DiminuerTalent("Baratin", 2);
    EXPECT_EQ(SoldesDe(oAnge), (Soldes{99, 0, 1}));
}

TEST(RegleDesTalents, ASecondaryStepWithoutPASecondaireConvertsOnePA)
{
    Demon oDemon;
    Acquerir(oDemon, "Conduite");
    oDemon.AugmenterTalent("Conduite", 1);
    EXPECT_EQ(oDemon.GetTalent("Conduite")->GetNiveau(), 0.5f);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{79, 1, 1}));
}

TEST(RegleDesTalents, ALanguageIsKnownAtOneHalfOrNotAtAll)
{
    PersonnageDeTest<Demon> oDemon;
    Acquerir(oDemon, "LangueAnglais");
    oDemon.AugmenterTalent("LangueAnglais", 1);
    EXPECT_EQ(oDemon.GetTalent("LangueAnglais")->GetNiveau(), 0.5f);

    oDemon.AddPASecondaire(10);
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterTalent("LangueAnglais", 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

struct Plafond
{
    const char* oTalent;
    int nGrade;
    float fNiveauMax;
};

using RegleDesTalentsPlafond = testing::TestWithParam<Plafond>;

TEST_P(RegleDesTalentsPlafond, ATalentScoreStopsAtTheGradeCap)
{
    const Plafond& oCas = GetParam();
    PersonnageDeTest<Ange> oAnge;
    oAnge.SetGrade(oCas.nGrade);
    Acquerir(oAnge, oCas.oTalent);

    oAnge.AugmenterTalent(oCas.oTalent, static_cast<int>(oCas.fNiveauMax * 2));
    ASSERT_EQ(oAnge.GetTalent(oCas.oTalent)->GetNiveau(), oCas.fNiveauMax);

    const Etat oAuPlafond = oAnge.Releve();
    oAnge.AugmenterTalent(oCas.oTalent, 1);
    EXPECT_EQ(oAnge.Releve(), oAuPlafond);
}

// With every characteristic at 2.0 the bonus is 1, so the level stops one point under the cap.
INSTANTIATE_TEST_SUITE_P(RegleDesTalents, RegleDesTalentsPlafond,
                         testing::Values(Plafond{"Athletisme", 0, 6.5f}, Plafond{"Informatique", 0, 6.5f},
                                         Plafond{"Baratin", 1, 7.5f}, Plafond{"Athletisme", 3, 9.5f}),
                         [](const testing::TestParamInfo<Plafond>& oInfo) {
                             return oInfo.param.oTalent + std::string("Grade") + std::to_string(oInfo.param.nGrade);
                         });

TEST(RegleDesTalents, AStrongerCharacteristicLowersTheLevelATalentCanReach)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(Amener(oDemon, FORCE, 4.0f));
    Acquerir(oDemon, "ExotiqueForce");
    oDemon.AugmenterTalent("ExotiqueForce", 11);
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterTalent("ExotiqueForce", 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);
    EXPECT_EQ(oDemon.GetTalent("ExotiqueForce")->GetNiveau(), 5.5f);
}

struct Retrait
{
    const char* oTalent;
    int nRang;
    Soldes oApresLaHausse;
    Soldes oApresLeRetrait;
};

using RegleDesTalentsRetrait = testing::TestWithParam<Retrait>;

TEST_P(RegleDesTalentsRetrait, RemovingATalentRefundsEveryStepToItsOwnPool)
{
    const Retrait& oCas = GetParam();
    Demon oDemon;
    Acquerir(oDemon, oCas.oTalent);
    oDemon.AugmenterTalent(oCas.oTalent, oCas.nRang);
    ASSERT_EQ(SoldesDe(oDemon), oCas.oApresLaHausse);

    EXPECT_TRUE(oDemon.EnleverTalentBase(oCas.oTalent));

    EXPECT_EQ(oDemon.GetTalent(oCas.oTalent), nullptr);
    EXPECT_EQ(SoldesDe(oDemon), oCas.oApresLeRetrait);
}

INSTANTIATE_TEST_SUITE_P(RegleDesTalents, RegleDesTalentsRetrait,
                         testing::Values(Retrait{"Kamasutra", 4, {76, 0, 0}, {80, 0, 0}},
                                         Retrait{"Baratin", 3, {77, 3, 0}, {80, 0, 0}},
                                         Retrait{"Acrobatie", 4, {78, 0, 2}, {78, 4, 2}}),
                         [](const testing::TestParamInfo<Retrait>& oInfo) { return oInfo.param.oTalent; });

TEST(RegleDesTalents, ATalentAddedAgainAfterItsRemovalStartsAnew)
{
    Demon oDemon;
    Acquerir(oDemon, "Humour");
    oDemon.AugmenterTalent("Humour", 3);
    ASSERT_TRUE(oDemon.EnleverTalentBase("Humour"));

    Acquerir(oDemon, "Humour");

    ASSERT_NE(oDemon.GetTalent("Humour"), nullptr);
    EXPECT_EQ(oDemon.GetTalent("Humour")->GetNiveau(), 0.0f);
    EXPECT_EQ(oDemon.GetPA(), 80);
}

TEST(RegleDesTalents, RemovingATalentNotHeldAnswersYesAndChangesNothing)
{
    PersonnageDeTest<Demon> oDemon;
    const Etat oAvant = oDemon.Releve();
    EXPECT_TRUE(oDemon.EnleverTalentBase("Baratin"));
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesTalents, MovingATalentNotHeldChangesNothing)
{
    PersonnageDeTest<Demon> oDemon;
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterTalent("Baratin", 2);
    oDemon.DiminuerTalent("Baratin", 2);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesTalents, ATalentNeverGoesBelowZero)
{
    PersonnageDeTest<Demon> oDemon;
    Acquerir(oDemon, "Jeu");
    oDemon.AugmenterTalent("Jeu", 1);
    const Etat oAvant = oDemon.Releve();
    oDemon.DiminuerTalent("Jeu", 2);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesTalents, RaisingWithoutThePointsIsRefused)
{
    PersonnageDeTest<Demon> oDemon;
    Acquerir(oDemon, "Baratin");
    Acquerir(oDemon, "Navigation");
    oDemon.PoserSoldes({1, 0, 0});
    const Etat oAvant = oDemon.Releve();

    oDemon.AugmenterTalent("Baratin", 2);
    oDemon.AugmenterTalent("Navigation", 3);

    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesTalents, ALookupOfATalentNotHeldLeavesAnEmptyEntryThatTheCountIncludes)
{
    Demon oDemon;
    Acquerir(oDemon, "Jeu");
    EXPECT_EQ(oDemon.GetTalent("Fouille"), nullptr);
    EXPECT_EQ(oDemon.GetNumTalents(), 2);
    ASSERT_TRUE(oDemon.EnleverTalentBase("Jeu"));
    EXPECT_EQ(oDemon.GetTalent("Jeu"), nullptr);
    EXPECT_EQ(oDemon.GetNumTalents(), 2);
}
}
