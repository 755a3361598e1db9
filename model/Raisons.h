#ifndef VEXAL_MODEL_RAISONS_H
#define VEXAL_MODEL_RAISONS_H

#include "enregistrements/Regles.h"

#include <string>

// What the rules say to the player when they refuse something or do more than was asked, in French, numbers
// written as a French reader writes them ("5,5"). The rules and the check of a whole state share these words.
namespace Raisons
{
std::string AuGrade(int nGrade);
std::string CaractMax(int nGrade, CARACT eCaract, float fCap);
std::string CaractMin(CARACT eCaract);
std::string PPMax(int nGrade, int nCap);
std::string ScoreMax(int nGrade, const std::string& oTalent, float fCap);
std::string NiveauMax(int nGrade, const std::string& oPouvoir, double fCap);
std::string AuDessusDeSaSpecialite(const std::string& oGeneral, const std::string& oSpecialite);
std::string Langue();
std::string Reserve(const std::string& oSuperieur);
std::string Invariable(const std::string& oPouvoir);
std::string ManquePA(long long nManque, int nReste);
std::string Rendus(int nPA, int nPASecondaire);
}

#endif
