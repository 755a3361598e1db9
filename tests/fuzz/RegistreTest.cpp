#include "Sequences.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{
// The raw accounting calls move points with no purchase behind them, which is why the random sequences leave
// them out; the ledger must see each of them.
struct Contournement
{
    const char* moNom;
    void (*mpoFaire)(Personnage& oPerso);
    const char* moRegle;
};

const Contournement kContournements[] = {
    {"AddPA",              [](Personnage& oPerso) { oPerso.AddPA(1); },              "PA ledger"},
    {"AddPASecondaire",    [](Personnage& oPerso) { oPerso.AddPASecondaire(1); },    "PA secondaire ledger"},
    {"RemovePA",           [](Personnage& oPerso) { oPerso.RemovePA(1); },           "PA ledger"},
    {"RemovePASecondaire", [](Personnage& oPerso) { oPerso.RemovePASecondaire(1); }, "PA secondaire ledger"},
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
    ASSERT_EQ(Ecart(Lire(*poPerso, oCatalogue), oCatalogue), "");
    GetParam().mpoFaire(*poPerso);
    EXPECT_EQ(Ecart(Lire(*poPerso, oCatalogue), oCatalogue), GetParam().moRegle);
}

INSTANTIATE_TEST_SUITE_P(Registre, Contournements, testing::ValuesIn(kContournements),
                         [](const testing::TestParamInfo<Contournement>& oInfo) { return oInfo.param.moNom; });

TEST(Reduction, AFailingSequenceShrinksToTheOneCallThatBreaksTheRule)
{
    // Powers priced one PA above what the character charges: the first power bought breaks the ledger.
    Catalogue oCatalogue = FaireCatalogue(DEMON);
    for (NomPouvoir& oPouvoir : oCatalogue.moPouvoirs)
        ++oPouvoir.mnCout;
    const std::vector<Operation> oOperations = Tirer(1, 1000, oCatalogue);
    ASSERT_EQ(Rejouer(oOperations, oCatalogue).moRegle, "PA ledger");

    const std::vector<Operation> oCourte = Reduire(oOperations, oCatalogue);
    ASSERT_EQ(oCourte.size(), 1u);
    EXPECT_EQ(Decrire(oCourte, oCatalogue),
              "Demon oPerso;\noPerso.AjouterPouvoirBase(\"" + oCourte[0].moNom + "\");\n");
}
}
