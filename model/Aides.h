#ifndef VEXAL_MODEL_AIDES_H
#define VEXAL_MODEL_AIDES_H

#include "enregistrements/Regles.h"

#include <string>

class Pouvoir;
class Talent;

// What each value costs and how high it may go at a grade, told to the player where the value is set.
namespace Aides
{
std::string Caracteristique(CARACT eCaract, int nGrade);
std::string PP(int nGrade);
// What the grade allows.
std::string ValeurGrade(int nGrade);
// A held talent's or power's value box: kind, characteristic, price and cap.
std::string ValeurTalent(const Talent& oModele, int nGrade);
std::string ValeurPouvoir(const Pouvoir& oModele, int nGrade);
// An entry of the lists to choose from.
std::string EntreeTalent(const Talent& oModele);
std::string EntreePouvoir(const Pouvoir& oModele);
}

#endif
