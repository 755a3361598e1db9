#include "CopieRecuperation.h"

#include "disque/FichierAtomique.h"
#include "fichier/FichierPersonnage.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

CopieRecuperation::CopieRecuperation(QObject* poParent)
    : QObject(poParent)
{
    moDelai.setSingleShot(true);
    moDelai.setInterval(kDelaiMs);
    connect(&moDelai, &QTimer::timeout, this, &CopieRecuperation::Ecrire);
    // One writer, so copies reach the disk in the order they were made.
    moEcrivain.setMaxThreadCount(1);
}

CopieRecuperation::~CopieRecuperation() = default;

QString CopieRecuperation::Dossier()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recuperation");
}

void CopieRecuperation::Noter(std::shared_ptr<const EtatPersonnage> poEtat, std::shared_ptr<const Journal> poJournal,
                              const FichierPersonnage::OrigineCopie& oOrigine)
{
    mpoEtat = std::move(poEtat);
    mpoJournal = std::move(poJournal);
    moOrigine = oOrigine;
    // The first edit since the last copy sets the time; the edits that follow ride along.
    if (!moDelai.isActive())
        moDelai.start();
}

void CopieRecuperation::Retirer()
{
    moDelai.stop();
    mpoEtat.reset();
    moEcrivain.waitForDone();
    if (moChemin.isEmpty())
        return;
    // The copy goes before its lock: no other program may find it unlocked.
    QFile::remove(moChemin);
    mpoVerrou.reset();
    moChemin.clear();
}

void CopieRecuperation::Adopter(const QString& oChemin, std::unique_ptr<QLockFile> poVerrou)
{
    Retirer();
    moChemin = oChemin;
    mpoVerrou = std::move(poVerrou);
}

void CopieRecuperation::Ecrire()
{
    if (!mpoEtat)
        return;
    if (moChemin.isEmpty())
    {
        QDir().mkpath(Dossier());
        const QString oChemin =
            Dossier() + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".vexal");
        auto poVerrou = std::make_unique<QLockFile>(oChemin + QStringLiteral(".lock"));
        poVerrou->setStaleLockTime(0);
        // A folder where not even a lock can be made takes no copy either.
        if (!poVerrou->tryLock(0))
        {
            Signaler(poVerrou->error() == QLockFile::PermissionError
                         ? tr("permission refusée dans %1").arg(Dossier())
                         : tr("aucun verrou ne peut être posé dans %1").arg(Dossier()));
            return;
        }
        moChemin = oChemin;
        mpoVerrou = std::move(poVerrou);
    }
    moEcrivain.start([this, poEtat = std::exchange(mpoEtat, nullptr), poJournal = mpoJournal, oOrigine = moOrigine,
                      oCopie = QFile::encodeName(moChemin)] {
        // A copy too large to be read back would keep nothing.
        const std::string oTexte = FichierPersonnage::EcrireCopie({*poEtat, *poJournal}, oOrigine);
        std::string oErreur = FichierPersonnage::RaisonTaille(oTexte);
        const bool bEcrite = oErreur.empty() && RemplacerFichier(oCopie.constData(), oTexte, &oErreur);
        // Told on the copy's own thread; dropped if the copy has gone by then.
        QMetaObject::invokeMethod(this, [this, bEcrite, oRaison = QString::fromStdString(oErreur)] {
            Signaler(bEcrite ? QString() : oRaison);
        }, Qt::QueuedConnection);
    });
}

void CopieRecuperation::Signaler(const QString& oRaison)
{
    if (!oRaison.isEmpty() && !mbEchec)
        emit Echec(oRaison);
    mbEchec = !oRaison.isEmpty();
}
