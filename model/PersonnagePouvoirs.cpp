#include "model/Personnage.h"

#include "model/Grade.h"
#include "model/Raisons.h"
#include "model/Texte.h"

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
        return Refuser(oPouvoir + " est déjà acquis");
    auto poCopie = std::make_unique<Pouvoir>(*oRecord->second);
    if (!AllConditionsPouvoir(poCopie.get()))
        return Refuser(Raisons::Reserve(poCopie->GetSpecialOf()));
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
    if (poPouvoir == nullptr || rang < 0)
        return;
    // Zero steps change nothing, even on an invariable power.
    if (poPouvoir->IsInvariable() && rang > 0)
    {
        Refuser(Raisons::Invariable(oPouvoir));
        return;
    }
    const double fNiveau = poPouvoir->GetNiveau() + 0.5 * rang;
    if (fNiveau > Grade::LimitPouvoirMax(mnGrade))
    {
        Refuser(Raisons::NiveauMax(mnGrade, oPouvoir, Grade::LimitPouvoirMax(mnGrade)));
        return;
    }
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
    {
        Refuser(oPouvoir + " ne descend pas sous 0");
        return;
    }
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
    // What comes down is worth a word; a speciality that cannot come below its general talent is no refusal of
    // the grade's.
    const std::string oRaison = moRaison;
    const auto Ramener = [this](const std::string& oQuoi, auto fDiminuer, auto fValeur) {
        const int nPA = mnPA;
        const int nPASecondaire = mnPASecondaire;
        fDiminuer();
        if (nPA != mnPA || nPASecondaire != mnPASecondaire)
            Remarquer("Grade " + std::to_string(mnGrade) + " : " + oQuoi + " " + fValeur() + ", "
                      + Raisons::Rendus(mnPA - nPA, mnPASecondaire - nPASecondaire));
    };

    // Talents first, while the characteristics still stand where they were.
    const float fTalentMax = Grade::LimitTalentMax(mnGrade);
    for (const auto& oEntree : moTalents)
    {
        const Talent* poTalent = oEntree.second;
        if (poTalent == nullptr)
            continue;
        const float fScore = Score(*poTalent);
        if (fScore > fTalentMax)
            Ramener(oEntree.first + " ramené au score", [&] {
                DiminuerTalent(oEntree.first, static_cast<int>((fScore - fTalentMax) * 2));
            }, [&] { return DemiPoints(Score(*poTalent)); });
    }

    const float fPouvoirMax = Grade::LimitPouvoirMax(mnGrade);
    for (const auto& oEntree : moPouvoirs)
    {
        const Pouvoir* poPouvoir = oEntree.second;
        if (poPouvoir != nullptr && poPouvoir->GetNiveau() > fPouvoirMax)
            Ramener(oEntree.first + " ramené à", [&] {
                DiminuerPouvoir(oEntree.first, static_cast<int>((poPouvoir->GetNiveau() - fPouvoirMax) * 2));
            }, [&] { return DemiPoints(poPouvoir->GetNiveau()); });
    }

    const int nPPMax = Grade::LimitPPMax(mnGrade);
    if (GetPPValue() > nPPMax)
        Ramener("PP ramenés à", [&] { DiminuerPP(GetPPValue() - nPPMax); }, [&] { return std::to_string(GetPPValue()); });

    const float fCaractMax = Grade::LimitCaractMax(mnGrade);
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
    {
        const CARACT eCaract = static_cast<CARACT>(nCaract);
        if (moCaract[eCaract] > fCaractMax)
            Ramener(std::string(NomCaracteristique(eCaract)) + " ramenée à", [&] {
                BaisserCaracteristique(eCaract, static_cast<int>((moCaract[eCaract] - fCaractMax) * 2));
            }, [&] { return DemiPoints(moCaract[eCaract]); });
    }
    moRaison = oRaison;
}
