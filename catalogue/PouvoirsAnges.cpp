#include "ListePouvoirs.h"

#include "Lignes.h"

#include <iterator>

namespace
{
using namespace Tables;

// Powers of the angels; a named superior reserves the power to the followers of that archangel.
// The names are data and stand as written, odd spellings included.
const LignePouvoir kTable[] = {
    // Nom                         Cout   Evolution   Superieur
    {"AbsorptionAmour",               3,  VARIABLE,   Ouvert},
    {"AbsorptionGentillesse",         3,  VARIABLE,   Ouvert},
    {"AbsorptionMal",                 3,  VARIABLE,   Ouvert},
    {"Alliance",                      3,  VARIABLE,   "Francis"},
    {"AppelDesAnimaux",               2,  VARIABLE,   "Jordi"},
    {"ApparenceDemoniaque",           2,  VARIABLE,   "Mathias"},
    {"AuraPacification",              3,  VARIABLE,   Ouvert},
    {"AssaultSpirituel",              3,  VARIABLE,   "Ange"},
    {"Benediction_Beaute",            3,  VARIABLE,   Ouvert},
    {"Benediction_Fertilite",         3,  VARIABLE,   Ouvert},
    {"Benediction_GuerisonFolie",     3,  VARIABLE,   Ouvert},
    {"Benediction_GuerisonMaladie",   3,  VARIABLE,   Ouvert},
    {"Benediction_Rajeunissement",    3,  VARIABLE,   Ouvert},
    {"ChantAngelique",                4,  VARIABLE,   Ouvert},
    {"ContratDivin",                  2,  VARIABLE,   "Marc"},
    {"CoupDeBol",                     3,  VARIABLE,   "Christophe"},
    {"DetectionMal",                  4,  VARIABLE,   Ouvert},
    {"Enfance",                       3,  VARIABLE,   "Christophe"},
    {"Etouffement",                   4,  VARIABLE,   Ouvert},
    {"Exorcisme",                     3,  VARIABLE,   "Walther"},
    {"Guerison",                      3,  VARIABLE,   "Guy"},
    {"Innovation",                    3,  VARIABLE,   "Jean"},
    {"JetEauBenite",                  4,  VARIABLE,   Ouvert},
    {"Jugement",                      3,  VARIABLE,   "Dominique"},
    {"JusteLame",                     3,  VARIABLE,   "Laurent"},
    {"LueurInsoutenable",             3,  VARIABLE,   Ouvert},
    {"LumiereCeleste",                4,  VARIABLE,   Ouvert},
    {"MaitriseMartiale",              3,  VARIABLE,   "Michel"},
    {"Ouverture",                     2,  VARIABLE,   "Janus"},
    {"MessageOfficiel",               2,  INVARIABLE, "Didier"},
    {"Petrification",                 3,  VARIABLE,   "Daniel"},
    {"Philosophie",                   3,  VARIABLE,   "Yves"},
    {"Pollen",                        3,  VARIABLE,   "Novalis"},
    {"ProtectionPartagee",            6,  VARIABLE,   "Jean-Luc"},
    {"Rafistolage",                   3,  VARIABLE,   "Jean"},
    {"Reve",                          4,  VARIABLE,   Ouvert},
    {"ReveDivin",                     3,  VARIABLE,   "Blandine"},
    {"SacrificeUltime",               3,  VARIABLE,   "Jean-Luc"},
    {"ScienceInfuse",                 5,  VARIABLE,   "Yves"},
    {"Torture",                       3,  VARIABLE,   "Joseph"},
};
}

void ListePouvoirs::InitListeDesPouvoirsAnges()
{
    Charger(std::begin(kTable), std::end(kTable));
}
