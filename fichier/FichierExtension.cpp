#include "fichier/FichierExtension.h"

#include "extension/Noms.h"
#include "fichier/FormatMaison.h"
#include "fichier/LecteurJson.h"

#include <optional>
#include <utility>

namespace FichierExtension
{
namespace
{
constexpr const char* kQuoi = "une extension";

// What an extension file holds, as its values come.
struct ExtensionEnLecture
{
    FormatMaison::ContenuLu moContenu;
    std::string moAuteur;
    std::string moDescription;
    std::vector<Exigence> moRequiert;
    std::vector<std::string> moIncompatibles;
};

std::string LireFormat(void*, std::string& oFormat)
{
    return Porte::RaisonFormat(oFormat, kFormat);
}

std::string LireVersion(void*, long long nVersion)
{
    return Porte::RaisonVersion(nVersion, kVersion);
}

std::string LireExigee(void* poExigence, std::string& oId)
{
    const std::string oRaison = Noms::RaisonId(oId);
    static_cast<Exigence*>(poExigence)->moId = std::move(oId);
    return oRaison.empty() ? oRaison : "id : " + oRaison;
}

std::string LireRevisionExigee(void* poExigence, long long nRevision)
{
    static_cast<Exigence*>(poExigence)->mnRevision = static_cast<int>(nRevision);
    const std::string oRaison = Noms::RaisonRevision(nRevision);
    return oRaison.empty() ? oRaison : "revision : " + oRaison;
}

std::string LireIncompatible(void* poIncompatibles, std::string& oId)
{
    std::string oRaison = Noms::RaisonId(oId);
    static_cast<std::vector<std::string>*>(poIncompatibles)->push_back(std::move(oId));
    return oRaison;
}

constexpr char kRequiert[] = "requiert";
constexpr char kIncompatible[] = "incompatible";

const FormatObjet kFormatExigence = {{
    {"id", ValeurJson::Texte(LireExigee)},
    {"revision", ValeurJson::Entier(LireRevisionExigee)},
}};

const FormatListe kFormatRequiert = {ValeurJson::Objet(kFormatExigence, NouvelElement<std::vector<Exigence>>),
                                     "un objet avec un id et une révision", nullptr, nullptr, ElementDe<kRequiert>};
const FormatListe kFormatIncompatibles = {ValeurJson::Texte(LireIncompatible), "l'id d'une extension", nullptr,
                                          nullptr, ElementDe<kIncompatible>};

void* ContenuDe(void* poLecture)
{
    return &static_cast<ExtensionEnLecture*>(poLecture)->moContenu;
}

const FormatObjet kFormatExtension = {{
    {"format", ValeurJson::Texte(LireFormat)},
    {"version", ValeurJson::Entier(LireVersion)},
    {"auteur", Membre<&ExtensionEnLecture::moAuteur>(), false},
    {"description", Membre<&ExtensionEnLecture::moDescription>(), false},
    {"requiert", ValeurJson::Liste(kFormatRequiert, DansMembre<&ExtensionEnLecture::moRequiert>), false},
    {"incompatible", ValeurJson::Liste(kFormatIncompatibles, DansMembre<&ExtensionEnLecture::moIncompatibles>), false},
}, nullptr, &FormatMaison::kContenu, ContenuDe};

const FormatFichier kFichier = {kFormatExtension, "format", "Ce n'est pas une extension VEXAL",
                                "la fin de l'extension"};

std::string DernierePartie(const std::string& oNom)
{
    return oNom.substr(oNom.rfind('/') + 1);
}
}

ExtensionLue Lire(const std::string& oFichier, const std::string& oTexte)
{
    ExtensionEnLecture oLecture;
    std::string oErreur;
    if (!LireJson(oTexte, kFichier, &oLecture, oErreur))
        return {oFichier, std::nullopt, oFichier + " : " + oErreur};
    Extension oExtension{std::move(oLecture.moContenu.moContenu), std::move(oLecture.moAuteur),
                         std::move(oLecture.moDescription), std::move(oLecture.moRequiert),
                         std::move(oLecture.moIncompatibles)};
    return {oFichier, std::move(oExtension), {}};
}

ExtensionLue Ouvrir(const char* fileName)
{
    const std::string oFichier = DernierePartie(fileName);
    std::string oErreur;
    const std::optional<std::string> oTexte = Porte::Lire(fileName, kTailleMax, kQuoi, oErreur);
    if (!oTexte)
        return {oFichier, std::nullopt, oFichier + " : " + oErreur};
    return Lire(oFichier, *oTexte);
}
}
