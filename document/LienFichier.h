#ifndef VEXAL_DOCUMENT_LIENFICHIER_H
#define VEXAL_DOCUMENT_LIENFICHIER_H

#include "disque/LectureFichier.h"
#include "fichier/FichierPersonnage.h"

#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// The lock beside a file, which tells other VEXAL programs the file is open here: taken, held by another program
// (named in moQui), or of no use (why in moRaison): the file can still be opened, unprotected.
struct Verrou
{
    std::unique_ptr<QLockFile> mpoFichier;
    QString moQui;
    QString moRaison;
};

// The file a character is tied to: its name, its lock, and what the file held when this program last read or wrote
// it, which tells whether anybody else wrote it since. Names are those of NomFichier, bytes kept, absolute and with
// every link resolved, so that two roads to one file are one file.
class LienFichier
{
public:
    LienFichier();
    LienFichier(const LienFichier&) = delete;
    LienFichier& operator=(const LienFichier&) = delete;
    ~LienFichier();

    // The lock of the file oNom leads to, taken for this program. A lock this program holds already counts as free;
    // one left by a program that has stopped, or holding nothing readable, is taken over.
    static Verrou Verrouiller(const QString& oNom);

    const QString& Nom() const { return moNom; }
    // Ties the character to oNom, as it was on disk in oEmpreinte, holding oVersion when known; the lock goes with
    // it (kept when the name is the same and none is given).
    void Attacher(const QString& oNom, std::unique_ptr<QLockFile> poVerrou, const Empreinte& oEmpreinte,
                  std::optional<FichierPersonnage::VersionFichier> oVersion);
    // The file holds oTexte, as this program just wrote it: no change on disk is anybody else's.
    void Noter(const std::string& oTexte);
    // What the file held when this program last read or wrote it, when known.
    const std::optional<FichierPersonnage::VersionFichier>& Version() const { return moVersion; }
    // Somebody else wrote the file since this program read or wrote it. A file gone from the disk has lost nothing
    // a save could overwrite.
    bool ChangeSurDisque() const;
    // Other programs may open the file unwarned while nothing unsaved keeps it here; a lock taken again may be
    // another program's by then, named in the answer.
    void Relacher();
    bool EstVerrouille() const { return mpoVerrou != nullptr; }
    Verrou Reprendre();

private:
    QString moNom;
    std::unique_ptr<QLockFile> mpoVerrou;
    Empreinte moEmpreinte;
    std::optional<FichierPersonnage::VersionFichier> moVersion;
};

#endif
