#include "disque/FichierAtomique.h"

#include "disque/Chemins.h"
#include "disque/ErreursSysteme.h"
#include "disque/LectureFichier.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kEssaisMax = 100;  // names already taken beside the target before giving up
constexpr char kSuffixeTemporaire[] = ".tmp";
constexpr std::size_t kChiffres = 8;  // hexadecimal digits that tell one temporary name from another

bool Echec(std::string* poRaison, const std::string& oRaison)
{
    if (poRaison != nullptr)
        *poRaison = oRaison;
    return false;
}

std::string NomDe(const std::string& oChemin)
{
    return oChemin.substr(oChemin.find_last_of('/') + 1);
}

bool MemeFichier(const struct stat& oUn, const struct stat& oAutre)
{
    return oUn.st_dev == oAutre.st_dev && oUn.st_ino == oAutre.st_ino;
}

// The digits a replacement puts in its temporary names: lower-case hexadecimal.
bool EstChiffre(char nLettre)
{
    return (nLettre >= '0' && nLettre <= '9') || (nLettre >= 'a' && nLettre <= 'f');
}

// ".<name>.<8 hex digits>.tmp": hidden, and telling whose it is to whoever finds it after a program was killed.
bool EstTemporaireDe(const std::string& oEntree, const std::string& oNom)
{
    const std::size_t nDebut = oNom.size() + 2;
    const std::size_t nSuffixe = nDebut + kChiffres;
    return oEntree.size() == nSuffixe + sizeof kSuffixeTemporaire - 1 && oEntree[0] == '.'
           && oEntree.compare(1, oNom.size(), oNom) == 0 && oEntree[nDebut - 1] == '.'
           && std::all_of(oEntree.begin() + nDebut, oEntree.begin() + nSuffixe, EstChiffre)
           && oEntree.compare(nSuffixe, std::string::npos, kSuffixeTemporaire) == 0;
}

// Tries new temporary names beside oCible until Creer makes a file under one; any trouble but a name already
// taken ends the search, with errno set.
template <typename Creation>
bool ChoisirNom(const std::string& oCible, std::string& oNom, Creation Creer)
{
    std::random_device oHasard;
    for (int nEssai = 0; nEssai < kEssaisMax; ++nEssai)
    {
        char oNombre[kChiffres + 1];
        std::snprintf(oNombre, sizeof oNombre, "%08x", static_cast<unsigned>(oHasard()));
        oNom = DossierDe(oCible) + "/." + NomDe(oCible) + "." + oNombre + kSuffixeTemporaire;
        if (Creer(oNom))
            return true;
        if (errno != EEXIST)
            break;
    }
    oNom.clear();
    return false;
}

// Nobody holds the lock of a temporary file whose program is gone. Only a regular file is opened, never through a
// link, and it is removed only if its name still leads to it once locked: the name may have been renamed meanwhile.
void EnleverSiAbandonne(int nDossier, const std::string& oNom)
{
    struct stat oNomme;
    if (::fstatat(nDossier, oNom.c_str(), &oNomme, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(oNomme.st_mode))
        return;
    const int nFichier = ::openat(nDossier, oNom.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (nFichier < 0)
        return;
    struct stat oOuvert;
    if (::fstat(nFichier, &oOuvert) == 0 && S_ISREG(oOuvert.st_mode) && ::flock(nFichier, LOCK_EX | LOCK_NB) == 0
        && ::fstatat(nDossier, oNom.c_str(), &oNomme, AT_SYMLINK_NOFOLLOW) == 0 && MemeFichier(oOuvert, oNomme))
        ::unlinkat(nDossier, oNom.c_str(), 0);
    ::close(nFichier);
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
// at once. It is locked from its making until it has taken the target's place, so that a cleaning of the folder
// meanwhile knows its program is alive; gone with this object unless it took that place.
class Temporaire
{
public:
    Temporaire() = default;
    Temporaire(const Temporaire&) = delete;
    Temporaire& operator=(const Temporaire&) = delete;
    ~Temporaire() { Abandonner(); }

    int GetFichier() const { return mnFichier; }

    // Unnamed where the system allows it, so that a program killed while writing leaves nothing behind, else under
    // a new private name (0600) that no other file shares. False, with errno set, on failure.
    bool Ouvrir(const std::string& oCible, bool bAnonyme)
    {
        Abandonner();
        if (bAnonyme)
        {
            mnFichier = ::open(DossierDe(oCible).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (mnFichier >= 0)
                return Verrouiller();
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                return false;
        }
        return ChoisirNom(oCible, moNom, [this](const std::string& oNom) {
            mnFichier = ::open(oNom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (mnFichier < 0)
                return false;
            if (Verrouiller())
                return true;
            // A cleaning that found the file before its lock has removed it: the name is as good as taken.
            Abandonner();
            errno = EEXIST;
            return false;
        });
    }

    // The unnamed file gets its name beside the target at the last moment, through the link the system keeps to it.
    bool Nommer(const std::string& oCible)
    {
        const std::string oLien = "/proc/self/fd/" + std::to_string(mnFichier);
        return !moNom.empty() || ChoisirNom(oCible, moNom, [&oLien](const std::string& oNom) {
            return ::linkat(AT_FDCWD, oLien.c_str(), AT_FDCWD, oNom.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
    }

    // The descriptor stays open, and the lock held, until this object goes: the sync before already told whether
    // the bytes reached the disk.
    bool Remplacer(const std::string& oCible)
    {
        if (::rename(moNom.c_str(), oCible.c_str()) != 0)
            return false;
        moNom.clear();
        return true;
    }

private:
    bool Verrouiller()
    {
        int nRetour;
        while ((nRetour = ::flock(mnFichier, LOCK_EX)) != 0 && errno == EINTR)
            continue;
        struct stat oEtat;
        return nRetour == 0 && ::fstat(mnFichier, &oEtat) == 0 && (moNom.empty() || oEtat.st_nlink > 0);
    }

    void Abandonner()
    {
        const int nErreur = errno;
        if (!moNom.empty())
            ::unlink(moNom.c_str());
        if (mnFichier >= 0)
            ::close(mnFichier);
        mnFichier = -1;
        moNom.clear();
        errno = nErreur;
    }

    int mnFichier = -1;
    std::string moNom;
};

// The new content beside the target, synced to the disk, with the target's permissions: only then may it take the
// target's place. False, with errno set, when any step fails.
bool Ecrire(Temporaire& oTemporaire, const std::string& oCible, const std::string& oContenu,
            const struct stat* poAncien, bool bAnonyme = true)
{
    if (!oTemporaire.Ouvrir(oCible, bAnonyme))
        return false;
    const int nFichier = oTemporaire.GetFichier();
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
    if (!bFait || ::fsync(nFichier) != 0)
        return false;
    // Without /proc, an unnamed file cannot be given a name: it is written again under one.
    return oTemporaire.Nommer(oCible) || (bAnonyme && Ecrire(oTemporaire, oCible, oContenu, poAncien, false));
}

std::string CopieNonGardee(const std::string& oSecours, const std::string& oRaison)
{
    return "la copie de secours « " + NomDe(oSecours) + " » n'a pas pu être gardée : " + oRaison;
}

// The previous version becomes "<name>~" in one step: a second name for the same file is made beside it, then
// renamed over the old "~", so that whatever fails leaves the old "~" whole. Where the disk has no second names, a
// copy is written as safely as any file. A "~" that is not a regular file is the user's: it stays. Empty when the
// previous version was kept, else why not.
std::string GarderCopieDeSecours(const std::string& oCible)
{
    const std::string oSecours = oCible + "~";
    struct stat oEtat;
    const bool bPresent = ::lstat(oSecours.c_str(), &oEtat) == 0;
    if (!bPresent && errno != ENOENT)
        return CopieNonGardee(oSecours, RaisonSysteme(errno));
    if (bPresent && S_ISDIR(oEtat.st_mode))
        return CopieNonGardee(oSecours, RaisonSysteme(EISDIR));
    if (bPresent && !S_ISREG(oEtat.st_mode))
        return CopieNonGardee(oSecours, "ce n'est pas un fichier ordinaire");

    // While it waits to be renamed, the second name is a temporary file of "~": the file is locked as one.
    const int nAncien = ::open(oCible.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (nAncien >= 0)
        static_cast<void>(::flock(nAncien, LOCK_EX | LOCK_NB));
    std::string oLien;
    const bool bLie = ChoisirNom(oSecours, oLien, [&oCible](const std::string& oNom) {
        return ::link(oCible.c_str(), oNom.c_str()) == 0;
    });
    std::string oRaison;
    if (bLie && ::rename(oLien.c_str(), oSecours.c_str()) != 0)
    {
        oRaison = RaisonSysteme(errno);
        ::unlink(oLien.c_str());
    }
    if (nAncien >= 0)
        ::close(nAncien);
    if (!bLie)
    {
        const auto oContenu = LireFichier(oCible.c_str(), std::numeric_limits<std::size_t>::max() - 1, oRaison);
        if (oContenu)
            RemplacerFichier(oSecours.c_str(), *oContenu, &oRaison);
    }
    return oRaison.empty() ? oRaison : CopieNonGardee(oSecours, oRaison);
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
        && MemeFichier(oSource, oAncien))
        return Echec(poRaison, "c'est le fichier du personnage lui-même, qui serait perdu");
    // Replacing the file needs no right on it, only on its folder; a file the user made read-only says "leave me".
    if (bExiste && ::access(oCible.c_str(), W_OK) != 0)
        return Echec(poRaison, RaisonSysteme(errno));

    NettoyerTemporaires(oCible.c_str());
    Temporaire oTemporaire;
    if (!Ecrire(oTemporaire, oCible, oContenu, bExiste ? &oAncien : nullptr))
        return Echec(poRaison, errno == ENOENT ? RaisonAcces(oCible, ENOENT) : RaisonSysteme(errno));
    const std::string oAvertissement =
        bExiste && oOptions.mbCopieDeSecours ? GarderCopieDeSecours(oCible) : std::string();
    if (!oTemporaire.Remplacer(oCible))
        return Echec(poRaison, RaisonSysteme(errno));
    SynchroniserDossier(oCible);
    if (!oAvertissement.empty() && oOptions.mpoAvertissement != nullptr)
        *oOptions.mpoAvertissement = oAvertissement;
    return true;
}

void NettoyerTemporaires(const char* fileName)
{
    std::string oCible(fileName == nullptr ? "" : fileName);
    if (oCible.empty() || !SuivreLiens(oCible))
        return;
    const int nDossier = ::open(DossierDe(oCible).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* poDossier = nDossier < 0 ? nullptr : ::fdopendir(nDossier);
    if (poDossier == nullptr)
    {
        if (nDossier >= 0)
            ::close(nDossier);
        return;
    }
    // Removing entries while the folder is read could make its reading skip some.
    std::vector<std::string> oTemporaires;
    const std::string oNom = NomDe(oCible);
    const std::string oSecours = oNom + "~";
    while (const dirent* poEntree = ::readdir(poDossier))
    {
        if (EstTemporaireDe(poEntree->d_name, oNom) || EstTemporaireDe(poEntree->d_name, oSecours))
            oTemporaires.emplace_back(poEntree->d_name);
    }
    for (const std::string& oTemporaire : oTemporaires)
        EnleverSiAbandonne(nDossier, oTemporaire);
    ::closedir(poDossier);
}
