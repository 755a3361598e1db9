#ifndef VEXAL_FICHIER_FICHIERPERSONNAGE_H
#define VEXAL_FICHIER_FICHIERPERSONNAGE_H

#include "journal/Journal.h"
#include "model/EtatPersonnage.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

class Maison;
class Personnage;

// What a character file holds: the character, and the journal of its awards.
struct Dossier
{
    EtatPersonnage moEtat;
    Journal moJournal;
    // The version of the file it was read from; 0 for one made here.
    int mnVersionLue = 0;
    // The house entries the character knows, whose definitions the file carries for those it uses; those the file
    // carried, when read. Null for none.
    std::shared_ptr<const Maison> mpoMaison = nullptr;
};

// A character file ends in .vexal and holds the character's state as UTF-8 JSON: the format's name and version
// first, then the state, key by key in a fixed order and indented, then the journal, each award on a line of its own
// with its picture of the character. A version 1 file has no journal: it opens with "Création" alone, of unknown
// date, picturing the character as read, and is written back as version 2.
// A character that uses house entries, now or in a picture of its journal, is written as version 3, with
// "extensions" after the journal: the definitions of those entries, by extension.
namespace FichierPersonnage
{
constexpr const char* kFormat = "vexal-personnage";
// The version of a character of the game's entries alone, and of one that carries house entries.
constexpr int kVersion = 2;
constexpr int kVersionMaison = 3;
constexpr const char* kExtension = ".vexal";
// The largest file read, and written. A campaign of 10,000 awards of a character of 30 talents and powers writes
// about 12.5 Mio; a larger file is not a character's.
constexpr std::size_t kTailleMax = 16 * 1024 * 1024;

std::string Ecrire(const Dossier& oDossier);
// A character with no journal yet: its creation alone.
std::string Ecrire(const EtatPersonnage& oEtat);
// A picture of the journal as the file holds it, on one line: its text depends on the picture alone.
std::string TextePhoto(const EtatPersonnage& oPhoto);
// Why the text cannot be written as a character file: the reader would refuse it for its size. Empty when it can.
std::string RaisonTaille(const std::string& oTexte);

// The character and journal the text holds, read in one pass, or nothing and why: empty, not JSON, cut short, of
// another format or of a newer version, a key missing, unknown, given twice or of the wrong type, an unknown side, a
// name twice, an award after the creation that gives no PA, a carried definition that cannot stand. Whether the rules
// could have reached them is for Creer to say. A web page of a character is read as the file it carries (see
// PageEmbarquee).
std::optional<Dossier> LireDossier(const std::string& oTexte, std::string& oErreur);
std::optional<EtatPersonnage> Lire(const std::string& oTexte, std::string& oErreur);

// Why the journal cannot go with the character, or empty: its sum is not the total, an award's picture is of
// another side, of another total, or one the rules could not have reached with the dossier's house entries, a date
// is no date or goes back in time, or the journal is empty.
std::string VerifierJournal(const Dossier& oDossier);

// A new character of the state's side, with the house entries installed, in that state; null, with why, when the
// rules could not have reached it, or (given a journal) the journal cannot go with it. The definitions a dossier
// carries come over those installed: they are the character's, installed or not.
std::unique_ptr<Personnage> Creer(const EtatPersonnage& oEtat, std::string& oErreur,
                                  const std::shared_ptr<const Maison>& poInstallees = nullptr);
std::unique_ptr<Personnage> Creer(const Dossier& oDossier, std::string& oErreur,
                                  const std::shared_ptr<const Maison>& poInstallees = nullptr);

// A new character of the file's side, in the file's state, with what the file holds in poDossier when given; null,
// with the first problem found, when the file cannot be read (it must be a regular file) or holds no state and
// journal the rules could reach. The bytes read go to poTexte, when given.
std::unique_ptr<Personnage> Ouvrir(const char* fileName, std::string& oErreur, Dossier* poDossier = nullptr,
                                   std::string* poTexte = nullptr,
                                   const std::shared_ptr<const Maison>& poInstallees = nullptr);

// What a file held at one moment: enough to tell later whether somebody wrote it since, and to say when.
struct VersionFichier
{
    long long mnTaille = 0;
    long long mnSecondes = 0;  // last written, in seconds since 1970
    long long mnNanosecondes = 0;
    std::string moHachage;  // SHA-256 of its bytes, in hexadecimal
};

bool operator==(const VersionFichier& oGauche, const VersionFichier& oDroite);

// The file a recovery copy's character belongs to: its name as bytes, empty for a character never saved, and what
// that file held when the edits the copy keeps began, when known.
struct OrigineCopie
{
    std::string moNom;
    std::optional<VersionFichier> moVersion;
};

// A recovery copy is a character file that also names the file the character belongs to ("origine": its bytes,
// with "%" and whatever is not printable ASCII written %XX) and, when known, what that file held ("versionOrigine").
std::string EcrireCopie(const Dossier& oDossier, const OrigineCopie& oOrigine);
std::optional<Dossier> LireCopie(const std::string& oTexte, std::string& oErreur, OrigineCopie& oOrigine);

// Replaces the file whole with the character and its journal, or leaves it as it was and says why: a text too large
// to be read back is not written. The version replaced stays beside it as "<name>~", or poAvertissement, when given,
// says why not. The bytes written go to poTexte, when given.
bool Enregistrer(const Personnage& oPerso, const Journal& oJournal, const char* fileName, std::string& oErreur,
                 std::string* poTexte = nullptr, std::string* poAvertissement = nullptr);
}

#endif
