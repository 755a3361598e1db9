#include "catalogue/Superieurs.h"

const std::vector<std::string>& ListeSuperieurs(PERSO eCamp)
{
    static const std::vector<std::string> kPrincesDemons = {
        "Abalam",  "Andromalius", "Andrealphus", "Asmodee",  "Baal",     "Baalberith", "Bifrons",  "Beleth",
        "Belial",  "Caym",        "Crocell",     "Furfur",   "Gaziel",   "Haagenti",   "Kobal",    "Kronos",
        "Malphas", "Malthus",     "Mammon",      "Morax",    "Nisroch",  "Nog",        "Nybbas",   "Ouikka",
        "Samigina", "Scox",       "Shaytan",     "Uphir",    "Valefor",  "Vapula",     "Vephar",
    };
    static const std::vector<std::string> kArchanges = {
        "Alain",  "Ange",   "Blandine", "Christophe", "Daniel",  "Didier",  "Dominique",
        "Francis", "Guy",   "Janus",    "Jean",       "Jean-Luc", "Jordi",  "Joseph",
        "Laurent", "Marc",  "Mathias",  "Michel",     "Novalis", "Walther", "Yves",
    };
    static const std::vector<std::string> kAucun;
    switch (eCamp)
    {
    case DEMON:
        return kPrincesDemons;
    case ANGE:
        return kArchanges;
    default:
        return kAucun;
    }
}
