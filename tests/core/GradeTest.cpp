#include "Banc.h"

#include "model/Ange.h"
#include "model/Demon.h"
#include "model/Grade.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Limites
{
    int nGrade;
    float fCaract;
    float fTalent;
    float fPouvoir;
    int nPP;
};

using GradeLimites = testing::TestWithParam<Limites>;

TEST_P(GradeLimites, CapsEverythingThatPointsCanBuy)
{
    const Limites& oCas = GetParam();
    EXPECT_EQ(Grade::LimitCaractMax(oCas.nGrade), oCas.fCaract);
    EXPECT_EQ(Grade::LimitTalentMax(oCas.nGrade), oCas.fTalent);
    EXPECT_EQ(Grade::LimitPouvoirMax(oCas.nGrade), oCas.fPouvoir);
    EXPECT_EQ(Grade::LimitPPMax(oCas.nGrade), oCas.nPP);
}

INSTANTIATE_TEST_SUITE_P(Grade, GradeLimites,
                         testing::Values(Limites{-1, 0.0f, 0.0f, 0.0f, 0},
                                         Limites{0, 5.5f, 7.5f, 2.5f, 15},
                                         Limites{1, 5.5f, 8.5f, 4.5f, 25},
                                         Limites{2, 6.5f, 9.5f, 6.5f, 40},
                                         Limites{3, 7.5f, 10.5f, 8.5f, 60},
                                         Limites{4, 0.0f, 0.0f, 0.0f, 0}),
                         [](const testing::TestParamInfo<Limites>& oInfo) {
                             return oInfo.param.nGrade < 0 ? std::string("GradeMoins1")
                                                           : "Grade" + std::to_string(oInfo.param.nGrade);
                         });

// A demon of grade 3 at the top: FORCE 7.5, Athletisme (secondary, on FORCE) at score 10.5, Poison at 8.5.
// That takes its 80 PA to the last one.
class RegleDuGradeAuSommet : public testing::Test
{
protected:
    void SetUp() override
    {
        oDemon.SetGrade(3);
        ASSERT_TRUE(Amener(oDemon, FORCE, 7.5f));
        Acquerir(oDemon, "Athletisme");
        oDemon.AugmenterTalent("Athletisme", 14);
        ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
        oDemon.AugmenterPouvoir("Poison", 16);
        ASSERT_EQ(oDemon.GetTalent("Athletisme")->GetNiveau(), 7.0f);
        ASSERT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 8.5);
        ASSERT_EQ(SoldesDe(oDemon), (Soldes{0, 0, 7}));
    }

    PersonnageDeTest<Demon> oDemon;
};

TEST_F(RegleDuGradeAuSommet, DroppingToGradeZeroBringsTalentsPowersAndCharacteristicsUnderTheCaps)
{
    oDemon.SetGrade(0);

    EXPECT_EQ(oDemon.GetGrade(), 0);
    // The talent came down to score 7.5 while FORCE still gave 3.5; FORCE then fell to 5.5.
    EXPECT_EQ(oDemon.GetTalent("Athletisme")->GetNiveau(), 4.0f);
    EXPECT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 2.5);
    EXPECT_EQ(oDemon.GetCaract(FORCE), 5.5f);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{36 + 8, 6, 7}));
}

TEST(RegleDuGrade, KeepingOrRaisingTheGradeChangesNothingButTheGrade)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(Amener(oDemon, FORCE, 5.5f));
    Acquerir(oDemon, "Intimidation");
    oDemon.AugmenterTalent("Intimidation", 10);
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    oDemon.AugmenterPouvoir("Poison", 4);
    oDemon.AugmenterPP(11);
    ASSERT_EQ(oDemon.GetTalent("Intimidation")->GetNiveau(), 5.0f);
    ASSERT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 2.5);
    ASSERT_EQ(oDemon.GetPPValue(), 15);
    Etat oAttendu = oDemon.Releve();

    for (int nGrade : {0, 1, 3})
    {
        oDemon.SetGrade(nGrade);
        oAttendu.nGrade = nGrade;
        EXPECT_EQ(oDemon.Releve(), oAttendu);
    }
}

TEST(RegleDuGrade, ANewCharacterKeepsEveryValueAtGradeTwo)
{
    PersonnageDeTest<Ange> oAnge;
    Etat oAttendu = oAnge.Releve();
    oAttendu.nGrade = 2;
    EXPECT_EQ(oAnge.SetGrade(2), 2);
    EXPECT_EQ(oAnge.Releve(), oAttendu);
}

TEST(RegleDuGrade, DroppingTheGradeLowersAGeneralTalentBeforeItsSpeciality)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.SetGrade(3);
    Acquerir(oDemon, "Combat");
    oDemon.AugmenterTalent("Combat(Spe)", 19);
    oDemon.AugmenterTalent("Combat", 18);
    ASSERT_EQ(oDemon.GetTalent("Combat")->GetNiveau(), 9.0f);

    oDemon.SetGrade(0);

    EXPECT_EQ(oDemon.GetTalent("Combat")->GetNiveau(), 6.5f);
    EXPECT_EQ(oDemon.GetTalent("Combat(Spe)")->GetNiveau(), 6.5f);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{80 - 26, 26, 0}));
}

TEST(RegleDuGrade, DroppingTheGradeSellsThePPAboveTheCap)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.SetGrade(1);
    oDemon.AugmenterPP(21);
    ASSERT_EQ(oDemon.GetPPValue(), 25);

    oDemon.SetGrade(0);

    EXPECT_EQ(oDemon.GetPPValue(), 15);
    EXPECT_EQ(oDemon.GetPA(), 80 - 11);
}
}
