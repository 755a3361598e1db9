#include "model/Personnage.h"

#include "model/Grade.h"
#include "model/Raisons.h"

void Personnage::AjouterTalentBase(std::string oTalent, PRIORITE, CARACT)
{
    ListeTalents::Map& oCatalogue = *GetListeDesTalents();
    auto oRecord = oCatalogue.find(oTalent);
    if (oRecord == oCatalogue.end() || oRecord->second == nullptr)
        return;
    Talent*& poCopie = moTalents[oTalent];
    if (poCopie)
        return;
    const Talent& oModele = *oRecord->second;
    poCopie = CopierTalent(oModele);

    const Talent* poSpeModele = oModele.GetSpecialite();
    if (poSpeModele == nullptr)
        return;
    // The copy must point to the character's own speciality, never into the catalogue.
    Talent*& poSpecialite = moTalents[poSpeModele->GetName()];
    if (!poSpecialite)
        poSpecialite = CopierTalent(*poSpeModele);
    poCopie->SetSpecialite(poSpecialite);
}

Talent* Personnage::CopierTalent(const Talent& oModele)
{
    Talent* poCopie = nullptr;
    if (dynamic_cast<const Langue*>(&oModele) != nullptr)
        poCopie = new Langue(oModele.GetName());
    else
        poCopie = new Talent(oModele);
    poCopie->SetNiveau(0.0f);
    poCopie->SetSpecialite(nullptr);
    return poCopie;
}

bool Personnage::EnleverTalentBase(std::string oTalent)
{
    Talent*& poTalent = moTalents[oTalent];
    if (poTalent)
    {
        // A speciality stays while its general talent is held.
        if (const Talent* poGeneral = GetTalentGeneral(poTalent))
            return Refuser(oTalent + " reste tant que " + poGeneral->GetName() + " est là");
        DiminuerTalent(oTalent, static_cast<int>(poTalent->GetNiveau() * 2));
        delete poTalent;
        poTalent = nullptr;
    }
    return true;
}

void Personnage::AugmenterTalent(std::string oTalent, int rang)
{
    Talent* poTalent = moTalents[oTalent];
    if (poTalent == nullptr)
        return;
    if (!poTalent->IsAugmentable(rang))
    {
        const Talent* poSpecialite = poTalent->GetSpecialite();
        Refuser(poSpecialite ? Raisons::AuDessusDeSaSpecialite(oTalent, poSpecialite->GetName()) : Raisons::Langue());
        return;
    }
    const float fScore = Score(*poTalent) + 0.5f * rang;
    if (fScore > Grade::LimitTalentMax(mnGrade))
    {
        Refuser(Raisons::ScoreMax(mnGrade, oTalent, Grade::LimitTalentMax(mnGrade)));
        return;
    }
    switch (poTalent->GetPriorite())
    {
    case PRIMAIRE:
        // Each half level of a primary talent earns one PA secondaire.
        if (!RemovePA(rang))
            return;
        mnPASecondaire += rang;
        break;
    case SECONDAIRE:
        if (!RemovePASecondaire(rang))
            return;
        break;
    default:
        if (!RemovePA(rang))
            return;
        break;
    }
    poTalent->SetNiveau(poTalent->GetNiveau() + 0.5f * rang);
}

void Personnage::DiminuerTalent(std::string oTalent, int rang)
{
    Talent* poTalent = moTalents[oTalent];
    if (poTalent == nullptr || rang < 0)
        return;
    const Talent* poGeneral = GetTalentGeneral(poTalent);
    const float fNiveau = poTalent->GetNiveau() - 0.5f * rang;
    // A speciality may come down to its general talent's level, not below.
    if (poGeneral != nullptr && poGeneral->GetNiveau() > fNiveau)
    {
        Refuser(oTalent + " ne descend pas sous " + poGeneral->GetName());
        return;
    }
    if (fNiveau < 0.0f)
    {
        Refuser(oTalent + " ne descend pas sous 0");
        return;
    }
    switch (poTalent->GetPriorite())
    {
    case PRIMAIRE:
        // The PA secondaire earned go back; the refunded PA always cover a shortfall.
        mnPA += rang;
        RemovePASecondaire(rang);
        break;
    case SECONDAIRE:
        mnPASecondaire += rang;
        break;
    default:
        mnPA += rang;
        break;
    }
    poTalent->SetNiveau(fNiveau);
}

Talent* Personnage::GetTalentGeneral(Talent* poTalent)
{
    for (const auto& oEntree : moTalents)
    {
        if (oEntree.second && oEntree.second->GetSpecialite() == poTalent)
            return oEntree.second;
    }
    return nullptr;
}
