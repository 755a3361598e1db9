#ifndef VEXAL_FICHIER_FICHIERPERSONNAGE_H
#define VEXAL_FICHIER_FICHIERPERSONNAGE_H

#include "model/EtatPersonnage.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

class Personnage;

// A character file ends in .vexal and holds the character's state as UTF-8 JSON: the format's name and version
// first, then the state, key by key in a fixed order.
namespace FichierPersonnage
{
constexpr const char* kFormat = "vexal-personnage";
constexpr int kVersion = 1;
constexpr const char* kExtension = ".vexal";
// No character comes near this; a larger file is not one.
constexpr std::size_t kTailleMax = 1024 * 1024;

std::string Ecrire(const EtatPersonnage& oEtat);

// The state the text holds, or nothing and why: empty, not JSON, cut short, of another format or of a newer
// version, a key missing or of the wrong type, an unknown side, a name twice. Whether the rules could have reached
// that state is for the character to say (Personnage::Verifier).
std::optional<EtatPersonnage> Lire(const std::string& oTexte, std::string& oErreur);

// A new character of the state's side, in that state; null, with why, when the rules could not have reached it.
std::unique_ptr<Personnage> Creer(const EtatPersonnage& oEtat, std::string& oErreur);

// A new character of the file's side, in the file's state; null, with the first problem found, when the file
// cannot be read (it must be a regular file) or holds no state the rules could reach.
std::unique_ptr<Personnage> Ouvrir(const char* fileName, std::string& oErreur);

// A recovery copy is a character file that also names the file the character belongs to ("origine": its bytes,
// with "%" and whatever is not printable ASCII written %XX; empty for a character never saved).
std::string EcrireCopie(const EtatPersonnage& oEtat, const std::string& oOrigine);
std::optional<EtatPersonnage> LireCopie(const std::string& oTexte, std::string& oErreur, std::string& oOrigine);

// Replaces the file whole with the character, or leaves it as it was and says why. The version replaced stays beside
// it as "<name>~".
bool Enregistrer(const Personnage& oPerso, const char* fileName, std::string& oErreur);
}

#endif
