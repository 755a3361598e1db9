#ifndef VEXAL_RECUPERATION_COPIERECUPERATION_H
#define VEXAL_RECUPERATION_COPIERECUPERATION_H

#include "fichier/FichierPersonnage.h"
#include "journal/Journal.h"
#include "model/EtatPersonnage.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class QLockFile;

// The recovery copy of one character with unsaved changes: written to the user's data folder a moment after each
// edit, so that a crash or a power cut loses at most that moment, and gone once the character is saved or let go.
// The writing runs on a thread of its own, so an edit never waits for the disk. While the copy exists, a lock beside
// it tells other VEXAL programs that this one is alive and will not offer it back.
class CopieRecuperation : public QObject
{
    Q_OBJECT

public:
    // From an edit to its copy on disk, at most.
    static constexpr int kDelaiMs = 1000;

    explicit CopieRecuperation(QObject* poParent = nullptr);
    // Waits for a copy being written; the copy itself stays, for a character that goes without being saved or let
    // go is one the program lost.
    ~CopieRecuperation() override;

    // The folder of every program's copies.
    static QString Dossier();

    // The character now stands in this state, tied to the file of these bytes (none for none): a copy will hold it
    // shortly.
    void Noter(std::shared_ptr<const EtatPersonnage> poEtat, std::shared_ptr<const Journal> poJournal,
               const FichierPersonnage::OrigineCopie& oOrigine);
    // The character is saved or let go: its copy goes.
    void Retirer();
    // Carries on with a copy left by a program that stopped, whose lock this program holds now.
    void Adopter(const QString& oChemin, std::unique_ptr<QLockFile> poVerrou);
    // The copy as it stands on disk; empty while there is none.
    QString Chemin() const { return moChemin; }

signals:
    // The copy could not be written, for this reason: told once, until a copy is written again.
    void Echec(const QString& oRaison);

private:
    void Ecrire();
    void Signaler(const QString& oRaison);

    std::shared_ptr<const EtatPersonnage> mpoEtat;
    std::shared_ptr<const Journal> mpoJournal;
    FichierPersonnage::OrigineCopie moOrigine;
    QString moChemin;
    std::unique_ptr<QLockFile> mpoVerrou;
    QTimer moDelai;
    QThreadPool moEcrivain;
    bool mbEchec = false;  // the last copy could not be written, and the player was told
};

#endif
