#ifndef VEXAL_MODEL_TEXTE_H
#define VEXAL_MODEL_TEXTE_H

#include <string>

#include "enregistrements/Regles.h"

// A characteristic's name as a player reads it: "Force", "Agilité"...; none for AUCUNE.
const char* NomCaracteristique(CARACT eCaract);

// "de" before a name, elided before a vowel: "de Baal", "d'Abalam".
std::string De(const std::string& oNom);

// A value in half points as a French reader writes it: "5,5", "2", "-0,5".
std::string DemiPoints(double fValeur);

#endif
