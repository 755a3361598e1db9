#include "journal/Achats.h"

#include "model/Ange.h"
#include "model/Demon.h"
#include "model/Texte.h"

#include <map>

namespace
{
const Personnage& Modele(PERSO eCamp)
{
    static const Demon kDemon;
    static const Ange kAnge;
    return eCamp == ANGE ? static_cast<const Personnage&>(kAnge) : kDemon;
}

int Demis(double fDe, double fA)
{
    return static_cast<int>((fA - fDe) * 2);
}

// Talents and powers by name, held before, after, or both.
std::map<std::string, std::pair<const Niveau*, const Niveau*>> Paires(const std::vector<Niveau>& oAvant,
                                                                   const std::vector<Niveau>& oApres)
{
    std::map<std::string, std::pair<const Niveau*, const Niveau*>> oPaires;
    for (const Niveau& oNiveau : oAvant)
        oPaires[oNiveau.moNom].first = &oNiveau;
    for (const Niveau& oNiveau : oApres)
        oPaires[oNiveau.moNom].second = &oNiveau;
    return oPaires;
}

std::string Valeur(const Niveau* poNiveau)
{
    return poNiveau ? DemiPoints(poNiveau->mfNiveau) : std::string();
}

double NiveauDe(const Niveau* poNiveau)
{
    return poNiveau ? poNiveau->mfNiveau : 0.0;
}

// "4 PA", "4 PA rendus", "1 PA secondaire gagné": spent when positive, given back when negative.
std::string Prix(int nPoints, const char* oSorte, const char* oPluriel, const char* oRetour)
{
    const int n = nPoints < 0 ? -nPoints : nPoints;
    const std::string oS = n > 1 ? "s" : "";
    std::string oTexte = std::to_string(n) + " " + oSorte + (n > 1 ? oPluriel : "");
    return nPoints > 0 ? oTexte : oTexte + " " + oRetour + oS;
}
}

std::vector<Achat> Achats(const EtatPersonnage& oAvant, const EtatPersonnage& oApres)
{
    std::vector<Achat> oAchats;
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
    {
        const double fDe = oAvant.mfCaract[nCaract];
        const double fA = oApres.mfCaract[nCaract];
        if (fDe != fA)
            oAchats.push_back({NomCaracteristique(static_cast<CARACT>(nCaract)), DemiPoints(fDe), DemiPoints(fA),
                               Demis(fDe, fA) * Personnage::PAParDemiPoint, 0});
    }
    if (oAvant.mnPP != oApres.mnPP)
        oAchats.push_back(
            {"PP", std::to_string(oAvant.mnPP), std::to_string(oApres.mnPP), oApres.mnPP - oAvant.mnPP, 0});
    if (oAvant.mnGrade != oApres.mnGrade)
        oAchats.push_back({"Grade", std::to_string(oAvant.mnGrade), std::to_string(oApres.mnGrade), 0, 0});
    if (oAvant.moSuperieur != oApres.moSuperieur)
        oAchats.push_back({"Supérieur", oAvant.moSuperieur, oApres.moSuperieur, 0, 0});

    const Personnage& oModele = Modele(oApres.meCamp);
    for (const auto& [oNom, oNiveaux] : Paires(oAvant.moTalents, oApres.moTalents))
    {
        const int nDemis = Demis(NiveauDe(oNiveaux.first), NiveauDe(oNiveaux.second));
        if (oNiveaux.first && oNiveaux.second && nDemis == 0)
            continue;
        const auto oTalent = oModele.GetListeDesTalents()->find(oNom);
        const PRIORITE ePriorite = oTalent != oModele.GetListeDesTalents()->end() && oTalent->second
            ? oTalent->second->GetPriorite()
            : EXOTIQUE;
        // A primary talent earns a PA secondaire for each half point it is paid in PA.
        const int nPA = ePriorite == SECONDAIRE ? 0 : nDemis;
        const int nSecondaires = ePriorite == SECONDAIRE ? nDemis : ePriorite == PRIMAIRE ? -nDemis : 0;
        oAchats.push_back({oNom, Valeur(oNiveaux.first), Valeur(oNiveaux.second), nPA, nSecondaires});
    }
    for (const auto& [oNom, oNiveaux] : Paires(oAvant.moPouvoirs, oApres.moPouvoirs))
    {
        const int nDemis = Demis(NiveauDe(oNiveaux.first), NiveauDe(oNiveaux.second));
        if (oNiveaux.first && oNiveaux.second && nDemis == 0)
            continue;
        const ListePouvoirs::Map* poPouvoirs = oModele.GetListeDesPouvoirs();
        const auto oPouvoir = poPouvoirs->find(oNom);
        const int nCout = oPouvoir != poPouvoirs->end() && oPouvoir->second ? oPouvoir->second->GetCout() : 0;
        oAchats.push_back({oNom, Valeur(oNiveaux.first), Valeur(oNiveaux.second), nDemis * nCout, 0});
    }
    if (oApres.mnPAConverti != oAvant.mnPAConverti)
        oAchats.push_back({"PA convertis", std::to_string(oAvant.mnPAConverti), std::to_string(oApres.mnPAConverti),
                           oApres.mnPAConverti - oAvant.mnPAConverti, 2 * (oAvant.mnPAConverti - oApres.mnPAConverti)});
    return oAchats;
}

std::string Ligne(const Achat& oAchat)
{
    std::string oTexte = oAchat.moQuoi + " : ";
    if (oAchat.moAvant.empty())
        oTexte += "ajouté" + (oAchat.moApres == "0" ? std::string() : " à " + oAchat.moApres);
    else if (oAchat.moApres.empty())
        oTexte += "enlevé";
    else
        oTexte += oAchat.moAvant + " → " + oAchat.moApres;
    std::vector<std::string> oPrix;
    if (oAchat.mnPA != 0)
        oPrix.push_back(Prix(oAchat.mnPA, "PA", "", "rendu"));
    if (oAchat.mnPASecondaire != 0)
        oPrix.push_back(Prix(oAchat.mnPASecondaire, "PA secondaire", "s", "gagné"));
    for (std::size_t n = 0; n < oPrix.size(); ++n)
        oTexte += (n == 0 ? " (" : ", ") + oPrix[n] + (n + 1 == oPrix.size() ? ")" : "");
    return oTexte;
}

std::string Resume(const std::vector<Achat>& oAchats)
{
    if (oAchats.empty())
        return "rien";
    std::string oTexte;
    int nPA = 0;
    int nSecondaires = 0;
    for (const Achat& oAchat : oAchats)
    {
        oTexte += (oTexte.empty() ? "" : ", ") + oAchat.moQuoi + " "
            + (oAchat.moApres.empty() ? std::string("enlevé") : oAchat.moApres);
        nPA += oAchat.mnPA;
        nSecondaires += oAchat.mnPASecondaire;
    }
    oTexte += " : " + Prix(nPA, "PA", "", "rendu");
    if (nSecondaires != 0)
        oTexte += ", " + Prix(nSecondaires, "PA secondaire", "s", "gagné");
    return oTexte;
}
