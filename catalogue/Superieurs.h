#ifndef VEXAL_CATALOGUE_SUPERIEURS_H
#define VEXAL_CATALOGUE_SUPERIEURS_H

#include "enregistrements/Regles.h"

#include <string>
#include <vector>

// The superiors a character of this side may serve, in the program's own order (not sorted): the demon princes,
// the archangels, and none for any other side.
const std::vector<std::string>& ListeSuperieurs(PERSO eCamp);

#endif
