#ifndef VEXAL_BENCH_PERSONNAGEPLEIN_H
#define VEXAL_BENCH_PERSONNAGEPLEIN_H

class Personnage;

// The character of a long session: total PA at 999, every talent of its catalogue and every power it may hold
// (202 for a demon without superior).
void RemplirPersonnage(Personnage& oPerso);

#endif
