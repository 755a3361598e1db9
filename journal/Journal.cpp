#include "journal/Journal.h"

#include "model/Personnage.h"
#include "model/Raisons.h"

#include <algorithm>
#include <limits>

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
// not when a picture, or the character with its nPAActuels, would then hold fewer than no PA.
std::string Decaler(Journal& oJournal, std::size_t nDebut, int nPA, int nPAActuels = std::numeric_limits<int>::max())
{
    int nMoins = nPAActuels;
    for (std::size_t n = nDebut; n < oJournal.size(); ++n)
        nMoins = std::min(nMoins, oJournal[n].mpoEtat->mnPA);
    if (nMoins + static_cast<long long>(nPA) < 0)
        return "Il manque " + std::to_string(-(nMoins + static_cast<long long>(nPA))) + " PA";
    for (std::size_t n = nDebut; n < oJournal.size(); ++n)
    {
        EtatPersonnage oEtat = *oJournal[n].mpoEtat;
        oEtat.mnPATotal += nPA;
        oEtat.mnPA += nPA;
        oJournal[n].mpoEtat = Photo(std::move(oEtat));
    }
    return {};
}

// The character's total moved by nPA through the rules; why not.
std::string ChangerTotal(Personnage& oPerso, int nPA)
{
    oPerso.OublierRaisons();
    if (nPA > 0)
        oPerso.AddPATotal(nPA);
    else if (nPA < 0)
        oPerso.RemovePATotal(-nPA);
    return oPerso.GetRaison();
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
    if (oDate.size() != 10)
        return false;
    for (std::size_t n = 0; n < oDate.size(); ++n)
    {
        const bool bTiret = n == 4 || n == 7;
        if (bTiret != (oDate[n] == '-') || (!bTiret && (oDate[n] < '0' || oDate[n] > '9')))
            return false;
    }
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
    if (!DateValide(oDate))
        return "« " + oDate + " » n'est pas une date AAAA-MM-JJ";
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
    const int nPA = oJournal[nAttribution].mnPA;
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
    oSuite.back().mnPA += nPA;
    // An adjustment taken back whole is none: only the creation may give no PA.
    if (oSuite.size() > 1 && oSuite.back().mnPA == 0)
        oSuite.pop_back();
    oJournal = std::move(oSuite);
    return {};
}
}
