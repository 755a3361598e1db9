#include "Banc.h"

#include "catalogue/ListePouvoirs.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
// The invariable column: an invariable power's level never rises once bought.
constexpr bool Oui = true;
constexpr bool Non = false;

struct LignePouvoirAttendue
{
    int nLigne;
    const char* oNom;
    int nCout;
    bool bInvariable;
    const char* oSuperieur;
};

// The three power tables of the game, row for row.
const std::vector<LignePouvoirAttendue> kGeneraux = {
    // # Nom                        Cout Invariable Superieur
    { 1, "AbsorptionForce",         5,  Non,       "NONE"},
    { 2, "AbsorptionPresence",      4,  Non,       "NONE"},
    { 3, "AbsorptionVolonte",       5,  Non,       "NONE"},
    { 4, "Adherence",               3,  Non,       "NONE"},
    { 5, "ArmeExaltee",             3,  Non,       "NONE"},
    { 6, "ArmureCorporelle",        3,  Non,       "NONE"},
    { 7, "ArtsMartiaux",            3,  Non,       "NONE"},
    { 8, "AugmentationForce",       3,  Non,       "NONE"},
    { 9, "AugmentationAgilite",     3,  Non,       "NONE"},
    {10, "AugmentationVolonte",     3,  Non,       "NONE"},
    {11, "AugmentationPresence",    3,  Non,       "NONE"},
    {12, "AugmentationFoi",         3,  Non,       "NONE"},
    {13, "AugmentationPerception",  3,  Non,       "NONE"},
    {14, "AuraConfusion",           3,  Non,       "NONE"},
    {15, "AuraCourage",             3,  Non,       "NONE"},
    {16, "AuraInattention",         3,  Non,       "NONE"},
    {17, "Anaerobiose",             3,  Oui,       "NONE"},
    {18, "Boomerang",               5,  Non,       "NONE"},
    {19, "Cameleon",                3,  Non,       "NONE"},
    {20, "ChampDeForce",            3,  Non,       "NONE"},
    {21, "ChampElectrique",         3,  Non,       "NONE"},
    {22, "ChampMagnetique",         3,  Non,       "NONE"},
    {23, "Charme",                  4,  Non,       "NONE"},
    {24, "ControlDesAnimaux",       3,  Non,       "NONE"},
    {25, "ConversionMental",        4,  Non,       "NONE"},
    {26, "ConversionPhysique",      4,  Non,       "NONE"},
    {27, "CorpsDigital",            8,  Oui,       "NONE"},
    {28, "CorpsElectrique",         7,  Oui,       "NONE"},
    {29, "CorpsGazeux",             6,  Oui,       "NONE"},
    {30, "CorpsLiquide",            5,  Oui,       "NONE"},
    {31, "CoucheDeGlace",           3,  Non,       "NONE"},
    {32, "DechargeElectrique",      3,  Non,       "NONE"},
    {33, "DeguisementSuperficiel",  3,  Non,       "NONE"},
    {34, "Dephasage",               4,  Non,       "NONE"},
    {35, "DeplacementTemporelle",   5,  Non,       "NONE"},
    {36, "DetectionInvisible",      3,  Non,       "NONE"},
    {37, "DetectionEnnemies",       3,  Non,       "NONE"},
    {38, "DetectionDanger",         3,  Non,       "NONE"},
    {39, "DetectionFuturProche",    5,  Non,       "NONE"},
    {40, "DetectionMensonge",       4,  Non,       "NONE"},
    {41, "Domination",              4,  Non,       "NONE"},
    {42, "EclatGlace",              3,  Non,       "NONE"},
    {43, "Elastique",               3,  Non,       "NONE"},
    {44, "EspritMultiple",          4,  Non,       "NONE"},
    {45, "EsquiveAcrobatique",      3,  Non,       "NONE"},
    {46, "Illusions",               3,  Non,       "NONE"},
    {47, "ImmuniteAcide",           6,  Oui,       "NONE"},
    {48, "ImmuniteElectricite",     6,  Oui,       "NONE"},
    {49, "ImmuniteFeu",             6,  Oui,       "NONE"},
    {50, "ImmuniteFroid",           6,  Oui,       "NONE"},
    {51, "ImmuniteMaladiePoison",   3,  Oui,       "NONE"},
    {52, "Invisibilite",            4,  Non,       "NONE"},
    {53, "JetEauRobinet",           3,  Non,       "NONE"},
    {54, "JetFlammes",              3,  Non,       "NONE"},
    {55, "Jeune",                   4,  Oui,       "NONE"},
    {56, "LangageUniversel",        5,  Oui,       "NONE"},
    {57, "LectureAura",             4,  Non,       "NONE"},
    {58, "LirePensees",             3,  Non,       "NONE"},
    {59, "MembreBlindee",           6,  Oui,       "NONE"},
    {60, "Nemesis",                 3,  Non,       "NONE"},
    {61, "NonDetection",            4,  Non,       "NONE"},
    {62, "Obscurite",               3,  Non,       "NONE"},
    {63, "OndeChoc",                3,  Non,       "NONE"},
    {64, "Paralysie",               3,  Non,       "NONE"},
    {65, "ParasiteIntellectuel",    5,  Non,       "NONE"},
    {66, "PeauAcide",               3,  Non,       "NONE"},
    {67, "PerturbationPouvoir",     4,  Non,       "NONE"},
    {68, "Peur",                    3,  Non,       "NONE"},
    {69, "Polymorphie",             5,  Non,       "NONE"},
    {70, "ProtectionAme",           6,  Oui,       "NONE"},
    {71, "ProtectionEsprit",        6,  Oui,       "NONE"},
    {72, "Psychometrie",            3,  Non,       "NONE"},
    {73, "Rebond",                  4,  Non,       "NONE"},
    {74, "Reduction",               3,  Non,       "NONE"},
    {75, "Regeneration",            3,  Non,       "NONE"},
    {76, "SensSurdeveloppe",        6,  Oui,       "NONE"},
    {77, "Sommeil",                 3,  Non,       "NONE"},
    {78, "SuperioriteMartiale",     4,  Non,       "NONE"},
    {79, "TalentUniversel",         5,  Non,       "NONE"},
    {80, "Telekinesie",             3,  Non,       "NONE"},
    {81, "Telepathie",              3,  Non,       "NONE"},
    {82, "Teleportation",           5,  Non,       "NONE"},
    {83, "TourbillonFeu",           3,  Non,       "NONE"},
    {84, "TraitEnergie",            3,  Non,       "NONE"},
    {85, "Vitesse",                 3,  Non,       "NONE"},
    {86, "VoixImperieuse",          4,  Non,       "NONE"},
    {87, "Vol",                     3,  Non,       "NONE"},
    {88, "VolonteSupraNormal",      3,  Non,       "NONE"},
};

const std::vector<LignePouvoirAttendue> kAnges = {
    // # Nom                             Cout Invariable Superieur
    { 1, "AbsorptionAmour",              3,  Non,       "NONE"},
    { 2, "AbsorptionGentillesse",        3,  Non,       "NONE"},
    { 3, "AbsorptionMal",                3,  Non,       "NONE"},
    { 4, "Alliance",                     3,  Non,       "Francis"},
    { 5, "AppelDesAnimaux",              2,  Non,       "Jordi"},
    { 6, "ApparenceDemoniaque",          2,  Non,       "Mathias"},
    { 7, "AuraPacification",             3,  Non,       "NONE"},
    { 8, "AssaultSpirituel",             3,  Non,       "Ange"},
    { 9, "Benediction_Beaute",           3,  Non,       "NONE"},
    {10, "Benediction_Fertilite",        3,  Non,       "NONE"},
    {11, "Benediction_GuerisonFolie",    3,  Non,       "NONE"},
    {12, "Benediction_GuerisonMaladie",  3,  Non,       "NONE"},
    {13, "Benediction_Rajeunissement",   3,  Non,       "NONE"},
    {14, "ChantAngelique",               4,  Non,       "NONE"},
    {15, "ContratDivin",                 2,  Non,       "Marc"},
    {16, "CoupDeBol",                    3,  Non,       "Christophe"},
    {17, "DetectionMal",                 4,  Non,       "NONE"},
    {18, "Enfance",                      3,  Non,       "Christophe"},
    {19, "Etouffement",                  4,  Non,       "NONE"},
    {20, "Exorcisme",                    3,  Non,       "Walther"},
    {21, "Guerison",                     3,  Non,       "Guy"},
    {22, "Innovation",                   3,  Non,       "Jean"},
    {23, "JetEauBenite",                 4,  Non,       "NONE"},
    {24, "Jugement",                     3,  Non,       "Dominique"},
    {25, "JusteLame",                    3,  Non,       "Laurent"},
    {26, "LueurInsoutenable",            3,  Non,       "NONE"},
    {27, "LumiereCeleste",               4,  Non,       "NONE"},
    {28, "MaitriseMartiale",             3,  Non,       "Michel"},
    {29, "Ouverture",                    2,  Non,       "Janus"},
    {30, "MessageOfficiel",              2,  Oui,       "Didier"},
    {31, "Petrification",                3,  Non,       "Daniel"},
    {32, "Philosophie",                  3,  Non,       "Yves"},
    {33, "Pollen",                       3,  Non,       "Novalis"},
    {34, "ProtectionPartagee",           6,  Non,       "Jean-Luc"},
    {35, "Rafistolage",                  3,  Non,       "Jean"},
    {36, "Reve",                         4,  Non,       "NONE"},
    {37, "ReveDivin",                    3,  Non,       "Blandine"},
    {38, "SacrificeUltime",              3,  Non,       "Jean-Luc"},
    {39, "ScienceInfuse",                5,  Non,       "Yves"},
    {40, "Torture",                      3,  Non,       "Joseph"},
};

const std::vector<LignePouvoirAttendue> kDemons = {
    // # Nom                            Cout Invariable Superieur
    { 1, "AbsorptionSexe",              3,  Non,       "NONE"},
    { 2, "AbsorptionDouleur",           4,  Non,       "NONE"},
    { 3, "AbsorptionViolence",          4,  Non,       "NONE"},
    { 4, "AbsorptionBien",              3,  Non,       "NONE"},
    { 5, "AuraPacification",            4,  Non,       "NONE"},
    { 6, "ArtDeCombat",                 3,  Non,       "Baal"},
    { 7, "BaiserVampirique",            3,  Non,       "Samigina"},
    { 8, "Camisole",                    3,  Non,       "Abalam"},
    { 9, "Cauchemar",                   4,  Non,       "NONE"},
    {10, "CauchemarMortel",             3,  Non,       "Beleth"},
    {11, "Corruption",                  3,  Non,       "Mammon"},
    {12, "CuisineDemoniaque",           5,  Non,       "Haagenti"},
    {13, "Decrepitude",                 3,  Non,       "Shaytan"},
    {14, "DetectionBien",               4,  Non,       "NONE"},
    {15, "Discorde",                    3,  Non,       "Malphas"},
    {16, "Disparition",                 4,  Non,       "Ouikka"},
    {17, "Douleur",                     4,  Non,       "NONE"},
    {18, "EspritChaotique",            10,  Oui,       "NONE"},
    {19, "Etouffement",                 3,  Non,       "NONE"},
    {20, "Eventration",                 3,  Non,       "NONE"},
    {21, "FormeDeCombat",               3,  Non,       "NONE"},
    {22, "FroidPolaire",                3,  Non,       "Crocell"},
    {23, "GagAbsurde",                  3,  Non,       "Kobal"},
    {24, "Glandage",                    3,  Non,       "Nog"},
    {25, "Goinfrerie",                  3,  Non,       "Haagenti"},
    {26, "Graisse",                     3,  Non,       "NONE"},
    {27, "Humanite",                    3,  Non,       "Andromalius"},
    {28, "HurlementDemoniaque",         4,  Non,       "NONE"},
    {29, "Incendie",                    3,  Non,       "Belial"},
    {30, "Infection",                   3,  Non,       "Malthus"},
    {31, "Invention",                   3,  Non,       "Vapula"},
    {32, "JetAcide",                    3,  Non,       "NONE"},
    {33, "LarvesSousCutanee",           4,  Non,       "NONE"},
    {34, "Maladie",                     3,  Non,       "NONE"},
    {35, "Malediction_Folie",           3,  Non,       "NONE"},
    {36, "Malediction_Laideur",         3,  Non,       "NONE"},
    {37, "Malediction_Maladie",         3,  Non,       "NONE"},
    {38, "Malediction_Sterilite",       3,  Non,       "NONE"},
    {39, "Malediction_Vieillissement",  3,  Non,       "NONE"},
    {40, "Membres_crocs",               6,  Oui,       "NONE"},
    {41, "Membres_Dard",                6,  Oui,       "NONE"},
    {42, "Membres_DentsSabres",         6,  Oui,       "NONE"},
    {43, "Membres_Ergots",              6,  Oui,       "NONE"},
    {44, "Membres_GrandesCornes",       6,  Oui,       "NONE"},
    {45, "Membres_Griffes",             6,  Oui,       "NONE"},
    {46, "Membres_LangueBarbelee",      6,  Oui,       "NONE"},
    {47, "Membres_LangueBlindee",       6,  Oui,       "NONE"},
    {48, "Membres_OnglesAcier",         6,  Oui,       "NONE"},
    {49, "Membres_PetiteCornes",        6,  Oui,       "NONE"},
    {50, "Membres_QueueBarbelee",       6,  Oui,       "NONE"},
    {51, "Membres_QueueBlindee",        6,  Oui,       "NONE"},
    {52, "Membres_Sabots",              6,  Oui,       "NONE"},
    {53, "Membres_Tentacules",          6,  Oui,       "NONE"},
    {54, "MessageSubliminale",          5,  Oui,       "Nybbas"},
    {55, "Necrose",                     3,  Non,       "NONE"},
    {56, "OeuvreArt",                   5,  Oui,       "Morax"},
    {57, "Ouverture",                   2,  Non,       "Valefor"},
    {58, "MessageOfficiel",             2,  Oui,       "Baalberith"},
    {59, "OrgasmeMortel",               3,  Non,       "Andrealphus"},
    {60, "PariStupide",                 3,  Non,       "Asmodee"},
    {61, "Poison",                      3,  Non,       "NONE"},
    {62, "Poltergeist",                 3,  Non,       "Vapula"},
    {63, "Possession",                  3,  Non,       "Scox"},
    {64, "ProjectionTemporelle",        3,  Non,       "Kronos"},
    {65, "RessurectionMacabre",         3,  Non,       "Bifrons"},
    {66, "Seisme",                      3,  Non,       "Gaziel"},
    {67, "Sucide",                      3,  Non,       "Furfur"},
    {68, "TenebreSatanique",            4,  Non,       "NONE"},
    {69, "Transformation",              3,  Non,       "Caym"},
    {70, "VengeanceToxique",            3,  Non,       "Uphir"},
    {71, "VieSubaquatique",             3,  Non,       "Vephar"},
};

// A side that is neither angel nor demon: it has the general powers only.
const PERSO AutreCote = static_cast<PERSO>(2);

std::set<std::string> NomsDe(const std::vector<LignePouvoirAttendue>& oTable)
{
    std::set<std::string> oNoms;
    for (const LignePouvoirAttendue& oLigne : oTable)
        oNoms.insert(oLigne.oNom);
    return oNoms;
}

std::set<std::string> NomsDe(const ListePouvoirs::Map& oMap)
{
    std::set<std::string> oNoms;
    for (const auto& oEntree : oMap)
        oNoms.insert(oEntree.first);
    return oNoms;
}

struct CasDeLigne
{
    PERSO eCote;
    LignePouvoirAttendue oLigne;
};

std::vector<CasDeLigne> CasDe(PERSO eCote, const std::vector<LignePouvoirAttendue>& oTable)
{
    std::vector<CasDeLigne> oCas;
    for (const LignePouvoirAttendue& oLigne : oTable)
        oCas.push_back({eCote, oLigne});
    return oCas;
}

using CataloguePouvoirsLigne = testing::TestWithParam<CasDeLigne>;

TEST_P(CataloguePouvoirsLigne, RecordMatchesItsTableRow)
{
    const auto& [eCote, oLigne] = GetParam();
    ListePouvoirs oListe(eCote);
    const Pouvoir* poRecord = Chercher(*oListe.GetInstancePouvoirs(), oLigne.oNom);
    ASSERT_NE(poRecord, nullptr);
    const Pouvoir& oRecord = *poRecord;
    EXPECT_EQ(oRecord.GetNom(), oLigne.oNom);
    EXPECT_EQ(oRecord.GetCout(), oLigne.nCout);
    EXPECT_EQ(oRecord.IsInvariable(), oLigne.bInvariable);
    EXPECT_EQ(oRecord.GetSpecialOf(), oLigne.oSuperieur);
    EXPECT_EQ(oRecord.GetNiveau(), 0.0);
}

std::string NomDeLaLigne(const testing::TestParamInfo<CasDeLigne>& oInfo)
{
    return NomDeLigne(oInfo.param.oLigne.nLigne, oInfo.param.oLigne.oNom);
}

INSTANTIATE_TEST_SUITE_P(GenerauxChezUnDemon, CataloguePouvoirsLigne, testing::ValuesIn(CasDe(DEMON, kGeneraux)),
                         NomDeLaLigne);
INSTANTIATE_TEST_SUITE_P(GenerauxChezUnAnge, CataloguePouvoirsLigne, testing::ValuesIn(CasDe(ANGE, kGeneraux)),
                         NomDeLaLigne);
INSTANTIATE_TEST_SUITE_P(Anges, CataloguePouvoirsLigne, testing::ValuesIn(CasDe(ANGE, kAnges)), NomDeLaLigne);
INSTANTIATE_TEST_SUITE_P(Demons, CataloguePouvoirsLigne, testing::ValuesIn(CasDe(DEMON, kDemons)), NomDeLaLigne);

struct CasDeCote
{
    const char* oNom;
    PERSO eCote;
    std::vector<LignePouvoirAttendue> oTableDuCote;
    std::size_t nTaille;
};

using CataloguePouvoirsCote = testing::TestWithParam<CasDeCote>;

TEST_P(CataloguePouvoirsCote, HoldsExactlyTheGeneralPowersAndThoseOfItsSide)
{
    const CasDeCote& oCas = GetParam();
    ListePouvoirs oListe(oCas.eCote);
    std::set<std::string> oAttendus = NomsDe(kGeneraux);
    const std::set<std::string> oDuCote = NomsDe(oCas.oTableDuCote);
    oAttendus.insert(oDuCote.begin(), oDuCote.end());

    EXPECT_EQ(oListe.GetInstancePouvoirs()->size(), oCas.nTaille);
    EXPECT_EQ(NomsDe(*oListe.GetInstancePouvoirs()), oAttendus);
}

INSTANTIATE_TEST_SUITE_P(CataloguePouvoirs, CataloguePouvoirsCote,
                         testing::Values(CasDeCote{"Demon", DEMON, kDemons, 159},
                                         CasDeCote{"Ange", ANGE, kAnges, 128},
                                         CasDeCote{"AutreCote", AutreCote, {}, 88}),
                         NomDuCas());

std::vector<std::string> Premiers(const ListePouvoirs::Map& oMap, std::size_t nNombre)
{
    std::vector<std::string> oNoms;
    std::transform(oMap.begin(), std::next(oMap.begin(), nNombre), std::back_inserter(oNoms),
                   [](const auto& oEntree) { return oEntree.first; });
    return oNoms;
}

std::vector<std::string> Derniers(const ListePouvoirs::Map& oMap, std::size_t nNombre)
{
    std::vector<std::string> oNoms;
    std::transform(std::prev(oMap.end(), nNombre), oMap.end(), std::back_inserter(oNoms),
                   [](const auto& oEntree) { return oEntree.first; });
    return oNoms;
}

struct CasDOrdre
{
    const char* oNom;
    std::unique_ptr<Personnage> (*pfCreer)();
    std::vector<std::string> oPremiers;
    std::vector<std::string> oDerniers;
};

using CataloguePouvoirsOrdre = testing::TestWithParam<CasDOrdre>;

TEST_P(CataloguePouvoirsOrdre, ListsItsPowersInByteWiseOrder)
{
    const CasDOrdre& oCas = GetParam();
    const std::unique_ptr<Personnage> poPerso = oCas.pfCreer();
    const ListePouvoirs::Map& oMap = *poPerso->GetListeDesPouvoirs();
    const std::vector<std::string> oNoms = Premiers(oMap, oMap.size());
    EXPECT_TRUE(std::is_sorted(oNoms.begin(), oNoms.end()));
    EXPECT_EQ(Premiers(oMap, oCas.oPremiers.size()), oCas.oPremiers);
    EXPECT_EQ(Derniers(oMap, oCas.oDerniers.size()), oCas.oDerniers);
}

INSTANTIATE_TEST_SUITE_P(
    CataloguePouvoirs, CataloguePouvoirsOrdre,
    testing::Values(CasDOrdre{"Demon",
                              &Creer<Demon>,
                              {"AbsorptionBien", "AbsorptionDouleur", "AbsorptionForce", "AbsorptionPresence",
                               "AbsorptionSexe", "AbsorptionViolence", "AbsorptionVolonte", "Adherence"},
                              {"VengeanceToxique", "VieSubaquatique", "Vitesse", "VoixImperieuse", "Vol",
                               "VolonteSupraNormal"}},
                    CasDOrdre{"Ange",
                              &Creer<Ange>,
                              {"AbsorptionAmour", "AbsorptionForce", "AbsorptionGentillesse", "AbsorptionMal",
                               "AbsorptionPresence", "AbsorptionVolonte", "Adherence", "Alliance"},
                              {"TourbillonFeu", "TraitEnergie", "Vitesse", "VoixImperieuse", "Vol",
                               "VolonteSupraNormal"}}),
    NomDuCas());

TEST(CataloguePouvoirs, MembresCrocsSortsAfterTheOtherMembres)
{
    Demon oDemon;
    const ListePouvoirs::Map& oMap = *oDemon.GetListeDesPouvoirs();
    const auto oTentacules = oMap.find("Membres_Tentacules");
    ASSERT_NE(oTentacules, oMap.end());
    EXPECT_EQ(std::next(oTentacules)->first, "Membres_crocs");
}

// Who may buy which special power: each superior and the powers reserved to its followers.
struct Specialites
{
    const char* oSuperieur;
    std::set<std::string> oPouvoirs;
};

const std::vector<Specialites> kParPrince = {
    {"Abalam",      {"Camisole"}},
    {"Andrealphus", {"OrgasmeMortel"}},
    {"Andromalius", {"Humanite"}},
    {"Asmodee",     {"PariStupide"}},
    {"Baal",        {"ArtDeCombat"}},
    {"Baalberith",  {"MessageOfficiel"}},
    {"Beleth",      {"CauchemarMortel"}},
    {"Belial",      {"Incendie"}},
    {"Bifrons",     {"RessurectionMacabre"}},
    {"Caym",        {"Transformation"}},
    {"Crocell",     {"FroidPolaire"}},
    {"Furfur",      {"Sucide"}},
    {"Gaziel",      {"Seisme"}},
    {"Haagenti",    {"CuisineDemoniaque", "Goinfrerie"}},
    {"Kobal",       {"GagAbsurde"}},
    {"Kronos",      {"ProjectionTemporelle"}},
    {"Malphas",     {"Discorde"}},
    {"Malthus",     {"Infection"}},
    {"Mammon",      {"Corruption"}},
    {"Morax",       {"OeuvreArt"}},
    {"Nisroch",     {}},
    {"Nog",         {"Glandage"}},
    {"Nybbas",      {"MessageSubliminale"}},
    {"Ouikka",      {"Disparition"}},
    {"Samigina",    {"BaiserVampirique"}},
    {"Scox",        {"Possession"}},
    {"Shaytan",     {"Decrepitude"}},
    {"Uphir",       {"VengeanceToxique"}},
    {"Valefor",     {"Ouverture"}},
    {"Vapula",      {"Invention", "Poltergeist"}},
    {"Vephar",      {"VieSubaquatique"}},
};

const std::vector<Specialites> kParArchange = {
    {"Alain",      {}},
    {"Ange",       {"AssaultSpirituel"}},
    {"Blandine",   {"ReveDivin"}},
    {"Christophe", {"CoupDeBol", "Enfance"}},
    {"Daniel",     {"Petrification"}},
    {"Didier",     {"MessageOfficiel"}},
    {"Dominique",  {"Jugement"}},
    {"Francis",    {"Alliance"}},
    {"Guy",        {"Guerison"}},
    {"Janus",      {"Ouverture"}},
    {"Jean",       {"Innovation", "Rafistolage"}},
    {"Jean-Luc",   {"ProtectionPartagee", "SacrificeUltime"}},
    {"Jordi",      {"AppelDesAnimaux"}},
    {"Joseph",     {"Torture"}},
    {"Laurent",    {"JusteLame"}},
    {"Marc",       {"ContratDivin"}},
    {"Mathias",    {"ApparenceDemoniaque"}},
    {"Michel",     {"MaitriseMartiale"}},
    {"Novalis",    {"Pollen"}},
    {"Walther",    {"Exorcisme"}},
    {"Yves",       {"Philosophie", "ScienceInfuse"}},
};

// The special powers of a catalogue; with bPermisesSeulement, only those that the character may buy.
std::set<std::string> Speciales(Personnage& oPerso, bool bPermisesSeulement)
{
    std::set<std::string> oSpeciales;
    for (const auto& [oNom, poRecord] : *oPerso.GetListeDesPouvoirs())
    {
        if (poRecord->IsSpecial() && (!bPermisesSeulement || oPerso.AllConditionsPouvoir(poRecord)))
            oSpeciales.insert(oNom);
    }
    return oSpeciales;
}

struct CasDeSuperieur
{
    std::unique_ptr<Personnage> (*pfCreer)();
    Specialites oSpecialites;
};

std::vector<CasDeSuperieur> CasDe(std::unique_ptr<Personnage> (*pfCreer)(), const std::vector<Specialites>& oTable)
{
    std::vector<CasDeSuperieur> oCas;
    for (const Specialites& oSpecialites : oTable)
        oCas.push_back({pfCreer, oSpecialites});
    return oCas;
}

using CataloguePouvoirsSuperieur = testing::TestWithParam<CasDeSuperieur>;

TEST_P(CataloguePouvoirsSuperieur, AFollowerMayBuyExactlyItsSuperiorsSpecialPowers)
{
    const std::unique_ptr<Personnage> poPerso = GetParam().pfCreer();
    poPerso->SetSuperieur(GetParam().oSpecialites.oSuperieur);
    EXPECT_EQ(Speciales(*poPerso, true), GetParam().oSpecialites.oPouvoirs);
}

std::string NomDuSuperieur(const testing::TestParamInfo<CasDeSuperieur>& oInfo)
{
    return NomDeLigne(static_cast<int>(oInfo.index) + 1, oInfo.param.oSpecialites.oSuperieur);
}

INSTANTIATE_TEST_SUITE_P(Princes, CataloguePouvoirsSuperieur, testing::ValuesIn(CasDe(&Creer<Demon>, kParPrince)),
                         NomDuSuperieur);
INSTANTIATE_TEST_SUITE_P(Archanges, CataloguePouvoirsSuperieur,
                         testing::ValuesIn(CasDe(&Creer<Ange>, kParArchange)), NomDuSuperieur);

std::set<std::string> ToutesLesSpeciales(const std::vector<Specialites>& oParSuperieur)
{
    std::set<std::string> oToutes;
    for (const Specialites& oSpecialites : oParSuperieur)
        oToutes.insert(oSpecialites.oPouvoirs.begin(), oSpecialites.oPouvoirs.end());
    return oToutes;
}

TEST(CataloguePouvoirs, EverySpecialPowerBelongsToASuperiorOfItsSide)
{
    Demon oDemon;
    Ange oAnge;
    EXPECT_EQ(Speciales(oDemon, false), ToutesLesSpeciales(kParPrince));
    EXPECT_EQ(Speciales(oAnge, false), ToutesLesSpeciales(kParArchange));
}

TEST(CataloguePouvoirs, ACharacterWithoutSuperiorMayBuyNoSpecialPower)
{
    Demon oDemon;
    Ange oAnge;
    EXPECT_EQ(Speciales(oDemon, true), std::set<std::string>{});
    EXPECT_EQ(Speciales(oAnge, true), std::set<std::string>{});
}
}
