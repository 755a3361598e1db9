#ifndef VEXAL_EXTENSION_COMPARAISON_H
#define VEXAL_EXTENSION_COMPARAISON_H

#include "extension/Definitions.h"

#include <string>
#include <vector>

class Maison;

// How the extensions a character carries stand against those installed here, each named once, in the order carried.
struct Ecarts
{
    std::vector<IdentiteExtension> moAbsentes;
    // Installed at another revision, or defining a carried entry otherwise: what is carried, and the revision
    // installed.
    std::vector<std::pair<IdentiteExtension, int>> moAutrement;
};

// poInstallee may be null: nothing is installed.
Ecarts Comparer(const std::vector<ContenuExtension>& oPortees, const Maison* poInstallee);
// For the status line: "« Les ombres de Paris » (ombres-de-paris, révision 3) n'est pas installée : le personnage garde
// les définitions qu'il porte". Empty when both agree.
std::string DireEcarts(const Ecarts& oEcarts);

#endif
