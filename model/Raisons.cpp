#include "model/Raisons.h"

#include "model/Texte.h"

std::string Raisons::AuGrade(int nGrade)
{
    return "Au grade " + std::to_string(nGrade) + ", ";
}

std::string Raisons::CaractMax(int nGrade, CARACT eCaract, float fCap)
{
    return AuGrade(nGrade) + NomCaracteristique(eCaract) + " ne dépasse pas " + DemiPoints(fCap);
}

std::string Raisons::CaractMin(CARACT eCaract)
{
    return std::string(NomCaracteristique(eCaract)) + " ne descend pas sous 1";
}

std::string Raisons::PPMax(int nGrade, int nCap)
{
    return AuGrade(nGrade) + "les PP ne dépassent pas " + std::to_string(nCap);
}

std::string Raisons::ScoreMax(int nGrade, const std::string& oTalent, float fCap)
{
    return AuGrade(nGrade) + oTalent + " ne dépasse pas " + DemiPoints(fCap);
}

std::string Raisons::NiveauMax(int nGrade, const std::string& oPouvoir, double fCap)
{
    return AuGrade(nGrade) + oPouvoir + " ne dépasse pas " + DemiPoints(fCap);
}

std::string Raisons::AuDessusDeSaSpecialite(const std::string& oGeneral, const std::string& oSpecialite)
{
    return oGeneral + " ne peut pas dépasser " + oSpecialite;
}

std::string Raisons::Langue()
{
    return "Une langue se connaît à 0,5 ou pas du tout";
}

std::string Raisons::Reserve(const std::string& oSuperieur)
{
    return "Réservé aux serviteurs " + De(oSuperieur);
}

std::string Raisons::Invariable(const std::string& oPouvoir)
{
    return oPouvoir + " est un pouvoir invariable";
}

std::string Raisons::ManquePA(long long nManque, int nReste)
{
    return "Il manque " + std::to_string(nManque) + " PA (il en reste " + std::to_string(nReste) + ")";
}

std::string Raisons::Rendus(int nPA, int nPASecondaire)
{
    std::string oTexte;
    const auto Ajouter = [&oTexte](int nPoints, const char* oGenre) {
        if (nPoints == 0)
            return;
        if (!oTexte.empty())
            oTexte += ", ";
        oTexte += std::to_string(nPoints < 0 ? -nPoints : nPoints) + " " + oGenre + (nPoints < 0 ? " repris" : " rendus");
    };
    Ajouter(nPA, "PA");
    Ajouter(nPASecondaire, "PA secondaires");
    return oTexte;
}
