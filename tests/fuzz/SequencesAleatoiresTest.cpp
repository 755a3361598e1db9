#include "Sequences.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Each side plays 500 seeds of 1000 calls. Longer runs: VEXAL_FUZZ_GRAINES=20000 or VEXAL_FUZZ_OPERATIONS=10000;
// one seed again: VEXAL_FUZZ_PREMIERE_GRAINE=84 VEXAL_FUZZ_GRAINES=1.
int Reglage(const char* oVariable, int nDefaut)
{
    const char* oValeur = std::getenv(oVariable);
    return oValeur != nullptr ? std::atoi(oValeur) : nDefaut;
}

class SequencesAleatoires : public testing::TestWithParam<PERSO>
{
};

// Each seed draws an extension of its own too, which the character is given: its names come up in every sequence.
TEST_P(SequencesAleatoires, EveryCallKeepsThePointLedgerAndTheGradeCaps)
{
    const int nPremiere = Reglage("VEXAL_FUZZ_PREMIERE_GRAINE", 1);
    const int nGraines = Reglage("VEXAL_FUZZ_GRAINES", 500);
    const int nOperations = Reglage("VEXAL_FUZZ_OPERATIONS", 1000);
    for (int nGraine = nPremiere; nGraine < nPremiere + nGraines; ++nGraine)
    {
        const auto nTirage = static_cast<std::uint32_t>(nGraine);
        const Catalogue oCatalogue = FaireCatalogue(GetParam(), MaisonAleatoire(nTirage));
        ASSERT_NE(oCatalogue.mpoMaison, nullptr) << "the extension of seed " << nGraine << " is not loaded";
        const std::vector<Operation> oOperations = Tirer(nTirage, nOperations, oCatalogue);
        const std::string oRegle = Rejouer(oOperations, oCatalogue).moRegle;
        if (oRegle.empty())
            continue;
        const std::vector<Operation> oCourte = Reduire(oOperations, oCatalogue);
        FAIL() << "Seed " << nGraine << " breaks the rule \"" << oRegle << "\"; the shortest sequence found, on a "
               << "character given MaisonAleatoire(" << nGraine << "):\n" << Decrire(oCourte, oCatalogue) << "leaves "
               << Decrire(Rejouer(oCourte, oCatalogue).moEtat, oCatalogue);
    }
}

INSTANTIATE_TEST_SUITE_P(Cotes, SequencesAleatoires, testing::Values(DEMON, ANGE),
                         [](const testing::TestParamInfo<PERSO>& oInfo) {
                             return oInfo.param == DEMON ? "Demon" : "Ange";
                         });
}
