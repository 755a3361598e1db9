#include "Banc.h"

#include <cctype>
#include <tuple>

bool operator==(const Soldes& oGauche, const Soldes& oDroite)
{
    return std::tie(oGauche.nPA, oGauche.nPASecondaire, oGauche.nPAConverti)
        == std::tie(oDroite.nPA, oDroite.nPASecondaire, oDroite.nPAConverti);
}

std::ostream& operator<<(std::ostream& oFlux, const Soldes& oSoldes)
{
    return oFlux << "{PA " << oSoldes.nPA << ", PA secondaire " << oSoldes.nPASecondaire << ", PA converti "
                 << oSoldes.nPAConverti << "}";
}

Soldes SoldesDe(const Personnage& oPerso)
{
    return {oPerso.GetPA(), oPerso.GetPASecondaire(), oPerso.GetPAConverti()};
}

bool operator==(const Etat& oGauche, const Etat& oDroite)
{
    return std::tie(oGauche.oSuperieur, oGauche.oSoldes, oGauche.nPATotal, oGauche.nPP, oGauche.nGrade,
                    oGauche.oCaract, oGauche.oTalents, oGauche.oPouvoirs)
        == std::tie(oDroite.oSuperieur, oDroite.oSoldes, oDroite.nPATotal, oDroite.nPP, oDroite.nGrade,
                    oDroite.oCaract, oDroite.oTalents, oDroite.oPouvoirs);
}

std::ostream& operator<<(std::ostream& oFlux, const Etat& oEtat)
{
    oFlux << "{superieur \"" << oEtat.oSuperieur << "\", " << oEtat.oSoldes << ", PA total " << oEtat.nPATotal
          << ", PP " << oEtat.nPP << ", grade " << oEtat.nGrade << ", caracteristiques";
    for (float fValeur : oEtat.oCaract)
        oFlux << ' ' << fValeur;
    oFlux << ", talents";
    for (const auto& [oNom, fNiveau] : oEtat.oTalents)
        oFlux << ' ' << oNom << '=' << fNiveau;
    oFlux << ", pouvoirs";
    for (const auto& [oNom, fNiveau] : oEtat.oPouvoirs)
        oFlux << ' ' << oNom << '=' << fNiveau;
    return oFlux << '}';
}

void Acquerir(Personnage& oPerso, const std::string& oTalent)
{
    const Talent* poRecord = oPerso.GetListeDesTalents()->at(oTalent);
    oPerso.AjouterTalentBase(oTalent, poRecord->GetPriorite(), poRecord->GetCaractBase());
}

bool Amener(Personnage& oPerso, CARACT eCaract, float fValeur)
{
    const int nRang = static_cast<int>((fValeur - oPerso.GetCaract(eCaract)) * 2);
    if (nRang > 0)
        oPerso.AugmenteCaracteristique(eCaract, nRang);
    else
        oPerso.BaisserCaracteristique(eCaract, -nRang);
    return oPerso.GetCaract(eCaract) == fValeur;
}

std::string NomDeLigne(int nLigne, const std::string& oNom)
{
    std::string oResultat = (nLigne < 10 ? "Ligne0" : "Ligne") + std::to_string(nLigne) + "_";
    for (char cLettre : oNom)
    {
        if (std::isalnum(static_cast<unsigned char>(cLettre)))
            oResultat += cLettre;
    }
    return oResultat;
}
