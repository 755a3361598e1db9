#ifndef VEXAL_FICHIER_FICHIEREXTENSION_H
#define VEXAL_FICHIER_FICHIEREXTENSION_H

#include "extension/Installation.h"

#include <cstddef>
#include <string>

// An extension file ends in .vexal-extension and holds, as UTF-8 JSON, the format's name and version, the extension's
// id, name and revision, who made it and what it is, the extensions it requires or cannot go with, then its
// superiors, talents and powers.
namespace FichierExtension
{
constexpr const char* kFormat = "vexal-extension";
constexpr int kVersion = 1;
constexpr const char* kExtension = ".vexal-extension";
// Thousands of entries with their descriptions; a larger file is not an extension.
constexpr std::size_t kTailleMax = 4 * 1024 * 1024;

// The extension the text of the file oFichier holds, or why none, the reason beginning with the file's name: not
// JSON, another format or a newer version, a key missing, unknown, twice or of the wrong kind, an id, name or revision
// that cannot be, an entry that cannot stand on its own.
ExtensionLue Lire(const std::string& oFichier, const std::string& oTexte);
// The same from a regular file, named by the last part of its name.
ExtensionLue Ouvrir(const char* fileName);
}

#endif
