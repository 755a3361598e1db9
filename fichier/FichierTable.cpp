#include "fichier/FichierTable.h"

#include "disque/ErreursSysteme.h"
#include "disque/FichierAtomique.h"
#include "fichier/LecteurJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>

bool operator==(const Table& oGauche, const Table& oDroite)
{
    return oGauche.moNom == oDroite.moNom && oGauche.moPersonnages == oDroite.moPersonnages;
}

namespace FichierTable
{
namespace
{
constexpr const char* kQuoi = "une table de jeu";

std::string LireFormat(void*, std::string& oFormat)
{
    return Porte::RaisonFormat(oFormat, kFormat);
}

std::string LireVersion(void*, long long nVersion)
{
    return Porte::RaisonVersion(nVersion, kVersion);
}

std::string LirePersonnage(void* poPersonnages, std::string& oNom)
{
    if (oNom.empty())
        return "Un personnage de la table n'a pas de nom de fichier";
    auto& oPersonnages = *static_cast<std::vector<std::string>*>(poPersonnages);
    if (std::find(oPersonnages.begin(), oPersonnages.end(), oNom) != oPersonnages.end())
        return "Le personnage « " + oNom + " » apparaît deux fois dans la table";
    oPersonnages.push_back(std::move(oNom));
    return {};
}

const FormatListe kFormatPersonnages = {ValeurJson::Texte(LirePersonnage), "le nom d'un fichier de personnage"};

const FormatObjet kFormatTable = {{
    {"format", ValeurJson::Texte(LireFormat)},
    {"version", ValeurJson::Entier(LireVersion)},
    {"nom", Membre<&Table::moNom>()},
    {"personnages", ValeurJson::Liste(kFormatPersonnages, DansMembre<&Table::moPersonnages>)},
}};

const FormatFichier kFichier = {kFormatTable, "format", "Ce n'est pas une table de jeu VEXAL", "la fin de la table"};
}

std::string Ecrire(const Table& oTable)
{
    const nlohmann::ordered_json oJson = {
        {"format", kFormat}, {"version", kVersion}, {"nom", oTable.moNom}, {"personnages", oTable.moPersonnages}};
    return oJson.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::optional<Table> Lire(const std::string& oTexte, std::string& oErreur)
{
    Table oTable;
    if (!LireJson(oTexte, kFichier, &oTable, oErreur))
        return std::nullopt;
    return oTable;
}

std::optional<Table> Ouvrir(const char* fileName, std::string& oErreur)
{
    const std::optional<std::string> oTexte = Porte::Lire(fileName, kTailleMax, kQuoi, oErreur);
    return oTexte ? Lire(*oTexte, oErreur) : std::nullopt;
}

bool Enregistrer(const Table& oTable, const char* fileName, std::string& oErreur, std::string* poAvertissement)
{
    const std::string oTexte = Ecrire(oTable);
    oErreur = Porte::RaisonTaille(oTexte, kTailleMax, kQuoi);
    if (!oErreur.empty())
        return false;
    Remplacement oOptions;
    oOptions.mbCopieDeSecours = true;
    oOptions.mpoAvertissement = poAvertissement;
    return RemplacerFichier(fileName, oTexte, &oErreur, oOptions);
}

std::string Chemin(const std::string& oTable, const std::string& oPersonnage)
{
    if (!oPersonnage.empty() && oPersonnage.front() == '/')
        return oPersonnage;
    return DossierDe(oTable) + "/" + oPersonnage;
}

std::string NomDans(const std::string& oTable, const std::string& oFichier)
{
    // Folder by folder, as far as both names go alike; a name that shares only the root is written whole.
    const std::string oDossier = DossierDe(oTable) + "/";
    std::size_t nCommun = 0;
    for (std::size_t n = 0; n < oDossier.size() && n < oFichier.size() && oDossier[n] == oFichier[n]; ++n)
    {
        if (oDossier[n] == '/')
            nCommun = n + 1;
    }
    if (nCommun <= 1)
        return oFichier;
    std::string oNom;
    for (std::size_t n = nCommun; n < oDossier.size(); ++n)
    {
        if (oDossier[n] == '/')
            oNom += "../";
    }
    return oNom + oFichier.substr(nCommun);
}
}
