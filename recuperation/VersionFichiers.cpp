#include "VersionFichiers.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace
{
std::string Hachage(const std::string& oTexte)
{
    return QCryptographicHash::hash(QByteArrayView(oTexte.data(), static_cast<qsizetype>(oTexte.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}
}

FichierPersonnage::VersionFichier VersionDe(const Empreinte& oEmpreinte, const std::string& oTexte)
{
    return {static_cast<long long>(oTexte.size()), oEmpreinte.mnSecondes, oEmpreinte.mnNanosecondes, Hachage(oTexte)};
}

bool TientEncore(const std::string& oNom, const FichierPersonnage::VersionFichier& oVersion)
{
    const Empreinte oEmpreinte = EmpreinteDe(oNom.c_str());
    if (!oEmpreinte.mbExiste || oEmpreinte.mnTaille != oVersion.mnTaille)
        return false;
    if (oEmpreinte.mnSecondes == oVersion.mnSecondes && oEmpreinte.mnNanosecondes == oVersion.mnNanosecondes)
        return true;
    // Written again, perhaps with the same bytes: a save that changed nothing leaves nothing to lose.
    std::string oRaison;
    const std::optional<std::string> oTexte = LireFichier(oNom.c_str(), FichierPersonnage::kTailleMax, oRaison);
    return oTexte && Hachage(*oTexte) == oVersion.moHachage;
}
