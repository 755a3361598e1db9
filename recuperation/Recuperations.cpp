#include "Recuperations.h"

#include "CopieRecuperation.h"
#include "disque/LectureFichier.h"
#include "fichier/FichierPersonnage.h"
#include "model/Personnage.h"

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
        CopieOrpheline oCopie{oFichier.filePath(), std::move(poVerrou), oFichier.lastModified(), {}, {}, {}, {}};
        Lire(oCopie);
        oCopies.push_back(std::move(oCopie));
    }
    return oCopies;
}

void Supprimer(CopieOrpheline& oCopie)
{
    QFile::remove(oCopie.moChemin);
    oCopie.mpoVerrou.reset();
}
