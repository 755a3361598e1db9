#include "Recuperations.h"

#include "CopieRecuperation.h"
#include "VersionFichiers.h"
#include "disque/Chemins.h"
#include "disque/LectureFichier.h"
#include "fichier/FichierPersonnage.h"
#include "fichier/PageEmbarquee.h"
#include "model/Personnage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>

namespace
{
// What the copy holds, as a character the rules could have reached, or why not.
void Lire(CopieOrpheline& oCopie)
{
    std::string oErreur;
    const std::optional<std::string> oTexte =
        LireFichier(QFile::encodeName(oCopie.moChemin).constData(), FichierPersonnage::kTailleMax, oErreur);
    FichierPersonnage::OrigineCopie oOrigine;
    std::optional<Dossier> oDossier;
    if (oTexte && oTexte->size() > FichierPersonnage::kTailleMax)
        oErreur = "la copie est trop grande pour être celle d'un personnage";
    else if (oTexte)
        oDossier = FichierPersonnage::LireCopie(*oTexte, oErreur, oOrigine);
    if (oDossier && FichierPersonnage::Creer(*oDossier, oErreur))
    {
        oCopie.moEtat = std::move(oDossier->moEtat);
        oCopie.moJournal = std::move(oDossier->moJournal);
    }
    oCopie.moOrigine = std::move(oOrigine);
    oCopie.moErreur = QString::fromStdString(oErreur);
}

// A copy goes back only to a character file, and never to a copy: an origin written by hand or by another program
// could name anything.
QString RaisonOrigine(const std::string& oNom)
{
    const QString oMontre = QFile::decodeName(QByteArray::fromStdString(oNom));
    if (oNom.front() != '/')
        return QCoreApplication::translate("Recuperations", "« %1 » n'est pas un chemin complet").arg(oMontre);
    const std::string oDossier = CheminCanonique(QFile::encodeName(CopieRecuperation::Dossier()).toStdString()) + "/";
    if (CheminCanonique(oNom).compare(0, oDossier.size(), oDossier) == 0)
        return QCoreApplication::translate("Recuperations", "« %1 » est une copie de récupération").arg(oMontre);
    if (!EmpreinteDe(oNom.c_str()).mbExiste)
        return {};
    std::string oErreur;
    std::string oTexte;
    // A page gives its character, but the copy's would be saved over it.
    if (FichierPersonnage::Ouvrir(oNom.c_str(), oErreur, nullptr, &oTexte))
        return PageEmbarquee::EstPage(oTexte)
            ? QCoreApplication::translate("Recuperations", "« %1 » est une page web").arg(oMontre)
            : QString();
    return QCoreApplication::translate("Recuperations", "« %1 » n'est pas une fiche de personnage : %2")
        .arg(oMontre, QString::fromStdString(oErreur));
}

void Comparer(CopieOrpheline& oCopie)
{
    const std::string& oNom = oCopie.moOrigine.moNom;
    if (oNom.empty())
        return;
    oCopie.moRaisonOrigine = RaisonOrigine(oNom);
    const Empreinte oEmpreinte = EmpreinteDe(oNom.c_str());
    if (!oCopie.moRaisonOrigine.isEmpty() || !oEmpreinte.mbExiste)
        return;
    oCopie.mbOrigineChangee = !oCopie.moOrigine.moVersion || !TientEncore(oNom, *oCopie.moOrigine.moVersion);
    oCopie.moDateOrigine = QDateTime::fromSecsSinceEpoch(oEmpreinte.mnSecondes);
}
}

std::vector<CopieOrpheline> CopiesOrphelines()
{
    std::vector<CopieOrpheline> oCopies;
    const QDir oDossier(CopieRecuperation::Dossier());
    for (const QFileInfo& oFichier :
         oDossier.entryInfoList({QStringLiteral("*.vexal")}, QDir::Files, QDir::Time | QDir::Reversed))
    {
        auto poVerrou = std::make_unique<QLockFile>(oFichier.filePath() + QStringLiteral(".lock"));
        poVerrou->setStaleLockTime(0);
        // Held: the program that writes this copy is running.
        if (!poVerrou->tryLock(0))
            continue;
        CopieOrpheline oCopie;
        oCopie.moChemin = oFichier.filePath();
        oCopie.mpoVerrou = std::move(poVerrou);
        oCopie.moDate = oFichier.lastModified();
        Lire(oCopie);
        if (oCopie.moEtat)
            Comparer(oCopie);
        oCopies.push_back(std::move(oCopie));
    }
    return oCopies;
}

void Supprimer(CopieOrpheline& oCopie)
{
    QFile::remove(oCopie.moChemin);
    oCopie.mpoVerrou.reset();
}
