#include "disque/Chemins.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

std::string CheminCanonique(const std::string& oNom)
{
    char oResolu[PATH_MAX];
    if (::realpath(oNom.c_str(), oResolu) != nullptr)
        return oResolu;
    const std::size_t nBarre = oNom.find_last_of('/');
    const std::string oDossier = nBarre == std::string::npos ? "." : nBarre == 0 ? "/" : oNom.substr(0, nBarre);
    if (::realpath(oDossier.c_str(), oResolu) != nullptr)
        return std::string(oResolu) + (oResolu[1] ? "/" : "") + oNom.substr(nBarre + 1);
    return oNom;
}
