#include "model/Personnage.h"

#include "model/Grade.h"
#include "model/Possession.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace
{
constexpr float kCaractDeDepart = 2.0f;
constexpr float kCaractMin = 1.0f;
constexpr int kPAParDemiPoint = 2;  // a characteristic's half point costs 2 PA

// The room PATotalMax leaves: what lowering every characteristic from its start to the floor gives back, the only
// PA a character can have that the total did not grant.
static_assert(Personnage::PATotalMax
              == std::numeric_limits<int>::max()
                     - AUCUNE * static_cast<int>((kCaractDeDepart - kCaractMin) * 2) * kPAParDemiPoint);

bool EstCaracteristique(CARACT eCaract)
{
    return eCaract >= FORCE && eCaract < AUCUNE;
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
    if (mnPASecondConverti - nDiff < 0)
        return false;
    // Halved rather than doubled: twice a large shortfall would overflow into a price that seems paid.
    if (nDiff > mnPASecondaire / 2)
        return false;
    mnPASecondaire -= 2 * nDiff;
    mnPASecondConverti -= nDiff;
    mnPA = 0;
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
        return false;
    mnPA -= nPANeed;
    mnPASecondConverti += nPANeed;
    // Each converted PA gives two PA secondaire: an odd shortfall leaves one over.
    mnPASecondaire = nDiff % 2;
    return true;
}

void Personnage::AddPATotal(int nPA)
{
    // The total comes down through RemovePATotal, which checks that the points are there.
    if (nPA < 0 || nPA > PATotalMax - std::max(mnPA, mnPATotal))
        return;
    mnPA += nPA;
    mnPATotal += nPA;
}

bool Personnage::RemovePATotal(int nPA)
{
    if (!RemovePA(nPA))
        return false;
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
        return;
    if (RemovePA(rang))
        mnPP += rang;
}

void Personnage::DiminuerPP(int rang)
{
    if (rang < 0 || mnPP - rang < 0)
        return;
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
        return;
    if (!IsTalentsCoherents(eCaract, fValue))
        return;
    if (!RemovePA(kPAParDemiPoint * rang))
        return;
    moCaract[eCaract] = fValue;
    // FOI and VOLONTE carry the PP value: a raise that pushes it past its cap is undone, the PA come back.
    if (GetPPValue() > Grade::LimitPPMax(mnGrade))
        BaisserCaracteristique(eCaract, rang);
}

void Personnage::BaisserCaracteristique(CARACT eCaract, int rang)
{
    if (!EstCaracteristique(eCaract) || rang < 0)
        return;
    const float fValue = moCaract[eCaract] - 0.5f * rang;
    if (fValue < kCaractMin)
        return;
    moCaract[eCaract] = fValue;
    mnPA += kPAParDemiPoint * rang;
}

float Personnage::Bonus(float fCaract)
{
    return std::max(1.0f, static_cast<int>(fCaract) * 0.5f);
}

bool Personnage::IsTalentsCoherents(CARACT eCaract, float fValue)
{
    const float fBonus = Bonus(fValue);
    const float fCap = Grade::LimitTalentMax(mnGrade);
    return std::none_of(moTalents.begin(), moTalents.end(), [&](const auto& oEntree) {
        const Talent* poTalent = oEntree.second;
        return poTalent != nullptr && poTalent->GetCaractBase() == eCaract
            && poTalent->GetNiveau() + fBonus > fCap;
    });
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
            return;
    }
    moSuperieur = std::move(oSup);
}
