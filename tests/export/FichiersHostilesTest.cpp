#include "DossierTemporaire.h"

#include "fichier/FichierPersonnage.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace
{
using Arguments = std::vector<std::string>;

struct Issue
{
    int mnCode;
    std::string moErreur;
};

// The program itself, with no display, arguments passed as bytes, stderr kept; each file it writes is held to
// nBlocs KiB when given, as a disk that fills would, and a program that hangs is stopped after 20 s.
Issue Lancer(const Arguments& oArguments, long nBlocs = -1)
{
    std::string oCommande = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "
                            "timeout -s KILL 20 '" VEXAL_PROGRAMME "'";
    for (const std::string& oArgument : oArguments)
        oCommande += " '" + oArgument + "'";
    if (nBlocs >= 0)
        oCommande = "ulimit -f " + std::to_string(nBlocs) + "; " + oCommande;
    std::FILE* poSortie = ::popen(("exec 2>&1 >/dev/null; " + oCommande).c_str(), "r");
    std::string oErreur;
    char oTampon[4096];
    for (std::size_t nLu; (nLu = std::fread(oTampon, 1, sizeof oTampon, poSortie)) > 0;)
        oErreur.append(oTampon, nLu);
    const int nStatut = ::pclose(poSortie);
    return {WIFEXITED(nStatut) ? WEXITSTATUS(nStatut) : -1, oErreur};
}

// A demon's file, with one value written otherwise.
std::string Personnage(const std::string& oAvant = "", const std::string& oApres = "")
{
    std::string oTexte = FichierPersonnage::Ecrire(Demon().GetEtat());
    if (!oAvant.empty())
        oTexte.replace(oTexte.find(oAvant), oAvant.size(), oApres);
    return oTexte;
}

std::string Cles(int nNombre)
{
    std::string oTexte = Personnage();
    oTexte.pop_back();
    oTexte.pop_back();
    for (int n = 0; n < nNombre; ++n)
        oTexte += ",\"" + std::to_string(n) + "\":0";
    return oTexte + "}\n";
}

// A demon's file whose journal begins with 6 MiB of empty objects.
std::string ObjetsVides()
{
    std::string oVides;
    while (oVides.size() < 6 * 1024 * 1024)
        oVides += "{},";
    return Personnage("\"journal\": [", "\"journal\": [" + oVides);
}

struct Cas
{
    const char* moNom;
    int mnCode;
    // What stderr says; nothing at all when empty.
    const char* moRaison;
    // The one file the run adds to the folder; none: the folder is left exactly as it was.
    const char* moSortie;
    // Makes what the row needs in the current folder, where "perso.vexal" is a demon's file, and gives the arguments.
    Arguments (*Preparer)();
};

void PrintTo(const Cas& oCas, std::ostream* poFlux)
{
    *poFlux << oCas.moNom;
}

Arguments Export(const std::string& oEntree)
{
    return {"--export", "sortie.txt", oEntree};
}

Arguments Entree(const std::string& oTexte)
{
    EcrireFichier("entree.vexal", oTexte);
    return Export("entree.vexal");
}

// --pdf into this output, from the demon's file.
Arguments Pdf(const std::string& oSortie)
{
    return {"--pdf", oSortie, "perso.vexal"};
}

constexpr const char* kLuiMeme = "c'est le fichier du personnage lui-même";
constexpr const char* kPasOrdinaire = "ce n'est pas un fichier ordinaire";

const Cas kCas[] = {
    {"NumberTooLarge", 1, "un nombre trop grand pour être lu : 1e999", nullptr,
     [] { return Entree(Personnage("\"paTotal\": 80", "\"paTotal\": 1e999")); }},
    {"NegativeNumberTooLarge", 1, "trop grand pour être lu : -1e309", nullptr,
     [] { return Entree(Personnage("\"grade\": 0", "\"grade\": -1e309")); }},
    {"HugeValueInAReason", 1, "Force vaut 1e19", nullptr,
     [] { return Entree(Personnage("\"FORCE\": 2", "\"FORCE\": 1e19")); }},
    {"NulThenText", 1, "octet nul", nullptr,
     [] { return Entree(Personnage() + std::string(1, '\0') + "suite"); }},
    {"SecondObject", 1, "continue après la fin du personnage", nullptr,
     [] { return Entree(Personnage() + Personnage()); }},
    {"OutputIsTheInput", 1, kLuiMeme, nullptr,
     [] { return Arguments{"--export", "perso.vexal", "perso.vexal"}; }},
    {"OutputIsTheInputByAnotherPath", 1, kLuiMeme, nullptr,
     [] { fs::create_directory("d"); return Pdf("d/../perso.vexal"); }},
    {"OutputLinksToTheInput", 1, kLuiMeme, nullptr,
     [] { fs::create_symlink("perso.vexal", "lien"); return Pdf("lien"); }},
    {"OutputIsAHardLinkToTheInput", 1, kLuiMeme, nullptr,
     [] { fs::create_hard_link("perso.vexal", "dur"); return Pdf("dur"); }},
    {"OutputIsAPipe", 1, kPasOrdinaire, nullptr,
     [] { ::mkfifo("tube", 0644); return Pdf("tube"); }},
    {"OutputIsALinkLoop", 1, "trop de liens symboliques", nullptr,
     [] { fs::create_symlink("a", "b"); fs::create_symlink("b", "a"); return Pdf("a"); }},
    {"InputIsAPipe", 1, kPasOrdinaire, nullptr,
     [] { ::mkfifo("tube", 0644); return Export("tube"); }},
    {"InputIsAFolder", 1, "c'est un dossier", nullptr,
     [] { fs::create_directory("d"); return Export("d"); }},
    {"InputIsMissing", 1, "Lecture impossible : le fichier n'existe pas", nullptr,
     [] { return Export("absent.vexal"); }},
    {"InputFolderIsMissing", 1, "/absent n'existe pas", nullptr,
     [] { return Export("absent/perso.vexal"); }},
    {"UnknownOption", 2, "Utilisation", nullptr,
     [] { return Arguments{"--inconnue", "perso.vexal"}; }},
    {"UsageWhollyInFrench", 2, "-h, --help             Affiche cette aide.", nullptr,
     [] { return Arguments{"--help-all"}; }},
    {"AWindowWithNoDisplay", 1, "aucun écran où ouvrir une fenêtre", nullptr,
     [] { return Arguments{"perso.vexal"}; }},
    {"ExportTwice", 2, "--export est donnée plus d'une fois", nullptr,
     [] { return Arguments{"--export", "a.txt", "--export", "b.txt", "perso.vexal"}; }},
    {"NamesThatAreNotUtf8", 0, "", "sortie\xff.txt",
     [] { fs::rename("perso.vexal", "p\xfe.vexal"); return Arguments{"--export", "sortie\xff.txt", "p\xfe.vexal"}; }},
    {"PdfSaysNothing", 0, "", "perso.pdf",
     [] { return Pdf("perso.pdf"); }},
    // Read whole before being looked at, these would take minutes or hundreds of megabytes; the first key or value
    // the format has no place for is refused, and nothing after it read.
    {"AHundredThousandKeys", 1, "La clé « 0 » est inconnue", nullptr,
     [] { return Entree(Cles(100000)); }},
    {"FourMillionBrackets", 1, "Ce n'est pas une fiche de personnage VEXAL", nullptr,
     [] { return Entree(std::string(4000000, '[')); }},
    {"AJournalOfEmptyObjects", 1, "Attribution 1 du journal : La clé « date » manque", nullptr,
     [] { return Entree(ObjetsVides()); }},
};

class FichierHostile : public ::testing::TestWithParam<Cas>
{
protected:
    DossierTemporaire moDossier;
};

TEST_P(FichierHostile, IsRefusedWithItsReasonAndChangesNothing)
{
    const fs::path& oDossier = moDossier.GetChemin();
    const DossierCourant oIci(oDossier);
    EcrireFichier("perso.vexal", Personnage());
    const Arguments oArguments = GetParam().Preparer();
    auto oAttendu = EtatDuDossier(oDossier);

    const auto oDebut = std::chrono::steady_clock::now();
    const Issue oIssue = Lancer(oArguments);

    EXPECT_EQ(oIssue.mnCode, GetParam().mnCode) << oIssue.moErreur;
    if (*GetParam().moRaison == '\0')
        EXPECT_EQ(oIssue.moErreur, "");
    else
        EXPECT_NE(oIssue.moErreur.find(GetParam().moRaison), std::string::npos) << oIssue.moErreur;
    EXPECT_LT(std::chrono::steady_clock::now() - oDebut, std::chrono::seconds(10));
    if (GetParam().moSortie != nullptr)
    {
        const auto oApres = EtatDuDossier(oDossier);
        ASSERT_EQ(oApres.count(GetParam().moSortie), 1u);
        oAttendu[GetParam().moSortie] = oApres.at(GetParam().moSortie);
    }
    EXPECT_EQ(EtatDuDossier(oDossier), oAttendu);
}

INSTANTIATE_TEST_SUITE_P(LigneDeCommande, FichierHostile, ::testing::ValuesIn(kCas),
                         [](const ::testing::TestParamInfo<Cas>& oInfo) { return std::string(oInfo.param.moNom); });

// The disk fills as the last bytes go: the old file stays whole and no temporary file is left.
TEST(DisquePlein, AWriteThatFailsAtItsLastBlockLeavesTheOldFileAndNothingElse)
{
    DossierTemporaire oDossier;
    const fs::path oPerso = oDossier.GetChemin() / "perso.vexal";
    Demon oDemon;
    oDemon.SetNotes(std::string(40000, 'n'));
    EcrireFichier(oPerso, FichierPersonnage::Ecrire(oDemon.GetEtat()));
    for (const char* oSortie : {"sortie.txt", "sortie.pdf"})
    {
        const fs::path oCible = oDossier.GetChemin() / oSortie;
        const char* oOption = oCible.extension() == ".pdf" ? "--pdf" : "--export";
        const Arguments oArguments{oOption, oCible.string(), oPerso.string()};
        ASSERT_EQ(Lancer(oArguments).mnCode, 0);
        const long nBlocs = static_cast<long>(fs::file_size(oCible) - 1) / 1024;
        EcrireFichier(oCible, "ancienne version");
        const auto oAvant = EtatDuDossier(oDossier.GetChemin());

        const Issue oIssue = Lancer(oArguments, nBlocs);

        EXPECT_EQ(oIssue.mnCode, 1) << oSortie;
        EXPECT_NE(oIssue.moErreur.find("le fichier dépasse la taille permise"), std::string::npos) << oIssue.moErreur;
        EXPECT_EQ(EtatDuDossier(oDossier.GetChemin()), oAvant) << oSortie;
    }
}

// Each save keeps the version it replaces as "<name>~", private as the file was.
TEST(CopieDeSecours, EachSaveKeepsThePreviousVersionBesideTheFile)
{
    DossierTemporaire oDossier;
    const fs::path oPerso = oDossier.GetChemin() / "perso.vexal";
    Demon oDemon;
    std::string oRaison;
    ASSERT_TRUE(FichierPersonnage::Enregistrer(oDemon, Journaux::Commencer(oDemon.GetEtat(), ""), oPerso.c_str(), oRaison));
    EXPECT_FALSE(fs::exists(oDossier.GetChemin() / "perso.vexal~"));
    fs::permissions(oPerso, fs::perms::owner_read | fs::perms::owner_write);
    const std::string oPremiere = LireFichier(oPerso);
    oDemon.SetNom("Azazel");

    ASSERT_TRUE(FichierPersonnage::Enregistrer(oDemon, Journaux::Commencer(oDemon.GetEtat(), ""), oPerso.c_str(), oRaison));

    EXPECT_EQ(LireFichier(oDossier.GetChemin() / "perso.vexal~"), oPremiere);
    EXPECT_EQ(LireFichier(oPerso), FichierPersonnage::Ecrire(oDemon.GetEtat()));
    const fs::perms ePrive = fs::perms::owner_read | fs::perms::owner_write;
    for (const char* oNom : {"perso.vexal", "perso.vexal~"})
        EXPECT_EQ(fs::status(oDossier.GetChemin() / oNom).permissions(), ePrive);
    EXPECT_EQ(EtatDuDossier(oDossier.GetChemin()).size(), 2u);
}

// A campaign of 10,000 awards of a character of some 30 talents and powers saves and opens back byte for byte, with
// notes that bring its file to the limit; one byte more is not written, and the file and its "~" stay as they were.
TEST(LongueCampagne, SavesAndOpensUpToTheLimitAndNotAByteMore)
{
    DossierTemporaire oDossier;
    const fs::path oPerso = oDossier.GetChemin() / "perso.vexal";
    Demon oDemon;
    oDemon.AddPATotal(300);
    for (const auto& [oNom, poTalent] : *oDemon.GetListeDesTalents())
    {
        if (oDemon.GetEtat().moTalents.size() < 22)
            oDemon.AjouterTalentBase(oNom, poTalent->GetPriorite(), poTalent->GetCaractBase());
    }
    for (const auto& oPouvoir : *oDemon.GetListeDesPouvoirs())
    {
        if (oDemon.GetEtat().moPouvoirs.size() < 8)
            oDemon.AjouterPouvoirBase(oPouvoir.first);
    }
    Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "2026-09-05");
    for (int n = 1; n < 10000; ++n)
        ASSERT_EQ(Journaux::Accorder(oDemon, oJournal, "2026-10-17", 1, "Séance " + std::to_string(n)), "");
    std::string oRaison;
    ASSERT_TRUE(FichierPersonnage::Enregistrer(oDemon, oJournal, oPerso.c_str(), oRaison)) << oRaison;
    oDemon.SetNotes(std::string(FichierPersonnage::kTailleMax - fs::file_size(oPerso), 'n'));
    ASSERT_TRUE(FichierPersonnage::Enregistrer(oDemon, oJournal, oPerso.c_str(), oRaison)) << oRaison;
    ASSERT_EQ(fs::file_size(oPerso), FichierPersonnage::kTailleMax);

    Dossier oRelu;
    const std::unique_ptr<::Personnage> poRelu = FichierPersonnage::Ouvrir(oPerso.c_str(), oRaison, &oRelu);
    ASSERT_TRUE(poRelu) << oRaison;
    EXPECT_EQ(FichierPersonnage::Ecrire({poRelu->GetEtat(), oRelu.moJournal}), LireFichier(oPerso));

    const auto oAvant = EtatDuDossier(oDossier.GetChemin());
    oDemon.SetNotes(oDemon.GetNotes() + "n");
    EXPECT_FALSE(FichierPersonnage::Enregistrer(oDemon, oJournal, oPerso.c_str(), oRaison));
    EXPECT_NE(oRaison.find("ne dépasse pas 16 Mio"), std::string::npos) << oRaison;
    EXPECT_EQ(EtatDuDossier(oDossier.GetChemin()), oAvant);
}
}
