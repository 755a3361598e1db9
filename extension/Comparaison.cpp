#include "extension/Comparaison.h"

#include "extension/Maison.h"

#include <algorithm>

namespace
{
std::string Nommer(const IdentiteExtension& oIdentite)
{
    const std::string oRevision = std::to_string(oIdentite.mnRevision);
    return "« " + oIdentite.moNom + " » (" + oIdentite.moId + ", révision " + oRevision + ")";
}
}

Ecarts Comparer(const std::vector<ContenuExtension>& oPortees, const Maison* poInstallee)
{
    Ecarts oEcarts;
    std::vector<std::string> oVues;
    const std::vector<ContenuExtension> oAucune;
    const std::vector<ContenuExtension>& oInstallees = poInstallee ? poInstallee->GetContenus() : oAucune;
    for (const ContenuExtension& oPortee : oPortees)
    {
        const IdentiteExtension& oIdentite = oPortee.moIdentite;
        if (std::find(oVues.begin(), oVues.end(), oIdentite.moId) != oVues.end())
            continue;
        oVues.push_back(oIdentite.moId);
        const auto oInstallee = std::find_if(oInstallees.begin(), oInstallees.end(), [&](const ContenuExtension& o) {
            return o.moIdentite.moId == oIdentite.moId;
        });
        if (oInstallee == oInstallees.end())
            oEcarts.moAbsentes.push_back(oIdentite);
        else if (!(oInstallee->moIdentite == oIdentite) || !poInstallee->Definit(oPortee))
            oEcarts.moAutrement.emplace_back(oIdentite, oInstallee->moIdentite.mnRevision);
    }
    return oEcarts;
}

std::string DireEcarts(const Ecarts& oEcarts)
{
    std::string oTexte;
    const auto Ajouter = [&](const std::string& oPartie) { oTexte += (oTexte.empty() ? "" : " ; ") + oPartie; };
    for (const IdentiteExtension& oAbsente : oEcarts.moAbsentes)
        Ajouter(Nommer(oAbsente) + " n'est pas installée");
    for (const auto& [oPortee, nRevision] : oEcarts.moAutrement)
        Ajouter(Nommer(oPortee) + " est installée autrement, en révision " + std::to_string(nRevision));
    return oTexte.empty() ? oTexte : oTexte + " : le personnage garde les définitions qu'il porte";
}
