#include "Banc.h"

#include "model/Demon.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct Operation
{
    const char* oNom;
    std::function<void(Personnage&)> pfAppliquer;
};

// The sheet's refresh can call back into any of these with a difference of zero: each must leave the
// character exactly as it was, even with every pool empty and everything at its limit.
class RegleDuMontantNul : public testing::TestWithParam<Operation>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Amener(oDemon, FOI, 2.5f));
        oDemon.AugmenterPP(11);
        ASSERT_TRUE(Amener(oDemon, AGILITE, 3.5f));
        Acquerir(oDemon, "Combat");
        oDemon.AugmenterTalent("Combat(Spe)", 12);
        oDemon.AugmenterTalent("Combat", 12);
        Acquerir(oDemon, "LangueAnglais");
        oDemon.AugmenterTalent("LangueAnglais", 1);
        Acquerir(oDemon, "Acrobatie");
        ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
        oDemon.AugmenterPouvoir("Poison", 4);
        ASSERT_TRUE(oDemon.AjouterPouvoirBase("CorpsDigital"));
        ASSERT_TRUE(oDemon.RemovePA(oDemon.GetPA()));
        ASSERT_TRUE(oDemon.RemovePASecondaire(oDemon.GetPASecondaire()));

        ASSERT_EQ(oDemon.GetPPValue(), 15);
        ASSERT_EQ(oDemon.GetTalent("Combat")->GetNiveau(), 6.0f);
        ASSERT_EQ(oDemon.GetTalent("Combat(Spe)")->GetNiveau(), 6.0f);
        ASSERT_EQ(oDemon.GetPouvoir("Poison")->GetNiveau(), 2.5);
    }

    PersonnageDeTest<Demon> oDemon;
};

TEST_P(RegleDuMontantNul, ChangesNothing)
{
    const Etat oAvant = oDemon.Releve();
    GetParam().pfAppliquer(oDemon);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

INSTANTIATE_TEST_SUITE_P(
    RegleDuMontantNul, RegleDuMontantNul,
    testing::Values(
        Operation{"AddPA", [](Personnage& oPerso) { oPerso.AddPA(0); }},
        Operation{"AddPASecondaire", [](Personnage& oPerso) { oPerso.AddPASecondaire(0); }},
        Operation{"RemovePA", [](Personnage& oPerso) { oPerso.RemovePA(0); }},
        Operation{"RemovePASecondaire", [](Personnage& oPerso) { oPerso.RemovePASecondaire(0); }},
        Operation{"AddPATotal", [](Personnage& oPerso) { oPerso.AddPATotal(0); }},
        Operation{"RemovePATotal", [](Personnage& oPerso) { oPerso.RemovePATotal(0); }},
        Operation{"AugmenterPPAuPlafond", [](Personnage& oPerso) { oPerso.AugmenterPP(0); }},
        Operation{"DiminuerPP", [](Personnage& oPerso) { oPerso.DiminuerPP(0); }},
        Operation{"AugmenteFoiAuPlafondDesPP", [](Personnage& oPerso) { oPerso.AugmenteCaracteristique(FOI, 0); }},
        Operation{"AugmenteAgiliteAuPlafondDesTalents",
                  [](Personnage& oPerso) { oPerso.AugmenteCaracteristique(AGILITE, 0); }},
        Operation{"BaisserAgilite", [](Personnage& oPerso) { oPerso.BaisserCaracteristique(AGILITE, 0); }},
        Operation{"AugmenterTalentAuPlafond", [](Personnage& oPerso) { oPerso.AugmenterTalent("Combat(Spe)", 0); }},
        Operation{"AugmenterTalentEgalASaSpecialite",
                  [](Personnage& oPerso) { oPerso.AugmenterTalent("Combat", 0); }},
        Operation{"AugmenterLangueAUnDemi", [](Personnage& oPerso) { oPerso.AugmenterTalent("LangueAnglais", 0); }},
        Operation{"AugmenterTalentSecondaireSansPoints",
                  [](Personnage& oPerso) { oPerso.AugmenterTalent("Acrobatie", 0); }},
        Operation{"DiminuerSpecialiteEgaleASonGeneral",
                  [](Personnage& oPerso) { oPerso.DiminuerTalent("Combat(Spe)", 0); }},
        Operation{"DiminuerTalentPrimaire", [](Personnage& oPerso) { oPerso.DiminuerTalent("Combat", 0); }},
        Operation{"DiminuerTalentAZero", [](Personnage& oPerso) { oPerso.DiminuerTalent("Acrobatie", 0); }},
        Operation{"AugmenterPouvoirAuPlafond", [](Personnage& oPerso) { oPerso.AugmenterPouvoir("Poison", 0); }},
        Operation{"AugmenterPouvoirInvariable",
                  [](Personnage& oPerso) { oPerso.AugmenterPouvoir("CorpsDigital", 0); }},
        Operation{"DiminuerPouvoir", [](Personnage& oPerso) { oPerso.DiminuerPouvoir("Poison", 0); }}),
    NomDuCas());
}
