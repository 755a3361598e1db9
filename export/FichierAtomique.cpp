#include "export/FichierAtomique.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
constexpr int kLiensMax = 40;     // as many links as the system itself follows before giving up
constexpr int kEssaisMax = 100;   // names already taken beside the target before giving up

// Replacing a link would cut it from the file it leads to; the file at its end is the one to replace.
bool SuivreLiens(fs::path& oCible)
{
    std::error_code oErreur;
    for (int nLien = 0; nLien < kLiensMax; ++nLien)
    {
        if (!fs::is_symlink(fs::symlink_status(oCible, oErreur)))
            return true;
        const fs::path oLien = fs::read_symlink(oCible, oErreur);
        if (oErreur)
            return false;
        // A relative link starts from the folder that holds it; an absolute one replaces the path.
        oCible = oCible.parent_path() / oLien;
    }
    return false;
}

// Opening for appending changes nothing, but fails where opening to overwrite would.
bool EstInscriptible(const fs::path& oFichier)
{
    std::FILE* poFichier = std::fopen(oFichier.string().c_str(), "a");
    if (poFichier == nullptr)
        return false;
    std::fclose(poFichier);
    return true;
}

// The new file must sit in the target's folder: only there can a rename replace the target at once.
std::FILE* CreerTemporaire(const fs::path& oCible, fs::path& oTemporaire)
{
    std::mt19937 oHasard(std::random_device{}());
    for (int nEssai = 0; nEssai < kEssaisMax; ++nEssai)
    {
        char oNom[32];
        std::snprintf(oNom, sizeof oNom, ".vexal-%08lx.tmp", static_cast<unsigned long>(oHasard()));
        oTemporaire = oCible.parent_path() / oNom;
        // "x" refuses a name that exists, so no other file is ever overwritten or shared.
        errno = 0;
        std::FILE* poFichier = std::fopen(oTemporaire.string().c_str(), "wx");
        if (poFichier != nullptr || errno != EEXIST)
            return poFichier;
    }
    return nullptr;
}
}

bool RemplacerFichier(const char* fileName, const std::string& oContenu)
{
    if (fileName == nullptr || *fileName == '\0')
        return false;
    fs::path oCible(fileName);
    if (!SuivreLiens(oCible))
        return false;

    std::error_code oErreur;
    const fs::file_status oEtat = fs::status(oCible, oErreur);
    if (!fs::status_known(oEtat))
        return false;
    const bool bExiste = fs::exists(oEtat);
    if (bExiste && (!fs::is_regular_file(oEtat) || !EstInscriptible(oCible)))
        return false;

    fs::path oTemporaire;
    std::FILE* poFichier = CreerTemporaire(oCible, oTemporaire);
    if (poFichier == nullptr)
        return false;
    if (bExiste)
    {
        // The replaced file's permissions are the user's choice, and they hold before a byte is written: a sheet
        // kept private is never readable by others, not even for a moment. Failing to keep them stops nothing.
        std::error_code oSansSuite;
        fs::permissions(oTemporaire, oEtat.permissions(), oSansSuite);
    }
    bool bEcrit = std::fwrite(oContenu.data(), 1, oContenu.size(), poFichier) == oContenu.size();
    bEcrit = std::fflush(poFichier) == 0 && bEcrit;
    bEcrit = std::fclose(poFichier) == 0 && bEcrit;

    if (bEcrit)
    {
        fs::rename(oTemporaire, oCible, oErreur);
        bEcrit = !oErreur;
    }
    if (!bEcrit)
        fs::remove(oTemporaire, oErreur);
    return bEcrit;
}
