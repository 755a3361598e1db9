#include "journal/Journal.h"

#include "model/Personnage.h"
#include "model/Raisons.h"

#include <algorithm>

bool operator==(const Attribution& oGauche, const Attribution& oDroite)
{
    return oGauche.moDate == oDroite.moDate && oGauche.mnPA == oDroite.mnPA && oGauche.moRaison == oDroite.moRaison
        && *oGauche.mpoEtat == *oDroite.mpoEtat;
}

namespace Journaux
{
namespace
{
// The awards from the nth on gain nPA in their pictures, as they would have had they been there from the start; why
// not when a picture's total or PA, or the character's nPAActuels, would leave 0 to PATotalMax. Counted in long long:
// a correction taken back from a total near the top would pass what an int holds before the rules could refuse it.
std::string Decaler(Journal& oJournal, std::size_t nDebut, long long nPA, int nPAActuels = Personnage::PATotalMax)
{
    long long nMoinsPA = nPAActuels;
    long long nMoinsTotal = Personnage::PATotalMax;
    long long nPlus = 0;
    for (std::size_t n = nDebut; n < oJournal.size(); ++n)
    {
        const EtatPersonnage& oEtat = *oJournal[n].mpoEtat;
        nMoinsPA = std::min<long long>(nMoinsPA, oEtat.mnPA);
        nMoinsTotal = std::min<long long>(nMoinsTotal, oEtat.mnPATotal);
        nPlus = std::max<long long>({nPlus, oEtat.mnPA, oEtat.mnPATotal});
    }
    if (nMoinsPA + nPA < 0)
        return "Il manque " + std::to_string(-(nMoinsPA + nPA)) + " PA";
    if (nMoinsTotal + nPA < 0)
        return "Le total de PA ne descend pas sous 0";
    if (nPlus + nPA > Personnage::PATotalMax)
        return "Le total de PA ne dépasse pas " + std::to_string(Personnage::PATotalMax);
    for (std::size_t n = nDebut; n < oJournal.size(); ++n)
    {
        EtatPersonnage oEtat = *oJournal[n].mpoEtat;
        oEtat.mnPATotal = static_cast<int>(oEtat.mnPATotal + nPA);
        oEtat.mnPA = static_cast<int>(oEtat.mnPA + nPA);
        oJournal[n].mpoEtat = Photo(std::move(oEtat));
    }
    return {};
}

// The character's total moved by nPA through the rules; why not. A move no total could make goes as far as a total
// goes, which the rules refuse whole.
std::string ChangerTotal(Personnage& oPerso, long long nPA)
{
    const int nBorne = static_cast<int>(
        std::clamp<long long>(nPA, -static_cast<long long>(Personnage::PATotalMax), Personnage::PATotalMax));
    oPerso.OublierRaisons();
    if (nBorne > 0)
        oPerso.AddPATotal(nBorne);
    else if (nBorne < 0)
        oPerso.RemovePATotal(-nBorne);
    return oPerso.GetRaison();
}

// AAAA-MM-JJ, whether or not the day exists.
bool FormeDate(const std::string& oDate)
{
    if (oDate.size() != 10)
        return false;
    for (std::size_t n = 0; n < oDate.size(); ++n)
    {
        const bool bTiret = n == 4 || n == 7;
        if (bTiret != (oDate[n] == '-') || (!bTiret && (oDate[n] < '0' || oDate[n] > '9')))
            return false;
    }
    return true;
}

// " du 2026-11-02", or " de date inconnue".
std::string Du(const std::string& oDate)
{
    return oDate.empty() ? " de date inconnue" : " du " + oDate;
}
}

std::shared_ptr<const EtatPersonnage> Photo(EtatPersonnage oEtat)
{
    oEtat.moNom.clear();
    oEtat.moNotes.clear();
    return std::make_shared<const EtatPersonnage>(std::move(oEtat));
}

Journal Commencer(const EtatPersonnage& oEtat, const std::string& oDate)
{
    return {{oDate, oEtat.mnPATotal, kCreation, Photo(oEtat)}};
}

long long Somme(const Journal& oJournal, std::size_t nJusqua)
{
    long long nSomme = 0;
    for (std::size_t n = 0; n <= nJusqua && n < oJournal.size(); ++n)
        nSomme += oJournal[n].mnPA;
    return nSomme;
}

bool DateValide(const std::string& oDate)
{
    if (!FormeDate(oDate))
        return false;
    const int nAnnee = std::stoi(oDate.substr(0, 4));
    const int nMois = std::stoi(oDate.substr(5, 2));
    const int nJour = std::stoi(oDate.substr(8, 2));
    const bool bBissextile = (nAnnee % 4 == 0 && nAnnee % 100 != 0) || nAnnee % 400 == 0;
    constexpr int kJours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return nMois >= 1 && nMois <= 12 && nJour >= 1 && nJour <= kJours[nMois - 1] + (nMois == 2 && bBissextile);
}

std::string RaisonDate(const Journal& oJournal, std::size_t nPlace, const std::string& oDate, bool bSuite)
{
    if (oDate.empty())
        return {};
    if (!FormeDate(oDate))
        return "« " + oDate + " » n'est pas une date AAAA-MM-JJ";
    if (!DateValide(oDate))
        return oDate + " n'existe pas";
    // An unknown date takes no side; ISO dates compare as their text does, and the nearest known ones on either side
    // stand for all the others.
    for (std::size_t n = nPlace; n-- > 0;)
    {
        if (oJournal[n].moDate.empty())
            continue;
        if (oJournal[n].moDate > oDate)
            return "Le " + oDate + " vient avant l'attribution du " + oJournal[n].moDate;
        break;
    }
    for (std::size_t n = nPlace + 1; bSuite && n < oJournal.size(); ++n)
    {
        if (oJournal[n].moDate.empty())
            continue;
        if (oJournal[n].moDate < oDate)
            return "Le " + oDate + " vient après l'attribution du " + oJournal[n].moDate;
        break;
    }
    return {};
}

std::string PA(long long nPA)
{
    if (nPA < 0)
        return "−" + std::to_string(-nPA) + " PA";
    return (nPA > 0 ? "+" : "") + std::to_string(nPA) + " PA";
}

std::string Nommer(const Journal& oJournal, std::size_t nAttribution)
{
    if (nAttribution == 0)
        return "la création";
    const Attribution& oAttribution = oJournal[nAttribution];
    return "l'attribution" + Du(oAttribution.moDate)
        + (oAttribution.moRaison.empty() ? std::string() : " (« " + oAttribution.moRaison + " »)");
}

long long PARestant(const Journal& oJournal, std::size_t nAttribution, int nPAActuels)
{
    // The next award's picture holds that award's PA already.
    if (nAttribution + 1 >= oJournal.size())
        return nPAActuels;
    const Attribution& oSuivante = oJournal[nAttribution + 1];
    return static_cast<long long>(oSuivante.mpoEtat->mnPA) - oSuivante.mnPA;
}

std::string Accorder(Personnage& oPerso, Journal& oJournal, const std::string& oDate, int nPA,
                     const std::string& oRaison)
{
    if (nPA == 0)
        return "Une attribution donne ou reprend des PA";
    if (std::string oRaisonDate = RaisonDate(oJournal, oJournal.size(), oDate); !oRaisonDate.empty())
        return oRaisonDate;
    if (std::string oRefus = ChangerTotal(oPerso, nPA); !oRefus.empty())
        return oRefus;
    oJournal.push_back({oDate, nPA, oRaison, Photo(oPerso.GetEtat())});
    return {};
}

std::string Retirer(Personnage& oPerso, Journal& oJournal, std::size_t nAttribution)
{
    if (nAttribution == 0 || nAttribution >= oJournal.size())
        return "La création reste au journal";
    const long long nPA = oJournal[nAttribution].mnPA;
    Journal oSuite = oJournal;
    if (std::string oRefus = Decaler(oSuite, nAttribution + 1, -nPA, oPerso.GetPA()); !oRefus.empty())
        return oRefus;
    if (std::string oRefus = ChangerTotal(oPerso, -nPA); !oRefus.empty())
        return oRefus;
    oSuite.erase(oSuite.begin() + static_cast<std::ptrdiff_t>(nAttribution));
    oJournal = std::move(oSuite);
    return {};
}

std::string Ajuster(Personnage& oPerso, Journal& oJournal, int nTotal, const std::string& oDate, bool bFusion)
{
    // A difference no int holds goes as far as an int goes, which the rules refuse whole.
    const long long nEcart = std::clamp(static_cast<long long>(nTotal) - oPerso.GetPATotal(),
                                        -static_cast<long long>(Personnage::PATotalMax),
                                        static_cast<long long>(Personnage::PATotalMax));
    const int nPA = static_cast<int>(nEcart);
    if (nPA == 0)
        return {};
    if (oJournal.size() > 1 && !(bFusion && oJournal.back().moRaison == kAjustement))
        return Accorder(oPerso, oJournal, oDate, nPA, kAjustement);
    // The last award changes: the rules say first whether the total may, then its picture whether it could have.
    const EtatPersonnage oAvant = oPerso.GetEtat();
    if (std::string oRefus = ChangerTotal(oPerso, nPA); !oRefus.empty())
        return oRefus;
    Journal oSuite = oJournal;
    if (std::string oRefus = Decaler(oSuite, oSuite.size() - 1, nPA); !oRefus.empty())
    {
        oPerso.Restaurer(oAvant);
        return oRefus;
    }
    // Within an int: the picture's total, checked, is the sum up to this award.
    oSuite.back().mnPA += nPA;
    // An adjustment taken back whole is none: only the creation may give no PA.
    if (oSuite.size() > 1 && oSuite.back().mnPA == 0)
        oSuite.pop_back();
    oJournal = std::move(oSuite);
    return {};
}

std::string DireAjustement(const Journal& oAvant, const Journal& oApres)
{
    if (oApres.size() > oAvant.size())
        return std::string(kAjustement) + " de " + PA(oApres.back().mnPA) + " ajouté au journal";
    if (oAvant.size() < 2)
        return {};
    const std::string oQuel = kAjustement + Du(oAvant.back().moDate);
    if (oApres.size() < oAvant.size())
        return oQuel + " revenu à 0 PA : retiré du journal";
    return oQuel + " porté à " + PA(oApres.back().mnPA);
}
}
