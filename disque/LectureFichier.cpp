#include "disque/LectureFichier.h"

#include "disque/ErreursSysteme.h"

#include <algorithm>
#include <cerrno>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> LireFichier(const char* fileName, std::size_t nTailleMax, std::string& oRaison)
{
    if (fileName == nullptr || *fileName == '\0')
    {
        oRaison = "aucun nom de fichier";
        return std::nullopt;
    }
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    const int nFichier = ::open(fileName, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (nFichier < 0)
    {
        oRaison = RaisonAcces(fileName, errno);
        return std::nullopt;
    }
    struct stat oEtat;
    if (::fstat(nFichier, &oEtat) != 0)
    {
        oRaison = RaisonSysteme(errno);
        ::close(nFichier);
        return std::nullopt;
    }
    if (!S_ISREG(oEtat.st_mode))
    {
        oRaison = S_ISDIR(oEtat.st_mode) ? RaisonSysteme(EISDIR) : "ce n'est pas un fichier ordinaire";
        ::close(nFichier);
        return std::nullopt;
    }
    std::string oTexte(std::min<std::size_t>(nTailleMax + 1, static_cast<std::size_t>(oEtat.st_size) + 1), '\0');
    std::size_t nLu = 0;
    int nErreur = 0;
    for (;;)
    {
        if (nLu == oTexte.size() && oTexte.size() <= nTailleMax)
            oTexte.resize(std::min(nTailleMax + 1, 2 * oTexte.size()));
        if (nLu == oTexte.size())
            break;
        const ssize_t nFait = ::read(nFichier, oTexte.data() + nLu, oTexte.size() - nLu);
        if (nFait < 0 && errno == EINTR)
            continue;
        if (nFait <= 0)
        {
            nErreur = nFait < 0 ? errno : 0;
            break;
        }
        nLu += static_cast<std::size_t>(nFait);
    }
    ::close(nFichier);
    if (nErreur != 0)
    {
        oRaison = RaisonSysteme(nErreur);
        return std::nullopt;
    }
    oTexte.resize(nLu);
    return oTexte;
}

bool operator==(const Empreinte& oGauche, const Empreinte& oDroite)
{
    const auto Cle = [](const Empreinte& o) {
        return std::tie(o.mbExiste, o.mnAppareil, o.mnNoeud, o.mnTaille, o.mnSecondes, o.mnNanosecondes);
    };
    return Cle(oGauche) == Cle(oDroite);
}

Empreinte EmpreinteDe(const char* fileName)
{
    struct stat oEtat;
    if (fileName == nullptr || ::stat(fileName, &oEtat) != 0)
        return {};
    return {true,
            static_cast<unsigned long long>(oEtat.st_dev),
            static_cast<unsigned long long>(oEtat.st_ino),
            static_cast<long long>(oEtat.st_size),
            static_cast<long long>(oEtat.st_mtim.tv_sec),
            static_cast<long long>(oEtat.st_mtim.tv_nsec)};
}
