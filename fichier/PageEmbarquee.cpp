#include "fichier/PageEmbarquee.h"

#include <cstring>

namespace PageEmbarquee
{
namespace
{
constexpr char kChevron[] = "\\u003c";
constexpr char kFermeture[] = "</script>";
constexpr char kBom[] = "\xEF\xBB\xBF";
}

bool EstPage(const std::string& oTexte)
{
    const std::size_t nDebut = oTexte.compare(0, 3, kBom) == 0 ? 3 : 0;
    const std::size_t nPremier = oTexte.find_first_not_of(" \t\r\n", nDebut);
    return nPremier != std::string::npos && oTexte[nPremier] == '<';
}

std::string Embarquer(const std::string& oFichier)
{
    std::string oElement = kOuverture;
    oElement.reserve(oFichier.size() + 128);
    for (const char oOctet : oFichier)
    {
        if (oOctet == '<')
            oElement += kChevron;
        else
            oElement += oOctet;
    }
    return oElement + kFermeture;
}

std::optional<std::string> Extraire(const std::string& oPage, std::string& oErreur)
{
    const std::size_t nOuverture = oPage.find(kOuverture);
    if (nOuverture == std::string::npos)
    {
        oErreur = "La page web ne contient aucun personnage VEXAL";
        return std::nullopt;
    }
    const std::size_t nDebut = nOuverture + std::strlen(kOuverture);
    if (oPage.find(kOuverture, nDebut) != std::string::npos)
    {
        oErreur = "La page web contient plus d'un personnage VEXAL";
        return std::nullopt;
    }
    // The file holds no "<" of its own: the first one ends the element.
    const std::size_t nFin = oPage.find('<', nDebut);
    if (nFin == std::string::npos)
    {
        oErreur = "La page web est tronquée : son personnage n'y finit pas";
        return std::nullopt;
    }
    std::string oFichier;
    oFichier.reserve(nFin - nDebut);
    const std::size_t nChevron = std::strlen(kChevron);
    for (std::size_t n = nDebut; n < nFin; ++n)
    {
        // An escape is read whole, so that a backslash the text wrote as "\\" never starts one.
        if (oPage[n] == '\\' && oPage.compare(n, nChevron, kChevron) == 0)
        {
            oFichier += '<';
            n += nChevron - 1;
        }
        else if (oPage[n] == '\\' && n + 1 < nFin)
        {
            oFichier.append(oPage, n, 2);
            ++n;
        }
        else
            oFichier += oPage[n];
    }
    return oFichier;
}
}
