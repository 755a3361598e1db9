#include "model/Personnage.h"

#include "catalogue/Superieurs.h"
#include "enregistrements/Possession.h"
#include "extension/Maison.h"

#include <utility>

namespace
{
// The record of a house talent, or of its speciality under the speciality's name.
std::unique_ptr<Talent> RecordTalent(const std::string& oNom, const DefinitionTalent& oDefinition)
{
    if (oDefinition.mbLangue)
        return std::make_unique<Langue>(oNom);
    return std::make_unique<Talent>(oNom, oDefinition.mePriorite, oDefinition.meCaract);
}

std::unique_ptr<Pouvoir> RecordPouvoir(const DefinitionPouvoir& oDefinition)
{
    auto poPouvoir = std::make_unique<Pouvoir>(oDefinition.moNom, oDefinition.mnPrix);
    poPouvoir->SetIsInvariable(oDefinition.mbInvariable);
    poPouvoir->SetSpecialOf(oDefinition.moSuperieur);
    return poPouvoir;
}
}

void Personnage::Meubler(std::shared_ptr<const Maison> poMaison)
{
    mpoMaison = std::move(poMaison);
    if (mpoMaison == nullptr)
        return;
    // The house's entries come in name order: each record goes straight to its place.
    ListeTalents::Map& oTalents = *moListeTalents.GetInstanceTalents();
    auto oTalent = oTalents.begin();
    for (const auto& [oNom, oEntree] : mpoMaison->GetTalents())
    {
        const DefinitionTalent& oDefinition = *oEntree.mpoDefinition;
        oTalent = Possession::ClasserApres(oTalents, oTalent, oNom, RecordTalent(oNom, oDefinition));
        // A speciality's name comes after its general talent's, though not always next to it.
        if (oNom != oDefinition.moNom)
            oTalents.at(oDefinition.moNom)->SetSpecialite(oTalent->second);
    }
    if (mpoListe == nullptr)
        return;
    ListePouvoirs::Map& oPouvoirs = *mpoListe->GetInstancePouvoirs();
    auto oPouvoir = oPouvoirs.begin();
    for (const auto& [oNom, oEntree] : mpoMaison->GetPouvoirs())
    {
        if (OuvertA(oEntree.mpoDefinition->meCamp, meCamp))
            oPouvoir = Possession::ClasserApres(oPouvoirs, oPouvoir, oNom, RecordPouvoir(*oEntree.mpoDefinition));
    }
}

const std::vector<std::string>& Personnage::GetSuperieurs() const
{
    return mpoMaison ? mpoMaison->Superieurs(meCamp) : ListeSuperieurs(meCamp);
}
