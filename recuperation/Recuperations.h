#ifndef VEXAL_RECUPERATION_RECUPERATIONS_H
#define VEXAL_RECUPERATION_RECUPERATIONS_H

#include "fichier/FichierPersonnage.h"
#include "journal/Journal.h"
#include "model/EtatPersonnage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// A recovery copy left by a program that did not end normally, locked now for this program.
struct CopieOrpheline
{
    QString moChemin;
    std::unique_ptr<QLockFile> mpoVerrou;
    QDateTime moDate;  // when it was last written
    // What it holds, or why it cannot be read.
    std::optional<EtatPersonnage> moEtat;
    Journal moJournal;
    // The file the character belongs to, and what it held when the copy's edits began.
    FichierPersonnage::OrigineCopie moOrigine;
    QString moErreur;
    // Why the character cannot go back to that file, which it then leaves alone: empty when it can.
    QString moRaisonOrigine;
    // Somebody wrote the file since the copy's edits began, last on moDateOrigine: saving the copy would replace
    // that.
    bool mbOrigineChangee = false;
    QDateTime moDateOrigine;
};

// The copies whose program has stopped, oldest first; a copy that another running program keeps is never among them.
std::vector<CopieOrpheline> CopiesOrphelines();
// Removes the copy from the disk, and its lock.
void Supprimer(CopieOrpheline& oCopie);

#endif
