#ifndef VEXAL_BENCH_FICHEPLEINE_H
#define VEXAL_BENCH_FICHEPLEINE_H

#include <limits>

class Fiche;

constexpr int kToutesLesLignes = std::numeric_limits<int>::max();

// Fills the sheet as a player would: total PA raised to 999, then talents and powers picked in their lists
// and added with the sheet's own commands, each with its row, until the columns hold at least nLignes rows
// or everything the character can hold is there. Returns the number of rows.
int RemplirFiche(Fiche& oFiche, int nLignes = kToutesLesLignes);

int CompterLignes(const Fiche& oFiche);

#endif
