#include "fichier/Portees.h"

#include "extension/Maison.h"

#include <map>
#include <string>
#include <tuple>

namespace
{
// One extension's definitions in use, by name.
struct EnUsage
{
    const IdentiteExtension* mpoIdentite = nullptr;
    std::map<std::string, const DefinitionSuperieur*> moSuperieurs;
    std::map<std::string, const DefinitionTalent*> moTalents;
    std::map<std::string, const DefinitionPouvoir*> moPouvoirs;
};

// The extensions in use, in the order of their identities.
class Usages
{
public:
    explicit Usages(const Maison& oMaison)
        : moMaison(oMaison)
    {
    }

    void Noter(const EtatPersonnage& oEtat)
    {
        if (const auto* poSuperieur = moMaison.TrouverSuperieur(oEtat.moSuperieur))
            De(*poSuperieur).moSuperieurs.emplace(oEtat.moSuperieur, poSuperieur->mpoDefinition);
        for (const Niveau& oTalent : oEtat.moTalents)
        {
            if (const auto* poTalent = moMaison.TrouverTalent(oTalent.moNom))
                De(*poTalent).moTalents.emplace(poTalent->mpoDefinition->moNom, poTalent->mpoDefinition);
        }
        for (const Niveau& oPouvoir : oEtat.moPouvoirs)
        {
            const auto* poPouvoir = moMaison.TrouverPouvoir(oPouvoir.moNom);
            if (poPouvoir == nullptr)
                continue;
            De(*poPouvoir).moPouvoirs.emplace(oPouvoir.moNom, poPouvoir->mpoDefinition);
            const std::string& oReserveA = poPouvoir->mpoDefinition->moSuperieur;
            if (const auto* poSuperieur = moMaison.TrouverSuperieur(oReserveA))
                De(*poSuperieur).moSuperieurs.emplace(oReserveA, poSuperieur->mpoDefinition);
        }
    }

    std::vector<ContenuExtension> Contenus() const
    {
        std::vector<ContenuExtension> oContenus;
        for (const auto& oUsage : moUsages)
        {
            const EnUsage& oEnUsage = oUsage.second;
            ContenuExtension& oContenu = oContenus.emplace_back();
            oContenu.moIdentite = *oEnUsage.mpoIdentite;
            for (const auto& oSuperieur : oEnUsage.moSuperieurs)
                oContenu.moSuperieurs.push_back(*oSuperieur.second);
            for (const auto& oTalent : oEnUsage.moTalents)
                oContenu.moTalents.push_back(*oTalent.second);
            for (const auto& oPouvoir : oEnUsage.moPouvoirs)
                oContenu.moPouvoirs.push_back(*oPouvoir.second);
        }
        return oContenus;
    }

private:
    using Cle = std::tuple<std::string, int, std::string>;

    template <class Entree>
    EnUsage& De(const Entree& oEntree)
    {
        const IdentiteExtension& oIdentite = *oEntree.mpoExtension;
        EnUsage& oUsage = moUsages[Cle(oIdentite.moId, oIdentite.mnRevision, oIdentite.moNom)];
        oUsage.mpoIdentite = &oIdentite;
        return oUsage;
    }

    const Maison& moMaison;
    std::map<Cle, EnUsage> moUsages;
};
}

std::vector<ContenuExtension> Portees(const Maison& oMaison, const EtatPersonnage& oEtat, const Journal& oJournal)
{
    Usages oUsages(oMaison);
    oUsages.Noter(oEtat);
    for (const Attribution& oAttribution : oJournal)
        oUsages.Noter(*oAttribution.mpoEtat);
    return oUsages.Contenus();
}
