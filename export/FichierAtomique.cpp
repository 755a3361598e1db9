#include "export/FichierAtomique.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// Opening for appending changes nothing, but fails where opening to overwrite would; errno then says why.
bool EstInscriptible(const fs::path& oFichier)
{
    std::FILE* poFichier = std::fopen(oFichier.string().c_str(), "a");
    if (poFichier == nullptr)
        return false;
    std::fclose(poFichier);
    return true;
}

bool Echec(std::string* poRaison, const std::string& oRaison)
{
    if (poRaison != nullptr)
        *poRaison = oRaison;
    return false;
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

std::string RaisonSysteme(int nErreur)
{
    switch (nErreur)
    {
    case EACCES:
    case EPERM:
        return "permission refusée";
    case ENOENT:
        return "le dossier n'existe pas";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case EISDIR:
        return "c'est un dossier";
    case EROFS:
        return "le disque est en lecture seule";
    case ENOSPC:
    case EDQUOT:
        return "le disque est plein";
    case ENAMETOOLONG:
        return "le nom est trop long";
    case ELOOP:
        return "trop de liens symboliques";
    case EIO:
        return "erreur d'entrée-sortie";
    default:
        return std::string("erreur du système (") + std::strerror(nErreur) + ")";
    }
}

bool RemplacerFichier(const char* fileName, const std::string& oContenu, std::string* poRaison)
{
    if (fileName == nullptr || *fileName == '\0')
        return Echec(poRaison, "aucun nom de fichier");
    fs::path oCible(fileName);
    if (!SuivreLiens(oCible))
        return Echec(poRaison, RaisonSysteme(ELOOP));

    std::error_code oErreur;
    const fs::file_status oEtat = fs::status(oCible, oErreur);
    if (!fs::status_known(oEtat))
        return Echec(poRaison, RaisonSysteme(oErreur.value()));
    const bool bExiste = fs::exists(oEtat);
    if (bExiste && !fs::is_regular_file(oEtat))
        return Echec(poRaison, fs::is_directory(oEtat) ? RaisonSysteme(EISDIR) : "ce n'est pas un fichier ordinaire");
    errno = 0;
    if (bExiste && !EstInscriptible(oCible))
        return Echec(poRaison, RaisonSysteme(errno));

    fs::path oTemporaire;
    errno = 0;
    std::FILE* poFichier = CreerTemporaire(oCible, oTemporaire);
    if (poFichier == nullptr)
        return Echec(poRaison, RaisonSysteme(errno == 0 ? EEXIST : errno));
    if (bExiste)
    {
        // The replaced file's permissions are the user's choice, and they hold before a byte is written: a sheet
        // kept private is never readable by others, not even for a moment. Failing to keep them stops nothing.
        std::error_code oSansSuite;
        fs::permissions(oTemporaire, oEtat.permissions(), oSansSuite);
    }
    errno = 0;
    bool bEcrit = std::fwrite(oContenu.data(), 1, oContenu.size(), poFichier) == oContenu.size();
    bEcrit = std::fflush(poFichier) == 0 && bEcrit;
    bEcrit = std::fclose(poFichier) == 0 && bEcrit;
    int nErreur = errno;

    if (bEcrit)
    {
        fs::rename(oTemporaire, oCible, oErreur);
        bEcrit = !oErreur;
        nErreur = oErreur.value();
    }
    if (bEcrit)
        return true;
    fs::remove(oTemporaire, oErreur);
    return Echec(poRaison, RaisonSysteme(nErreur == 0 ? EIO : nErreur));
}
