#include "enregistrements/Talent.h"

#include <utility>

Talent::Talent(std::string oTalent, PRIORITE ePriorite, CARACT eCaract)
    : moNom(std::move(oTalent)),
      mpoSpecialite(nullptr),
      mePriorite(ePriorite),
      meCaractBase(eCaract),
      mfNiveau(0.0f)
{
}

bool Talent::IsAugmentable(int nRang)
{
    Debug("IsAugmentable dans Talent");
    if (mpoSpecialite == nullptr)
        return true;
    return mfNiveau + 0.5f * nRang <= mpoSpecialite->GetNiveau();
}

Langue::Langue(std::string oTalent)
    : Talent(std::move(oTalent), SECONDAIRE, AUCUNE)
{
}

bool Langue::IsAugmentable(int nRang)
{
    Debug("IsAugmentable dans Langue");
    return mfNiveau + 0.5f * nRang <= 0.5f;
}
