#include "Banc.h"

#include "enregistrements/Pouvoir.h"
#include "enregistrements/Regles.h"
#include "enregistrements/Talent.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CasDePriorite
{
    const char* oNom;
    PRIORITE ePriorite;
    const char* oTexte;
};

using Priorite = testing::TestWithParam<CasDePriorite>;

TEST_P(Priorite, ReadsAsItsName)
{
    EXPECT_STREQ(Priorite2String(GetParam().ePriorite), GetParam().oTexte);
}

INSTANTIATE_TEST_SUITE_P(Priorite, Priorite,
                         testing::Values(CasDePriorite{"Primaire", PRIMAIRE, "PRIMAIRE"},
                                         CasDePriorite{"Secondaire", SECONDAIRE, "SECONDAIRE"},
                                         CasDePriorite{"Exotique", EXOTIQUE, "EXOTIQUE"},
                                         CasDePriorite{"HorsEnumeration", static_cast<PRIORITE>(3), "EXOTIQUE"},
                                         CasDePriorite{"Negative", static_cast<PRIORITE>(-1), "EXOTIQUE"},
                                         CasDePriorite{"Grande", static_cast<PRIORITE>(1000), "EXOTIQUE"}),
                         NomDuCas());

struct CasDeTalent
{
    const char* oNom;
    float fNiveau;
    float fNiveauSpecialite;
    int nRang;
    bool bAugmentable;
};

using TalentGeneral = testing::TestWithParam<CasDeTalent>;

TEST_P(TalentGeneral, NeverRisesAboveItsSpeciality)
{
    const CasDeTalent& oCas = GetParam();
    Talent oSpecialite("Combat(Spe)", PRIMAIRE, AGILITE);
    oSpecialite.SetNiveau(oCas.fNiveauSpecialite);
    Talent oGeneral("Combat", PRIMAIRE, AGILITE);
    oGeneral.SetSpecialite(&oSpecialite);
    oGeneral.SetNiveau(oCas.fNiveau);
    EXPECT_EQ(oGeneral.IsAugmentable(oCas.nRang), oCas.bAugmentable);
}

INSTANTIATE_TEST_SUITE_P(Talent, TalentGeneral,
                         testing::Values(CasDeTalent{"JusquASaSpecialite", 1.5f, 2.0f, 1, true},
                                         CasDeTalent{"AuDelaDeSaSpecialite", 1.5f, 2.0f, 2, false},
                                         CasDeTalent{"AuDessusDUneSpecialiteAZero", 0.0f, 0.0f, 1, false},
                                         CasDeTalent{"ZeroPasAEgalite", 2.0f, 2.0f, 0, true}),
                         NomDuCas());

TEST(Talent, WithoutSpecialityTheRecordSetsNoLimit)
{
    Talent oTalent("Baratin", PRIMAIRE, PRESENCE);
    oTalent.SetNiveau(20.0f);
    EXPECT_TRUE(oTalent.IsAugmentable(40));
}

TEST(Talent, StartsAtZeroWithTheGivenPriorityAndCharacteristic)
{
    const Talent oTalent("Tir", PRIMAIRE, PERCEPTION);
    EXPECT_EQ(oTalent.GetName(), "Tir");
    EXPECT_EQ(oTalent.GetPriorite(), PRIMAIRE);
    EXPECT_EQ(oTalent.GetCaractBase(), PERCEPTION);
    EXPECT_EQ(oTalent.GetNiveau(), 0.0f);
    EXPECT_EQ(oTalent.GetSpecialite(), nullptr);
}

TEST(Talent, ACopyPointsToTheSameSpeciality)
{
    Talent oSpecialite("Tir(Spe)", PRIMAIRE, PERCEPTION);
    Talent oGeneral("Tir", PRIMAIRE, PERCEPTION);
    oGeneral.SetSpecialite(&oSpecialite);
    oGeneral.SetNiveau(1.0f);

    const Talent oCopie(oGeneral);
    EXPECT_EQ(oCopie.GetSpecialite(), &oSpecialite);
    EXPECT_EQ(oCopie.GetNiveau(), 1.0f);
    EXPECT_EQ(oCopie.GetName(), "Tir");
}

TEST(Langue, IsASecondaryTalentWithoutCharacteristic)
{
    const Langue oLangue("LangueLatin");
    EXPECT_EQ(oLangue.GetName(), "LangueLatin");
    EXPECT_EQ(oLangue.GetPriorite(), SECONDAIRE);
    EXPECT_EQ(oLangue.GetCaractBase(), AUCUNE);
    EXPECT_EQ(oLangue.GetNiveau(), 0.0f);
    EXPECT_EQ(oLangue.GetSpecialite(), nullptr);
}

struct CasDeLangue
{
    const char* oNom;
    float fNiveau;
    int nRang;
    bool bAugmentable;
};

using LangueNiveau = testing::TestWithParam<CasDeLangue>;

TEST_P(LangueNiveau, NeverRisesAboveOneHalf)
{
    Langue oLangue("LangueAnglais");
    oLangue.SetNiveau(GetParam().fNiveau);
    EXPECT_EQ(oLangue.IsAugmentable(GetParam().nRang), GetParam().bAugmentable);
}

INSTANTIATE_TEST_SUITE_P(Langue, LangueNiveau,
                         testing::Values(CasDeLangue{"UnPasDepuisZero", 0.0f, 1, true},
                                         CasDeLangue{"DeuxPasDepuisZero", 0.0f, 2, false},
                                         CasDeLangue{"ZeroPasDepuisZero", 0.0f, 0, true},
                                         CasDeLangue{"UnPasDepuisUnDemi", 0.5f, 1, false},
                                         CasDeLangue{"ZeroPasDepuisUnDemi", 0.5f, 0, true}),
                         NomDuCas());

TEST(Langue, ASpecialityLinkDoesNotHoldALanguageBack)
{
    Talent oSpecialite("Autre", SECONDAIRE, AUCUNE);
    Langue oLangue("LangueRusse");
    oLangue.SetSpecialite(&oSpecialite);
    EXPECT_TRUE(oLangue.IsAugmentable(1));
}

TEST(Pouvoir, StartsAtZeroVariableAndOpenToEverySuperior)
{
    const Pouvoir oPouvoir("Vol", 3);
    EXPECT_EQ(oPouvoir.GetNom(), "Vol");
    EXPECT_EQ(oPouvoir.GetCout(), 3);
    EXPECT_EQ(oPouvoir.GetNiveau(), 0.0);
    EXPECT_FALSE(oPouvoir.IsInvariable());
    EXPECT_FALSE(oPouvoir.IsSpecial());
    EXPECT_EQ(oPouvoir.GetSpecialOf(), "NONE");
    EXPECT_TRUE(oPouvoir.IsSpecialOf("NONE"));
    EXPECT_FALSE(oPouvoir.IsSpecialOf(""));
    EXPECT_FALSE(oPouvoir.IsSpecialOf("Baal"));
}

TEST(Pouvoir, BelongsOnlyToTheSuperiorSpeltExactly)
{
    Pouvoir oPouvoir("MessageOfficiel", 2);
    oPouvoir.SetSpecialOf("Baalberith");
    EXPECT_TRUE(oPouvoir.IsSpecial());
    EXPECT_TRUE(oPouvoir.IsSpecialOf("Baalberith"));
    EXPECT_FALSE(oPouvoir.IsSpecialOf("Baal"));
    EXPECT_FALSE(oPouvoir.IsSpecialOf("baalberith"));
    EXPECT_FALSE(oPouvoir.IsSpecialOf("Baalberith "));
    EXPECT_FALSE(oPouvoir.IsSpecialOf(""));
}

TEST(Pouvoir, ACopyKeepsLevelPriceInvariabilityAndSuperior)
{
    Pouvoir oSource("OeuvreArt", 5);
    oSource.SetIsInvariable(true);
    oSource.SetSpecialOf("Morax");
    oSource.SetNiveau(1.5);

    const Pouvoir oCopie(oSource);
    EXPECT_EQ(oCopie.GetNom(), "OeuvreArt");
    EXPECT_EQ(oCopie.GetCout(), 5);
    EXPECT_TRUE(oCopie.IsInvariable());
    EXPECT_EQ(oCopie.GetSpecialOf(), "Morax");
    EXPECT_EQ(oCopie.GetNiveau(), 1.5);
}

struct CasDInfoBulle
{
    int nCout;
    const char* oTexte;
};

using PouvoirInfoBulle = testing::TestWithParam<CasDInfoBulle>;

TEST_P(PouvoirInfoBulle, ShowsThePriceOfAStep)
{
    const Pouvoir oPouvoir("Vol", GetParam().nCout);
    EXPECT_EQ(oPouvoir.GetToolTip(), GetParam().oTexte);
}

INSTANTIATE_TEST_SUITE_P(Pouvoir, PouvoirInfoBulle,
                         testing::Values(CasDInfoBulle{0, "0 PA"}, CasDInfoBulle{3, "3 PA"},
                                         CasDInfoBulle{12, "12 PA"}),
                         [](const testing::TestParamInfo<CasDInfoBulle>& oInfo) {
                             return "Cout" + std::to_string(oInfo.param.nCout);
                         });
}
