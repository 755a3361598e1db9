#ifndef VEXAL_FICHIER_PORTEES_H
#define VEXAL_FICHIER_PORTEES_H

#include "extension/Definitions.h"
#include "journal/Journal.h"
#include "model/EtatPersonnage.h"

#include <vector>

class Maison;

// The definitions of the house entries a character uses, now or in a picture of its journal, by extension: the
// extensions in the order of their ids, then revisions and names, each list in name order. A speciality is carried by
// its general talent's definition, a power reserved to a house superior brings that superior's. None when the
// character uses no house entry.
std::vector<ContenuExtension> Portees(const Maison& oMaison, const EtatPersonnage& oEtat, const Journal& oJournal);

#endif
