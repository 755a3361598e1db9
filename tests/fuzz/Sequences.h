#ifndef VEXAL_TESTS_FUZZ_SEQUENCES_H
#define VEXAL_TESTS_FUZZ_SEQUENCES_H

#include "Registre.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One call on the character, kept as data so that a failing sequence can be replayed and shortened.
struct Operation
{
    int mnGeste;          // row of the table of calls
    int mnNom;            // index among the catalogue's talents, powers or superiors, as the call takes
    std::string moNom;
    CARACT meCaract;
    PRIORITE mePriorite;  // what AjouterTalentBase is told, and must ignore
    int mnMontant;        // steps, PA or PP; the grade for SetGrade
};

// The same seed draws the same calls, on any machine.
std::vector<Operation> Tirer(std::uint32_t nGraine, int nOperations, const Catalogue& oCatalogue);

struct Echec
{
    std::string moRegle;       // empty when every call kept every rule
    std::size_t mnOperations;  // calls made up to the first broken rule
    Etat moEtat;               // the character as the last call left it
};

// Plays the calls on a new character, checking the rules after each one.
Echec Rejouer(const std::vector<Operation>& oOperations, const Catalogue& oCatalogue);

// The shortest part of a failing sequence found to break the same rule, with amounts as small as will do.
std::vector<Operation> Reduire(std::vector<Operation> oOperations, const Catalogue& oCatalogue);

// The calls as C++ to paste into a test.
std::string Decrire(const std::vector<Operation>& oOperations, const Catalogue& oCatalogue);

#endif
