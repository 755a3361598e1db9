#include "extension/Maison.h"

#include "catalogue/ListeTalents.h"
#include "catalogue/Superieurs.h"

#include <algorithm>
#include <utility>

namespace
{
template <class Map>
auto Trouver(const Map& oMap, const std::string& oNom) -> const typename Map::mapped_type*
{
    const auto oTrouve = oMap.find(oNom);
    return oTrouve != oMap.end() ? &oTrouve->second : nullptr;
}

template <class Definition>
bool Meme(const Maison::Entree<Definition>* poEntree, const Definition& oDefinition, const IdentiteExtension& oIdentite)
{
    return poEntree != nullptr && *poEntree->mpoDefinition == oDefinition && *poEntree->mpoExtension == oIdentite;
}
}

Maison::Maison(std::vector<ContenuExtension> oContenus)
    : moContenus(std::move(oContenus))
{
    for (const ContenuExtension& oContenu : moContenus)
        Classer(oContenu);
    for (PERSO eCamp : {DEMON, ANGE})
        moSuperieursDe[eCamp] = ListeSuperieurs(eCamp);
    for (const ContenuExtension& oContenu : moContenus)
    {
        for (const DefinitionSuperieur& oSuperieur : oContenu.moSuperieurs)
        {
            if (moSuperieurs.at(oSuperieur.moNom).mpoDefinition == &oSuperieur)
                moSuperieursDe[oSuperieur.meCamp].push_back(oSuperieur.moNom);
        }
    }
}

void Maison::Classer(const ContenuExtension& oContenu)
{
    const IdentiteExtension* poIdentite = &oContenu.moIdentite;
    for (const DefinitionSuperieur& oSuperieur : oContenu.moSuperieurs)
    {
        Effacer(oSuperieur.moNom);
        moSuperieurs[oSuperieur.moNom] = {&oSuperieur, poIdentite};
    }
    for (const DefinitionTalent& oTalent : oContenu.moTalents)
    {
        Effacer(oTalent.moNom);
        moTalents[oTalent.moNom] = {&oTalent, poIdentite};
        if (oTalent.mbSpecialite)
            moTalents[oTalent.moNom + ListeTalents::SuffixeSpecialite] = {&oTalent, poIdentite};
    }
    for (const DefinitionPouvoir& oPouvoir : oContenu.moPouvoirs)
    {
        Effacer(oPouvoir.moNom);
        moPouvoirs[oPouvoir.moNom] = {&oPouvoir, poIdentite};
    }
}

void Maison::Effacer(const std::string& oNom)
{
    moSuperieurs.erase(oNom);
    moPouvoirs.erase(oNom);
    const auto oTalent = moTalents.find(oNom);
    if (oTalent == moTalents.end())
        return;
    if (oTalent->second.mpoDefinition->mbSpecialite)
        moTalents.erase(oNom + ListeTalents::SuffixeSpecialite);
    moTalents.erase(oTalent);
}

bool Maison::Definit(const ContenuExtension& oContenu) const
{
    const IdentiteExtension& oIdentite = oContenu.moIdentite;
    return std::all_of(oContenu.moSuperieurs.begin(), oContenu.moSuperieurs.end(),
                       [&](const DefinitionSuperieur& o) { return Meme(TrouverSuperieur(o.moNom), o, oIdentite); })
        && std::all_of(oContenu.moTalents.begin(), oContenu.moTalents.end(),
                       [&](const DefinitionTalent& o) { return Meme(TrouverTalent(o.moNom), o, oIdentite); })
        && std::all_of(oContenu.moPouvoirs.begin(), oContenu.moPouvoirs.end(),
                       [&](const DefinitionPouvoir& o) { return Meme(TrouverPouvoir(o.moNom), o, oIdentite); });
}

std::shared_ptr<const Maison> Maison::Composer(const std::shared_ptr<const Maison>& poInstallee,
                                               const std::shared_ptr<const Maison>& poPortee)
{
    const auto Definie = [&](const ContenuExtension& oContenu) { return poInstallee->Definit(oContenu); };
    if (poPortee == nullptr
        || (poInstallee != nullptr && std::all_of(poPortee->moContenus.begin(), poPortee->moContenus.end(), Definie)))
        return poInstallee;
    if (poInstallee == nullptr)
        return poPortee;
    std::vector<ContenuExtension> oContenus = poInstallee->moContenus;
    oContenus.insert(oContenus.end(), poPortee->moContenus.begin(), poPortee->moContenus.end());
    return std::make_shared<const Maison>(std::move(oContenus));
}

const Maison::Entree<DefinitionTalent>* Maison::TrouverTalent(const std::string& oNom) const
{
    return Trouver(moTalents, oNom);
}

const Maison::Entree<DefinitionPouvoir>* Maison::TrouverPouvoir(const std::string& oNom) const
{
    return Trouver(moPouvoirs, oNom);
}

const Maison::Entree<DefinitionSuperieur>* Maison::TrouverSuperieur(const std::string& oNom) const
{
    return Trouver(moSuperieurs, oNom);
}

const std::vector<std::string>& Maison::Superieurs(PERSO eCamp) const
{
    return eCamp == DEMON || eCamp == ANGE ? moSuperieursDe[eCamp] : ListeSuperieurs(eCamp);
}
