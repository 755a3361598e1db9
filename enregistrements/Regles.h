#ifndef VEXAL_ENREGISTREMENTS_REGLES_H
#define VEXAL_ENREGISTREMENTS_REGLES_H

#include <string>

// The values of CARACT index the character's vector of characteristics.
enum CARACT
{
    FORCE = 0,
    AGILITE = 1,
    PERCEPTION = 2,
    PRESENCE = 3,
    VOLONTE = 4,
    FOI = 5,
    AUCUNE = 6  // base of the talents that depend on no characteristic, and of every language
};

// The priority decides which pool pays for a talent's levels. Priorite2String reads any other int as EXOTIQUE,
// hence the fixed underlying type, as for PERSO below.
enum PRIORITE : int
{
    PRIMAIRE = 0,
    SECONDAIRE = 1,
    EXOTIQUE = 2
};

// The side selects the power catalogue. Any other int is a side too, one with the general powers only,
// hence the fixed underlying type: without it, a value past ANGE would be out of the enumeration's range.
enum PERSO : int
{
    DEMON = 0,
    ANGE = 1
};

const char* Priorite2String(PRIORITE ePriorite);

// Marks a trace point of the rules; it writes nothing.
void Debug(std::string oMessage);

#endif
