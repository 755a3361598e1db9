#ifndef VEXAL_JOURNAL_ACHATS_H
#define VEXAL_JOURNAL_ACHATS_H

#include "model/EtatPersonnage.h"

#include <string>
#include <vector>

// One change between two pictures of a character: what changed, from what to what, and what it cost (negative: what
// it gave back).
struct Achat
{
    std::string moQuoi;
    std::string moAvant;  // empty: added
    std::string moApres;  // empty: removed
    int mnPA = 0;
    int mnPASecondaire = 0;
};

// What the character bought, raised, lowered or gave up between two pictures of the same side: characteristics,
// PP, grade, superior, talents and powers, each with its price.
std::vector<Achat> Achats(const EtatPersonnage& oAvant, const EtatPersonnage& oApres);

// "Force : 2 → 3 (4 PA)", "Combat : ajouté à 1,5 (3 PA, 3 PA secondaires gagnés)".
std::string Ligne(const Achat& oAchat);
// All of them on one line, with what they cost together: "Force 3, Combat 1,5 : 7 PA".
std::string Resume(const std::vector<Achat>& oAchats);

#endif
