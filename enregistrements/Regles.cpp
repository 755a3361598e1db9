#include "enregistrements/Regles.h"

const char* Priorite2String(PRIORITE ePriorite)
{
    switch (ePriorite)
    {
    case PRIMAIRE:
        return "PRIMAIRE";
    case SECONDAIRE:
        return "SECONDAIRE";
    default:
        return "EXOTIQUE";
    }
}

void Debug(std::string)
{
}
