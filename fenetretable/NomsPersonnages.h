#ifndef VEXAL_FENETRETABLE_NOMSPERSONNAGES_H
#define VEXAL_FENETRETABLE_NOMSPERSONNAGES_H

#include <QString>

#include <cstddef>
#include <vector>

struct PersonnageTable;

// How the table's window names its characters to the player.
namespace NomsPersonnages
{
// The character's own name, else its file's.
QString Nom(const PersonnageTable& oPersonnage);
// Those from nDepuis on that could not be read, each with why, to follow a message; empty when all were read.
QString Illisibles(const std::vector<PersonnageTable>& oPersonnages, std::size_t nDepuis = 0);
}

#endif
