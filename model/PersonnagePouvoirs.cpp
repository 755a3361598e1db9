#include "model/Personnage.h"

#include "model/Grade.h"

#include <memory>

bool Personnage::AllConditionsPouvoir(Pouvoir* poPouvoir)
{
    return !poPouvoir->IsSpecial() || poPouvoir->IsSpecialOf(moSuperieur);
}

bool Personnage::AjouterPouvoirBase(std::string oPouvoir)
{
    ListePouvoirs::Map* poCatalogue = GetListeDesPouvoirs();
    if (poCatalogue == nullptr)
        return false;
    auto oRecord = poCatalogue->find(oPouvoir);
    if (oRecord == poCatalogue->end() || oRecord->second == nullptr)
        return false;
    Pouvoir*& poTenu = moPouvoirs[oPouvoir];
    if (poTenu)
        return false;
    auto poCopie = std::make_unique<Pouvoir>(*oRecord->second);
    if (!AllConditionsPouvoir(poCopie.get()))
        return false;
    if (!RemovePA(poCopie->GetCout()))
        return false;
    // Acquiring a power buys its first half level.
    poCopie->SetNiveau(0.5);
    poTenu = poCopie.release();
    return true;
}

void Personnage::EnleverPouvoirBase(std::string oPouvoir)
{
    Pouvoir*& poPouvoir = moPouvoirs[oPouvoir];
    if (!poPouvoir)
        return;
    mnPA += static_cast<int>(poPouvoir->GetNiveau() * 2) * poPouvoir->GetCout();
    delete poPouvoir;
    poPouvoir = nullptr;
}

void Personnage::AugmenterPouvoir(std::string oPouvoir, int rang)
{
    Pouvoir* poPouvoir = moPouvoirs[oPouvoir];
    if (poPouvoir == nullptr || poPouvoir->IsInvariable() || rang < 0)
        return;
    const double fNiveau = poPouvoir->GetNiveau() + 0.5 * rang;
    if (fNiveau > Grade::LimitPouvoirMax(mnGrade))
        return;
    if (!RemovePA(rang * poPouvoir->GetCout()))
        return;
    poPouvoir->SetNiveau(fNiveau);
}

void Personnage::DiminuerPouvoir(std::string oPouvoir, int rang)
{
    Pouvoir* poPouvoir = moPouvoirs[oPouvoir];
    if (poPouvoir == nullptr || rang < 0)
        return;
    const double fNiveau = poPouvoir->GetNiveau() - 0.5 * rang;
    if (fNiveau < 0.0)
        return;
    poPouvoir->SetNiveau(fNiveau);
    mnPA += rang * poPouvoir->GetCout();
}

int Personnage::SetGrade(int nGrade)
{
    mnGrade = nGrade;
    Ajuster();
    return mnGrade;
}

void Personnage::Ajuster()
{
    // Talents first, while the characteristics still stand where they were.
    const float fTalentMax = Grade::LimitTalentMax(mnGrade);
    for (const auto& oEntree : moTalents)
    {
        const Talent* poTalent = oEntree.second;
        if (poTalent == nullptr)
            continue;
        const float fScore = poTalent->GetNiveau() + GetBonusCaract(poTalent->GetCaractBase());
        if (fScore > fTalentMax)
            DiminuerTalent(oEntree.first, static_cast<int>((fScore - fTalentMax) * 2));
    }

    const float fPouvoirMax = Grade::LimitPouvoirMax(mnGrade);
    for (const auto& oEntree : moPouvoirs)
    {
        const Pouvoir* poPouvoir = oEntree.second;
        if (poPouvoir != nullptr && poPouvoir->GetNiveau() > fPouvoirMax)
            DiminuerPouvoir(oEntree.first, static_cast<int>((poPouvoir->GetNiveau() - fPouvoirMax) * 2));
    }

    const int nPPMax = Grade::LimitPPMax(mnGrade);
    if (GetPPValue() > nPPMax)
        DiminuerPP(GetPPValue() - nPPMax);

    const float fCaractMax = Grade::LimitCaractMax(mnGrade);
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
    {
        const CARACT eCaract = static_cast<CARACT>(nCaract);
        if (moCaract[eCaract] > fCaractMax)
            BaisserCaracteristique(eCaract, static_cast<int>((moCaract[eCaract] - fCaractMax) * 2));
    }
}
