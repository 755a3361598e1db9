#include "Sequences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace
{
// The raw accounting calls move points with no purchase behind them, which is why the random sequences leave
// them out; the ledger must see each of them.
constexpr const char* kPA = "Les PA ne tombent pas juste";
constexpr const char* kSecondaires = "Les PA secondaires ne tombent pas juste";

struct Contournement
{
    const char* moNom;
    void (*mpoFaire)(Personnage& oPerso);
    const char* moRegle;
};

const Contournement kContournements[] = {
    {"AddPA",              [](Personnage& oPerso) { oPerso.AddPA(1); },              kPA},
    {"AddPASecondaire",    [](Personnage& oPerso) { oPerso.AddPASecondaire(1); },    kSecondaires},
    {"RemovePA",           [](Personnage& oPerso) { oPerso.RemovePA(1); },           kPA},
    {"RemovePASecondaire", [](Personnage& oPerso) { oPerso.RemovePASecondaire(1); }, kSecondaires},
};

void PrintTo(const Contournement& oContournement, std::ostream* poFlux)
{
    *poFlux << oContournement.moNom;
}

class Contournements : public testing::TestWithParam<Contournement>
{
};

TEST_P(Contournements, PointsMovedOutsideAnyPurchaseUnbalanceTheLedger)
{
    const Catalogue oCatalogue = FaireCatalogue(DEMON);
    auto poPerso = Creer(DEMON);
    ASSERT_EQ(Ecart(*poPerso, Lire(*poPerso, oCatalogue), oCatalogue), "");
    GetParam().mpoFaire(*poPerso);
    EXPECT_THAT(Ecart(*poPerso, Lire(*poPerso, oCatalogue), oCatalogue), testing::StartsWith(GetParam().moRegle));
}

INSTANTIATE_TEST_SUITE_P(Registre, Contournements, testing::ValuesIn(kContournements),
                         [](const testing::TestParamInfo<Contournement>& oInfo) { return oInfo.param.moNom; });

TEST(Reduction, AFailingSequenceShrinksToTheOneCallThatBreaksTheRule)
{
    // Talents said to come without their speciality: the first general talent added breaks the expectation.
    Catalogue oCatalogue = FaireCatalogue(DEMON);
    for (NomTalent& oTalent : oCatalogue.moTalents)
        oTalent.mnSpecialite = -1;
    const std::vector<Operation> oOperations = Tirer(1, 1000, oCatalogue);
    const std::string oRegle = Rejouer(oOperations, oCatalogue).moRegle;
    ASSERT_FALSE(oRegle.empty());

    const std::vector<Operation> oCourte = Reduire(oOperations, oCatalogue);
    ASSERT_EQ(oCourte.size(), 1u);
    EXPECT_THAT(Decrire(oCourte, oCatalogue),
                testing::StartsWith("Demon oPerso;\noPerso.AjouterTalentBase(\"" + oCourte[0].moNom + "\""));
    EXPECT_EQ(Rejouer(oCourte, oCatalogue).moRegle, oRegle);
}
}
