#ifndef VEXAL_JOURNAL_JOURNAL_H
#define VEXAL_JOURNAL_JOURNAL_H

#include "model/EtatPersonnage.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class Personnage;

// One award of PA: when (AAAA-MM-JJ, empty when unknown), how many (negative for a correction), why, and the
// character as it stood just after it was granted, without its name and notes. What the award bought is read from
// that picture and the next one: nothing is entered by hand, so the journal never disagrees with the sheet.
struct Attribution
{
    std::string moDate;
    int mnPA = 0;
    std::string moRaison;
    std::shared_ptr<const EtatPersonnage> mpoEtat;
};

bool operator==(const Attribution& oGauche, const Attribution& oDroite);

// The awards from the character's creation on; their sum is always the character's total PA.
using Journal = std::vector<Attribution>;

namespace Journaux
{
constexpr const char* kCreation = "Création";
constexpr const char* kAjustement = "Ajustement";

// The character as an award keeps it.
std::shared_ptr<const EtatPersonnage> Photo(EtatPersonnage oEtat);
// A journal of one entry, "Création", holding the character's total as it stands.
Journal Commencer(const EtatPersonnage& oEtat, const std::string& oDate);
// The PA of the awards up to and including the nth.
long long Somme(const Journal& oJournal, std::size_t nJusqua);
// AAAA-MM-JJ, a day that exists.
bool DateValide(const std::string& oDate);
// Why the date cannot stand at that place of the journal: not a date, no such day, or going back in time from the
// awards before it or, with bSuite, to those after it. Empty when it can.
std::string RaisonDate(const Journal& oJournal, std::size_t nPlace, const std::string& oDate, bool bSuite = true);
// An amount of PA with its sign, a correction with a true minus: "+5 PA", "−3 PA".
std::string PA(long long nPA);
// The nth award as a sentence names it: "la création", "l'attribution du 2026-11-02 (« Séance 3 »)".
std::string Nommer(const Journal& oJournal, std::size_t nAttribution);
// The PA the character had left once the nth award's purchases were made: until the next award, or now.
long long PARestant(const Journal& oJournal, std::size_t nAttribution, int nPAActuels);

// The operations of the game master and the player, each on the character and its journal together; each says why
// it was refused, and then changes nothing.
std::string Accorder(Personnage& oPerso, Journal& oJournal, const std::string& oDate, int nPA,
                     const std::string& oRaison);
// An award's PA go only if they are unspent, now and in every picture since.
std::string Retirer(Personnage& oPerso, Journal& oJournal, std::size_t nAttribution);
// The total PA set by hand. With "Création" alone, it changes; else an "Ajustement" of today comes, or the last one
// changes when bFusion says the previous change was one, and goes when it no longer gives or takes any PA.
std::string Ajuster(Personnage& oPerso, Journal& oJournal, int nTotal, const std::string& oDate, bool bFusion);
// What Ajuster did to the journal, for the player: "Ajustement de +5 PA ajouté au journal"; empty when only the
// creation changed.
std::string DireAjustement(const Journal& oAvant, const Journal& oApres);
}

#endif
