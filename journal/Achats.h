#ifndef VEXAL_JOURNAL_ACHATS_H
#define VEXAL_JOURNAL_ACHATS_H

#include "journal/Journal.h"
#include "model/EtatPersonnage.h"

#include <cstddef>
#include <string>
#include <vector>

class Personnage;

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

// What the character bought, raised, lowered or gave up between two of its pictures: characteristics, PP, grade,
// superior, talents and powers, each with its price in the character's own catalogues.
std::vector<Achat> Achats(const Personnage& oPerso, const EtatPersonnage& oAvant, const EtatPersonnage& oApres);

// What the nth award bought: from its picture to the next award's, or to the character now for the last one.
std::vector<Achat> AchatsDe(const Personnage& oPerso, const Journal& oJournal, std::size_t nAttribution,
                            const EtatPersonnage& oMaintenant);
// The creation of a character taken over from a file of version 1, whose picture holds what the character had
// bought already: it is no new character of its side with that total.
bool Reprise(const Journal& oJournal, std::size_t nAttribution);

// "Force : 2 → 3 (4 PA dépensés)", "Combat : ajouté à 1,5 (3 PA dépensés, 3 PA secondaires gagnés)".
std::string Ligne(const Achat& oAchat);
// All of them on one line, with what they cost together: "Force 3, Combat 1,5 : 7 PA dépensés".
std::string Resume(const std::vector<Achat>& oAchats);
// What the nth award bought, on one line; a creation taken over from a file of version 1 says so.
std::string ResumeDe(const Personnage& oPerso, const Journal& oJournal, std::size_t nAttribution,
                     const EtatPersonnage& oMaintenant);
// Where the purchases of the nth award count once it is removed; empty when it bought nothing.
std::string DireRetrait(const Personnage& oPerso, const Journal& oJournal, std::size_t nAttribution,
                        const EtatPersonnage& oMaintenant);

#endif
