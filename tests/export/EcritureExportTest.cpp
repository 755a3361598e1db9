#include "DossierTemporaire.h"

#include "model/Demon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace fs = std::filesystem;

namespace
{
const std::string kTitre = "Fiche de Personnage VEXAL Version 1.0 \n";
const std::string kFin = "\nPOUVOIRS :\n\n";

bool CommencePar(const std::string& oTexte, const std::string& oDebut)
{
    return oTexte.compare(0, oDebut.size(), oDebut) == 0;
}

bool FinitPar(const std::string& oTexte, const std::string& oFin)
{
    return oTexte.size() >= oFin.size() && oTexte.compare(oTexte.size() - oFin.size(), oFin.size(), oFin) == 0;
}

class EcritureExport : public ::testing::Test
{
protected:
    fs::path Chemin(const char* oNom) const { return moDossier.GetChemin() / oNom; }

    DossierTemporaire moDossier;
    Demon moDemon;
};

TEST_F(EcritureExport, ExportCreatesTheNamedFileAndNothingElse)
{
    EXPECT_TRUE(moDemon.Export(Chemin("fiche.txt").string().c_str()));

    const auto oEtat = EtatDuDossier(moDossier.GetChemin());
    ASSERT_EQ(oEtat.size(), 1u);
    EXPECT_EQ(oEtat.begin()->first, "fiche.txt");
    EXPECT_TRUE(CommencePar(LireFichier(Chemin("fiche.txt")), kTitre));
}

TEST_F(EcritureExport, SecondExportLeavesOnlyItsOwnContent)
{
    ASSERT_TRUE(moDemon.AjouterPouvoirBase("Charme"));
    ASSERT_TRUE(moDemon.Export(Chemin("fiche.txt").string().c_str()));
    moDemon.EnleverPouvoirBase("Charme");

    EXPECT_TRUE(moDemon.Export(Chemin("fiche.txt").string().c_str()));

    const std::string oTexte = LireFichier(Chemin("fiche.txt"));
    EXPECT_TRUE(FinitPar(oTexte, kFin)) << oTexte;
    EXPECT_EQ(oTexte.find("Charme"), std::string::npos) << oTexte;
    EXPECT_EQ(EtatDuDossier(moDossier.GetChemin()).size(), 1u);
}

TEST_F(EcritureExport, ReplacedFileKeepsItsPermissions)
{
    const fs::perms eDroits = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    EcrireFichier(Chemin("fiche.txt"), "ancienne fiche");
    fs::permissions(Chemin("fiche.txt"), eDroits);

    EXPECT_TRUE(moDemon.Export(Chemin("fiche.txt").string().c_str()));

    EXPECT_EQ(fs::status(Chemin("fiche.txt")).permissions(), eDroits);
    EXPECT_TRUE(CommencePar(LireFichier(Chemin("fiche.txt")), kTitre));
}

TEST_F(EcritureExport, ExportThroughALinkRewritesTheFileItLeadsTo)
{
    EcrireFichier(Chemin("fiche.txt"), "ancienne fiche");
    fs::create_symlink("fiche.txt", Chemin("lien.txt"));

    EXPECT_TRUE(moDemon.Export(Chemin("lien.txt").string().c_str()));

    EXPECT_TRUE(fs::is_symlink(Chemin("lien.txt")));
    EXPECT_TRUE(CommencePar(LireFichier(Chemin("fiche.txt")), kTitre));
    EXPECT_EQ(EtatDuDossier(moDossier.GetChemin()).size(), 2u);
}

// A target the export cannot write; nullopt stands for no name at all.
struct CibleImpossible
{
    const char* oNom;
    std::optional<fs::path> (*Preparer)(const fs::path& oDossier);
    bool bParLesDroits;  // only permission bits stand in the way
};

void PrintTo(const CibleImpossible& oCible, std::ostream* poFlux)
{
    *poFlux << oCible.oNom;
}

class ExportImpossible : public EcritureExport, public ::testing::WithParamInterface<CibleImpossible>
{
};

TEST_P(ExportImpossible, FailsAndLeavesTheDiskAsItWas)
{
    if (GetParam().bParLesDroits && !DroitsRespectes(Chemin("sonde")))
        GTEST_SKIP() << "permission bits do not stop this user from writing (superuser), so no folder or file "
                        "can be made unwritable this way; export_read_only_as_ordinary_user runs it as nobody";
    const std::optional<fs::path> oCible = GetParam().Preparer(moDossier.GetChemin());
    const std::string oNom = oCible ? oCible->string() : std::string();
    // Whatever a relative or empty name could create would land in the test's own folder.
    DossierCourant oCourant(moDossier.GetChemin());
    const auto oAvant = EtatDuDossier(moDossier.GetChemin());

    EXPECT_FALSE(moDemon.Export(oCible ? oNom.c_str() : nullptr));

    EXPECT_EQ(EtatDuDossier(moDossier.GetChemin()), oAvant);
}

fs::path DossierEnLectureSeule(const fs::path& oDossier)
{
    const fs::path oProtege = oDossier / "protege";
    fs::create_directory(oProtege);
    EcrireFichier(oProtege / "autre.txt", "autre fiche");
    return oProtege;
}

void InterdireLEcriture(const fs::path& oChemin)
{
    fs::permissions(oChemin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

INSTANTIATE_TEST_SUITE_P(
    EcritureExport, ExportImpossible,
    ::testing::Values(
        CibleImpossible{"NoName",
                        [](const fs::path&) -> std::optional<fs::path> { return std::nullopt; },
                        false},
        CibleImpossible{"EmptyName",
                        [](const fs::path&) -> std::optional<fs::path> { return fs::path(); },
                        false},
        CibleImpossible{"Folder",
                        [](const fs::path& oDossier) -> std::optional<fs::path> {
                            fs::create_directory(oDossier / "fiche.txt");
                            EcrireFichier(oDossier / "fiche.txt" / "autre.txt", "autre fiche");
                            return oDossier / "fiche.txt";
                        },
                        false},
        CibleImpossible{"MissingFolder",
                        [](const fs::path& oDossier) -> std::optional<fs::path> {
                            EcrireFichier(oDossier / "autre.txt", "autre fiche");
                            return oDossier / "absent" / "fiche.txt";
                        },
                        false},
        CibleImpossible{"NewFileInReadOnlyFolder",
                        [](const fs::path& oDossier) -> std::optional<fs::path> {
                            const fs::path oProtege = DossierEnLectureSeule(oDossier);
                            InterdireLEcriture(oProtege);
                            return oProtege / "fiche.txt";
                        },
                        true},
        CibleImpossible{"ExistingFileInReadOnlyFolder",
                        [](const fs::path& oDossier) -> std::optional<fs::path> {
                            const fs::path oProtege = DossierEnLectureSeule(oDossier);
                            EcrireFichier(oProtege / "fiche.txt", "ancienne fiche");
                            InterdireLEcriture(oProtege);
                            return oProtege / "fiche.txt";
                        },
                        true},
        CibleImpossible{"ReadOnlyFile",
                        [](const fs::path& oDossier) -> std::optional<fs::path> {
                            EcrireFichier(oDossier / "fiche.txt", "ancienne fiche");
                            InterdireLEcriture(oDossier / "fiche.txt");
                            return oDossier / "fiche.txt";
                        },
                        true}),
    [](const ::testing::TestParamInfo<CibleImpossible>& oInfo) { return std::string(oInfo.param.oNom); });
}
