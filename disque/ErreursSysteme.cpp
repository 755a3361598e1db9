#include "disque/ErreursSysteme.h"

#include <cerrno>
#include <sys/stat.h>

namespace
{
struct Raison
{
    int mnErreur;
    const char* moTexte;
};

// Every error a file's opening, reading, writing, syncing or renaming may meet.
constexpr Raison kRaisons[] = {
    {EACCES,       "permission refusée"},
    {EPERM,        "opération interdite"},
    {ENOENT,       "le fichier ou le dossier n'existe pas"},
    {ENOTDIR,      "un élément du chemin n'est pas un dossier"},
    {EISDIR,       "c'est un dossier"},
    {EROFS,        "le disque est en lecture seule"},
    {ENOSPC,       "le disque est plein"},
    {EDQUOT,       "le quota de disque est atteint"},
    {EFBIG,        "le fichier dépasse la taille permise"},
    {ENAMETOOLONG, "le nom est trop long"},
    {ELOOP,        "trop de liens symboliques (ou une boucle de liens)"},
    {EIO,          "erreur d'entrée-sortie du disque"},
    {EXDEV,        "le fichier et son dossier ne sont pas sur le même disque"},
    {EBUSY,        "le fichier est occupé par le système"},
    {ETXTBSY,      "le fichier est en cours d'exécution"},
    {EEXIST,       "un fichier de ce nom existe déjà"},
    {EMFILE,       "trop de fichiers ouverts par le programme"},
    {ENFILE,       "trop de fichiers ouverts sur le système"},
    {ENOMEM,       "mémoire insuffisante"},
    {EINVAL,       "le système de fichiers refuse cette opération"},
    {ENOTSUP,      "le système de fichiers ne permet pas cette opération"},
    {ENXIO,        "l'appareil n'est pas prêt"},
    {ENODEV,       "l'appareil n'existe pas"},
    {ESTALE,       "le fichier a disparu du disque réseau"},
    {EAGAIN,       "le fichier n'est pas disponible pour l'instant"},
    {EINTR,        "l'opération a été interrompue"},
    {EMLINK,       "trop de liens vers ce fichier"},
    {EOVERFLOW,    "le fichier est trop grand pour être lu"},
};
}

std::string RaisonSysteme(int nErreur)
{
    for (const Raison& oRaison : kRaisons)
    {
        if (oRaison.mnErreur == nErreur)
            return oRaison.moTexte;
    }
    return "erreur du système n° " + std::to_string(nErreur);
}

std::string DossierDe(const std::string& oFichier)
{
    const std::size_t nBarre = oFichier.find_last_of('/');
    if (nBarre == std::string::npos)
        return ".";
    return nBarre == 0 ? "/" : oFichier.substr(0, nBarre);
}

std::string RaisonAcces(const std::string& oFichier, int nErreur)
{
    if (nErreur != ENOENT)
        return RaisonSysteme(nErreur);
    struct stat oDossier;
    if (::stat(DossierDe(oFichier).c_str(), &oDossier) == 0)
        return "le fichier n'existe pas";
    if (errno == ENOENT)
        return "le dossier " + DossierDe(oFichier) + " n'existe pas";
    return RaisonSysteme(errno);
}
