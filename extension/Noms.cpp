#include "extension/Noms.h"

#include "catalogue/ListePouvoirs.h"
#include "catalogue/ListeTalents.h"
#include "catalogue/Superieurs.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr const char* kTalent = "un talent";
constexpr const char* kPouvoir = "un pouvoir";
constexpr const char* kSuperieur = "un supérieur";

// C0 controls and DEL as bytes, C1 controls as UTF-8 (C2 80 to C2 9F).
bool AUnControle(const std::string& oTexte)
{
    for (std::size_t n = 0; n < oTexte.size(); ++n)
    {
        const auto nOctet = static_cast<unsigned char>(oTexte[n]);
        if (nOctet < 0x20 || nOctet == 0x7F)
            return true;
        if (nOctet == 0xC2 && n + 1 < oTexte.size() && static_cast<unsigned char>(oTexte[n + 1]) < 0xA0)
            return true;
    }
    return false;
}

bool FinitPar(const std::string& oTexte, const char* oFin)
{
    const std::size_t nFin = std::strlen(oFin);
    return oTexte.size() >= nFin && oTexte.compare(oTexte.size() - nFin, nFin, oFin) == 0;
}

// Built once: the catalogues are the program's own and never change.
const std::map<std::string, const char*>& NomsDuJeu()
{
    static const std::map<std::string, const char*> kNoms = [] {
        std::map<std::string, const char*> oNoms;
        const ListeTalents oTalents;
        for (const auto& oEntree : *oTalents.GetInstanceTalents())
            oNoms.emplace(oEntree.first, kTalent);
        for (PERSO eCamp : {DEMON, ANGE})
        {
            const ListePouvoirs oPouvoirs(eCamp);
            for (const auto& oEntree : *oPouvoirs.GetInstancePouvoirs())
                oNoms.emplace(oEntree.first, kPouvoir);
            for (const std::string& oSuperieur : ListeSuperieurs(eCamp))
                oNoms.emplace(oSuperieur, kSuperieur);
        }
        return oNoms;
    }();
    return kNoms;
}

// Calls fVoir with the place, name and kind of every entry of the content until it says something.
template <class Voir>
std::string Parcourir(const ContenuExtension& oContenu, Voir fVoir)
{
    std::string oRaison;
    for (std::size_t n = 0; oRaison.empty() && n < oContenu.moSuperieurs.size(); ++n)
        oRaison = fVoir("superieurs", n, oContenu.moSuperieurs[n].moNom, kSuperieur);
    for (std::size_t n = 0; oRaison.empty() && n < oContenu.moTalents.size(); ++n)
        oRaison = fVoir("talents", n, oContenu.moTalents[n].moNom, kTalent);
    for (std::size_t n = 0; oRaison.empty() && n < oContenu.moPouvoirs.size(); ++n)
        oRaison = fVoir("pouvoirs", n, oContenu.moPouvoirs[n].moNom, kPouvoir);
    return oRaison;
}
}

namespace Noms
{
std::string RaisonNom(const std::string& oNom)
{
    if (oNom.empty())
        return "un nom ne peut pas être vide";
    if (oNom.size() > kLongueurMax)
        return "un nom ne dépasse pas " + std::to_string(kLongueurMax) + " octets";
    if (AUnControle(oNom))
        return "un nom ne contient pas de caractère de contrôle";
    if (oNom.front() == ' ' || oNom.back() == ' ')
        return "un nom ne commence ni ne finit par une espace";
    if (FinitPar(oNom, ListeTalents::SuffixeSpecialite))
        return std::string("un nom ne finit pas par « ") + ListeTalents::SuffixeSpecialite
            + " » : une spécialité vient de « specialite »";
    return {};
}

std::string RaisonId(const std::string& oId)
{
    const bool bPermis = std::all_of(oId.begin(), oId.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
    if (bPermis && !oId.empty() && oId.size() <= kLongueurMax)
        return {};
    return "un identifiant a de 1 à " + std::to_string(kLongueurMax)
        + " caractères, lettres minuscules sans accent, chiffres et « - », pas « " + oId + " »";
}

std::string RaisonRevision(long long nRevision)
{
    return nRevision < 1 ? "une révision est un nombre entier à partir de 1, pas " + std::to_string(nRevision) : "";
}

std::string Place(const char* oListe, std::size_t nPlace, const std::string& oNom, const char* oChamp)
{
    std::string oPlace = std::string(oListe) + "[" + std::to_string(nPlace) + "]";
    if (RaisonNom(oNom).empty())
        oPlace += " « " + oNom + " »";
    return oPlace + ", " + oChamp + " : ";
}

const char* SorteDuJeu(const std::string& oNom)
{
    const auto oTrouve = NomsDuJeu().find(oNom);
    return oTrouve != NomsDuJeu().end() ? oTrouve->second : nullptr;
}

const char* DuCamp(PERSO eCamp)
{
    return eCamp == ANGE ? "des anges" : "des démons";
}
}

std::string NomsPris::Conflit(const ContenuExtension& oContenu) const
{
    return Parcourir(oContenu, [&](const char* oListe, std::size_t n, const std::string& oNom, const char*) {
        const auto oPris = moNoms.find(oNom);
        if (oPris == moNoms.end())
            return std::string();
        return Noms::Place(oListe, n, oNom, "nom") + oNom + " est déjà " + oPris->second.moSorte + " de "
            + oPris->second.moQui;
    });
}

void NomsPris::Prendre(const ContenuExtension& oContenu, const std::string& oQui)
{
    Parcourir(oContenu, [&](const char*, std::size_t, const std::string& oNom, const char* oSorte) {
        moNoms.emplace(oNom, Porteur{oSorte, oQui});
        return std::string();
    });
    for (const DefinitionSuperieur& oSuperieur : oContenu.moSuperieurs)
        moSuperieurs.emplace(oSuperieur.moNom, oSuperieur.meCamp);
}

std::optional<PERSO> NomsPris::CampDe(const std::string& oSuperieur) const
{
    if (const auto oPris = moSuperieurs.find(oSuperieur); oPris != moSuperieurs.end())
        return oPris->second;
    for (PERSO eCamp : {DEMON, ANGE})
    {
        const std::vector<std::string>& oDuJeu = ListeSuperieurs(eCamp);
        if (std::find(oDuJeu.begin(), oDuJeu.end(), oSuperieur) != oDuJeu.end())
            return eCamp;
    }
    return std::nullopt;
}

std::string NomsPris::Reserve(const ContenuExtension& oContenu, bool bInconnus) const
{
    for (std::size_t n = 0; n < oContenu.moPouvoirs.size(); ++n)
    {
        const DefinitionPouvoir& oPouvoir = oContenu.moPouvoirs[n];
        if (oPouvoir.moSuperieur == Pouvoir::AucunSuperieur || oPouvoir.meCamp == CampPouvoir::Tous)
            continue;
        const PERSO eCamp = oPouvoir.meCamp == CampPouvoir::Ange ? ANGE : DEMON;
        const std::optional<PERSO> oCampSuperieur = CampDe(oPouvoir.moSuperieur);
        const std::string oPlace = Noms::Place("pouvoirs", n, oPouvoir.moNom, "superieur");
        if (oCampSuperieur && *oCampSuperieur != eCamp)
            return oPlace + oPouvoir.moSuperieur + " est un supérieur " + Noms::DuCamp(*oCampSuperieur) + ", pas "
                + Noms::DuCamp(eCamp);
        if (!oCampSuperieur && bInconnus)
            return oPlace + "aucun supérieur ne s'appelle « " + oPouvoir.moSuperieur + " »";
    }
    return {};
}
