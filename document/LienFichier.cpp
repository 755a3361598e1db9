#include "LienFichier.h"

#include "NomFichier.h"

#include <QCoreApplication>
#include <QLockFile>

namespace
{
// Beside the file and hidden: ".perso.vexal.lock" for "perso.vexal".
QString NomDuVerrou(const QString& oNom)
{
    const qsizetype nBarre = oNom.lastIndexOf(QLatin1Char('/'));
    return oNom.left(nBarre + 1) + QLatin1Char('.') + oNom.mid(nBarre + 1) + QStringLiteral(".lock");
}
}

LienFichier::LienFichier() = default;
LienFichier::~LienFichier() = default;

std::unique_ptr<QLockFile> LienFichier::Verrouiller(const QString& oNom, QString& oQui)
{
    oQui.clear();
    // QLockFile takes its name as text: the lock of a name that is not UTF-8 has its stray bytes replaced, the same
    // way in every program.
    auto poVerrou = std::make_unique<QLockFile>(NomDuVerrou(oNom));
    // A lock is only ever left behind by a program that stopped, which QLockFile sees on this machine.
    poVerrou->setStaleLockTime(0);
    if (poVerrou->tryLock(0))
        return poVerrou;
    qint64 nPid = 0;
    QString oHote;
    QString oProgramme;
    if (poVerrou->error() == QLockFile::LockFailedError && poVerrou->getLockInfo(&nPid, &oHote, &oProgramme)
        && nPid != QCoreApplication::applicationPid())
        oQui = QCoreApplication::translate("LienFichier", "le programme %1 (processus %2 sur %3)")
                   .arg(oProgramme, QString::number(nPid), oHote);
    return nullptr;
}

void LienFichier::Attacher(const QString& oNom, std::unique_ptr<QLockFile> poVerrou, const Empreinte& oEmpreinte)
{
    if (poVerrou || oNom != moNom)
        mpoVerrou = std::move(poVerrou);
    moNom = oNom;
    moEmpreinte = oEmpreinte;
}

void LienFichier::Detacher()
{
    mpoVerrou.reset();
    moNom.clear();
    moEmpreinte = {};
}

void LienFichier::Noter()
{
    moEmpreinte = EmpreinteDe(NomFichier::Octets(moNom).constData());
}

bool LienFichier::ChangeSurDisque() const
{
    if (moNom.isEmpty())
        return false;
    const Empreinte oSurDisque = EmpreinteDe(NomFichier::Octets(moNom).constData());
    return oSurDisque.mbExiste && oSurDisque != moEmpreinte;
}
