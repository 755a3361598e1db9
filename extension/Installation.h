#ifndef VEXAL_EXTENSION_INSTALLATION_H
#define VEXAL_EXTENSION_INSTALLATION_H

#include "extension/Definitions.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Maison;

// What became of an installed extension file.
enum class EtatExtension
{
    Chargee,
    Refusee,    // the file itself: unreadable, no extension, an entry that cannot stand
    Manquante,  // an extension it requires is not loaded, or at a lower revision
    EnConflit   // with one loaded before it: incompatible, of the same id, or a name both bear
};

// An installed file as read: its name, and its extension or why it holds none.
struct ExtensionLue
{
    std::string moFichier;
    std::optional<Extension> moExtension;
    std::string moRaison;
};

struct EtatFichierExtension
{
    std::string moFichier;
    EtatExtension meEtat = EtatExtension::Chargee;
    std::string moRaison;  // empty when loaded
};

// Every installed file's state, in name order, and the house entries new characters get: none when none is loaded.
struct Installation
{
    std::vector<EtatFichierExtension> moFichiers;
    std::shared_ptr<const Maison> mpoMaison;
};

// The files are taken in name order: of two that cannot go together, the first is loaded and the other is in
// conflict with it. An extension whose requirements are not loaded, or whose powers are reserved to a superior that
// neither the game nor the extensions loaded know, is left out, and the others decided again without it.
Installation Installer(std::vector<ExtensionLue> oLues);

#endif
