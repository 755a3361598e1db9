#ifndef VEXAL_CATALOGUE_LIGNES_H
#define VEXAL_CATALOGUE_LIGNES_H

#include "enregistrements/Regles.h"

#include <string_view>

// The rows of the built-in tables, as the catalogues load them. Only the catalogues' own files see these
// names, so that a file using the character keeps every short name such as VARIABLE to itself.
namespace Tables
{
// Whether a power's level may be raised once bought.
enum Evolution
{
    VARIABLE,
    INVARIABLE
};

// One row of a power table; an empty superior leaves the power open to every superior.
struct LignePouvoir
{
    std::string_view moNom;
    int mnCout;
    Evolution meEvolution;
    std::string_view moSuperieur;
};

constexpr std::string_view Ouvert{};

enum class Sorte
{
    Talent,
    Langue
};

struct LigneTalent
{
    std::string_view moNom;
    Sorte meSorte;
    PRIORITE mePriorite;
    CARACT meCaract;
};
}

#endif
