#include "LienFichier.h"

#include "NomFichier.h"
#include "VersionFichiers.h"

#include <QCoreApplication>
#include <QLockFile>

#include <sys/stat.h>

namespace
{
QString Tr(const char* oTexte)
{
    return QCoreApplication::translate("LienFichier", oTexte);
}

// Beside the file and hidden: ".perso.vexal.lock" for "perso.vexal".
QString NomDuVerrou(const QString& oNom)
{
    const qsizetype nBarre = oNom.lastIndexOf(QLatin1Char('/'));
    return oNom.left(nBarre + 1) + QLatin1Char('.') + oNom.mid(nBarre + 1) + QStringLiteral(".lock");
}

// A lock is a file of its own: a link or a folder in its place could be anybody's, and is never taken over.
QString RaisonAutreChose(const QString& oVerrou)
{
    struct stat oEtat;
    if (::lstat(NomFichier::Octets(oVerrou).constData(), &oEtat) != 0 || S_ISREG(oEtat.st_mode))
        return {};
    const QString oQuoi = S_ISDIR(oEtat.st_mode) ? Tr("c'est un dossier")
        : S_ISLNK(oEtat.st_mode)                ? Tr("c'est un lien")
                                                : Tr("ce n'est pas un fichier ordinaire");
    return Tr("le verrou « %1 » ne peut pas servir : %2").arg(oVerrou, oQuoi);
}
}

LienFichier::LienFichier() = default;
LienFichier::~LienFichier() = default;

Verrou LienFichier::Verrouiller(const QString& oNom)
{
    Verrou oVerrou;
    const QString oChemin = NomDuVerrou(NomFichier::Canonique(oNom));
    oVerrou.moRaison = RaisonAutreChose(oChemin);
    if (!oVerrou.moRaison.isEmpty())
        return oVerrou;
    // QLockFile takes its name as text: the lock of a name that is not UTF-8 has its stray bytes replaced, the same
    // way in every program.
    auto poVerrou = std::make_unique<QLockFile>(oChemin);
    // A lock is only ever left behind by a program that stopped, which QLockFile sees on this machine.
    poVerrou->setStaleLockTime(0);
    if (poVerrou->tryLock(0))
    {
        oVerrou.mpoFichier = std::move(poVerrou);
        return oVerrou;
    }
    qint64 nPid = 0;
    QString oHote;
    QString oProgramme;
    const bool bLisible = poVerrou->getLockInfo(&nPid, &oHote, &oProgramme);
    // Nothing readable in it: a lock cut short, which no running program holds once QLockFile may remove it.
    if (poVerrou->error() == QLockFile::LockFailedError && !bLisible && poVerrou->removeStaleLockFile()
        && poVerrou->tryLock(0))
    {
        oVerrou.mpoFichier = std::move(poVerrou);
        return oVerrou;
    }
    if (bLisible && poVerrou->error() == QLockFile::LockFailedError)
    {
        if (nPid != QCoreApplication::applicationPid())
            oVerrou.moQui = Tr("le programme %1 (processus %2 sur %3)").arg(oProgramme, QString::number(nPid), oHote);
        return oVerrou;
    }
    oVerrou.moRaison = poVerrou->error() == QLockFile::PermissionError
        ? Tr("aucun verrou ne peut être posé à côté de lui (permission refusée)")
        : Tr("le verrou « %1 » ne peut pas être posé").arg(oChemin);
    return oVerrou;
}

void LienFichier::Attacher(const QString& oNom, std::unique_ptr<QLockFile> poVerrou, const Empreinte& oEmpreinte,
                           std::optional<FichierPersonnage::VersionFichier> oVersion)
{
    if (poVerrou || oNom != moNom)
        mpoVerrou = std::move(poVerrou);
    moNom = oNom;
    moEmpreinte = oEmpreinte;
    moVersion = std::move(oVersion);
}

void LienFichier::Noter(const std::string& oTexte)
{
    moEmpreinte = EmpreinteDe(NomFichier::Octets(moNom).constData());
    moVersion = VersionDe(moEmpreinte, oTexte);
}

bool LienFichier::ChangeSurDisque() const
{
    if (moNom.isEmpty())
        return false;
    const Empreinte oSurDisque = EmpreinteDe(NomFichier::Octets(moNom).constData());
    return oSurDisque.mbExiste && oSurDisque != moEmpreinte;
}

void LienFichier::Relacher()
{
    mpoVerrou.reset();
}

Verrou LienFichier::Reprendre()
{
    if (moNom.isEmpty() || mpoVerrou)
        return {};
    Verrou oVerrou = Verrouiller(moNom);
    mpoVerrou = std::move(oVerrou.mpoFichier);
    return oVerrou;
}
