#include "export/ScoreAffiche.h"

#include <cmath>

std::string ScoreAffiche(double fValue)
{
    const double fEntier = std::trunc(fValue);
    // std::to_string of an integer ignores the user's locale, so no digit grouping can slip in.
    std::string oTexte = std::to_string(static_cast<long long>(fEntier));
    if (fValue - fEntier == 0.5)
        oTexte += '+';
    return oTexte;
}
