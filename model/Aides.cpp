#include "model/Aides.h"

#include "model/Grade.h"
#include "model/Personnage.h"
#include "model/Texte.h"

namespace
{
std::string AuGrade(int nGrade)
{
    return " au plus au grade " + std::to_string(nGrade);
}

std::string Sorte(const Talent& oModele)
{
    if (dynamic_cast<const Langue*>(&oModele) != nullptr)
        return "Langue";
    switch (oModele.GetPriorite())
    {
    case PRIMAIRE:
        return std::string("Talent primaire (") + NomCaracteristique(oModele.GetCaractBase()) + ")";
    case SECONDAIRE:
        return std::string("Talent secondaire (") + NomCaracteristique(oModele.GetCaractBase()) + ")";
    default:
        return std::string("Talent exotique (") + NomCaracteristique(oModele.GetCaractBase()) + ")";
    }
}

// Secondary talents and languages are paid in PA secondaire; a primary one earns one for each half point.
std::string Prix(const Talent& oModele)
{
    switch (oModele.GetPriorite())
    {
    case PRIMAIRE:
        return "1 PA le demi-point, qui rapporte 1 PA secondaire";
    case SECONDAIRE:
        return "1 PA secondaire le demi-point";
    default:
        return "1 PA le demi-point";
    }
}

std::string Conditions(const Pouvoir& oModele)
{
    std::string oTexte = std::to_string(oModele.GetCout()) + " PA le demi-point";
    if (oModele.IsInvariable())
        oTexte += ", invariable";
    if (oModele.IsSpecial())
        oTexte += ", réservé aux serviteurs " + De(oModele.GetSpecialOf());
    return oTexte;
}
}

std::string Aides::Caracteristique(CARACT eCaract, int nGrade)
{
    return std::string(NomCaracteristique(eCaract)) + " : " + std::to_string(Personnage::PAParDemiPoint)
        + " PA le demi-point, " + DemiPoints(Grade::LimitCaractMax(nGrade)) + AuGrade(nGrade);
}

std::string Aides::PP(int nGrade)
{
    return "PP : 1 PA le point, " + std::to_string(Grade::LimitPPMax(nGrade)) + AuGrade(nGrade)
        + ", avec ce que donnent Foi et Volonté";
}

std::string Aides::ValeurTalent(const Talent& oModele, int nGrade)
{
    if (dynamic_cast<const Langue*>(&oModele) != nullptr)
        return "Langue : " + Prix(oModele) + ", 0,5 au plus";
    std::string oTexte = Sorte(oModele) + " : " + Prix(oModele) + ", score " + DemiPoints(Grade::LimitTalentMax(nGrade))
        + AuGrade(nGrade);
    if (const Talent* poSpecialite = oModele.GetSpecialite())
        oTexte += ", jamais au-dessus de " + poSpecialite->GetName();
    return oTexte;
}

std::string Aides::ValeurPouvoir(const Pouvoir& oModele, int nGrade)
{
    // An invariable power is bought at 0.5 and never rises, whatever the grade.
    if (oModele.IsInvariable())
        return "Pouvoir : " + Conditions(oModele) + ", niveau 0,5";
    return "Pouvoir : " + Conditions(oModele) + ", niveau " + DemiPoints(Grade::LimitPouvoirMax(nGrade))
        + AuGrade(nGrade);
}

std::string Aides::ValeurGrade(int nGrade)
{
    return "Grade : de 0 à 3 ; au grade " + std::to_string(nGrade) + ", caractéristiques "
        + DemiPoints(Grade::LimitCaractMax(nGrade)) + ", talents " + DemiPoints(Grade::LimitTalentMax(nGrade))
        + ", pouvoirs " + DemiPoints(Grade::LimitPouvoirMax(nGrade)) + " et PP "
        + std::to_string(Grade::LimitPPMax(nGrade)) + " au plus";
}

std::string Aides::EntreeTalent(const Talent& oModele)
{
    return Sorte(oModele) + " : " + Prix(oModele);
}

std::string Aides::EntreePouvoir(const Pouvoir& oModele)
{
    return Conditions(oModele);
}
