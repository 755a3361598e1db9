#include "disque/FichierAtomique.h"

#include "disque/Chemins.h"
#include "disque/ErreursSysteme.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kEssaisMax = 100;  // names already taken beside the target before giving up
constexpr char kSuffixeTemporaire[] = ".tmp";

bool Echec(std::string* poRaison, const std::string& oRaison)
{
    if (poRaison != nullptr)
        *poRaison = oRaison;
    return false;
}

// The mode a new file gets from the user's umask, read without changing it: changing it, even for a moment, would
// reach files other threads are creating.
mode_t ModeNouveauFichier()
{
    std::ifstream oStatut("/proc/self/status");
    std::string oLigne;
    while (std::getline(oStatut, oLigne))
    {
        if (oLigne.compare(0, 6, "Umask:") == 0)
            return 0666 & ~static_cast<mode_t>(std::strtoul(oLigne.c_str() + 6, nullptr, 8));
    }
    return 0644;
}

bool ToutEcrire(int nFichier, const std::string& oContenu)
{
    std::size_t nEcrit = 0;
    while (nEcrit < oContenu.size())
    {
        const ssize_t nFait = ::write(nFichier, oContenu.data() + nEcrit, oContenu.size() - nEcrit);
        if (nFait < 0 && errno == EINTR)
            continue;
        if (nFait <= 0)
        {
            if (nFait == 0)
                errno = EIO;
            return false;
        }
        nEcrit += static_cast<std::size_t>(nFait);
    }
    return true;
}

// A file nobody else can reach while it is written, in the target's folder where a rename can replace the target
// at once: unnamed where the system allows it, so that a program killed in the middle leaves nothing behind, else
// under a new name that mkostemps makes private (0600) and never shares with another file.
int OuvrirTemporaire(const std::string& oDossier, bool bAnonyme, std::string& oNom)
{
    oNom.clear();
    if (bAnonyme)
    {
        const int nFichier = ::open(oDossier.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (nFichier >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return nFichier;
    }
    oNom = oDossier + "/.vexal-XXXXXX" + kSuffixeTemporaire;
    return ::mkostemps(oNom.data(), sizeof kSuffixeTemporaire - 1, O_CLOEXEC);
}

// The unnamed file gets its name beside the target at the last moment, through the link the system keeps to it.
bool Nommer(int nFichier, const std::string& oDossier, std::string& oNom)
{
    const std::string oLien = "/proc/self/fd/" + std::to_string(nFichier);
    std::random_device oHasard;
    for (int nEssai = 0; nEssai < kEssaisMax; ++nEssai)
    {
        char oNombre[16];
        std::snprintf(oNombre, sizeof oNombre, "%08x", oHasard());
        oNom = oDossier + "/.vexal-" + oNombre + kSuffixeTemporaire;
        if (::linkat(AT_FDCWD, oLien.c_str(), AT_FDCWD, oNom.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    oNom.clear();
    return false;
}

// The new content beside the target, synced to the disk, with the target's permissions: only then may it take the
// target's place. Empty, with errno set, when any step fails; nothing is left behind then.
std::string EcrireTemporaire(const std::string& oCible, const std::string& oContenu, const struct stat* poAncien,
                             bool bAnonyme = true)
{
    const std::string oDossier = DossierDe(oCible);
    std::string oTemporaire;
    const int nFichier = OuvrirTemporaire(oDossier, bAnonyme, oTemporaire);
    if (nFichier < 0)
        return {};
    bool bFait = ToutEcrire(nFichier, oContenu);
    if (bFait && poAncien != nullptr)
    {
        // The replaced file's owner and group hold where the system lets them; its permissions always do.
        if (::fchown(nFichier, poAncien->st_uid, poAncien->st_gid) != 0)
            static_cast<void>(::fchown(nFichier, static_cast<uid_t>(-1), poAncien->st_gid));
        bFait = ::fchmod(nFichier, poAncien->st_mode & 07777) == 0;
    }
    else if (bFait)
        bFait = ::fchmod(nFichier, ModeNouveauFichier()) == 0;
    bFait = bFait && ::fsync(nFichier) == 0;
    // Without /proc, an unnamed file cannot be given a name: it is written again under one.
    const bool bSansNom = bFait && oTemporaire.empty() && !Nommer(nFichier, oDossier, oTemporaire);
    int nErreur = errno;
    // Some file systems only report a failed write when the file is closed.
    if (::close(nFichier) != 0 && bFait)
    {
        bFait = false;
        nErreur = errno;
    }
    if (bSansNom && bFait)
        return EcrireTemporaire(oCible, oContenu, poAncien, false);
    if (bFait)
        return oTemporaire;
    if (!oTemporaire.empty())
        ::unlink(oTemporaire.c_str());
    errno = nErreur;
    return {};
}

// The previous version is kept as "<name>~": a second name for the same file, where the disk allows it, else a copy.
void GarderCopieDeSecours(const std::string& oCible)
{
    const std::string oSecours = oCible + "~";
    if (::unlink(oSecours.c_str()) != 0 && errno != ENOENT)
        return;
    if (::link(oCible.c_str(), oSecours.c_str()) == 0)
        return;
    std::ifstream oAncien(oCible, std::ios::binary);
    const std::string oContenu((std::istreambuf_iterator<char>(oAncien)), std::istreambuf_iterator<char>());
    if (oAncien.good() || oAncien.eof())
        RemplacerFichier(oSecours.c_str(), oContenu);
}

// Renaming is only lasting once the folder that holds the name is on the disk too. Some file systems cannot sync a
// folder; the file itself is safe then.
void SynchroniserDossier(const std::string& oCible)
{
    const int nDossier = ::open(DossierDe(oCible).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nDossier < 0)
        return;
    static_cast<void>(::fsync(nDossier));
    ::close(nDossier);
}
}

bool RemplacerFichier(const char* fileName, const std::string& oContenu, std::string* poRaison,
                      const Remplacement& oOptions)
{
    if (fileName == nullptr || *fileName == '\0')
        return Echec(poRaison, "aucun nom de fichier");
    std::string oCible(fileName);
    if (!SuivreLiens(oCible))
        return Echec(poRaison, RaisonSysteme(errno));

    struct stat oAncien;
    const bool bExiste = ::stat(oCible.c_str(), &oAncien) == 0;
    if (!bExiste && errno != ENOENT)
        return Echec(poRaison, RaisonSysteme(errno));
    if (bExiste && S_ISDIR(oAncien.st_mode))
        return Echec(poRaison, RaisonSysteme(EISDIR));
    if (bExiste && !S_ISREG(oAncien.st_mode))
        return Echec(poRaison, "ce n'est pas un fichier ordinaire");
    struct stat oSource;
    if (bExiste && !oOptions.moSource.empty() && ::stat(oOptions.moSource.c_str(), &oSource) == 0
        && oSource.st_dev == oAncien.st_dev && oSource.st_ino == oAncien.st_ino)
        return Echec(poRaison, "c'est le fichier du personnage lui-même, qui serait perdu");
    // Replacing the file needs no right on it, only on its folder; a file the user made read-only says "leave me".
    if (bExiste && ::access(oCible.c_str(), W_OK) != 0)
        return Echec(poRaison, RaisonSysteme(errno));

    const std::string oTemporaire = EcrireTemporaire(oCible, oContenu, bExiste ? &oAncien : nullptr);
    if (oTemporaire.empty())
        return Echec(poRaison, errno == ENOENT ? RaisonAcces(oCible, ENOENT) : RaisonSysteme(errno));
    if (bExiste && oOptions.mbCopieDeSecours)
        GarderCopieDeSecours(oCible);
    if (::rename(oTemporaire.c_str(), oCible.c_str()) != 0)
    {
        const int nErreur = errno;
        ::unlink(oTemporaire.c_str());
        return Echec(poRaison, RaisonSysteme(nErreur));
    }
    SynchroniserDossier(oCible);
    return true;
}
