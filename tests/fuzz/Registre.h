#ifndef VEXAL_TESTS_FUZZ_REGISTRE_H
#define VEXAL_TESTS_FUZZ_REGISTRE_H

#include "model/Personnage.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// What the game's tables say of a name that a player may type. Names outside the side's catalogue are asked
// for as well, and must never be held.
struct NomTalent
{
    std::string moNom;
    bool mbAuCatalogue;
    PRIORITE mePriorite;
    CARACT meCaract;
    bool mbLangue;
    int mnSpecialite;  // index of "Nom(Spe)" among the names, -1 when the talent has no speciality
};

struct NomPouvoir
{
    std::string moNom;
    bool mbAuCatalogue;
    int mnCout;
    bool mbInvariable;
    std::string moSuperieur;
};

// Every name a test asks for on one side: the side's catalogues, the house entries among them, then names from
// elsewhere.
struct Catalogue
{
    PERSO meCote;
    std::vector<NomTalent> moTalents;
    std::vector<NomPouvoir> moPouvoirs;
    std::vector<std::string> moSuperieurs;
    std::shared_ptr<const Maison> mpoMaison;
    std::vector<int> mnTalentsMaison;  // indexes of the house's names
    std::vector<int> mnPouvoirsMaison;
};

Catalogue FaireCatalogue(PERSO eCote, std::shared_ptr<const Maison> poMaison = nullptr);
std::unique_ptr<Personnage> Creer(PERSO eCote, std::shared_ptr<const Maison> poMaison = nullptr);
// An extension drawn from the seed, installed alone: talents of every priority and characteristic, languages and
// specialities among them, powers of either side or both at prices up to 99, invariable ones, some reserved to a
// superior of the game or to one of the two it adds.
std::shared_ptr<const Maison> MaisonAleatoire(std::uint32_t nGraine);

struct Soldes
{
    int mnPA;
    int mnPASecondaire;
    int mnPAConverti;
};

// The level of a talent or power not held: no level, even a wrong one, can be mistaken for it.
constexpr float kNonTenu = -std::numeric_limits<float>::infinity();

// What the player set on the sheet.
struct Choix
{
    int mnPATotal;
    int mnPPAchetes;
    int mnGrade;
    std::string moSuperieur;
    std::array<float, AUCUNE + 1> mfCaract;
    std::vector<float> mfTalents;
    std::vector<double> mfPouvoirs;
};

bool operator==(const Soldes& oGauche, const Soldes& oDroite);
bool operator==(const Choix& oGauche, const Choix& oDroite);

struct Etat
{
    Soldes moSoldes;
    Choix moChoix;
    int mnPPValue;
    std::array<int, 5> mnDerives;  // PF, BL, BG, BF, MS
    std::string moLienFaux;        // the first talent whose speciality link is wrong
};

// Reads the character through its public accessors only, by every name of the catalogue.
Etat Lire(Personnage& oPerso, const Catalogue& oCatalogue);

// Only a direct call sets a superior from another side or from nowhere; the character's check refuses it.
bool SuperieurEtranger(const Personnage& oPerso, const EtatPersonnage& oEtat);

// The first rule of the game that the character breaks, empty when it keeps them all: its own check of its state
// (the point ledger, the ranges and the grade's caps), then what that state leaves out: nothing held outside the
// catalogue, the links of general talents to their specialities, and the derived values. oEtat is the character
// as Lire read it.
std::string Ecart(const Personnage& oPerso, const Etat& oEtat, const Catalogue& oCatalogue);

std::string Decrire(const Etat& oEtat, const Catalogue& oCatalogue);
const char* NomCaract(CARACT eCaract);

#endif
