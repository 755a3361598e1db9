#include "ListePouvoirs.h"

#include <iterator>

namespace
{
// Powers of the demons; a named superior reserves the power to the followers of that prince.
// The names are data and stand as written, odd spellings included.
const LignePouvoir kTable[] = {
    // Nom                        Cout   Evolution   Superieur
    {"AbsorptionSexe",               3,  Variable,   Ouvert},
    {"AbsorptionDouleur",            4,  Variable,   Ouvert},
    {"AbsorptionViolence",           4,  Variable,   Ouvert},
    {"AbsorptionBien",               3,  Variable,   Ouvert},
    {"AuraPacification",             4,  Variable,   Ouvert},
    {"ArtDeCombat",                  3,  Variable,   "Baal"},
    {"BaiserVampirique",             3,  Variable,   "Samigina"},
    {"Camisole",                     3,  Variable,   "Abalam"},
    {"Cauchemar",                    4,  Variable,   Ouvert},
    {"CauchemarMortel",              3,  Variable,   "Beleth"},
    {"Corruption",                   3,  Variable,   "Mammon"},
    {"CuisineDemoniaque",            5,  Variable,   "Haagenti"},
    {"Decrepitude",                  3,  Variable,   "Shaytan"},
    {"DetectionBien",                4,  Variable,   Ouvert},
    {"Discorde",                     3,  Variable,   "Malphas"},
    {"Disparition",                  4,  Variable,   "Ouikka"},
    {"Douleur",                      4,  Variable,   Ouvert},
    {"EspritChaotique",             10,  Invariable, Ouvert},
    {"Etouffement",                  3,  Variable,   Ouvert},
    {"Eventration",                  3,  Variable,   Ouvert},
    {"FormeDeCombat",                3,  Variable,   Ouvert},
    {"FroidPolaire",                 3,  Variable,   "Crocell"},
    {"GagAbsurde",                   3,  Variable,   "Kobal"},
    {"Glandage",                     3,  Variable,   "Nog"},
    {"Goinfrerie",                   3,  Variable,   "Haagenti"},
    {"Graisse",                      3,  Variable,   Ouvert},
    {"Humanite",                     3,  Variable,   "Andromalius"},
    {"HurlementDemoniaque",          4,  Variable,   Ouvert},
    {"Incendie",                     3,  Variable,   "Belial"},
    {"Infection",                    3,  Variable,   "Malthus"},
    {"Invention",                    3,  Variable,   "Vapula"},
    {"JetAcide",                     3,  Variable,   Ouvert},
    {"LarvesSousCutanee",            4,  Variable,   Ouvert},
    {"Maladie",                      3,  Variable,   Ouvert},
    {"Malediction_Folie",            3,  Variable,   Ouvert},
    {"Malediction_Laideur",          3,  Variable,   Ouvert},
    {"Malediction_Maladie",          3,  Variable,   Ouvert},
    {"Malediction_Sterilite",        3,  Variable,   Ouvert},
    {"Malediction_Vieillissement",   3,  Variable,   Ouvert},
    {"Membres_crocs",                6,  Invariable, Ouvert},
    {"Membres_Dard",                 6,  Invariable, Ouvert},
    {"Membres_DentsSabres",          6,  Invariable, Ouvert},
    {"Membres_Ergots",               6,  Invariable, Ouvert},
    {"Membres_GrandesCornes",        6,  Invariable, Ouvert},
    {"Membres_Griffes",              6,  Invariable, Ouvert},
    {"Membres_LangueBarbelee",       6,  Invariable, Ouvert},
    {"Membres_LangueBlindee",        6,  Invariable, Ouvert},
    {"Membres_OnglesAcier",          6,  Invariable, Ouvert},
    {"Membres_PetiteCornes",         6,  Invariable, Ouvert},
    {"Membres_QueueBarbelee",        6,  Invariable, Ouvert},
    {"Membres_QueueBlindee",         6,  Invariable, Ouvert},
    {"Membres_Sabots",               6,  Invariable, Ouvert},
    {"Membres_Tentacules",           6,  Invariable, Ouvert},
    {"MessageSubliminale",           5,  Invariable, "Nybbas"},
    {"Necrose",                      3,  Variable,   Ouvert},
    {"OeuvreArt",                    5,  Invariable, "Morax"},
    {"Ouverture",                    2,  Variable,   "Valefor"},
    {"MessageOfficiel",              2,  Invariable, "Baalberith"},
    {"OrgasmeMortel",                3,  Variable,   "Andrealphus"},
    {"PariStupide",                  3,  Variable,   "Asmodee"},
    {"Poison",                       3,  Variable,   Ouvert},
    {"Poltergeist",                  3,  Variable,   "Vapula"},
    {"Possession",                   3,  Variable,   "Scox"},
    {"ProjectionTemporelle",         3,  Variable,   "Kronos"},
    {"RessurectionMacabre",          3,  Variable,   "Bifrons"},
    {"Seisme",                       3,  Variable,   "Gaziel"},
    {"Sucide",                       3,  Variable,   "Furfur"},
    {"TenebreSatanique",             4,  Variable,   Ouvert},
    {"Transformation",               3,  Variable,   "Caym"},
    {"VengeanceToxique",             3,  Variable,   "Uphir"},
    {"VieSubaquatique",              3,  Variable,   "Vephar"},
};
}

void ListePouvoirs::InitListeDesPouvoirsDemons()
{
    Charger(std::begin(kTable), std::end(kTable));
}
