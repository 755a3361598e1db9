#include "ListePouvoirs.h"

#include "Lignes.h"

#include <iterator>

namespace
{
using namespace Tables;

// Powers open to angels and demons alike.
// The names are data and stand as written, odd spellings included.
const LignePouvoir kTable[] = {
    // Nom                    Cout   Evolution   Superieur
    {"AbsorptionForce",          5,  VARIABLE,   Ouvert},
    {"AbsorptionPresence",       4,  VARIABLE,   Ouvert},
    {"AbsorptionVolonte",        5,  VARIABLE,   Ouvert},
    {"Adherence",                3,  VARIABLE,   Ouvert},
    {"ArmeExaltee",              3,  VARIABLE,   Ouvert},
    {"ArmureCorporelle",         3,  VARIABLE,   Ouvert},
    {"ArtsMartiaux",             3,  VARIABLE,   Ouvert},
    {"AugmentationForce",        3,  VARIABLE,   Ouvert},
    {"AugmentationAgilite",      3,  VARIABLE,   Ouvert},
    {"AugmentationVolonte",      3,  VARIABLE,   Ouvert},
    {"AugmentationPresence",     3,  VARIABLE,   Ouvert},
    {"AugmentationFoi",          3,  VARIABLE,   Ouvert},
    {"AugmentationPerception",   3,  VARIABLE,   Ouvert},
    {"AuraConfusion",            3,  VARIABLE,   Ouvert},
    {"AuraCourage",              3,  VARIABLE,   Ouvert},
    {"AuraInattention",          3,  VARIABLE,   Ouvert},
    {"Anaerobiose",              3,  INVARIABLE, Ouvert},
    {"Boomerang",                5,  VARIABLE,   Ouvert},
    {"Cameleon",                 3,  VARIABLE,   Ouvert},
    {"ChampDeForce",             3,  VARIABLE,   Ouvert},
    {"ChampElectrique",          3,  VARIABLE,   Ouvert},
    {"ChampMagnetique",          3,  VARIABLE,   Ouvert},
    {"Charme",                   4,  VARIABLE,   Ouvert},
    {"ControlDesAnimaux",        3,  VARIABLE,   Ouvert},
    {"ConversionMental",         4,  VARIABLE,   Ouvert},
    {"ConversionPhysique",       4,  VARIABLE,   Ouvert},
    {"CorpsDigital",             8,  INVARIABLE, Ouvert},
    {"CorpsElectrique",          7,  INVARIABLE, Ouvert},
    {"CorpsGazeux",              6,  INVARIABLE, Ouvert},
    {"CorpsLiquide",             5,  INVARIABLE, Ouvert},
    {"CoucheDeGlace",            3,  VARIABLE,   Ouvert},
    {"DechargeElectrique",       3,  VARIABLE,   Ouvert},
    {"DeguisementSuperficiel",   3,  VARIABLE,   Ouvert},
    {"Dephasage",                4,  VARIABLE,   Ouvert},
    {"DeplacementTemporelle",    5,  VARIABLE,   Ouvert},
    {"DetectionInvisible",       3,  VARIABLE,   Ouvert},
    {"DetectionEnnemies",        3,  VARIABLE,   Ouvert},
    {"DetectionDanger",          3,  VARIABLE,   Ouvert},
    {"DetectionFuturProche",     5,  VARIABLE,   Ouvert},
    {"DetectionMensonge",        4,  VARIABLE,   Ouvert},
    {"Domination",               4,  VARIABLE,   Ouvert},
    {"EclatGlace",               3,  VARIABLE,   Ouvert},
    {"Elastique",                3,  VARIABLE,   Ouvert},
    {"EspritMultiple",           4,  VARIABLE,   Ouvert},
    {"EsquiveAcrobatique",       3,  VARIABLE,   Ouvert},
    {"Illusions",                3,  VARIABLE,   Ouvert},
    {"ImmuniteAcide",            6,  INVARIABLE, Ouvert},
    {"ImmuniteElectricite",      6,  INVARIABLE, Ouvert},
    {"ImmuniteFeu",              6,  INVARIABLE, Ouvert},
    {"ImmuniteFroid",            6,  INVARIABLE, Ouvert},
    {"ImmuniteMaladiePoison",    3,  INVARIABLE, Ouvert},
    {"Invisibilite",             4,  VARIABLE,   Ouvert},
    {"JetEauRobinet",            3,  VARIABLE,   Ouvert},
    {"JetFlammes",               3,  VARIABLE,   Ouvert},
    {"Jeune",                    4,  INVARIABLE, Ouvert},
    {"LangageUniversel",         5,  INVARIABLE, Ouvert},
    {"LectureAura",              4,  VARIABLE,   Ouvert},
    {"LirePensees",              3,  VARIABLE,   Ouvert},
    {"MembreBlindee",            6,  INVARIABLE, Ouvert},
    {"Nemesis",                  3,  VARIABLE,   Ouvert},
    {"NonDetection",             4,  VARIABLE,   Ouvert},
    {"Obscurite",                3,  VARIABLE,   Ouvert},
    {"OndeChoc",                 3,  VARIABLE,   Ouvert},
    {"Paralysie",                3,  VARIABLE,   Ouvert},
    {"ParasiteIntellectuel",     5,  VARIABLE,   Ouvert},
    {"PeauAcide",                3,  VARIABLE,   Ouvert},
    {"PerturbationPouvoir",      4,  VARIABLE,   Ouvert},
    {"Peur",                     3,  VARIABLE,   Ouvert},
    {"Polymorphie",              5,  VARIABLE,   Ouvert},
    {"ProtectionAme",            6,  INVARIABLE, Ouvert},
    {"ProtectionEsprit",         6,  INVARIABLE, Ouvert},
    {"Psychometrie",             3,  VARIABLE,   Ouvert},
    {"Rebond",                   4,  VARIABLE,   Ouvert},
    {"Reduction",                3,  VARIABLE,   Ouvert},
    {"Regeneration",             3,  VARIABLE,   Ouvert},
    {"SensSurdeveloppe",         6,  INVARIABLE, Ouvert},
    {"Sommeil",                  3,  VARIABLE,   Ouvert},
    {"SuperioriteMartiale",      4,  VARIABLE,   Ouvert},
    {"TalentUniversel",          5,  VARIABLE,   Ouvert},
    {"Telekinesie",              3,  VARIABLE,   Ouvert},
    {"Telepathie",               3,  VARIABLE,   Ouvert},
    {"Teleportation",            5,  VARIABLE,   Ouvert},
    {"TourbillonFeu",            3,  VARIABLE,   Ouvert},
    {"TraitEnergie",             3,  VARIABLE,   Ouvert},
    {"Vitesse",                  3,  VARIABLE,   Ouvert},
    {"VoixImperieuse",           4,  VARIABLE,   Ouvert},
    {"Vol",                      3,  VARIABLE,   Ouvert},
    {"VolonteSupraNormal",       3,  VARIABLE,   Ouvert},
};
}

void ListePouvoirs::InitListeDesPouvoirsGeneral()
{
    Charger(std::begin(kTable), std::end(kTable));
}
