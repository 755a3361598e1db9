#include "model/Texte.h"

#include <cmath>

const char* NomCaracteristique(CARACT eCaract)
{
    constexpr const char* kNoms[] = {"Force", "Agilité", "Perception", "Présence", "Volonté", "Foi", "aucune"};
    return eCaract >= FORCE && eCaract <= AUCUNE ? kNoms[eCaract] : "";
}

std::string DemiPoints(double fValeur)
{
    const double fEntier = std::trunc(fValeur);
    std::string oTexte = std::to_string(static_cast<long long>(fEntier));
    if (fValeur != fEntier)
    {
        if (fValeur < 0 && fEntier == 0)
            oTexte.insert(0, 1, '-');
        // The values the rules handle are whole or halves; any other fraction is written to two places.
        const long long nCentiemes = std::llround(std::fabs(fValeur - fEntier) * 100);
        oTexte += ',' + std::to_string(nCentiemes / 10) + (nCentiemes % 10 ? std::to_string(nCentiemes % 10) : "");
    }
    return oTexte;
}
