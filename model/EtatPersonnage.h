#ifndef VEXAL_MODEL_ETATPERSONNAGE_H
#define VEXAL_MODEL_ETATPERSONNAGE_H

#include "enregistrements/Regles.h"

#include <array>
#include <string>
#include <vector>

// A talent or power held, at its level.
struct Niveau
{
    std::string moNom;
    double mfNiveau;
};

// Everything that makes one character, as a value: what a file keeps and what an undo puts back. Talents and
// powers come in byte-wise name order, each name once, as the character keeps them.
struct EtatPersonnage
{
    PERSO meCamp = DEMON;
    std::string moNom;
    std::string moNotes;
    int mnPATotal = 0;
    int mnPA = 0;
    int mnPASecondaire = 0;
    int mnPAConverti = 0;
    int mnGrade = 0;
    std::string moSuperieur;
    std::array<double, AUCUNE> mfCaract{};  // FORCE to FOI
    int mnPP = 0;                          // bought: without what FOI and VOLONTE add
    std::vector<Niveau> moTalents;
    std::vector<Niveau> moPouvoirs;
};

bool operator==(const Niveau& oGauche, const Niveau& oDroite);
bool operator==(const EtatPersonnage& oGauche, const EtatPersonnage& oDroite);
inline bool operator!=(const EtatPersonnage& oGauche, const EtatPersonnage& oDroite)
{
    return !(oGauche == oDroite);
}

#endif
