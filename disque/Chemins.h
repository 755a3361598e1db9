#ifndef VEXAL_DISQUE_CHEMINS_H
#define VEXAL_DISQUE_CHEMINS_H

#include <string>

// Follows oCible from link to link to the name at the end, which need not exist: writing through a link must write
// the file it leads to. False, with errno set, when a link cannot be read or the links go round.
bool SuivreLiens(std::string& oCible);

// The one name of the file oNom means, whatever road led to it: absolute, every link resolved, "." and ".." gone,
// its bytes kept as given. A file not made yet is named in its folder's canonical path. Never fails: when even the
// folder cannot be resolved (missing, unreadable), the absolute name is cleaned by its letters alone, where "a/.."
// may then not be where a link "a" leads. An empty name stays empty: it names no file.
std::string CheminCanonique(const std::string& oNom);

#endif
