#include "fichier/FormatMaison.h"

#include "extension/Maison.h"
#include "extension/Noms.h"
#include "fichier/MotsFichier.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace FormatMaison
{
namespace
{
using Json = nlohmann::ordered_json;

// The words of an extension, each at the place of the value it stands for.
const char* const kPriorites[] = {Priorite2String(PRIMAIRE), Priorite2String(SECONDAIRE), Priorite2String(EXOTIQUE)};
using MotsFichier::kCaracteristiques;
using MotsFichier::kCamps;
constexpr const char* kCampsPouvoir[] = {kCamps[DEMON], kCamps[ANGE], "tous"};

constexpr int kPrixMax = 99;

// The value a word stands for; otherwise why not, with every word allowed: "« PRIMARE » n'est pas une priorité :
// PRIMAIRE, SECONDAIRE ou EXOTIQUE".
template <class Valeur, std::size_t nMots>
std::string Traduire(const char* const (&oMots)[nMots], const std::string& oMot, const char* oQuoi, Valeur& eValeur)
{
    const auto oTrouve = std::find(std::begin(oMots), std::end(oMots), oMot);
    if (oTrouve != std::end(oMots))
    {
        eValeur = static_cast<Valeur>(oTrouve - std::begin(oMots));
        return {};
    }
    std::string oRaison = "« " + oMot + " » n'est pas " + oQuoi + " : ";
    for (std::size_t n = 0; n < nMots; ++n)
        oRaison += std::string(n == 0 ? "" : n + 1 == nMots ? " ou " : ", ") + oMots[n];
    return oRaison;
}

template <class Valeur, std::size_t nMots>
const char* MotDe(const char* const (&oMots)[nMots], Valeur eValeur)
{
    return oMots[static_cast<std::size_t>(eValeur)];
}

// The reason at the place of the entry and field it is about; empty with no reason.
std::string Champ(const char* oListe, std::size_t n, const std::string& oNom, const char* oChamp,
                  const std::string& oRaison)
{
    return oRaison.empty() ? oRaison : Noms::Place(oListe, n, oNom, oChamp) + oRaison;
}

// One content's entries made definitions in turn, each checked as it comes.
class Verification
{
public:
    explicit Verification(ContenuLu& oLu)
        : moLu(oLu),
          moContenu(oLu.moContenu)
    {
    }

    std::string VerifierSuperieur(std::size_t n)
    {
        const SuperieurLu& oLu = moLu.moSuperieurs[n];
        DefinitionSuperieur& oDefinition = moContenu.moSuperieurs.emplace_back();
        oDefinition.moNom = oLu.moNom;
        if (std::string oRaison = Nom("superieurs", n, oLu.moNom, "un supérieur"); !oRaison.empty())
            return oRaison;
        if (oLu.moNom == Pouvoir::AucunSuperieur)
            return Champ("superieurs", n, oLu.moNom, "nom", "« " + oLu.moNom + " » réserve un pouvoir à personne");
        return Champ("superieurs", n, oLu.moNom, "camp",
                     Traduire(kCamps, oLu.moCamp, "un camp de supérieur", oDefinition.meCamp));
    }

    // A language is secondary and has no characteristic: it says neither, nor has a speciality.
    std::string VerifierTalent(std::size_t n)
    {
        TalentLu& oLu = moLu.moTalents[n];
        DefinitionTalent& oDefinition = moContenu.moTalents.emplace_back();
        oDefinition.moNom = oLu.moNom;
        oDefinition.mbSpecialite = oLu.mbSpecialite;
        oDefinition.mbLangue = oLu.mbLangue;
        oDefinition.moDescription = std::move(oLu.moDescription);
        if (std::string oRaison = Nom("talents", n, oLu.moNom, "un talent"); !oRaison.empty())
            return oRaison;
        if (oLu.mbLangue)
        {
            const char* oChamp = oLu.moPriorite ? "priorite" : oLu.moCaract ? "caracteristique" : nullptr;
            if (oChamp != nullptr)
                return Champ("talents", n, oLu.moNom, oChamp, "une langue n'a ni priorité ni caractéristique");
            return Champ("talents", n, oLu.moNom, "specialite",
                         oLu.mbSpecialite ? "une langue n'a pas de spécialité" : "");
        }
        if (!oLu.moPriorite || !oLu.moCaract)
            return Champ("talents", n, oLu.moNom, oLu.moPriorite ? "caracteristique" : "priorite", "manque");
        std::string oRaison = Champ("talents", n, oLu.moNom, "priorite",
                                    Traduire(kPriorites, *oLu.moPriorite, "une priorité", oDefinition.mePriorite));
        if (oRaison.empty())
            oRaison = Champ("talents", n, oLu.moNom, "caracteristique",
                            Traduire(kCaracteristiques, *oLu.moCaract, "une caractéristique", oDefinition.meCaract));
        return oRaison;
    }

    // A power of both sides is reserved to no superior.
    std::string VerifierPouvoir(std::size_t n)
    {
        PouvoirLu& oLu = moLu.moPouvoirs[n];
        DefinitionPouvoir& oDefinition = moContenu.moPouvoirs.emplace_back();
        oDefinition.moNom = oLu.moNom;
        oDefinition.mnPrix = oLu.mnPrix;
        oDefinition.mbInvariable = oLu.mbInvariable;
        oDefinition.moSuperieur = oLu.moSuperieur;
        oDefinition.moDescription = std::move(oLu.moDescription);
        if (std::string oRaison = Nom("pouvoirs", n, oLu.moNom, "un pouvoir"); !oRaison.empty())
            return oRaison;
        if (std::string oRaison = Traduire(kCampsPouvoir, oLu.moCamp, "un camp de pouvoir", oDefinition.meCamp);
            !oRaison.empty())
            return Champ("pouvoirs", n, oLu.moNom, "camp", oRaison);
        if (oLu.mnPrix < 1 || oLu.mnPrix > kPrixMax)
            return Champ("pouvoirs", n, oLu.moNom, "prix",
                         "un prix va de 1 à " + std::to_string(kPrixMax) + " PA, pas " + std::to_string(oLu.mnPrix));
        const bool bReserve = oLu.moSuperieur != Pouvoir::AucunSuperieur;
        return Champ("pouvoirs", n, oLu.moNom, "superieur",
                     oDefinition.meCamp == CampPouvoir::Tous && bReserve
                         ? "un pouvoir des deux camps n'est réservé à aucun supérieur (NONE)"
                         : "");
    }

private:
    // Names follow the game's, and none is taken twice: by the game, or by another entry of the content.
    std::string Nom(const char* oListe, std::size_t n, const std::string& oNom, const char* oSorte)
    {
        if (std::string oRaison = Noms::RaisonNom(oNom); !oRaison.empty())
            return Champ(oListe, n, oNom, "nom", oRaison);
        if (const char* oDuJeu = Noms::SorteDuJeu(oNom))
            return Champ(oListe, n, oNom, "nom", oNom + " est déjà " + oDuJeu + " du jeu");
        const auto [oPris, bNouveau] = moNoms.emplace(oNom, oSorte);
        return bNouveau ? std::string()
                        : Champ(oListe, n, oNom, "nom", oNom + " est déjà " + oPris->second + " de cette extension");
    }

    ContenuLu& moLu;
    ContenuExtension& moContenu;
    std::map<std::string, const char*> moNoms;
};

// Each entry checked and made a definition; then the powers reserved to a superior of the other side, the game's or
// the content's own.
std::string ConclureContenu(void* poContenu)
{
    ContenuLu& oLu = *static_cast<ContenuLu*>(poContenu);
    Verification oVerification(oLu);
    std::string oRaison;
    for (std::size_t n = 0; oRaison.empty() && n < oLu.moSuperieurs.size(); ++n)
        oRaison = oVerification.VerifierSuperieur(n);
    for (std::size_t n = 0; oRaison.empty() && n < oLu.moTalents.size(); ++n)
        oRaison = oVerification.VerifierTalent(n);
    for (std::size_t n = 0; oRaison.empty() && n < oLu.moPouvoirs.size(); ++n)
        oRaison = oVerification.VerifierPouvoir(n);
    if (!oRaison.empty())
        return oRaison;
    NomsPris oPropres;
    oPropres.Prendre(oLu.moContenu, {});
    return oPropres.Reserve(oLu.moContenu, false);
}

std::string LireId(void* poContenu, std::string& oId)
{
    if (std::string oRaison = Noms::RaisonId(oId); !oRaison.empty())
        return "id : " + oRaison;
    static_cast<ContenuLu*>(poContenu)->moContenu.moIdentite.moId = std::move(oId);
    return {};
}

std::string LireNom(void* poContenu, std::string& oNom)
{
    if (std::string oRaison = Noms::RaisonNom(oNom); !oRaison.empty())
        return "nom : " + oRaison;
    static_cast<ContenuLu*>(poContenu)->moContenu.moIdentite.moNom = std::move(oNom);
    return {};
}

std::string LireRevision(void* poContenu, long long nRevision)
{
    if (std::string oRaison = Noms::RaisonRevision(nRevision); !oRaison.empty())
        return "revision : " + oRaison;
    static_cast<ContenuLu*>(poContenu)->moContenu.moIdentite.mnRevision = static_cast<int>(nRevision);
    return {};
}

// A key that only some entries have.
template <auto pMembre>
std::string Optionnel(void* poCible, std::string& oTexte)
{
    using Cible = typename MembreJson<decltype(pMembre)>::Cible;
    static_cast<Cible*>(poCible)->*pMembre = std::move(oTexte);
    return {};
}

constexpr char kSuperieurs[] = "superieurs";
constexpr char kTalents[] = "talents";
constexpr char kPouvoirs[] = "pouvoirs";
constexpr char kExtensions[] = "extensions";

const FormatObjet kFormatSuperieur = {{
    {"nom", Membre<&SuperieurLu::moNom>()},
    {"camp", Membre<&SuperieurLu::moCamp>()},
}};

const FormatObjet kFormatTalent = {{
    {"nom", Membre<&TalentLu::moNom>()},
    {"priorite", ValeurJson::Texte(Optionnel<&TalentLu::moPriorite>), false},
    {"caracteristique", ValeurJson::Texte(Optionnel<&TalentLu::moCaract>), false},
    {"specialite", Membre<&TalentLu::mbSpecialite>(), false},
    {"langue", Membre<&TalentLu::mbLangue>(), false},
    {"description", Membre<&TalentLu::moDescription>(), false},
}};

const FormatObjet kFormatPouvoir = {{
    {"nom", Membre<&PouvoirLu::moNom>()},
    {"camp", Membre<&PouvoirLu::moCamp>()},
    {"prix", Membre<&PouvoirLu::mnPrix>()},
    {"invariable", Membre<&PouvoirLu::mbInvariable>(), false},
    {"superieur", Membre<&PouvoirLu::moSuperieur>(), false},
    {"description", Membre<&PouvoirLu::moDescription>(), false},
}};

const FormatListe kFormatSuperieurs = {
    ValeurJson::Objet(kFormatSuperieur, NouvelElement<std::vector<SuperieurLu>>), "un objet qui définit un supérieur",
    nullptr, nullptr, ElementDe<kSuperieurs>};
const FormatListe kFormatTalents = {ValeurJson::Objet(kFormatTalent, NouvelElement<std::vector<TalentLu>>),
                                    "un objet qui définit un talent", nullptr, nullptr, ElementDe<kTalents>};
const FormatListe kFormatPouvoirs = {ValeurJson::Objet(kFormatPouvoir, NouvelElement<std::vector<PouvoirLu>>),
                                     "un objet qui définit un pouvoir", nullptr, nullptr, ElementDe<kPouvoirs>};

void* NouvellePortee(void* poPortees)
{
    return &static_cast<PorteesLues*>(poPortees)->moContenus.emplace_back();
}

// The carried contents against each other: no name twice, no power reserved to a superior none of them knows.
std::string ConclurePortees(void* poPortees)
{
    PorteesLues& oLues = *static_cast<PorteesLues*>(poPortees);
    NomsPris oNoms;
    for (std::size_t n = 0; n < oLues.moContenus.size(); ++n)
    {
        const ContenuExtension& oContenu = oLues.moContenus[n].moContenu;
        if (std::string oConflit = oNoms.Conflit(oContenu); !oConflit.empty())
            return ElementDe<kExtensions>(n) + oConflit;
        oNoms.Prendre(oContenu, "« " + oContenu.moIdentite.moNom + " »");
    }
    std::vector<ContenuExtension> oContenus;
    for (std::size_t n = 0; n < oLues.moContenus.size(); ++n)
    {
        if (std::string oReserve = oNoms.Reserve(oLues.moContenus[n].moContenu, true); !oReserve.empty())
            return ElementDe<kExtensions>(n) + oReserve;
        oContenus.push_back(std::move(oLues.moContenus[n].moContenu));
    }
    oLues.mpoMaison = std::make_shared<const Maison>(std::move(oContenus));
    return {};
}

Json Superieurs(const std::vector<DefinitionSuperieur>& oSuperieurs)
{
    Json oListe = Json::array();
    for (const DefinitionSuperieur& o : oSuperieurs)
        oListe.push_back({{"nom", o.moNom}, {"camp", MotDe(kCamps, o.meCamp)}});
    return oListe;
}

// A language says neither priority nor characteristic: it has none of its own.
Json Talents(const std::vector<DefinitionTalent>& oTalents)
{
    Json oListe = Json::array();
    for (const DefinitionTalent& o : oTalents)
    {
        Json oTalent = {{"nom", o.moNom}};
        if (!o.mbLangue)
        {
            oTalent["priorite"] = MotDe(kPriorites, o.mePriorite);
            oTalent["caracteristique"] = MotDe(kCaracteristiques, o.meCaract);
        }
        oTalent.update({{"specialite", o.mbSpecialite}, {"langue", o.mbLangue}, {"description", o.moDescription}});
        oListe.push_back(std::move(oTalent));
    }
    return oListe;
}

Json Pouvoirs(const std::vector<DefinitionPouvoir>& oPouvoirs)
{
    Json oListe = Json::array();
    for (const DefinitionPouvoir& o : oPouvoirs)
        oListe.push_back({{"nom", o.moNom},
                          {"camp", MotDe(kCampsPouvoir, o.meCamp)},
                          {"prix", o.mnPrix},
                          {"invariable", o.mbInvariable},
                          {"superieur", o.moSuperieur},
                          {"description", o.moDescription}});
    return oListe;
}
}

const FormatObjet kContenu = {{
    {"id", ValeurJson::Texte(LireId)},
    {"nom", ValeurJson::Texte(LireNom)},
    {"revision", ValeurJson::Entier(LireRevision)},
    {"superieurs", ValeurJson::Liste(kFormatSuperieurs, DansMembre<&ContenuLu::moSuperieurs>), false},
    {"talents", ValeurJson::Liste(kFormatTalents, DansMembre<&ContenuLu::moTalents>), false},
    {"pouvoirs", ValeurJson::Liste(kFormatPouvoirs, DansMembre<&ContenuLu::moPouvoirs>), false},
}, ConclureContenu};

const FormatListe kPortees = {ValeurJson::Objet(kContenu, NouvellePortee), "un objet qui définit une extension",
                              nullptr, ConclurePortees, ElementDe<kExtensions>};

Json Ecrire(const ContenuExtension& oContenu)
{
    const IdentiteExtension& oIdentite = oContenu.moIdentite;
    return {{"id", oIdentite.moId},
            {"nom", oIdentite.moNom},
            {"revision", oIdentite.mnRevision},
            {"superieurs", Superieurs(oContenu.moSuperieurs)},
            {"talents", Talents(oContenu.moTalents)},
            {"pouvoirs", Pouvoirs(oContenu.moPouvoirs)}};
}
}
