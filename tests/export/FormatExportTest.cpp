#include "DossierTemporaire.h"

#include "export/ScoreAffiche.h"
#include "extension/Maison.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace
{
const std::string kPrimaires = "\nTALENTS PRIMAIRE:\n\n";
const std::string kSecondaires = "\nTALENTS SECONDAIRE:\n\n";
const std::string kExotiques = "\nTALENTS EXOTIQUE:\n\n";
const std::string kPouvoirs = "\nPOUVOIRS :\n\n";

// The lines under one heading, up to the next heading or the end of the sheet.
std::string Section(const std::string& oTexte, const std::string& oEntete)
{
    const std::size_t nEntete = oTexte.find(oEntete);
    if (nEntete == std::string::npos)
        return "no heading " + oEntete;
    const std::size_t nDebut = nEntete + oEntete.size();
    const std::size_t nFin = std::min(oTexte.find("\nTALENTS ", nDebut), oTexte.find("\nPOUVOIRS :", nDebut));
    return oTexte.substr(nDebut, nFin - nDebut);
}

class FormatExport : public ::testing::Test
{
protected:
    std::string Exporter(Personnage& oPerso)
    {
        const std::filesystem::path oFichier = moDossier.GetChemin() / "fiche.txt";
        EXPECT_TRUE(oPerso.Export(oFichier.string().c_str()));
        return LireFichier(oFichier);
    }

    DossierTemporaire moDossier;
};

TEST_F(FormatExport, DemonWithTalentsAndAPowerIsWrittenByteForByte)
{
    Demon oDemon;
    oDemon.SetSuperieur("Abalam");
    oDemon.AugmenteCaracteristique(AGILITE, 3);
    oDemon.AjouterTalentBase("Baratin", PRIMAIRE, PRESENCE);
    oDemon.AjouterTalentBase("Combat", PRIMAIRE, AGILITE);
    // A general talent never stands above its speciality, so the speciality is raised first.
    oDemon.AugmenterTalent("Combat(Spe)", 2);
    oDemon.AugmenterTalent("Combat", 2);
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Charme"));
    oDemon.AugmenterPouvoir("Charme", 3);
    ASSERT_EQ(oDemon.GetCaract(AGILITE), 3.5f);
    ASSERT_EQ(oDemon.GetTalent("Combat")->GetNiveau(), 1.0f);
    ASSERT_EQ(oDemon.GetTalent("Combat(Spe)")->GetNiveau(), 1.0f);
    ASSERT_EQ(oDemon.GetPouvoir("Charme")->GetNiveau(), 2.0);

    EXPECT_EQ(Exporter(oDemon),
              "Fiche de Personnage VEXAL Version 1.0 \n"
              "\n"
              "Superieur : Abalam\n"
              "Grade : 0\n"
              "\n"
              "FORCE: 2 AGILITE: 3+ PERCEPTION: 2 \n"
              "PRESENCE: 2 VOLONTE: 2 FOI: 2 \n"
              "\n"
              "PP :4\n"
              "PF :4\n"
              "BL :4\n"
              "BG :8\n"
              "BF :12\n"
              "MS :16\n"
              "\n"
              "\n"
              "TALENTS PRIMAIRE:\n"
              "\n"
              "    Baratin(1)\n"
              "    Combat(2+)\n"
              "    Combat(Spe)(2+)\n"
              "\n"
              "TALENTS SECONDAIRE:\n"
              "\n"
              "\n"
              "TALENTS EXOTIQUE:\n"
              "\n"
              "\n"
              "POUVOIRS :\n"
              "\n"
              "    Charme(2)\n");
}

TEST_F(FormatExport, NewAngelGetsEveryHeadingWithEmptySections)
{
    Ange oAnge;
    const std::string oEnTete = "Fiche de Personnage VEXAL Version 1.0 \n"
                                "\n"
                                "Superieur : \n"
                                "Grade : 0\n"
                                "\n"
                                "FORCE: 2 AGILITE: 2 PERCEPTION: 2 \n"
                                "PRESENCE: 2 VOLONTE: 2 FOI: 2 \n"
                                "\n"
                                "PP :4\n"
                                "PF :4\n"
                                "BL :5\n"
                                "BG :10\n"
                                "BF :15\n"
                                "MS :20\n"
                                "\n";

    EXPECT_EQ(Exporter(oAnge), oEnTete + kPrimaires + kSecondaires + kExotiques + kPouvoirs);
}

TEST_F(FormatExport, HeaderAndDerivedValuesFollowTheCharacter)
{
    Demon oDemon;
    oDemon.SetSuperieur("Baal");
    oDemon.SetGrade(2);
    oDemon.AugmenteCaracteristique(FORCE, 3);
    oDemon.AugmenteCaracteristique(PERCEPTION, 2);
    oDemon.BaisserCaracteristique(PRESENCE, 1);
    ASSERT_EQ(oDemon.GetCaract(FORCE), 3.5f);

    const std::string oTexte = Exporter(oDemon);

    EXPECT_NE(oTexte.find("\nSuperieur : Baal\nGrade : 2\n\n"), std::string::npos) << oTexte;
    EXPECT_NE(oTexte.find("\nFORCE: 3+ AGILITE: 2 PERCEPTION: 3 \nPRESENCE: 1+ VOLONTE: 2 FOI: 2 \n\n"),
              std::string::npos)
        << oTexte;
    EXPECT_NE(oTexte.find("\nPP :4\nPF :5\nBL :5\nBG :10\nBF :15\nMS :20\n\n"), std::string::npos) << oTexte;
}

// An extension's talents and powers as the game's: a language among the secondary talents.
TEST_F(FormatExport, TalentsAreFiledUnderTheirPriority)
{
    ContenuExtension oParis{{"paris", "Paris", 1}, {}, {}, {{"Brume", CampPouvoir::Tous, 2}}};
    oParis.moTalents = {{"Gouaille", PRIMAIRE, PRESENCE}, {"Argot", SECONDAIRE, AUCUNE, false, true},
                        {"Rixe", EXOTIQUE, FORCE}};
    Ange oAnge;
    oAnge.Meubler(std::make_shared<const Maison>(std::vector<ContenuExtension>{oParis}));
    for (const char* oTalent : {"Jeu", "Acrobatie", "Baratin", "Gouaille", "Argot", "Rixe"})
        oAnge.AjouterTalentBase(oTalent, EXOTIQUE, AUCUNE);
    ASSERT_TRUE(oAnge.AjouterPouvoirBase("Brume"));

    const std::string oTexte = Exporter(oAnge);

    EXPECT_EQ(Section(oTexte, kPrimaires), "    Baratin(1)\n    Gouaille(1)\n");
    EXPECT_EQ(Section(oTexte, kSecondaires), "    Acrobatie(1)\n    Argot(1)\n");
    EXPECT_EQ(Section(oTexte, kExotiques), "    Jeu(1)\n    Rixe(1)\n");
    EXPECT_EQ(Section(oTexte, kPouvoirs), "    Brume(0+)\n");
}

TEST_F(FormatExport, TalentsComeInByteWiseOrderOfTheirNames)
{
    Demon oDemon;
    oDemon.AjouterTalentBase("CorpsACorps", PRIMAIRE, AGILITE);
    oDemon.AjouterTalentBase("Combat", PRIMAIRE, AGILITE);

    EXPECT_EQ(Section(Exporter(oDemon), kPrimaires), "    Combat(1)\n    Combat(Spe)(1)\n    CorpsACorps(1)\n");
}

TEST_F(FormatExport, PowersComeInByteWiseOrderWithTheirLevel)
{
    Demon oDemon;
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Poison"));
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Charme"));
    oDemon.AugmenterPouvoir("Poison", 1);

    EXPECT_EQ(Section(Exporter(oDemon), kPouvoirs), "    Charme(0+)\n    Poison(1)\n");
}

TEST_F(FormatExport, TalentsAndPowersNoLongerHeldAreLeftOut)
{
    Demon oDemon;
    oDemon.GetTalent("Defense");
    oDemon.AjouterTalentBase("Baratin", PRIMAIRE, PRESENCE);
    ASSERT_TRUE(oDemon.EnleverTalentBase("Baratin"));
    oDemon.GetPouvoir("Poison");
    ASSERT_TRUE(oDemon.AjouterPouvoirBase("Charme"));
    oDemon.EnleverPouvoirBase("Charme");
    ASSERT_EQ(oDemon.GetNumTalents(), 2);
    ASSERT_EQ(oDemon.GetNumPouvoirs(), 2);

    const std::string oTexte = Exporter(oDemon);

    EXPECT_EQ(Section(oTexte, kPrimaires), "");
    EXPECT_EQ(Section(oTexte, kPouvoirs), "");
}

struct LigneBonus
{
    const char* oTalent;
    float fAgilite;
    const char* oLigne;
};

void PrintTo(const LigneBonus& oLigne, std::ostream* poFlux)
{
    *poFlux << oLigne.oTalent << " with AGILITE " << oLigne.fAgilite;
}

class BonusDeTalent : public FormatExport, public ::testing::WithParamInterface<LigneBonus>
{
};

TEST_P(BonusDeTalent, TalentAtLevelOneShowsHalfItsCharacteristicFromTwoUp)
{
    const LigneBonus& oLigne = GetParam();
    Demon oDemon;
    const int nRang = static_cast<int>((oLigne.fAgilite - oDemon.GetCaract(AGILITE)) * 2);
    if (nRang > 0)
        oDemon.AugmenteCaracteristique(AGILITE, nRang);
    else
        oDemon.BaisserCaracteristique(AGILITE, -nRang);
    oDemon.AjouterTalentBase(oLigne.oTalent, PRIMAIRE, AGILITE);
    oDemon.AugmenterTalent(oLigne.oTalent, 2);
    ASSERT_EQ(oDemon.GetCaract(AGILITE), oLigne.fAgilite);
    ASSERT_EQ(oDemon.GetTalent(oLigne.oTalent)->GetNiveau(), 1.0f);

    EXPECT_EQ(Section(Exporter(oDemon), kPrimaires), std::string(oLigne.oLigne) + "\n");
}

INSTANTIATE_TEST_SUITE_P(FormatExport, BonusDeTalent,
                         ::testing::Values(
                             //               Talent       AGILITE  Line
                             LigneBonus{"Defense",    1.5f,    "    Defense(1)"},
                             LigneBonus{"Defense",    2.0f,    "    Defense(2)"},
                             LigneBonus{"Defense",    3.5f,    "    Defense(2+)"},
                             LigneBonus{"Intrusion",  1.5f,    "    Intrusion(2)"}));

struct LigneScore
{
    double fValeur;
    const char* oTexte;
};

void PrintTo(const LigneScore& oLigne, std::ostream* poFlux)
{
    *poFlux << oLigne.fValeur;
}

class Score : public ::testing::TestWithParam<LigneScore>
{
};

TEST_P(Score, ShowsTheWholePartAndAPlusForExactlyAHalf)
{
    EXPECT_EQ(ScoreAffiche(GetParam().fValeur), GetParam().oTexte);
}

INSTANTIATE_TEST_SUITE_P(FormatExport, Score,
                         ::testing::Values(
                             //         Value   Text
                             LigneScore{0.0,   "0"},
                             LigneScore{0.5,   "0+"},
                             LigneScore{2.5,   "2+"},
                             LigneScore{2.75,  "2"},
                             LigneScore{3.0,   "3"},
                             LigneScore{3.25,  "3"},
                             LigneScore{7.5,   "7+"},
                             LigneScore{12.0,  "12"}));
}
