#include "Banc.h"

#include "model/Demon.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>
#include <vector>

namespace
{
struct Operation
{
    const char* oNom;
    std::function<void(Personnage&, int)> pfAppliquer;
};

void PrintTo(const Operation& oOperation, std::ostream* poFlux)
{
    *poFlux << oOperation.oNom;
}

// A character with every pool empty and everything at its limit, where a wrong amount shows at once.
class PersonnageALaLimite : public testing::TestWithParam<Operation>
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

    void VerifierInchange(int nMontant)
    {
        const Etat oAvant = oDemon.Releve();
        GetParam().pfAppliquer(oDemon, nMontant);
        EXPECT_EQ(oDemon.Releve(), oAvant);
    }

    PersonnageDeTest<Demon> oDemon;
};

// The adders of raw points, which take any amount as it comes.
const std::vector<Operation> kAjoutsBruts = {
    {"AddPA", [](Personnage& oPerso, int n) { oPerso.AddPA(n); }},
    {"AddPASecondaire", [](Personnage& oPerso, int n) { oPerso.AddPASecondaire(n); }},
};

// Every operation whose amount counts points or steps.
const std::vector<Operation> kOperationsComptees = {
    {"RemovePA", [](Personnage& oPerso, int n) { oPerso.RemovePA(n); }},
    {"RemovePASecondaire", [](Personnage& oPerso, int n) { oPerso.RemovePASecondaire(n); }},
    {"AddPATotal", [](Personnage& oPerso, int n) { oPerso.AddPATotal(n); }},
    {"RemovePATotal", [](Personnage& oPerso, int n) { oPerso.RemovePATotal(n); }},
    {"AugmenterPPAuPlafond", [](Personnage& oPerso, int n) { oPerso.AugmenterPP(n); }},
    {"DiminuerPP", [](Personnage& oPerso, int n) { oPerso.DiminuerPP(n); }},
    {"AugmenteFoiAuPlafondDesPP", [](Personnage& oPerso, int n) { oPerso.AugmenteCaracteristique(FOI, n); }},
    {"AugmenteAgiliteAuPlafondDesTalents",
     [](Personnage& oPerso, int n) { oPerso.AugmenteCaracteristique(AGILITE, n); }},
    {"BaisserAgilite", [](Personnage& oPerso, int n) { oPerso.BaisserCaracteristique(AGILITE, n); }},
    {"AugmenterTalentAuPlafond", [](Personnage& oPerso, int n) { oPerso.AugmenterTalent("Combat(Spe)", n); }},
    {"AugmenterTalentEgalASaSpecialite", [](Personnage& oPerso, int n) { oPerso.AugmenterTalent("Combat", n); }},
    {"AugmenterLangueAUnDemi", [](Personnage& oPerso, int n) { oPerso.AugmenterTalent("LangueAnglais", n); }},
    {"AugmenterTalentSecondaireSansPoints", [](Personnage& oPerso, int n) { oPerso.AugmenterTalent("Acrobatie", n); }},
    {"DiminuerSpecialiteEgaleASonGeneral",
     [](Personnage& oPerso, int n) { oPerso.DiminuerTalent("Combat(Spe)", n); }},
    {"DiminuerTalentPrimaire", [](Personnage& oPerso, int n) { oPerso.DiminuerTalent("Combat", n); }},
    {"DiminuerTalentAZero", [](Personnage& oPerso, int n) { oPerso.DiminuerTalent("Acrobatie", n); }},
    {"AugmenterPouvoirAuPlafond", [](Personnage& oPerso, int n) { oPerso.AugmenterPouvoir("Poison", n); }},
    {"AugmenterPouvoirInvariable", [](Personnage& oPerso, int n) { oPerso.AugmenterPouvoir("CorpsDigital", n); }},
    {"DiminuerPouvoir", [](Personnage& oPerso, int n) { oPerso.DiminuerPouvoir("Poison", n); }},
};

std::vector<Operation> Toutes()
{
    std::vector<Operation> oToutes = kAjoutsBruts;
    oToutes.insert(oToutes.end(), kOperationsComptees.begin(), kOperationsComptees.end());
    return oToutes;
}

// The sheet's refresh can call back into any operation with a difference of zero: each must leave the
// character exactly as it was.
class RegleDuMontantNul : public PersonnageALaLimite
{
};

TEST_P(RegleDuMontantNul, ChangesNothing)
{
    VerifierInchange(0);
}

INSTANTIATE_TEST_SUITE_P(RegleDuMontantNul, RegleDuMontantNul, testing::ValuesIn(Toutes()), NomDuCas());

// Taken as written, a negative amount would pay for a lowering or refund a raise: the pools would go below
// zero, a characteristic below 1, a level below 0. The largest ones would also wrap round, once multiplied
// by a price, into a small price that the pools can pay.
class RegleDuMontantNegatif : public PersonnageALaLimite
{
};

TEST_P(RegleDuMontantNegatif, ChangesNothing)
{
    constexpr int nMin = std::numeric_limits<int>::min();
    for (const int nMontant : {-2, nMin / 2 - 1, nMin / 2, nMin + 1, nMin})
    {
        SCOPED_TRACE(nMontant);
        VerifierInchange(nMontant);
    }
}

INSTANTIATE_TEST_SUITE_P(RegleDuMontantNegatif, RegleDuMontantNegatif, testing::ValuesIn(kOperationsComptees),
                         NomDuCas());

// Far past every pool and every cap, an amount is refused whole, never wrapped round into one that fits.
class RegleDuMontantDemesure : public PersonnageALaLimite
{
};

TEST_P(RegleDuMontantDemesure, ChangesNothing)
{
    VerifierInchange(std::numeric_limits<int>::max());
}

INSTANTIATE_TEST_SUITE_P(RegleDuMontantDemesure, RegleDuMontantDemesure, testing::ValuesIn(kOperationsComptees),
                         NomDuCas());
}
