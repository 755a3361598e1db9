#ifndef VEXAL_FICHIER_PAGEEMBARQUEE_H
#define VEXAL_FICHIER_PAGEEMBARQUEE_H

#include <optional>
#include <string>

// A web page of a character carries the character file itself, in an element of its own, so that the program opens
// the page as it opens the file. Every "<" of the file is written \u003c there: no text of the character can end the
// element, and JSON reads \u003c as "<".
namespace PageEmbarquee
{
// The element's opening tag, exactly as written: a page holds it once.
constexpr const char* kOuverture = "<script type=\"application/json\" id=\"vexal-personnage\">";

// Whether the text is a page rather than a character file: a JSON value never begins with "<".
bool EstPage(const std::string& oTexte);

// The element that carries the character file.
std::string Embarquer(const std::string& oFichier);

// The character file the page carries, byte for byte as it was embedded; or nothing and why: the page holds no
// character, more than one, or one cut short.
std::optional<std::string> Extraire(const std::string& oPage, std::string& oErreur);
}

#endif
