#ifndef VEXAL_FICHIER_MOTSFICHIER_H
#define VEXAL_FICHIER_MOTSFICHIER_H

// The words the program's files write for the game's values, each at the place of the value it stands for.
namespace MotsFichier
{
constexpr const char* kCaracteristiques[] = {"FORCE", "AGILITE", "PERCEPTION", "PRESENCE", "VOLONTE", "FOI", "AUCUNE"};
constexpr const char* kCamps[] = {"demon", "ange"};
}

#endif
