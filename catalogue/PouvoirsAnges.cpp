#include "ListePouvoirs.h"

#include <iterator>

namespace
{
// Powers of the angels; a named superior reserves the power to the followers of that archangel.
// The names are data and stand as written, odd spellings included.
const LignePouvoir kTable[] = {
    // Nom                         Cout   Evolution   Superieur
    {"AbsorptionAmour",               3,  Variable,   Ouvert},
    {"AbsorptionGentillesse",         3,  Variable,   Ouvert},
    {"AbsorptionMal",                 3,  Variable,   Ouvert},
    {"Alliance",                      3,  Variable,   "Francis"},
    {"AppelDesAnimaux",               2,  Variable,   "Jordi"},
    {"ApparenceDemoniaque",           2,  Variable,   "Mathias"},
    {"AuraPacification",              3,  Variable,   Ouvert},
    {"AssaultSpirituel",              3,  Variable,   "Ange"},
    {"Benediction_Beaute",            3,  Variable,   Ouvert},
    {"Benediction_Fertilite",         3,  Variable,   Ouvert},
    {"Benediction_GuerisonFolie",     3,  Variable,   Ouvert},
    {"Benediction_GuerisonMaladie",   3,  Variable,   Ouvert},
    {"Benediction_Rajeunissement",    3,  Variable,   Ouvert},
    {"ChantAngelique",                4,  Variable,   Ouvert},
    {"ContratDivin",                  2,  Variable,   "Marc"},
    {"CoupDeBol",                     3,  Variable,   "Christophe"},
    {"DetectionMal",                  4,  Variable,   Ouvert},
    {"Enfance",                       3,  Variable,   "Christophe"},
    {"Etouffement",                   4,  Variable,   Ouvert},
    {"Exorcisme",                     3,  Variable,   "Walther"},
    {"Guerison",                      3,  Variable,   "Guy"},
    {"Innovation",                    3,  Variable,   "Jean"},
    {"JetEauBenite",                  4,  Variable,   Ouvert},
    {"Jugement",                      3,  Variable,   "Dominique"},
    {"JusteLame",                     3,  Variable,   "Laurent"},
    {"LueurInsoutenable",             3,  Variable,   Ouvert},
    {"LumiereCeleste",                4,  Variable,   Ouvert},
    {"MaitriseMartiale",              3,  Variable,   "Michel"},
    {"Ouverture",                     2,  Variable,   "Janus"},
    {"MessageOfficiel",               2,  Invariable, "Didier"},
    {"Petrification",                 3,  Variable,   "Daniel"},
    {"Philosophie",                   3,  Variable,   "Yves"},
    {"Pollen",                        3,  Variable,   "Novalis"},
    {"ProtectionPartagee",            6,  Variable,   "Jean-Luc"},
    {"Rafistolage",                   3,  Variable,   "Jean"},
    {"Reve",                          4,  Variable,   Ouvert},
    {"ReveDivin",                     3,  Variable,   "Blandine"},
    {"SacrificeUltime",               3,  Variable,   "Jean-Luc"},
    {"ScienceInfuse",                 5,  Variable,   "Yves"},
    {"Torture",                       3,  Variable,   "Joseph"},
};
}

void ListePouvoirs::InitListeDesPouvoirsAnges()
{
    Charger(std::begin(kTable), std::end(kTable));
}
