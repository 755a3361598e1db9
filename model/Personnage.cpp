#include "model/Personnage.h"

#include "model/Grade.h"
#include "enregistrements/Possession.h"
#include "model/Raisons.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace
{
constexpr float kCaractDeDepart = 2.0f;
constexpr float kCaractMin = 1.0f;

// The room PATotalMax leaves: what lowering every characteristic from its start to the floor gives back, the only
// PA a character can have that the total did not grant.
static_assert(Personnage::PATotalMax
              == std::numeric_limits<int>::max()
                     - AUCUNE * static_cast<int>((kCaractDeDepart - kCaractMin) * 2) * Personnage::PAParDemiPoint);

bool EstCaracteristique(CARACT eCaract)
{
    return eCaract >= FORCE && eCaract < AUCUNE;
}

std::string Converti(int nPA)
{
    return std::to_string(nPA) + (nPA > 1 ? " PA convertis" : " PA converti");
}
}

Personnage::Personnage(int nPA)
    : Personnage(nPA, SansCamp)
{
}

Personnage::Personnage(int nPA, PERSO eCamp)
    : mnPA(nPA),
      mnPATotal(nPA),
      mnPASecondaire(0),
      mnPASecondConverti(0),
      moCaract(AUCUNE + 1, kCaractDeDepart),
      mnGrade(0),
      mnPP(0),
      mpoListe(nullptr),
      meCamp(eCamp)
{
}

Personnage::Personnage()
    : Personnage(20)
{
}

Personnage::~Personnage()
{
    Possession::Vider(moPouvoirs);
    Possession::Vider(moTalents);
    delete mpoListe;
}

float Personnage::GetCaract(CARACT eCaract) const
{
    return moCaract[eCaract];
}

Talent* Personnage::GetTalent(std::string oTalent)
{
    return moTalents[oTalent];
}

Pouvoir* Personnage::GetPouvoir(std::string oPouvoir)
{
    return moPouvoirs[oPouvoir];
}

const Talent* Personnage::TrouverTalent(const std::string& oTalent) const
{
    const auto oTrouve = moTalents.find(oTalent);
    return oTrouve != moTalents.end() ? oTrouve->second : nullptr;
}

const Pouvoir* Personnage::TrouverPouvoir(const std::string& oPouvoir) const
{
    const auto oTrouve = moPouvoirs.find(oPouvoir);
    return oTrouve != moPouvoirs.end() ? oTrouve->second : nullptr;
}

ListePouvoirs::Map* Personnage::GetListeDesPouvoirs()
{
    return mpoListe ? mpoListe->GetInstancePouvoirs() : nullptr;
}

bool Personnage::RemovePA(int val)
{
    if (val < 0)
        return false;
    if (mnPA - val >= 0)
    {
        mnPA -= val;
        return true;
    }
    const int nDiff = val - mnPA;
    // Halved rather than doubled: twice a large shortfall would overflow into a price that seems paid.
    const int nRepris = std::min(mnPASecondConverti, mnPASecondaire / 2);
    if (nDiff > nRepris)
        return Refuser(Raisons::ManquePA(static_cast<long long>(nDiff) - nRepris, mnPA));
    mnPASecondaire -= 2 * nDiff;
    mnPASecondConverti -= nDiff;
    mnPA = 0;
    Remarquer(Converti(nDiff) + " repris contre " + std::to_string(2 * nDiff) + " PA secondaires");
    return true;
}

bool Personnage::RemovePASecondaire(int val)
{
    if (val < 0)
        return false;
    if (mnPASecondaire - val >= 0)
    {
        mnPASecondaire -= val;
        return true;
    }
    const int nDiff = val - mnPASecondaire;
    // Half the shortfall, rounded up, without the sum that would overflow for the largest amounts.
    const int nPANeed = nDiff / 2 + nDiff % 2;
    // Only unspent PA can be converted: taking converted PA back would cost exactly what it buys.
    if (mnPA < nPANeed)
    {
        return Refuser("Il manque " + std::to_string(nDiff) + " PA secondaires : il faudrait convertir "
                       + std::to_string(nPANeed) + " PA (il en reste " + std::to_string(mnPA) + ")");
    }
    mnPA -= nPANeed;
    mnPASecondConverti += nPANeed;
    // Each converted PA gives two PA secondaire: an odd shortfall leaves one over.
    mnPASecondaire = nDiff % 2;
    Remarquer(Converti(nPANeed) + " en " + std::to_string(2LL * nPANeed) + " PA secondaires");
    return true;
}

void Personnage::AddPATotal(int nPA)
{
    if (nPA < 0)
        return;
    // The total comes down through RemovePATotal, which checks that the points are there.
    if (nPA > PATotalMax - std::max(mnPA, mnPATotal))
    {
        Refuser("Le total de PA ne dépasse pas " + std::to_string(PATotalMax - std::max(mnPA - mnPATotal, 0)));
        return;
    }
    mnPA += nPA;
    mnPATotal += nPA;
}

bool Personnage::RemovePATotal(int nPA)
{
    if (!RemovePA(nPA))
    {
        // What RemovePA could not find is spent: the total stops where the points still there run out.
        const long long nDisponibles = static_cast<long long>(mnPA) + std::min(mnPASecondConverti, mnPASecondaire / 2);
        return nPA >= 0
            && Refuser("Le total de PA ne descend pas sous " + std::to_string(mnPATotal - nDisponibles)
                       + " : le reste est dépensé");
    }
    mnPATotal -= nPA;
    return true;
}

int Personnage::GetPPValue() const
{
    return static_cast<int>(moCaract[FOI] + moCaract[VOLONTE]) + mnPP;
}

void Personnage::AugmenterPP(int rang)
{
    // Written as a difference so that no amount can overflow the sum.
    if (rang > Grade::LimitPPMax(mnGrade) - GetPPValue())
    {
        Refuser(Raisons::PPMax(mnGrade, Grade::LimitPPMax(mnGrade)));
        return;
    }
    if (RemovePA(rang))
        mnPP += rang;
}

void Personnage::DiminuerPP(int rang)
{
    if (rang < 0)
        return;
    if (mnPP - rang < 0)
    {
        Refuser("Les PP ne descendent pas sous " + std::to_string(GetPPValue() - mnPP)
                + ", ce que donnent Foi et Volonté");
        return;
    }
    mnPA += rang;
    mnPP -= rang;
}

void Personnage::AugmenteCaracteristique(CARACT eCaract, int rang)
{
    // A negative raise would be a lowering paid back: BaisserCaracteristique does that, within the floor.
    if (!EstCaracteristique(eCaract) || rang < 0)
        return;
    const float fValue = moCaract[eCaract] + 0.5f * rang;
    if (fValue > Grade::LimitCaractMax(mnGrade))
    {
        Refuser(Raisons::CaractMax(mnGrade, eCaract, Grade::LimitCaractMax(mnGrade)));
        return;
    }
    if (const Talent* poTalent = TalentIncoherent(eCaract, fValue))
    {
        Refuser(Raisons::ScoreMax(mnGrade, poTalent->GetName(), Grade::LimitTalentMax(mnGrade)));
        return;
    }
    if (!RemovePA(PAParDemiPoint * rang))
        return;
    moCaract[eCaract] = fValue;
    // FOI and VOLONTE carry the PP value: a raise that pushes it past its cap is undone, the PA come back.
    if (GetPPValue() > Grade::LimitPPMax(mnGrade))
    {
        BaisserCaracteristique(eCaract, rang);
        Refuser(Raisons::PPMax(mnGrade, Grade::LimitPPMax(mnGrade)));
    }
}

void Personnage::BaisserCaracteristique(CARACT eCaract, int rang)
{
    if (!EstCaracteristique(eCaract) || rang < 0)
        return;
    const float fValue = moCaract[eCaract] - 0.5f * rang;
    if (fValue < kCaractMin)
    {
        Refuser(Raisons::CaractMin(eCaract));
        return;
    }
    moCaract[eCaract] = fValue;
    mnPA += PAParDemiPoint * rang;
}

float Personnage::Bonus(float fCaract)
{
    return std::max(1.0f, static_cast<int>(fCaract) * 0.5f);
}

bool Personnage::IsTalentsCoherents(CARACT eCaract, float fValue)
{
    return TalentIncoherent(eCaract, fValue) == nullptr;
}

const Talent* Personnage::TalentIncoherent(CARACT eCaract, float fValue) const
{
    const float fBonus = Bonus(fValue);
    const float fCap = Grade::LimitTalentMax(mnGrade);
    for (const auto& [oNom, poTalent] : moTalents)
    {
        if (poTalent != nullptr && poTalent->GetCaractBase() == eCaract && poTalent->GetNiveau() + fBonus > fCap)
            return poTalent;
    }
    return nullptr;
}

int Personnage::GetPF() const
{
    return static_cast<int>(moCaract[FORCE] + moCaract[VOLONTE]);
}

int Personnage::GetBL() const
{
    return 0;
}

void Personnage::SetSuperieur(std::string oSup)
{
    for (const auto& oEntree : moPouvoirs)
    {
        if (oEntree.second && oEntree.second->IsSpecialOf(moSuperieur))
        {
            Refuser(oEntree.first + " est réservé à " + moSuperieur + " : impossible de changer de supérieur");
            return;
        }
    }
    moSuperieur = std::move(oSup);
}

void Personnage::OublierRaisons()
{
    moRaison.clear();
    moRemarques.clear();
}

bool Personnage::Refuser(std::string oRaison)
{
    moRaison = std::move(oRaison);
    return false;
}

void Personnage::Remarquer(std::string oRemarque)
{
    moRemarques.push_back(std::move(oRemarque));
}
