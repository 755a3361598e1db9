#include "model/Texte.h"

#include <charconv>
#include <cmath>

const char* NomCaracteristique(CARACT eCaract)
{
    constexpr const char* kNoms[] = {"Force", "Agilité", "Perception", "Présence", "Volonté", "Foi", "aucune"};
    return eCaract >= FORCE && eCaract <= AUCUNE ? kNoms[eCaract] : "";
}

std::string De(const std::string& oNom)
{
    constexpr char kVoyelles[] = "AEIOUYaeiouy";
    if (!oNom.empty() && std::char_traits<char>::find(kVoyelles, sizeof kVoyelles - 1, oNom[0]) != nullptr)
        return "d'" + oNom;
    return "de " + oNom;
}

namespace
{
// A value far beyond any the rules allow, as a file may hold it: written in full, never wrapped round.
std::string Grand(double fValeur)
{
    char oTampon[32];
    const auto oFin = std::to_chars(oTampon, oTampon + sizeof oTampon, fValeur).ptr;
    std::string oTexte;
    for (const char* poCar = oTampon; poCar != oFin; ++poCar)
    {
        if (*poCar == '.')
            oTexte += ',';
        else if (*poCar != '+')
            oTexte += *poCar;
    }
    return oTexte;
}
}

std::string DemiPoints(double fValeur)
{
    // Beyond this, a double no longer holds every whole number, and no long long holds the largest.
    if (!(std::fabs(fValeur) < 1e15))
        return Grand(fValeur);
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
