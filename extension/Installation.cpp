#include "extension/Installation.h"

#include "extension/Maison.h"
#include "extension/Noms.h"

#include <algorithm>
#include <utility>

namespace
{
// How a reason names an extension: "« Les ombres de Paris » (ombres-de-paris.vexal-extension)".
std::string Qui(const ExtensionLue& oLue)
{
    return "« " + oLue.moExtension->moContenu.moIdentite.moNom + " » (" + oLue.moFichier + ")";
}

const IdentiteExtension& Identite(const ExtensionLue& oLue)
{
    return oLue.moExtension->moContenu.moIdentite;
}

bool Exclut(const ExtensionLue& oLue, const ExtensionLue& oAutre)
{
    const std::vector<std::string>& oIncompatibles = oLue.moExtension->moIncompatibles;
    return std::find(oIncompatibles.begin(), oIncompatibles.end(), Identite(oAutre).moId) != oIncompatibles.end();
}

// Why the extension cannot go with those loaded before it; empty when it can.
std::string Conflit(const ExtensionLue& oLue, const std::vector<const ExtensionLue*>& oChargees, const NomsPris& oNoms)
{
    for (const ExtensionLue* poChargee : oChargees)
    {
        if (Identite(*poChargee).moId == Identite(oLue).moId)
            return "l'identifiant « " + Identite(oLue).moId + " » est déjà celui de " + Qui(*poChargee);
        if (Exclut(oLue, *poChargee) || Exclut(*poChargee, oLue))
            return "« " + Identite(oLue).moNom + " » est incompatible avec " + Qui(*poChargee);
    }
    return oNoms.Conflit(oLue.moExtension->moContenu);
}

// The first requirement of the extension that those loaded do not meet; empty when they meet them all.
std::string Exigences(const ExtensionLue& oLue, const std::vector<const ExtensionLue*>& oChargees)
{
    for (const Exigence& oExigence : oLue.moExtension->moRequiert)
    {
        const std::string oRequiert =
            "requiert « " + oExigence.moId + " » en révision " + std::to_string(oExigence.mnRevision) + " au moins";
        const auto oTrouvee = std::find_if(oChargees.begin(), oChargees.end(), [&](const ExtensionLue* po) {
            return Identite(*po).moId == oExigence.moId;
        });
        if (oTrouvee == oChargees.end())
            return oRequiert + ", qui n'est pas chargée";
        if (Identite(**oTrouvee).mnRevision < oExigence.mnRevision)
            return oRequiert + " ; " + Qui(**oTrouvee) + " est en révision "
                + std::to_string(Identite(**oTrouvee).mnRevision);
    }
    return {};
}

// The installed files decided together: which are loaded, and why the others are not.
class Departage
{
public:
    explicit Departage(std::vector<ExtensionLue> oLues)
        : moLues(std::move(oLues))
    {
        std::sort(moLues.begin(), moLues.end(), [](const ExtensionLue& oGauche, const ExtensionLue& oDroite) {
            return oGauche.moFichier < oDroite.moFichier;
        });
        for (const ExtensionLue& oLue : moLues)
        {
            const bool bLue = oLue.moExtension.has_value();
            moEtats.push_back({oLue.moFichier, bLue ? EtatExtension::Chargee : EtatExtension::Refusee, oLue.moRaison});
            moEcartees.push_back(!bLue);
        }
    }

    // Until no file loaded lacks what it needs, each time without the one left out last.
    Installation Decider()
    {
        do
            Charger();
        while (Ecarter());
        std::vector<ContenuExtension> oContenus;
        for (std::size_t n = 0; n < moLues.size(); ++n)
        {
            if (moEtats[n].meEtat == EtatExtension::Chargee)
                oContenus.push_back(moLues[n].moExtension->moContenu);
            else if (moLues[n].moExtension)
                moEtats[n].moRaison = moEtats[n].moFichier + " : " + moEtats[n].moRaison;
        }
        Installation oInstallation{std::move(moEtats), nullptr};
        if (!oContenus.empty())
            oInstallation.mpoMaison = std::make_shared<const Maison>(std::move(oContenus));
        return oInstallation;
    }

private:
    // Those not left out, in name order: each is loaded unless it cannot go with one loaded before it.
    void Charger()
    {
        moChargees.clear();
        moNoms = NomsPris();
        for (std::size_t n = 0; n < moLues.size(); ++n)
        {
            if (moEcartees[n])
                continue;
            EtatFichierExtension& oEtat = moEtats[n];
            oEtat.moRaison = Conflit(moLues[n], moChargees, moNoms);
            oEtat.meEtat = oEtat.moRaison.empty() ? EtatExtension::Chargee : EtatExtension::EnConflit;
            if (!oEtat.moRaison.empty())
                continue;
            moNoms.Prendre(moLues[n].moExtension->moContenu, Qui(moLues[n]));
            moChargees.push_back(&moLues[n]);
        }
    }

    // Leaves out the first file loaded whose requirements those loaded do not meet, or whose powers are reserved to
    // a superior nobody knows; false when there is none.
    bool Ecarter()
    {
        for (std::size_t n = 0; n < moLues.size(); ++n)
        {
            EtatFichierExtension& oEtat = moEtats[n];
            if (moEcartees[n] || oEtat.meEtat != EtatExtension::Chargee)
                continue;
            oEtat.moRaison = Exigences(moLues[n], moChargees);
            oEtat.meEtat = EtatExtension::Manquante;
            if (oEtat.moRaison.empty())
            {
                oEtat.moRaison = moNoms.Reserve(moLues[n].moExtension->moContenu, true);
                oEtat.meEtat = oEtat.moRaison.empty() ? EtatExtension::Chargee : EtatExtension::Refusee;
            }
            if (!oEtat.moRaison.empty())
                return moEcartees[n] = true;
        }
        return false;
    }

    std::vector<ExtensionLue> moLues;
    std::vector<EtatFichierExtension> moEtats;
    std::vector<bool> moEcartees;
    std::vector<const ExtensionLue*> moChargees;
    NomsPris moNoms;
};
}

Installation Installer(std::vector<ExtensionLue> oLues)
{
    return Departage(std::move(oLues)).Decider();
}
