#include "Ombres.h"

#include "fichier/FichierExtension.h"

nlohmann::ordered_json ExtensionOmbres()
{
    return nlohmann::ordered_json::parse(R"({
        "format": "vexal-extension", "version": 1,
        "id": "ombres-de-paris", "nom": "Les ombres de Paris", "revision": 3,
        "auteur": "Le meneur", "description": "Les bas-fonds de Paris.",
        "requiert": [], "incompatible": [],
        "superieurs": [{"nom": "Lutece", "camp": "demon"}],
        "talents": [
            {"nom": "Crochetage", "priorite": "PRIMAIRE", "caracteristique": "AGILITE", "specialite": true,
             "langue": false, "description": "Ouvrir une serrure sans clé."},
            {"nom": "Argot", "langue": true}],
        "pouvoirs": [
            {"nom": "Ombre", "camp": "demon", "prix": 3, "invariable": false, "superieur": "NONE",
             "description": "Se fondre dans l'obscurité."},
            {"nom": "Catacombes", "camp": "demon", "prix": 4, "invariable": true, "superieur": "Lutece"},
            {"nom": "Brume", "camp": "tous", "prix": 2}]})");
}

std::shared_ptr<const Maison> MaisonOmbres(const nlohmann::ordered_json& oJson)
{
    return Installer({FichierExtension::Lire("ombres-de-paris.vexal-extension", oJson.dump(2))}).mpoMaison;
}
