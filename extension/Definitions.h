#ifndef VEXAL_EXTENSION_DEFINITIONS_H
#define VEXAL_EXTENSION_DEFINITIONS_H

#include "enregistrements/Pouvoir.h"
#include "enregistrements/Regles.h"

#include <string>
#include <tuple>
#include <vector>

// What a game master adds to the game: superiors, talents and powers of the campaign, as an extension file defines
// them and a character file carries those its character uses.

// Who may buy a house power: the demons, the angels, or both.
enum class CampPouvoir
{
    Demon,
    Ange,
    Tous
};

inline bool OuvertA(CampPouvoir eCamp, PERSO ePerso)
{
    return eCamp == CampPouvoir::Tous || ePerso == (eCamp == CampPouvoir::Demon ? DEMON : ANGE);
}

struct DefinitionSuperieur
{
    std::string moNom;
    PERSO meCamp = DEMON;
};

// A talent, with its speciality "NOM(Spe)" of the same priority and characteristic when mbSpecialite says so. A
// language is secondary and has no characteristic.
struct DefinitionTalent
{
    std::string moNom;
    PRIORITE mePriorite = SECONDAIRE;
    CARACT meCaract = AUCUNE;
    bool mbSpecialite = false;
    bool mbLangue = false;
    std::string moDescription{};  // may be left out
};

struct DefinitionPouvoir
{
    std::string moNom;
    CampPouvoir meCamp = CampPouvoir::Tous;
    int mnPrix = 1;
    bool mbInvariable = false;
    std::string moSuperieur = Pouvoir::AucunSuperieur;
    std::string moDescription{};  // may be left out
};

// What tells an extension from another, and one of its revisions from the next.
struct IdentiteExtension
{
    std::string moId;
    std::string moNom;
    int mnRevision = 1;
};

// The entries of an extension, or those of it that a character carries.
struct ContenuExtension
{
    IdentiteExtension moIdentite;
    std::vector<DefinitionSuperieur> moSuperieurs;
    std::vector<DefinitionTalent> moTalents;
    std::vector<DefinitionPouvoir> moPouvoirs;
};

// Another extension needed, at this revision or a later one.
struct Exigence
{
    std::string moId;
    int mnRevision = 1;
};

// What an extension file holds.
struct Extension
{
    ContenuExtension moContenu;
    std::string moAuteur;
    std::string moDescription;
    std::vector<Exigence> moRequiert;
    std::vector<std::string> moIncompatibles;
};

inline bool operator==(const DefinitionSuperieur& oGauche, const DefinitionSuperieur& oDroite)
{
    return std::tie(oGauche.moNom, oGauche.meCamp) == std::tie(oDroite.moNom, oDroite.meCamp);
}

inline bool operator==(const DefinitionTalent& oGauche, const DefinitionTalent& oDroite)
{
    const auto Champs = [](const DefinitionTalent& o) {
        return std::tie(o.moNom, o.mePriorite, o.meCaract, o.mbSpecialite, o.mbLangue, o.moDescription);
    };
    return Champs(oGauche) == Champs(oDroite);
}

inline bool operator==(const DefinitionPouvoir& oGauche, const DefinitionPouvoir& oDroite)
{
    const auto Champs = [](const DefinitionPouvoir& o) {
        return std::tie(o.moNom, o.meCamp, o.mnPrix, o.mbInvariable, o.moSuperieur, o.moDescription);
    };
    return Champs(oGauche) == Champs(oDroite);
}

inline bool operator==(const IdentiteExtension& oGauche, const IdentiteExtension& oDroite)
{
    return std::tie(oGauche.moId, oGauche.moNom, oGauche.mnRevision)
        == std::tie(oDroite.moId, oDroite.moNom, oDroite.mnRevision);
}

#endif
