#include "fichier/FichierTable.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string TexteTable(const std::string& oPersonnages, const std::string& oAutres = "")
{
    return R"({"format": "vexal-table", "version": 1, "nom": "Paris", )" + oAutres + R"("personnages": )"
        + oPersonnages + "}";
}

struct Refus
{
    const char* moCas;
    std::string moTexte;
    const char* moRaison;
};

const Refus kRefus[] = {
    {"ACharacterFile", R"({"format": "vexal-personnage", "version": 2})", "au format « vexal-personnage »"},
    {"OtherJson", R"({"nom": "x"})", "Ce n'est pas une table de jeu VEXAL"},
    {"Newer", R"({"format": "vexal-table", "version": 2, "personnages": []})", "version plus récente"},
    {"NoCharacters", R"({"format": "vexal-table", "version": 1, "nom": "x"})", "« personnages » manque"},
    {"NotAList", TexteTable(R"("a.vexal")"), "« personnages » doit être une liste"},
    {"ANumberForAName", TexteTable("[1]"), "Chaque élément de « personnages » doit être le nom d'un fichier"},
    {"AnEmptyName", TexteTable(R"([""])"), "n'a pas de nom de fichier"},
    {"TheSameTwice", TexteTable(R"(["a.vexal", "a.vexal"])"), "« a.vexal » apparaît deux fois"},
    {"UnknownKey", TexteTable("[]", R"("maitre": "Luc", )"), "« maitre » est inconnue"},
    {"KeyTwice", TexteTable("[]", R"("nom": "Lyon", )"), "« nom » est donnée deux fois"},
    {"Cut", TexteTable(R"(["a.vexal"])").substr(0, 60), "tronqué"},
};

class TableRefusee : public ::testing::TestWithParam<Refus>
{
};

TEST_P(TableRefusee, SaysWhyAndGivesNoTable)
{
    std::string oErreur;
    EXPECT_FALSE(FichierTable::Lire(GetParam().moTexte, oErreur));
    EXPECT_NE(oErreur.find(GetParam().moRaison), std::string::npos) << oErreur;
}

INSTANTIATE_TEST_SUITE_P(Table, TableRefusee, ::testing::ValuesIn(kRefus),
                         [](const auto& oInfo) { return std::string(oInfo.param.moCas); });

TEST(TableRelue, ComesBackAsWritten)
{
    const ::Table oTable{"Campagne de Paris", {"azazel.vexal", "../pj/gabriel.vexal", "/srv/pj/uriel.vexal"}};
    std::string oErreur;
    const std::optional<::Table> oRelue = FichierTable::Lire(FichierTable::Ecrire(oTable), oErreur);
    ASSERT_TRUE(oRelue) << oErreur;
    EXPECT_EQ(*oRelue, oTable);
}

// Names are written from the table's folder, and read back from it; a name sharing only the root stays whole.
TEST(TableRelue, NamesGoFromTheTablesFolder)
{
    const struct
    {
        const char* moFichier;
        const char* moEcrit;
    } kNoms[] = {
        {"/home/mj/paris/azazel.vexal", "azazel.vexal"},
        {"/home/mj/paris/pj/uriel.vexal", "pj/uriel.vexal"},
        {"/home/mj/pj/gabriel.vexal", "../pj/gabriel.vexal"},
        {"/srv/gabriel.vexal", "/srv/gabriel.vexal"},
    };
    const std::string oTable = "/home/mj/paris/campagne.vexal-table";
    for (const auto& oNom : kNoms)
    {
        EXPECT_EQ(FichierTable::NomDans(oTable, oNom.moFichier), oNom.moEcrit);
        const std::string oRelu = FichierTable::Chemin(oTable, oNom.moEcrit);
        EXPECT_TRUE(oRelu == oNom.moFichier || oRelu == "/home/mj/paris/../pj/gabriel.vexal") << oRelu;
    }
}
}
