#include "journal/Achats.h"

#include "model/Personnage.h"
#include "model/Texte.h"

#include <map>

namespace
{
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

// A talent's priority and a power's price in the character's catalogues; what they do not hold is paid in PA, for
// nothing.
PRIORITE PrioriteDe(const Personnage& oPerso, const std::string& oTalent)
{
    const ListeTalents::Map& oTalents = *oPerso.GetListeDesTalents();
    const auto oTrouve = oTalents.find(oTalent);
    return oTrouve != oTalents.end() && oTrouve->second ? oTrouve->second->GetPriorite() : EXOTIQUE;
}

int CoutDe(const Personnage& oPerso, const std::string& oPouvoir)
{
    const ListePouvoirs::Map* poPouvoirs = oPerso.GetListeDesPouvoirs();
    if (poPouvoirs == nullptr)
        return 0;
    const auto oTrouve = poPouvoirs->find(oPouvoir);
    return oTrouve != poPouvoirs->end() && oTrouve->second ? oTrouve->second->GetCout() : 0;
}

std::string Valeur(const Niveau* poNiveau)
{
    return poNiveau ? DemiPoints(poNiveau->mfNiveau) : std::string();
}

double NiveauDe(const Niveau* poNiveau)
{
    return poNiveau ? poNiveau->mfNiveau : 0.0;
}

// How points of one kind are counted, and what those that come back are.
struct Sorte
{
    const char* moNom;
    const char* moPluriel;
    const char* moRetour;
};

constexpr Sorte kPA{"PA", "", "rendu"};
constexpr Sorte kSecondaires{"PA secondaire", "s", "gagné"};

// "4 PA dépensés", "1 PA rendu", "2 PA secondaires gagnés": spent when positive, back when negative.
std::string Montant(long long nPoints, const Sorte& oSorte)
{
    const long long n = nPoints < 0 ? -nPoints : nPoints;
    const bool bPluriel = n > 1;
    return std::to_string(n) + " " + oSorte.moNom + (bPluriel ? oSorte.moPluriel : "") + " "
        + (nPoints > 0 ? "dépensé" : oSorte.moRetour) + (bPluriel ? "s" : "");
}

// Both prices, those of no point left out: "3 PA dépensés, 3 PA secondaires gagnés"; empty when nothing was paid.
std::string Prix(long long nPA, long long nSecondaires)
{
    std::string oTexte = nPA != 0 ? Montant(nPA, kPA) : std::string();
    if (nSecondaires != 0)
        oTexte += (oTexte.empty() ? "" : ", ") + Montant(nSecondaires, kSecondaires);
    return oTexte;
}
}

std::vector<Achat> Achats(const Personnage& oPerso, const EtatPersonnage& oAvant, const EtatPersonnage& oApres)
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

    for (const auto& [oNom, oNiveaux] : Paires(oAvant.moTalents, oApres.moTalents))
    {
        const int nDemis = Demis(NiveauDe(oNiveaux.first), NiveauDe(oNiveaux.second));
        if (oNiveaux.first && oNiveaux.second && nDemis == 0)
            continue;
        const PRIORITE ePriorite = PrioriteDe(oPerso, oNom);
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
        oAchats.push_back({oNom, Valeur(oNiveaux.first), Valeur(oNiveaux.second), nDemis * CoutDe(oPerso, oNom), 0});
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
    const std::string oPrix = Prix(oAchat.mnPA, oAchat.mnPASecondaire);
    return oPrix.empty() ? oTexte : oTexte + " (" + oPrix + ")";
}

std::string Resume(const std::vector<Achat>& oAchats)
{
    if (oAchats.empty())
        return "rien";
    std::string oTexte;
    long long nPA = 0;
    long long nSecondaires = 0;
    for (const Achat& oAchat : oAchats)
    {
        oTexte += (oTexte.empty() ? "" : ", ") + oAchat.moQuoi + " "
            + (oAchat.moApres.empty() ? std::string("enlevé") : oAchat.moApres);
        nPA += oAchat.mnPA;
        nSecondaires += oAchat.mnPASecondaire;
    }
    const std::string oPrix = Prix(nPA, nSecondaires);
    return oPrix.empty() ? oTexte : oTexte + " : " + oPrix;
}

std::vector<Achat> AchatsDe(const Personnage& oPerso, const Journal& oJournal, std::size_t nAttribution,
                            const EtatPersonnage& oMaintenant)
{
    const EtatPersonnage& oSuite =
        nAttribution + 1 < oJournal.size() ? *oJournal[nAttribution + 1].mpoEtat : oMaintenant;
    return Achats(oPerso, *oJournal[nAttribution].mpoEtat, oSuite);
}

bool Reprise(const Journal& oJournal, std::size_t nAttribution)
{
    if (nAttribution != 0 || oJournal.empty())
        return false;
    const EtatPersonnage& oCreation = *oJournal.front().mpoEtat;
    EtatPersonnage oNeuf = Personnage::Nouveau(oCreation.meCamp)->GetEtat();
    oNeuf.meCamp = oCreation.meCamp;
    oNeuf.mnPATotal = oCreation.mnPATotal;
    oNeuf.mnPA = oCreation.mnPATotal;
    return oCreation != oNeuf;
}

std::string ResumeDe(const Personnage& oPerso, const Journal& oJournal, std::size_t nAttribution,
                     const EtatPersonnage& oMaintenant)
{
    const std::vector<Achat> oAchats = AchatsDe(oPerso, oJournal, nAttribution, oMaintenant);
    if (!Reprise(oJournal, nAttribution))
        return Resume(oAchats);
    const std::string oReprise = "repris d'un fichier version 1";
    return oAchats.empty() ? oReprise : oReprise + " ; " + Resume(oAchats);
}

std::string DireRetrait(const Personnage& oPerso, const Journal& oJournal, std::size_t nAttribution,
                        const EtatPersonnage& oMaintenant)
{
    if (nAttribution == 0 || nAttribution >= oJournal.size()
        || AchatsDe(oPerso, oJournal, nAttribution, oMaintenant).empty())
        return {};
    return "Ses achats comptent désormais dans " + Journaux::Nommer(oJournal, nAttribution - 1);
}
