#include "Banc.h"

#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(RegleDesPouvoirs, AcquiringAPowerBuysItsFirstStep)
{
    Demon oDemon;
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    EXPECT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 0.5);
    EXPECT_EQ(oDemon.GetPA(), 77);

    oDemon.AugmenterPouvoir("Poison", 1);
    EXPECT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 1.0);
    EXPECT_EQ(oDemon.GetPA(), 74);
}

struct PlafondDePouvoir
{
    int nGrade;
    double fNiveauMax;
};

using RegleDesPouvoirsPlafond = testing::TestWithParam<PlafondDePouvoir>;

TEST_P(RegleDesPouvoirsPlafond, APowerStopsAtTheGradeCap)
{
    const PlafondDePouvoir& oCas = GetParam();
    PersonnageDeTest<Demon> oDemon;
    oDemon.SetGrade(oCas.nGrade);
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    oDemon.AugmenterPouvoir("Poison", static_cast<int>(oCas.fNiveauMax * 2) - 1);
    ASSERT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), oCas.fNiveauMax);

    const Etat oAuPlafond = oDemon.Releve();
    oDemon.AugmenterPouvoir("Poison", 1);
    EXPECT_EQ(oDemon.Releve(), oAuPlafond);
}

INSTANTIATE_TEST_SUITE_P(RegleDesPouvoirs, RegleDesPouvoirsPlafond,
                         testing::Values(PlafondDePouvoir{0, 2.5}, PlafondDePouvoir{1, 4.5},
                                         PlafondDePouvoir{2, 6.5}, PlafondDePouvoir{3, 8.5}),
                         [](const testing::TestParamInfo<PlafondDePouvoir>& oInfo) {
                             return "Grade" + std::to_string(oInfo.param.nGrade);
                         });

TEST(RegleDesPouvoirs, APowerLoweredToZeroStaysHeld)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    oDemon.DiminuerPouvoir("Poison", 1);
    ASSERT_NE(oDemon.GetPouvoir("Poison"), nullptr);
    EXPECT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 0.0);
    EXPECT_EQ(oDemon.GetPA(), 80);

    const Etat oAZero = oDemon.Releve();
    oDemon.DiminuerPouvoir("Poison", 1);
    EXPECT_EQ(oDemon.Releve(), oAZero);
}

TEST(RegleDesPouvoirs, RemovingAPowerRefundsEveryStep)
{
    Demon oDemon;
    oDemon.SetSuperieur("Valefor");
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Ouverture"));
    oDemon.AugmenterPouvoir("Ouverture", 2);
    ASSERT_EQ(oDemon.GetPA(), 74);

    oDemon.EnleverPouvoirBase("Ouverture");

    EXPECT_EQ(oDemon.GetPouvoir("Ouverture"), nullptr);
    EXPECT_EQ(oDemon.GetPA(), 80);
}

TEST(RegleDesPouvoirs, AnInvariablePowerNeverRisesButCanBeLoweredAndRemoved)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("CorpsDigital"));
    ASSERT_EQ(oDemon.GetPA(), 72);
    const Etat oAchete = oDemon.Releve();

    oDemon.AugmenterPouvoir("CorpsDigital", 1);
    EXPECT_EQ(oDemon.Releve(), oAchete);

    oDemon.DiminuerPouvoir("CorpsDigital", 1);
    EXPECT_EQ(oDemon.GetPouvoir("CorpsDigital")->GetNiveau(), 0.0);
    EXPECT_EQ(oDemon.GetPA(), 80);

    oDemon.AugmenterPouvoir("CorpsDigital", 1);
    EXPECT_EQ(oDemon.GetPouvoir("CorpsDigital")->GetNiveau(), 0.0);

    oDemon.EnleverPouvoirBase("CorpsDigital");
    EXPECT_EQ(oDemon.GetPouvoir("CorpsDigital"), nullptr);
    EXPECT_EQ(oDemon.GetPA(), 80);
}

TEST(RegleDesPouvoirs, AReservedPowerWaitsForItsSuperiorAndThenHoldsItFast)
{
    Demon oDemon;
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("ArtDeCombat"));
    oDemon.SetSuperieur("Belial");
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("ArtDeCombat"));
    oDemon.SetSuperieur("Baal");
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("ArtDeCombat"));
    EXPECT_EQ(oDemon.GetPA(), 77);

    oDemon.SetSuperieur("Belial");
    EXPECT_EQ(oDemon.GetSuperieur(), "Baal");

    oDemon.EnleverPouvoirBase("ArtDeCombat");
    oDemon.SetSuperieur("Belial");
    EXPECT_EQ(oDemon.GetSuperieur(), "Belial");
    EXPECT_EQ(oDemon.GetPA(), 80);
}

TEST(RegleDesPouvoirs, OpenPowersLeaveTheSuperiorFree)
{
    Ange oAnge;
    oAnge.SetSuperieur("Yves");
    ASSERT_TRUE(oAnge.AjouterPouvoirBase("ChantAngelique"));
    ASSERT_TRUE(oAnge.AjouterPouvoirBase("Vol"));
    oAnge.SetSuperieur(std::string("Alain"));
    EXPECT_EQ(oAnge.GetSuperieur(), "Alain");
}

TEST(RegleDesPouvoirs, ANullNameLeavesTheSuperiorAsItIs)
{
    Ange oAnge;
    oAnge.SetSuperieur("Yves");
    const char* oAucun = nullptr;
    oAnge.SetSuperieur(oAucun);
    EXPECT_EQ(oAnge.GetSuperieur(), "Yves");
}

TEST(RegleDesPouvoirs, AcquiringAPowerAlreadyHeldIsRefusedEvenAtZero)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Vol"));
    oDemon.DiminuerPouvoir("Vol", 1);
    const Etat oAvant = oDemon.Releve();
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("Vol"));
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesPouvoirs, EachSideBuysFromItsOwnCatalogue)
{
    Ange oAnge;
    Demon oDemon;
    EXPECT_FALSE(oAnge.AjouterPouvoirBase("Poison"));
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("ChantAngelique"));

    ASSERT_TRUE(oAnge.AjouterPouvoirBase("AuraPacification"));
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("AuraPacification"));
    EXPECT_EQ(oAnge.GetPA(), 97);
    EXPECT_EQ(oDemon.GetPA(), 76);
}

TEST(RegleDesPouvoirs, ACharacterWithoutSideCanBuyNoPower)
{
    Personnage oPerso;
    EXPECT_EQ(oPerso.GetListeDesPouvoirs(), nullptr);
    EXPECT_FALSE(oPerso.AjouterPouvoirBase("Vol"));
    EXPECT_EQ(oPerso.GetPA(), 20);
}

TEST(RegleDesPouvoirs, APowerCanBePaidWithConvertedPointsTakenBack)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.SetSuperieur("Valefor");
    oDemon.PoserSoldes({1, 2, 2});
    EXPECT_TRUE(oDemon.AjouterPouvoirBase("Ouverture"));
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{0, 0, 1}));
}

TEST(RegleDesPouvoirs, ARefusedAcquisitionLeavesNoTrace)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.PoserSoldes({2, 0, 0});
    const Etat oAvant = oDemon.Releve();
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("Poison"));
    EXPECT_EQ(oDemon.Releve(), oAvant);

    oDemon.AddPA(1);
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    EXPECT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 0.5);
    EXPECT_EQ(oDemon.GetPA(), 0);
}

TEST(RegleDesPouvoirs, RaisingWithoutThePAIsRefused)
{
    PersonnageDeTest<Demon> oDemon;
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    oDemon.PoserSoldes({5, 0, 0});
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterPouvoir("Poison", 2);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesPouvoirs, MovingAPowerNotHeldChangesNothing)
{
    PersonnageDeTest<Demon> oDemon;
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterPouvoir("Poison", 1);
    oDemon.DiminuerPouvoir("Poison", 1);
    oDemon.EnleverPouvoirBase("Poison");
    EXPECT_EQ(oDemon.Releve(), oAvant);
    EXPECT_EQ(oDemon.GetNumPouvoirs(), 1);
}
}
