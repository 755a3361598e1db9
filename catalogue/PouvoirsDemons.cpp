#include "ListePouvoirs.h"

#include "Lignes.h"

#include <iterator>

namespace
{
using namespace Tables;

// Powers of the demons; a named superior reserves the power to the followers of that prince.
// The names are data and stand as written, odd spellings included.
const LignePouvoir kTable[] = {
    // Nom                        Cout   Evolution   Superieur
    {"AbsorptionSexe",               3,  VARIABLE,   Ouvert},
    {"AbsorptionDouleur",            4,  VARIABLE,   Ouvert},
    {"AbsorptionViolence",           4,  VARIABLE,   Ouvert},
    {"AbsorptionBien",               3,  VARIABLE,   Ouvert},
    {"AuraPacification",             4,  VARIABLE,   Ouvert},
    {"ArtDeCombat",                  3,  VARIABLE,   "Baal"},
    {"BaiserVampirique",             3,  VARIABLE,   "Samigina"},
    {"Camisole",                     3,  VARIABLE,   "Abalam"},
    {"Cauchemar",                    4,  VARIABLE,   Ouvert},
    {"CauchemarMortel",              3,  VARIABLE,   "Beleth"},
    {"Corruption",                   3,  VARIABLE,   "Mammon"},
    {"CuisineDemoniaque",            5,  VARIABLE,   "Haagenti"},
    {"Decrepitude",                  3,  VARIABLE,   "Shaytan"},
    {"DetectionBien",                4,  VARIABLE,   Ouvert},
    {"Discorde",                     3,  VARIABLE,   "Malphas"},
    {"Disparition",                  4,  VARIABLE,   "Ouikka"},
    {"Douleur",                      4,  VARIABLE,   Ouvert},
    {"EspritChaotique",             10,  INVARIABLE, Ouvert},
    {"Etouffement",                  3,  VARIABLE,   Ouvert},
    {"Eventration",                  3,  VARIABLE,   Ouvert},
    {"FormeDeCombat",                3,  VARIABLE,   Ouvert},
    {"FroidPolaire",                 3,  VARIABLE,   "Crocell"},
    {"GagAbsurde",                   3,  VARIABLE,   "Kobal"},
    {"Glandage",                     3,  VARIABLE,   "Nog"},
    {"Goinfrerie",                   3,  VARIABLE,   "Haagenti"},
    {"Graisse",                      3,  VARIABLE,   Ouvert},
    {"Humanite",                     3,  VARIABLE,   "Andromalius"},
    {"HurlementDemoniaque",          4,  VARIABLE,   Ouvert},
    {"Incendie",                     3,  VARIABLE,   "Belial"},
    {"Infection",                    3,  VARIABLE,   "Malthus"},
    {"Invention",                    3,  VARIABLE,   "Vapula"},
    {"JetAcide",                     3,  VARIABLE,   Ouvert},
    {"LarvesSousCutanee",            4,  VARIABLE,   Ouvert},
    {"Maladie",                      3,  VARIABLE,   Ouvert},
    {"Malediction_Folie",            3,  VARIABLE,   Ouvert},
    {"Malediction_Laideur",          3,  VARIABLE,   Ouvert},
    {"Malediction_Maladie",          3,  VARIABLE,   Ouvert},
    {"Malediction_Sterilite",        3,  VARIABLE,   Ouvert},
    {"Malediction_Vieillissement",   3,  VARIABLE,   Ouvert},
    {"Membres_crocs",                6,  INVARIABLE, Ouvert},
    {"Membres_Dard",                 6,  INVARIABLE, Ouvert},
    {"Membres_DentsSabres",          6,  INVARIABLE, Ouvert},
    {"Membres_Ergots",               6,  INVARIABLE, Ouvert},
    {"Membres_GrandesCornes",        6,  INVARIABLE, Ouvert},
    {"Membres_Griffes",              6,  INVARIABLE, Ouvert},
    {"Membres_LangueBarbelee",       6,  INVARIABLE, Ouvert},
    {"Membres_LangueBlindee",        6,  INVARIABLE, Ouvert},
    {"Membres_OnglesAcier",          6,  INVARIABLE, Ouvert},
    {"Membres_PetiteCornes",         6,  INVARIABLE, Ouvert},
    {"Membres_QueueBarbelee",        6,  INVARIABLE, Ouvert},
    {"Membres_QueueBlindee",         6,  INVARIABLE, Ouvert},
    {"Membres_Sabots",               6,  INVARIABLE, Ouvert},
    {"Membres_Tentacules",           6,  INVARIABLE, Ouvert},
    {"MessageSubliminale",           5,  INVARIABLE, "Nybbas"},
    {"Necrose",                      3,  VARIABLE,   Ouvert},
    {"OeuvreArt",                    5,  INVARIABLE, "Morax"},
    {"Ouverture",                    2,  VARIABLE,   "Valefor"},
    {"MessageOfficiel",              2,  INVARIABLE, "Baalberith"},
    {"OrgasmeMortel",                3,  VARIABLE,   "Andrealphus"},
    {"PariStupide",                  3,  VARIABLE,   "Asmodee"},
    {"Poison",                       3,  VARIABLE,   Ouvert},
    {"Poltergeist",                  3,  VARIABLE,   "Vapula"},
    {"Possession",                   3,  VARIABLE,   "Scox"},
    {"ProjectionTemporelle",         3,  VARIABLE,   "Kronos"},
    {"RessurectionMacabre",          3,  VARIABLE,   "Bifrons"},
    {"Seisme",                       3,  VARIABLE,   "Gaziel"},
    {"Sucide",                       3,  VARIABLE,   "Furfur"},
    {"TenebreSatanique",             4,  VARIABLE,   Ouvert},
    {"Transformation",               3,  VARIABLE,   "Caym"},
    {"VengeanceToxique",             3,  VARIABLE,   "Uphir"},
    {"VieSubaquatique",              3,  VARIABLE,   "Vephar"},
};
}

void ListePouvoirs::InitListeDesPouvoirsDemons()
{
    Charger(std::begin(kTable), std::end(kTable));
}
