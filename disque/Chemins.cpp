#include "disque/Chemins.h"

#include "disque/ErreursSysteme.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kLiensMax = 40;  // as many links as the system itself follows before giving up

bool Resoudre(const std::string& oNom, std::string& oResolu)
{
    const std::unique_ptr<char, decltype(&std::free)> poResolu(::realpath(oNom.c_str(), nullptr), &std::free);
    if (poResolu == nullptr)
        return false;
    oResolu = poResolu.get();
    return true;
}

// Without the current folder (removed under the program), a relative name can only stay relative.
std::string NettoyerLettres(const std::string& oNom)
{
    std::error_code oErreur;
    const std::filesystem::path oIci = std::filesystem::current_path(oErreur);
    std::string oPropre = (oErreur ? std::filesystem::path(oNom) : oIci / oNom).lexically_normal().string();
    if (oPropre.size() > 1 && oPropre.back() == '/')
        oPropre.pop_back();
    return oPropre;
}
}

bool SuivreLiens(std::string& oCible)
{
    for (int nLien = 0; nLien < kLiensMax; ++nLien)
    {
        struct stat oEtat;
        if (::lstat(oCible.c_str(), &oEtat) != 0 || !S_ISLNK(oEtat.st_mode))
            return true;
        std::string oLien(static_cast<std::size_t>(oEtat.st_size > 0 ? oEtat.st_size : 4096) + 1, '\0');
        const ssize_t nTaille = ::readlink(oCible.c_str(), oLien.data(), oLien.size());
        if (nTaille <= 0)
        {
            errno = nTaille == 0 ? ENOENT : errno;
            return false;
        }
        oLien.resize(static_cast<std::size_t>(nTaille));
        // A relative link starts from the folder that holds it; an absolute one replaces the path.
        oCible = oLien.front() == '/' ? oLien : DossierDe(oCible) + "/" + oLien;
    }
    errno = ELOOP;
    return false;
}

std::string CheminCanonique(const std::string& oNom)
{
    std::string oCible = oNom;
    // A link that leads to a file not made yet names that file, as writing through it would make it.
    if (!SuivreLiens(oCible))
        oCible = oNom;
    std::string oResolu;
    if (oCible.empty() || Resoudre(oCible, oResolu))
        return oResolu;
    // Trailing slashes ask for a folder; the name not made yet is named without them.
    oCible.resize(oCible.find_last_not_of('/') + 1);
    const std::string oDernier = oCible.substr(oCible.find_last_of('/') + 1);
    if (oDernier != "." && oDernier != ".." && Resoudre(DossierDe(oCible), oResolu))
        return (oResolu == "/" ? std::string() : oResolu) + "/" + oDernier;
    return NettoyerLettres(oCible);
}
