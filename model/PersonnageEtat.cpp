#include "model/Personnage.h"

#include "model/Grade.h"
#include "enregistrements/Possession.h"
#include "model/Raisons.h"
#include "model/Texte.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>

namespace
{
// The number of half points in a value, or -1 when it is not a whole number of them.
long long Demis(double fValeur)
{
    const double fDemis = fValeur * 2;
    return fDemis == std::floor(fDemis) && std::fabs(fDemis) < 1e15 ? static_cast<long long>(fDemis) : -1;
}

// A sentence after a name and a colon starts in lower case.
std::string Apres(const std::string& oNom, std::string oRaison)
{
    oRaison[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(oRaison[0])));
    return oNom + " : " + oRaison;
}

// Names in byte-wise order, each once, as the character keeps them; the first that is not.
std::string Desordre(const std::vector<Niveau>& oNiveaux)
{
    for (std::size_t n = 1; n < oNiveaux.size(); ++n)
    {
        if (oNiveaux[n].moNom == oNiveaux[n - 1].moNom)
            return oNiveaux[n].moNom + " apparaît deux fois";
        if (oNiveaux[n].moNom < oNiveaux[n - 1].moNom)
            return oNiveaux[n].moNom + " n'est pas à sa place dans l'ordre des noms";
    }
    return {};
}

const Niveau* Trouver(const std::vector<Niveau>& oNiveaux, const std::string& oNom)
{
    const auto oTrouve = std::lower_bound(oNiveaux.begin(), oNiveaux.end(), oNom,
                                          [](const Niveau& oNiveau, const std::string& o) { return oNiveau.moNom < o; });
    return oTrouve != oNiveaux.end() && oTrouve->moNom == oNom ? &*oTrouve : nullptr;
}

std::string NiveauFaux(const Niveau& oNiveau)
{
    return oNiveau.moNom + " est au niveau " + DemiPoints(oNiveau.mfNiveau)
        + " : un niveau va par demi-points, à partir de 0";
}

// When the records held bear the names of the state's, in its order, only their levels move: the records stay.
template <class Map>
bool RemettreNiveaux(Map& oTenus, const std::vector<Niveau>& oNiveaux)
{
    std::vector<typename Map::mapped_type> oRecords;
    for (const auto& [oNom, poRecord] : oTenus)
    {
        if (poRecord == nullptr)
            continue;
        if (oRecords.size() == oNiveaux.size() || oNiveaux[oRecords.size()].moNom != oNom)
            return false;
        oRecords.push_back(poRecord);
    }
    if (oRecords.size() != oNiveaux.size())
        return false;
    for (std::size_t n = 0; n < oRecords.size(); ++n)
        oRecords[n]->SetNiveau(static_cast<decltype(oRecords[n]->GetNiveau())>(oNiveaux[n].mfNiveau));
    return true;
}

// The first entry of a catalogue, from oDepuis on, whose name does not come before oNom.
template <class Iterateur>
Iterateur Avancer(Iterateur oDepuis, Iterateur oFin, const std::string& oNom)
{
    while (oDepuis != oFin && oDepuis->first < oNom)
        ++oDepuis;
    return oDepuis;
}

const char* NomCamp(PERSO eCamp)
{
    switch (eCamp)
    {
    case DEMON:
        return "démon";
    case ANGE:
        return "ange";
    default:
        return "sans camp";
    }
}
}

bool operator==(const Niveau& oGauche, const Niveau& oDroite)
{
    return oGauche.moNom == oDroite.moNom && oGauche.mfNiveau == oDroite.mfNiveau;
}

bool operator==(const EtatPersonnage& oGauche, const EtatPersonnage& oDroite)
{
    const auto Champs = [](const EtatPersonnage& o) {
        return std::tie(o.meCamp, o.moNom, o.moNotes, o.mnPATotal, o.mnPA, o.mnPASecondaire, o.mnPAConverti,
                        o.mnGrade, o.moSuperieur, o.mfCaract, o.mnPP, o.moTalents, o.moPouvoirs);
    };
    return Champs(oGauche) == Champs(oDroite);
}

EtatPersonnage Personnage::GetEtat() const
{
    EtatPersonnage oEtat;
    oEtat.meCamp = meCamp;
    oEtat.moNom = moNom;
    oEtat.moNotes = moNotes;
    oEtat.mnPATotal = mnPATotal;
    oEtat.mnPA = mnPA;
    oEtat.mnPASecondaire = mnPASecondaire;
    oEtat.mnPAConverti = mnPASecondConverti;
    oEtat.mnGrade = mnGrade;
    oEtat.moSuperieur = moSuperieur;
    std::copy_n(moCaract.begin(), AUCUNE, oEtat.mfCaract.begin());
    oEtat.mnPP = mnPP;
    for (const auto& [oNom, poTalent] : moTalents)
    {
        if (poTalent != nullptr)
            oEtat.moTalents.push_back({oNom, poTalent->GetNiveau()});
    }
    for (const auto& [oNom, poPouvoir] : moPouvoirs)
    {
        if (poPouvoir != nullptr)
            oEtat.moPouvoirs.push_back({oNom, poPouvoir->GetNiveau()});
    }
    return oEtat;
}

std::string Personnage::Verifier(const EtatPersonnage& oEtat) const
{
    if (oEtat.meCamp != meCamp)
        return std::string("Ce personnage est un ") + NomCamp(oEtat.meCamp) + ", pas un " + NomCamp(meCamp);
    const int nGrade = oEtat.mnGrade;
    if (nGrade < 0 || nGrade > 3)
        return "Le grade " + std::to_string(nGrade) + " n'existe pas : il va de 0 à 3";
    if (oEtat.mnPA < 0 || oEtat.mnPASecondaire < 0 || oEtat.mnPAConverti < 0 || oEtat.mnPP < 0)
        return "Un solde de points est négatif";
    if (std::max(oEtat.mnPATotal, oEtat.mnPA) > PATotalMax)
        return "Le total de PA dépasse " + std::to_string(PATotalMax);

    const std::vector<std::string>& oSuperieurs = GetSuperieurs();
    if (!oEtat.moSuperieur.empty()
        && std::find(oSuperieurs.begin(), oSuperieurs.end(), oEtat.moSuperieur) == oSuperieurs.end())
        return oEtat.moSuperieur + (meCamp == ANGE ? " n'est pas un archange" : " n'est pas un prince démon");

    // The ledger: every PA of the total is unspent, spent or converted; every PA secondaire unspent was earned by a
    // primary talent or bought with converted PA, and not spent since. Counted wide, whatever a file says.
    long long nPADepenses = static_cast<long long>(oEtat.mnPP) + oEtat.mnPAConverti;
    long long nSecondaires = 2LL * oEtat.mnPAConverti;

    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
    {
        const double fCaract = oEtat.mfCaract[nCaract];
        const std::string oNom = NomCaracteristique(static_cast<CARACT>(nCaract));
        if (Demis(fCaract) < 0)
            return oNom + " vaut " + DemiPoints(fCaract) + " : une caractéristique va par demi-points";
        if (fCaract < 1.0)
            return oNom + " vaut " + DemiPoints(fCaract) + " : une caractéristique vaut au moins 1";
        if (fCaract > Grade::LimitCaractMax(nGrade))
            return Raisons::CaractMax(nGrade, static_cast<CARACT>(nCaract), Grade::LimitCaractMax(nGrade));
        nPADepenses += 2 * (Demis(fCaract) - 4);
    }
    const double fFoiVolonte = oEtat.mfCaract[FOI] + oEtat.mfCaract[VOLONTE];
    if (static_cast<long long>(fFoiVolonte) + oEtat.mnPP > Grade::LimitPPMax(nGrade))
        return Raisons::PPMax(nGrade, Grade::LimitPPMax(nGrade));

    if (std::string oDesordre = Desordre(oEtat.moTalents); !oDesordre.empty())
        return oDesordre;
    // The names come in the catalogue's order: one walk finds every record.
    const ListeTalents::Map& oTalents = *moListeTalents.GetInstanceTalents();
    auto oRecord = oTalents.begin();
    for (const Niveau& oTalent : oEtat.moTalents)
    {
        oRecord = Avancer(oRecord, oTalents.end(), oTalent.moNom);
        if (oRecord == oTalents.end() || oRecord->first != oTalent.moNom || oRecord->second == nullptr)
            return oTalent.moNom + " n'est pas un talent du catalogue";
        const Talent& oModele = *oRecord->second;
        const long long nDemis = Demis(oTalent.mfNiveau);
        if (nDemis < 0)
            return NiveauFaux(oTalent);
        if (dynamic_cast<const Langue*>(&oModele) != nullptr && oTalent.mfNiveau > 0.5)
            return Apres(oTalent.moNom, Raisons::Langue());
        if (const Talent* poSpecialite = oModele.GetSpecialite())
        {
            const Niveau* poTenue = Trouver(oEtat.moTalents, poSpecialite->GetName());
            if (poTenue == nullptr)
                return oTalent.moNom + " ne va pas sans " + poSpecialite->GetName();
            if (oTalent.mfNiveau > poTenue->mfNiveau)
                return Raisons::AuDessusDeSaSpecialite(oTalent.moNom, poSpecialite->GetName());
        }
        const CARACT eCaract = oModele.GetCaractBase();
        const float fBase = static_cast<float>(eCaract == AUCUNE ? moCaract[AUCUNE] : oEtat.mfCaract[eCaract]);
        if (oTalent.mfNiveau + Bonus(fBase) > Grade::LimitTalentMax(nGrade))
            return Raisons::ScoreMax(nGrade, oTalent.moNom, Grade::LimitTalentMax(nGrade));
        switch (oModele.GetPriorite())
        {
        case PRIMAIRE:
            nPADepenses += nDemis;
            nSecondaires += nDemis;
            break;
        case SECONDAIRE:
            nSecondaires -= nDemis;
            break;
        default:
            nPADepenses += nDemis;
            break;
        }
    }

    if (std::string oDesordre = Desordre(oEtat.moPouvoirs); !oDesordre.empty())
        return oDesordre;
    const ListePouvoirs::Map oAucun;
    const ListePouvoirs::Map& oPouvoirs = mpoListe ? *mpoListe->GetInstancePouvoirs() : oAucun;
    auto oPouvoirRecord = oPouvoirs.begin();
    for (const Niveau& oPouvoir : oEtat.moPouvoirs)
    {
        oPouvoirRecord = Avancer(oPouvoirRecord, oPouvoirs.end(), oPouvoir.moNom);
        if (oPouvoirRecord == oPouvoirs.end() || oPouvoirRecord->first != oPouvoir.moNom
            || oPouvoirRecord->second == nullptr)
            return oPouvoir.moNom + " n'est pas un pouvoir des " + NomCamp(meCamp) + "s";
        const Pouvoir& oModele = *oPouvoirRecord->second;
        const long long nDemis = Demis(oPouvoir.mfNiveau);
        if (nDemis < 0)
            return NiveauFaux(oPouvoir);
        if (oPouvoir.mfNiveau > Grade::LimitPouvoirMax(nGrade))
            return Raisons::NiveauMax(nGrade, oPouvoir.moNom, Grade::LimitPouvoirMax(nGrade));
        // An invariable power comes at 0.5 and can only come down.
        if (oModele.IsInvariable() && oPouvoir.mfNiveau > 0.5)
            return Raisons::Invariable(oPouvoir.moNom) + ", qui ne dépasse pas le niveau 0,5";
        if (oModele.IsSpecial() && !oModele.IsSpecialOf(oEtat.moSuperieur))
            return Apres(oPouvoir.moNom, Raisons::Reserve(oModele.GetSpecialOf()));
        nPADepenses += nDemis * oModele.GetCout();
    }

    if (oEtat.mnPATotal != oEtat.mnPA + nPADepenses)
        return "Les PA ne tombent pas juste : " + std::to_string(oEtat.mnPATotal) + " au total, pour "
            + std::to_string(oEtat.mnPA) + " restants et " + std::to_string(nPADepenses) + " dépensés";
    if (oEtat.mnPASecondaire != nSecondaires)
        return "Les PA secondaires ne tombent pas juste : " + std::to_string(oEtat.mnPASecondaire) + " restants pour "
            + std::to_string(nSecondaires) + " d'après les talents";
    return {};
}

std::string Personnage::Restaurer(const EtatPersonnage& oEtat)
{
    std::string oProbleme = Verifier(oEtat);
    if (!oProbleme.empty())
        return oProbleme;

    moNom = oEtat.moNom;
    moNotes = oEtat.moNotes;
    mnPATotal = oEtat.mnPATotal;
    mnPA = oEtat.mnPA;
    mnPASecondaire = oEtat.mnPASecondaire;
    mnPASecondConverti = oEtat.mnPAConverti;
    mnGrade = oEtat.mnGrade;
    moSuperieur = oEtat.moSuperieur;
    // Half points are exact in single precision.
    std::copy(oEtat.mfCaract.begin(), oEtat.mfCaract.end(), moCaract.begin());
    mnPP = oEtat.mnPP;

    if (!RemettreNiveaux(moTalents, oEtat.moTalents))
    {
        Possession::Vider(moTalents);
        const ListeTalents::Map& oTalents = *moListeTalents.GetInstanceTalents();
        for (const Niveau& oTalent : oEtat.moTalents)
        {
            Talent* poCopie = CopierTalent(*oTalents.at(oTalent.moNom));
            poCopie->SetNiveau(static_cast<float>(oTalent.mfNiveau));
            moTalents.emplace_hint(moTalents.end(), oTalent.moNom, poCopie);
        }
        // Every speciality is held with its general talent, as Verifier made sure.
        for (const auto& [oNom, poTalent] : moTalents)
        {
            if (const Talent* poSpecialite = oTalents.at(oNom)->GetSpecialite())
                poTalent->SetSpecialite(moTalents.at(poSpecialite->GetName()));
        }
    }

    if (!RemettreNiveaux(moPouvoirs, oEtat.moPouvoirs))
    {
        Possession::Vider(moPouvoirs);
        for (const Niveau& oPouvoir : oEtat.moPouvoirs)
        {
            // A power passed Verifier only if the character has a catalogue that holds it.
            auto* poCopie = new Pouvoir(*mpoListe->GetInstancePouvoirs()->at(oPouvoir.moNom));
            poCopie->SetNiveau(oPouvoir.mfNiveau);
            moPouvoirs.emplace_hint(moPouvoirs.end(), oPouvoir.moNom, poCopie);
        }
    }
    return {};
}
