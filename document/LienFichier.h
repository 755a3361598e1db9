#ifndef VEXAL_DOCUMENT_LIENFICHIER_H
#define VEXAL_DOCUMENT_LIENFICHIER_H

#include "disque/LectureFichier.h"

#include <QString>

#include <memory>

class QLockFile;

// The file a character is tied to: its name, the lock beside it that tells other VEXAL programs the file is open
// here, and the file's footprint when this program last read or wrote it, which tells whether anybody else wrote it
// since. Names are those of NomFichier, bytes kept.
class LienFichier
{
public:
    LienFichier();
    LienFichier(const LienFichier&) = delete;
    LienFichier& operator=(const LienFichier&) = delete;
    ~LienFichier();

    // The lock of oNom, taken for this program; none when another program holds it, named then in oQui, or when no
    // lock can be made there (a read-only folder): the file can still be opened. A lock this program holds already
    // counts as free, and a lock left by a program that has stopped is taken over.
    static std::unique_ptr<QLockFile> Verrouiller(const QString& oNom, QString& oQui);

    const QString& Nom() const { return moNom; }
    // Ties the character to oNom, as it was on disk in oEmpreinte; the lock goes with it (kept when the name is the
    // same and none is given).
    void Attacher(const QString& oNom, std::unique_ptr<QLockFile> poVerrou, const Empreinte& oEmpreinte);
    void Detacher();
    // The file is as this program last wrote it: no change on disk is anybody else's.
    void Noter();
    // Somebody else wrote the file since this program read or wrote it. A file gone from the disk has lost nothing
    // a save could overwrite.
    bool ChangeSurDisque() const;

private:
    QString moNom;
    std::unique_ptr<QLockFile> mpoVerrou;
    Empreinte moEmpreinte;
};

#endif
