#include "DossierTemporaire.h"

#include "disque/Chemins.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

// Every road to a file gives the same name; with no folder to resolve, only its letters are cleaned, its bytes kept.
TEST(Chemins, TheCanonicalNameIsTheSameWhateverRoadLedToTheFile)
{
    DossierTemporaire oDossier;
    const DossierCourant oIci(oDossier.GetChemin());
    fs::create_directory("a");
    EcrireFichier("a/f", "fiche");
    fs::create_symlink("a/f", "lf");
    fs::create_symlink("a", "la");
    fs::create_symlink("a/nouveau", "ln");
    const std::pair<const char*, const char*> kNoms[] = {
        {"a/f", "a/f"}, {"la/../a/./f", "a/f"}, {"lf", "a/f"}, {"la/f", "a/f"}, {"la//nouveau", "a/nouveau"},
        {"ln", "a/nouveau"}, {"absent/../la/x\xff/", "la/x\xff"}};
    for (const auto& [oDonne, oAttendu] : kNoms)
        EXPECT_EQ(CheminCanonique(oDonne), fs::canonical(".").string() + "/" + oAttendu) << oDonne;
}
