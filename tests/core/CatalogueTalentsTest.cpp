#include "Banc.h"

#include "catalogue/ListeTalents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace
{
enum class Nature
{
    Talent,
    Langue
};

constexpr const char* AucuneSpecialite = "";

struct LigneTalentAttendue
{
    int nLigne;
    const char* oNom;
    Nature eNature;
    PRIORITE ePriorite;
    CARACT eCaract;
    const char* oSpecialite;
};

// The talent table of the game, row for row; a general talent names the speciality that caps it.
const std::vector<LigneTalentAttendue> kTalents = {
    // # Nom                   Nature           Priorite    Caracteristique  Specialite
    { 1, "Baratin",           Nature::Talent,  PRIMAIRE,   PRESENCE,        AucuneSpecialite},
    { 2, "Combat",            Nature::Talent,  PRIMAIRE,   AGILITE,         "Combat(Spe)"},
    { 3, "Combat(Spe)",       Nature::Talent,  PRIMAIRE,   AGILITE,         AucuneSpecialite},
    { 4, "CorpsACorps",       Nature::Talent,  PRIMAIRE,   AGILITE,         AucuneSpecialite},
    { 5, "Defense",           Nature::Talent,  PRIMAIRE,   AGILITE,         AucuneSpecialite},
    { 6, "Discretion",        Nature::Talent,  PRIMAIRE,   AGILITE,         AucuneSpecialite},
    { 7, "Discussion",        Nature::Talent,  PRIMAIRE,   PRESENCE,        AucuneSpecialite},
    { 8, "Enquete",           Nature::Talent,  PRIMAIRE,   FOI,             AucuneSpecialite},
    { 9, "Fouille",           Nature::Talent,  PRIMAIRE,   PERCEPTION,      AucuneSpecialite},
    {10, "Intrusion",         Nature::Talent,  PRIMAIRE,   AUCUNE,          AucuneSpecialite},
    {11, "Medecine",          Nature::Talent,  PRIMAIRE,   AUCUNE,          AucuneSpecialite},
    {12, "Seduction",         Nature::Talent,  PRIMAIRE,   PRESENCE,        AucuneSpecialite},
    {13, "Tir",               Nature::Talent,  PRIMAIRE,   PERCEPTION,      "Tir(Spe)"},
    {14, "Tir(Spe)",          Nature::Talent,  PRIMAIRE,   PERCEPTION,      AucuneSpecialite},
    {15, "Acrobatie",         Nature::Talent,  SECONDAIRE, AGILITE,         AucuneSpecialite},
    {16, "AisanceSociale",    Nature::Talent,  SECONDAIRE, PRESENCE,        AucuneSpecialite},
    {17, "Art",               Nature::Talent,  SECONDAIRE, PRESENCE,        "Art(Spe)"},
    {18, "Art(Spe)",          Nature::Talent,  SECONDAIRE, PRESENCE,        AucuneSpecialite},
    {19, "Athletisme",        Nature::Talent,  SECONDAIRE, FORCE,           AucuneSpecialite},
    {20, "Conduite",          Nature::Talent,  SECONDAIRE, AGILITE,         AucuneSpecialite},
    {21, "CultureGe",         Nature::Talent,  SECONDAIRE, AUCUNE,          "CultureGe(Spe)"},
    {22, "CultureGe(Spe)",    Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {23, "Hobby",             Nature::Talent,  SECONDAIRE, AUCUNE,          "Hobby(Spe)"},
    {24, "Hobby(Spe)",        Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {25, "Informatique",      Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {26, "Intimidation",      Nature::Talent,  SECONDAIRE, FORCE,           AucuneSpecialite},
    {27, "Metier",            Nature::Talent,  SECONDAIRE, AUCUNE,          "Metier(Spe)"},
    {28, "Metier(Spe)",       Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {29, "Navigation",        Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {30, "Pilotage",          Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {31, "SvCriminel",        Nature::Talent,  SECONDAIRE, AUCUNE,          "SvCriminel(Spe)"},
    {32, "SvCriminel(Spe)",   Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {33, "SvEspion",          Nature::Talent,  SECONDAIRE, AUCUNE,          "SvEspion(Spe)"},
    {34, "SvEspion(Spe)",     Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {35, "SvMilitaire",       Nature::Talent,  SECONDAIRE, AUCUNE,          "SvMilitaire(Spe)"},
    {36, "SvMilitaire(Spe)",  Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {37, "SvOcculte",         Nature::Talent,  SECONDAIRE, AUCUNE,          "SvOcculte(Spe)"},
    {38, "SvOcculte(Spe)",    Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {39, "Science",           Nature::Talent,  SECONDAIRE, AUCUNE,          "Science(Spe)"},
    {40, "Science(Spe)",      Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {41, "Survie",            Nature::Talent,  SECONDAIRE, PERCEPTION,      "Survie(Spe)"},
    {42, "Survie(Spe)",       Nature::Talent,  SECONDAIRE, PERCEPTION,      AucuneSpecialite},
    {43, "Technique",         Nature::Talent,  SECONDAIRE, AUCUNE,          "Technique(Spe)"},
    {44, "Technique(Spe)",    Nature::Talent,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {45, "Kamasutra",         Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {46, "PickPocket",        Nature::Talent,  EXOTIQUE,   AGILITE,         AucuneSpecialite},
    {47, "Contortionisme",    Nature::Talent,  EXOTIQUE,   AGILITE,         AucuneSpecialite},
    {48, "Humour",            Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {49, "Hypnotisme",        Nature::Talent,  EXOTIQUE,   VOLONTE,         AucuneSpecialite},
    {50, "Jeu",               Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {51, "LangageAnimal",     Nature::Talent,  EXOTIQUE,   PERCEPTION,      AucuneSpecialite},
    {52, "Prestidigitation",  Nature::Talent,  EXOTIQUE,   AGILITE,         AucuneSpecialite},
    {53, "SixiemeSens",       Nature::Talent,  EXOTIQUE,   FOI,             AucuneSpecialite},
    {54, "Torture",           Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {55, "Narcolepsie",       Nature::Talent,  EXOTIQUE,   VOLONTE,         AucuneSpecialite},
    {56, "Exotique1",         Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {57, "Exotique2",         Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {58, "Exotique3",         Nature::Talent,  EXOTIQUE,   AUCUNE,          AucuneSpecialite},
    {59, "ExotiqueVolonte",   Nature::Talent,  EXOTIQUE,   VOLONTE,         AucuneSpecialite},
    {60, "ExotiquePeception", Nature::Talent,  EXOTIQUE,   PERCEPTION,      AucuneSpecialite},
    {61, "ExotiqueAgilite",   Nature::Talent,  EXOTIQUE,   AGILITE,         AucuneSpecialite},
    {62, "ExotiquePresence",  Nature::Talent,  EXOTIQUE,   PRESENCE,        AucuneSpecialite},
    {63, "ExotiqueForce",     Nature::Talent,  EXOTIQUE,   FORCE,           AucuneSpecialite},
    {64, "ExotiqueFoi",       Nature::Talent,  EXOTIQUE,   FOI,             AucuneSpecialite},
    {65, "LangueAnglais",     Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {66, "LangueFrancais",    Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {67, "LangueArabe",       Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {68, "LangueChinois",     Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {69, "LangueLatin",       Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {70, "LangueEspagnol",    Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {71, "LangueRusse",       Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {72, "LangueCreole",      Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {73, "Langue01",          Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {74, "Langue02",          Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
    {75, "Langue03",          Nature::Langue,  SECONDAIRE, AUCUNE,          AucuneSpecialite},
};

using CatalogueTalentsLigne = testing::TestWithParam<LigneTalentAttendue>;

TEST_P(CatalogueTalentsLigne, RecordMatchesItsTableRow)
{
    const LigneTalentAttendue& oLigne = GetParam();
    ListeTalents oListe;
    const ListeTalents::Map& oMap = *oListe.GetInstanceTalents();
    const Talent* poRecord = Chercher(oMap, oLigne.oNom);
    ASSERT_NE(poRecord, nullptr);
    const Talent& oRecord = *poRecord;
    EXPECT_EQ(oRecord.GetName(), oLigne.oNom);
    EXPECT_EQ(dynamic_cast<const Langue*>(&oRecord) != nullptr, oLigne.eNature == Nature::Langue);
    EXPECT_EQ(oRecord.GetPriorite(), oLigne.ePriorite);
    EXPECT_EQ(oRecord.GetCaractBase(), oLigne.eCaract);
    EXPECT_EQ(oRecord.GetNiveau(), 0.0f);
    if (*oLigne.oSpecialite == '\0')
    {
        EXPECT_EQ(oRecord.GetSpecialite(), nullptr);
    }
    else
    {
        // The link points into this very catalogue.
        const Talent* poSpecialite = Chercher(oMap, oLigne.oSpecialite);
        ASSERT_NE(poSpecialite, nullptr);
        EXPECT_EQ(oRecord.GetSpecialite(), poSpecialite);
    }
}

INSTANTIATE_TEST_SUITE_P(CatalogueTalents, CatalogueTalentsLigne, testing::ValuesIn(kTalents),
                         [](const testing::TestParamInfo<LigneTalentAttendue>& oInfo) {
                             return NomDeLigne(oInfo.param.nLigne, oInfo.param.oNom);
                         });

std::vector<std::string> NomsDansLOrdre(const ListeTalents::Map& oMap)
{
    std::vector<std::string> oNoms;
    for (const auto& oEntree : oMap)
        oNoms.push_back(oEntree.first);
    return oNoms;
}

TEST(CatalogueTalents, HoldsExactlyTheSeventyFiveTableRows)
{
    ListeTalents oListe;
    std::set<std::string> oAttendus;
    for (const LigneTalentAttendue& oLigne : kTalents)
        oAttendus.insert(oLigne.oNom);
    const std::vector<std::string> oNoms = NomsDansLOrdre(*oListe.GetInstanceTalents());

    EXPECT_EQ(oNoms.size(), 75u);
    EXPECT_EQ(std::set<std::string>(oNoms.begin(), oNoms.end()), oAttendus);
}

TEST(CatalogueTalents, ListsItsTalentsInByteWiseOrder)
{
    ListeTalents oListe;
    const std::vector<std::string> oNoms = NomsDansLOrdre(*oListe.GetInstanceTalents());
    ASSERT_GE(oNoms.size(), 16u);
    // With the exact set of names checked above, sorted means in this one order.
    EXPECT_TRUE(std::is_sorted(oNoms.begin(), oNoms.end()));
    EXPECT_EQ(std::vector<std::string>(oNoms.begin(), oNoms.begin() + 11),
              (std::vector<std::string>{"Acrobatie", "AisanceSociale", "Art", "Art(Spe)", "Athletisme", "Baratin",
                                        "Combat", "Combat(Spe)", "Conduite", "Contortionisme", "CorpsACorps"}));
    EXPECT_EQ(std::vector<std::string>(oNoms.end() - 5, oNoms.end()),
              (std::vector<std::string>{"Technique", "Technique(Spe)", "Tir", "Tir(Spe)", "Torture"}));
}
}
