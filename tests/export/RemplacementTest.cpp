#include "DossierTemporaire.h"

#include "disque/Chemins.h"
#include "disque/FichierAtomique.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

// A child saves two versions in turn, keeping the previous one, until it is killed at any moment: a whole version,
// old or new, always stays, and nothing else once the temporaries are cleaned.
TEST(SauvegardeTuee, LeavesAWholeVersionAndNoTemporaryOnceCleaned)
{
    DossierTemporaire oDossier;
    const DossierCourant oIci(oDossier.GetChemin());
    const std::string oVersions[] = {std::string(1 << 18, 'a'), std::string(1 << 18, 'b')};
    std::mt19937 oHasard(7);
    for (int nTour = 0; nTour < 200; ++nTour)
    {
        const pid_t nEnfant = ::fork();
        ASSERT_GE(nEnfant, 0);
        for (int nSauvegarde = nTour; nEnfant == 0; ++nSauvegarde)
            if (!RemplacerFichier("perso.vexal", oVersions[nSauvegarde % 2], nullptr, {"", true}))
                ::_exit(1);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 12000)(oHasard));
        ::kill(nEnfant, SIGKILL);
        int nStatut = 0;
        ::waitpid(nEnfant, &nStatut, 0);
        ASSERT_TRUE(WIFSIGNALED(nStatut));
        NettoyerTemporaires("perso.vexal");
        for (const auto& [oNom, oEtat] : EtatDuDossier("."))
            ASSERT_TRUE((oNom == "perso.vexal" || oNom == "perso.vexal~")
                        && std::count(oVersions, oVersions + 2, LireFichier(oNom)) == 1) << oNom;
    }
}

// Beside "d/perso.vexal", cleaned through the link "lien": only its unheld temporaries and those of its "~" go.
TEST(Nettoyage, RemovesOnlyTheTemporariesNobodyHolds)
{
    DossierTemporaire oDossier;
    const DossierCourant oIci(oDossier.GetChemin());
    fs::create_directory("d");
    for (const char* oNom : {"d/perso.vexal", "d/.perso.vexal.0123abcd.tmp", "d/.perso.vexal~.89abcdef.tmp",
                             "d/.perso.vexal.00000001.tmp", "d/.autre.vexal.00000002.tmp", "d/.perso.vexal.000003.tmp"})
        EcrireFichier(oNom, "à moitié écrit");
    fs::create_symlink("perso.vexal", "d/.perso.vexal.00000004.tmp");
    fs::create_directory("d/.perso.vexal.00000005.tmp");
    fs::create_symlink("d/perso.vexal", "lien");
    // A lock belongs to one opening: the cleaning's own opening conflicts with it as another program's would.
    const int nTenu = ::open("d/.perso.vexal.00000001.tmp", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(nTenu, LOCK_EX), 0);
    auto oAttendu = EtatDuDossier(".");
    oAttendu.erase("d/.perso.vexal.0123abcd.tmp");
    oAttendu.erase("d/.perso.vexal~.89abcdef.tmp");
    NettoyerTemporaires("lien");
    EXPECT_EQ(EtatDuDossier("."), oAttendu);
    ::close(nTenu);
}

// Whatever stands in the way of "perso.vexal~" is left as it was: the save goes on and says why.
TEST(CopieDeSecours, WhatStandsInTheWayIsLeftAndNamed)
{
    const std::pair<void (*)(), const char*> kObstacles[] = {
        {[] { fs::create_directory("perso.vexal~"); EcrireFichier("perso.vexal~/f", "f"); }, "c'est un dossier"},
        {[] { ::mkfifo("perso.vexal~", 0600); }, "ce n'est pas un fichier ordinaire"}};
    for (const auto& [Preparer, oRaison] : kObstacles)
    {
        DossierTemporaire oDossier;
        const DossierCourant oIci(oDossier.GetChemin());
        EcrireFichier("perso.vexal", "ancienne");
        Preparer();
        auto oAttendu = EtatDuDossier(".");
        std::string oAvertissement;
        ASSERT_TRUE(RemplacerFichier("perso.vexal", "nouvelle", nullptr, {"", true, &oAvertissement}));
        EXPECT_EQ(oAvertissement,
                  "la copie de secours « perso.vexal~ » n'a pas pu être gardée : " + std::string(oRaison));
        EXPECT_EQ(LireFichier("perso.vexal"), "nouvelle");
        oAttendu["perso.vexal"] = EtatDuDossier(".")["perso.vexal"];
        EXPECT_EQ(EtatDuDossier("."), oAttendu);
    }
}

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
