#include "Banc.h"

#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

namespace
{
TEST(RegleDesCaracteristiques, AStepCostsTwoPAAndLoweringItRefundsThem)
{
    Ange oAnge;
    oAnge.AugmenteCaracteristique(FORCE, 1);
    EXPECT_EQ(oAnge.GetCaract(FORCE), 2.5f);
    EXPECT_EQ(oAnge.GetPA(), 98);

    oAnge.BaisserCaracteristique(FORCE, 1);
    EXPECT_EQ(oAnge.GetCaract(FORCE), 2.0f);
    EXPECT_EQ(oAnge.GetPA(), 100);
}

struct Mouvement
{
    const char* oNom;
    int nGrade;
    float fDepart;
    int nRang;  // raised by so many steps, or lowered when negative
    bool bAccepte;
};

using RegleDesCaracteristiquesBornes = testing::TestWithParam<Mouvement>;

TEST_P(RegleDesCaracteristiquesBornes, ACharacteristicMovesBetweenOneAndItsGradeCap)
{
    const Mouvement& oCas = GetParam();
    PersonnageDeTest<Ange> oAnge;
    oAnge.SetGrade(oCas.nGrade);
    ASSERT_TRUE(Amener(oAnge, AGILITE, oCas.fDepart));
    const Etat oAvant = oAnge.Releve();

    if (oCas.nRang > 0)
        oAnge.AugmenteCaracteristique(AGILITE, oCas.nRang);
    else
        oAnge.BaisserCaracteristique(AGILITE, -oCas.nRang);

    if (oCas.bAccepte)
    {
        EXPECT_EQ(oAnge.GetCaract(AGILITE), oCas.fDepart + 0.5f * oCas.nRang);
        EXPECT_EQ(oAnge.GetPA(), oAvant.oSoldes.nPA - 2 * oCas.nRang);
    }
    else
    {
        EXPECT_EQ(oAnge.Releve(), oAvant);
    }
}

INSTANTIATE_TEST_SUITE_P(RegleDesCaracteristiques, RegleDesCaracteristiquesBornes,
                         testing::Values(Mouvement{"Grade0Depuis55", 0, 5.5f, 1, false},
                                         Mouvement{"Grade0Depuis50DeDeuxPas", 0, 5.0f, 2, false},
                                         Mouvement{"Grade0Depuis50DUnPas", 0, 5.0f, 1, true},
                                         Mouvement{"Grade1Depuis55", 1, 5.5f, 1, false},
                                         Mouvement{"Grade2Depuis60", 2, 6.0f, 1, true},
                                         Mouvement{"Grade2Depuis65", 2, 6.5f, 1, false},
                                         Mouvement{"Grade3Depuis70", 3, 7.0f, 1, true},
                                         Mouvement{"Grade3Depuis75", 3, 7.5f, 1, false},
                                         Mouvement{"BaisseDepuis10", 0, 1.0f, -1, false},
                                         Mouvement{"BaisseDepuis15DUnPas", 0, 1.5f, -1, true},
                                         Mouvement{"BaisseDepuis15DeDeuxPas", 0, 1.5f, -2, false}),
                         NomDuCas());

TEST(RegleDesCaracteristiques, AucuneIsNoCharacteristicToRaiseOrLower)
{
    PersonnageDeTest<Demon> oDemon;
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenteCaracteristique(AUCUNE, 1);
    oDemon.BaisserCaracteristique(AUCUNE, 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesCaracteristiques, RaisingWithoutThePAIsRefused)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.PoserSoldes({3, 0, 0});
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenteCaracteristique(FORCE, 2);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

// Acrobatie, based on AGILITE, at 6.0 with AGILITE at 3.5: score 7.5, the talent cap of grade 0.
class RegleDesCaracteristiquesTalents : public testing::Test
{
protected:
    void SetUp() override
    {
        Acquerir(oDemon, "Acrobatie");
        oDemon.AugmenterTalent("Acrobatie", 12);
        ASSERT_EQ(oDemon.GetTalent("Acrobatie")->GetNiveau(), 6.0f);
        ASSERT_TRUE(Amener(oDemon, AGILITE, 3.5f));
    }

    PersonnageDeTest<Demon> oDemon;
};

TEST_F(RegleDesCaracteristiquesTalents, RaisingAgiliteAboveTheTalentCapIsRefused)
{
    EXPECT_TRUE(oDemon.IsTalentsCoherents(AGILITE, 3.5f));
    EXPECT_FALSE(oDemon.IsTalentsCoherents(AGILITE, 4.0f));
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenteCaracteristique(AGILITE, 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST_F(RegleDesCaracteristiquesTalents, LoweringAgiliteIsAlwaysAccepted)
{
    oDemon.BaisserCaracteristique(AGILITE, 3);
    EXPECT_EQ(oDemon.GetCaract(AGILITE), 2.0f);
}

TEST_F(RegleDesCaracteristiquesTalents, TalentsOfAnotherCharacteristicDoNotHoldARaiseBack)
{
    EXPECT_TRUE(oDemon.IsTalentsCoherents(FORCE, 5.5f));
    oDemon.AugmenteCaracteristique(FORCE, 7);
    EXPECT_EQ(oDemon.GetCaract(FORCE), 5.5f);
}

TEST(RegleDesCaracteristiques, ARaiseThatPushesThePPValuePastItsCapIsUndone)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.AugmenterPP(11);
    ASSERT_EQ(oDemon.GetPPValue(), 15);

    oDemon.AugmenteCaracteristique(FOI, 1);
    EXPECT_EQ(oDemon.GetCaract(FOI), 2.5f);
    EXPECT_EQ(oDemon.GetPPValue(), 15);

    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenteCaracteristique(FOI, 1);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesCaracteristiques, AnUndoneRaiseGivesConvertedPointsBackAsPA)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(Amener(oDemon, FOI, 2.5f));
    oDemon.AugmenterPP(11);
    oDemon.PoserSoldes({1, 2, 1});

    oDemon.AugmenteCaracteristique(FOI, 1);

    EXPECT_EQ(oDemon.GetCaract(FOI), 2.5f);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{2, 0, 0}));
}
}
