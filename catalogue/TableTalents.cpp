#include "ListeTalents.h"

#include "Lignes.h"

#include <iterator>

namespace
{
using namespace Tables;

// Every talent a character can acquire. A row named "X(Spe)" is the speciality of the row "X"
// just before it; the names are data and stand as written ("ExotiquePeception" included).
const LigneTalent kTable[] = {
    // Nom                 Sorte           Priorite    Caracteristique
    {"Baratin",            Sorte::Talent,  PRIMAIRE,   PRESENCE},
    {"Combat",             Sorte::Talent,  PRIMAIRE,   AGILITE},
    {"Combat(Spe)",        Sorte::Talent,  PRIMAIRE,   AGILITE},
    {"CorpsACorps",        Sorte::Talent,  PRIMAIRE,   AGILITE},
    {"Defense",            Sorte::Talent,  PRIMAIRE,   AGILITE},
    {"Discretion",         Sorte::Talent,  PRIMAIRE,   AGILITE},
    {"Discussion",         Sorte::Talent,  PRIMAIRE,   PRESENCE},
    {"Enquete",            Sorte::Talent,  PRIMAIRE,   FOI},
    {"Fouille",            Sorte::Talent,  PRIMAIRE,   PERCEPTION},
    {"Intrusion",          Sorte::Talent,  PRIMAIRE,   AUCUNE},
    {"Medecine",           Sorte::Talent,  PRIMAIRE,   AUCUNE},
    {"Seduction",          Sorte::Talent,  PRIMAIRE,   PRESENCE},
    {"Tir",                Sorte::Talent,  PRIMAIRE,   PERCEPTION},
    {"Tir(Spe)",           Sorte::Talent,  PRIMAIRE,   PERCEPTION},
    {"Acrobatie",          Sorte::Talent,  SECONDAIRE, AGILITE},
    {"AisanceSociale",     Sorte::Talent,  SECONDAIRE, PRESENCE},
    {"Art",                Sorte::Talent,  SECONDAIRE, PRESENCE},
    {"Art(Spe)",           Sorte::Talent,  SECONDAIRE, PRESENCE},
    {"Athletisme",         Sorte::Talent,  SECONDAIRE, FORCE},
    {"Conduite",           Sorte::Talent,  SECONDAIRE, AGILITE},
    {"CultureGe",          Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"CultureGe(Spe)",     Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Hobby",              Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Hobby(Spe)",         Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Informatique",       Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Intimidation",       Sorte::Talent,  SECONDAIRE, FORCE},
    {"Metier",             Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Metier(Spe)",        Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Navigation",         Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Pilotage",           Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvCriminel",         Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvCriminel(Spe)",    Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvEspion",           Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvEspion(Spe)",      Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvMilitaire",        Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvMilitaire(Spe)",   Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvOcculte",          Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"SvOcculte(Spe)",     Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Science",            Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Science(Spe)",       Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Survie",             Sorte::Talent,  SECONDAIRE, PERCEPTION},
    {"Survie(Spe)",        Sorte::Talent,  SECONDAIRE, PERCEPTION},
    {"Technique",          Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Technique(Spe)",     Sorte::Talent,  SECONDAIRE, AUCUNE},
    {"Kamasutra",          Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"PickPocket",         Sorte::Talent,  EXOTIQUE,   AGILITE},
    {"Contortionisme",     Sorte::Talent,  EXOTIQUE,   AGILITE},
    {"Humour",             Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"Hypnotisme",         Sorte::Talent,  EXOTIQUE,   VOLONTE},
    {"Jeu",                Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"LangageAnimal",      Sorte::Talent,  EXOTIQUE,   PERCEPTION},
    {"Prestidigitation",   Sorte::Talent,  EXOTIQUE,   AGILITE},
    {"SixiemeSens",        Sorte::Talent,  EXOTIQUE,   FOI},
    {"Torture",            Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"Narcolepsie",        Sorte::Talent,  EXOTIQUE,   VOLONTE},
    {"Exotique1",          Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"Exotique2",          Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"Exotique3",          Sorte::Talent,  EXOTIQUE,   AUCUNE},
    {"ExotiqueVolonte",    Sorte::Talent,  EXOTIQUE,   VOLONTE},
    {"ExotiquePeception",  Sorte::Talent,  EXOTIQUE,   PERCEPTION},
    {"ExotiqueAgilite",    Sorte::Talent,  EXOTIQUE,   AGILITE},
    {"ExotiquePresence",   Sorte::Talent,  EXOTIQUE,   PRESENCE},
    {"ExotiqueForce",      Sorte::Talent,  EXOTIQUE,   FORCE},
    {"ExotiqueFoi",        Sorte::Talent,  EXOTIQUE,   FOI},
    {"LangueAnglais",      Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueFrancais",     Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueArabe",        Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueChinois",      Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueLatin",        Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueEspagnol",     Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueRusse",        Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"LangueCreole",       Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"Langue01",           Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"Langue02",           Sorte::Langue,  SECONDAIRE, AUCUNE},
    {"Langue03",           Sorte::Langue,  SECONDAIRE, AUCUNE},
};
}

void ListeTalents::InitListeDesTalents()
{
    Charger(std::begin(kTable), std::end(kTable));
}
