#include "PersonnagePlein.h"

#include "model/Personnage.h"

void RemplirPersonnage(Personnage& oPerso)
{
    oPerso.AddPATotal(999 - oPerso.GetPATotal());
    for (const auto& [oNom, poTalent] : *oPerso.GetListeDesTalents())
        oPerso.AjouterTalentBase(oNom, poTalent->GetPriorite(), poTalent->GetCaractBase());
    for (const auto& oEntree : *oPerso.GetListeDesPouvoirs())
        oPerso.AjouterPouvoirBase(oEntree.first);
}
