#include "Banc.h"

#include "model/Aides.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
using Geste = std::function<void(Personnage&)>;

struct CasDeRaison
{
    const char* oNom;
    Geste fAvant;       // what the player did first
    Geste fOperation;   // the operation whose words are read
    const char* oRaison;    // why it was refused; empty when it was taken
    const char* oRemarque;  // what it did beyond what was asked, remarks joined by " / "
};

void Rien(Personnage&)
{
}

void AvecBaal(Personnage& oPerso)
{
    oPerso.SetSuperieur("Baal");
    oPerso.AjouterPouvoirBase("ArtDeCombat");
}

const CasDeRaison kCas[] = {
    {"MissingPA", [](Personnage& p) { p.RemovePATotal(79); },
     [](Personnage& p) { p.AugmenteCaracteristique(FORCE, 2); }, "Il manque 3 PA (il en reste 1)", ""},
    {"CharacteristicCap", Rien, [](Personnage& p) { p.AugmenteCaracteristique(FORCE, 8); },
     "Au grade 0, Force ne dépasse pas 5,5", ""},
    {"CharacteristicFloor", Rien, [](Personnage& p) { p.BaisserCaracteristique(VOLONTE, 3); },
     "Volonté ne descend pas sous 1", ""},
    {"TalentScoreThroughItsCharacteristic",
     [](Personnage& p) {
         p.AjouterTalentBase("Defense", PRIMAIRE, AGILITE);
         p.AugmenterTalent("Defense", 13);
     },
     [](Personnage& p) { p.AugmenteCaracteristique(AGILITE, 2); }, "Au grade 0, Defense ne dépasse pas 7,5", ""},
    {"GeneralAboveSpeciality", [](Personnage& p) { p.AjouterTalentBase("Combat", PRIMAIRE, AGILITE); },
     [](Personnage& p) { p.AugmenterTalent("Combat", 1); }, "Combat ne peut pas dépasser Combat(Spe)", ""},
    {"SpecialityBelowGeneral",
     [](Personnage& p) {
         p.AjouterTalentBase("Tir", PRIMAIRE, PERCEPTION);
         p.AugmenterTalent("Tir(Spe)", 2);
         p.AugmenterTalent("Tir", 2);
     },
     [](Personnage& p) { p.DiminuerTalent("Tir(Spe)", 1); }, "Tir(Spe) ne descend pas sous Tir", ""},
    {"SpecialityStaysWithItsGeneral", [](Personnage& p) { p.AjouterTalentBase("Art", PRIMAIRE, AUCUNE); },
     [](Personnage& p) { p.EnleverTalentBase("Art(Spe)"); }, "Art(Spe) reste tant que Art est là", ""},
    {"Language", [](Personnage& p) { p.AjouterTalentBase("LangueAnglais", SECONDAIRE, AUCUNE); },
     [](Personnage& p) { p.AugmenterTalent("LangueAnglais", 2); }, "Une langue se connaît à 0,5 ou pas du tout", ""},
    {"ReservedPower", Rien, [](Personnage& p) { p.AjouterPouvoirBase("ArtDeCombat"); },
     "Réservé aux serviteurs de Baal", ""},
    {"InvariablePower", [](Personnage& p) { p.AjouterPouvoirBase("Anaerobiose"); },
     [](Personnage& p) { p.AugmenterPouvoir("Anaerobiose", 1); }, "Anaerobiose est un pouvoir invariable", ""},
    {"ReservedBeforeAVowel", Rien, [](Personnage& p) { p.AjouterPouvoirBase("Camisole"); },
     "Réservé aux serviteurs d'Abalam", ""},
    {"PowerCap", [](Personnage& p) { p.AjouterPouvoirBase("Poison"); },
     [](Personnage& p) { p.AugmenterPouvoir("Poison", 5); }, "Au grade 0, Poison ne dépasse pas 2,5", ""},
    {"PowerHeldAlready", [](Personnage& p) { p.AjouterPouvoirBase("Poison"); },
     [](Personnage& p) { p.AjouterPouvoirBase("Poison"); }, "Poison est déjà acquis", ""},
    {"SuperiorHeldByAPower", AvecBaal, [](Personnage& p) { p.SetSuperieur("Abalam"); },
     "ArtDeCombat est réservé à Baal : impossible de changer de supérieur", ""},
    {"PPCap", Rien, [](Personnage& p) { p.AugmenterPP(12); }, "Au grade 0, les PP ne dépassent pas 15", ""},
    {"PPFromFaithAndWill", Rien, [](Personnage& p) { p.DiminuerPP(1); },
     "Les PP ne descendent pas sous 4, ce que donnent Foi et Volonté", ""},
    {"FaithPastThePPCap", [](Personnage& p) { p.AugmenterPP(11); },
     [](Personnage& p) { p.AugmenteCaracteristique(FOI, 2); }, "Au grade 0, les PP ne dépassent pas 15", ""},
    {"TotalBelowWhatIsSpent", [](Personnage& p) { p.AugmenteCaracteristique(FORCE, 1); },
     [](Personnage& p) { p.RemovePATotal(80); }, "Le total de PA ne descend pas sous 2 : le reste est dépensé", ""},
    {"SecondaryWithoutPAToConvert",
     [](Personnage& p) {
         p.RemovePATotal(79);
         p.AjouterTalentBase("Acrobatie", SECONDAIRE, AGILITE);
     },
     [](Personnage& p) { p.AugmenterTalent("Acrobatie", 4); },
     "Il manque 4 PA secondaires : il faudrait convertir 2 PA (il en reste 1)", ""},
    {"Conversion", [](Personnage& p) { p.AjouterTalentBase("Acrobatie", SECONDAIRE, AGILITE); },
     [](Personnage& p) { p.AugmenterTalent("Acrobatie", 4); }, "", "2 PA convertis en 4 PA secondaires"},
    {"ConvertedPATakenBack",
     [](Personnage& p) {
         p.AjouterTalentBase("Acrobatie", SECONDAIRE, AGILITE);
         p.AugmenterTalent("Acrobatie", 2);
         p.DiminuerTalent("Acrobatie", 2);
         p.RemovePATotal(79);
     },
     [](Personnage& p) { p.AugmenterPP(1); }, "", "1 PA converti repris contre 2 PA secondaires"},
    {"LowerGrade",
     [](Personnage& p) {
         p.SetGrade(2);
         p.AugmenteCaracteristique(FORCE, 9);
         p.AjouterPouvoirBase("Poison");
         p.AugmenterPouvoir("Poison", 5);
     },
     [](Personnage& p) { p.SetGrade(0); }, "",
     "Grade 0 : Poison ramené à 2,5, 3 PA rendus / Grade 0 : Force ramenée à 5,5, 4 PA rendus"},
};

class Raisons : public testing::TestWithParam<CasDeRaison>
{
};

// A refusal changes nothing and says why; an accepted operation says what it did that was not asked.
TEST_P(Raisons, TheRulesSayWhyTheyRefuseAndWhatTheyDidUnasked)
{
    const CasDeRaison& oCas = GetParam();
    Demon oPerso;
    oCas.fAvant(oPerso);
    oPerso.OublierRaisons();
    const EtatPersonnage oAvant = oPerso.GetEtat();

    oCas.fOperation(oPerso);

    std::string oRemarques;
    for (const std::string& oRemarque : oPerso.GetRemarques())
        oRemarques += (oRemarques.empty() ? "" : " / ") + oRemarque;
    EXPECT_EQ(oPerso.GetRaison(), oCas.oRaison);
    EXPECT_EQ(oRemarques, oCas.oRemarque);
    EXPECT_EQ(oPerso.GetEtat() == oAvant, *oCas.oRaison != '\0');
}

INSTANTIATE_TEST_SUITE_P(Regles, Raisons, testing::ValuesIn(kCas), NomDuCas());

struct CasDeTexte
{
    const char* oNom;
    std::function<std::string(const Demon&)> fTexte;
    const char* oTexte;
};

const Pouvoir& Modele(const Demon& oPerso, const char* oNom)
{
    return *oPerso.GetListeDesPouvoirs()->at(oNom);
}

const CasDeTexte kTextes[] = {
    {"CharacteristicPrice", [](const Demon&) { return Aides::Caracteristique(FORCE, 0); },
     "Force : 2 PA le demi-point, 5,5 au plus au grade 0"},
    {"ReservedBeforeAVowel", [](const Demon& p) { return Aides::EntreePouvoir(Modele(p, "Camisole")); },
     "3 PA le demi-point, réservé aux serviteurs d'Abalam"},
    {"InvariableLevel", [](const Demon& p) { return Aides::ValeurPouvoir(Modele(p, "EspritChaotique"), 2); },
     "Pouvoir : 10 PA le demi-point, invariable, niveau 0,5"},
    {"GradeCaps", [](const Demon&) { return Aides::ValeurGrade(1); },
     "Grade : de 0 à 3 ; au grade 1, caractéristiques 5,5, talents 8,5, pouvoirs 4,5 et PP 25 au plus"},
};

class Textes : public testing::TestWithParam<CasDeTexte>
{
};

TEST_P(Textes, ReadAsFrench)
{
    const Demon oPerso;
    EXPECT_EQ(GetParam().fTexte(oPerso), GetParam().oTexte);
}

INSTANTIATE_TEST_SUITE_P(Aides, Textes, testing::ValuesIn(kTextes), NomDuCas());
}
