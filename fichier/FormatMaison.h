#ifndef VEXAL_FICHIER_FORMATMAISON_H
#define VEXAL_FICHIER_FORMATMAISON_H

#include "extension/Definitions.h"
#include "fichier/LecteurJson.h"

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Maison;

// House definitions in JSON, as an extension file holds them and a character file carries them: read as they come,
// checked once whole, and written back with the same keys.
namespace FormatMaison
{
struct SuperieurLu
{
    std::string moNom;
    std::string moCamp;
};

struct TalentLu
{
    std::string moNom;
    std::optional<std::string> moPriorite;
    std::optional<std::string> moCaract;
    bool mbSpecialite = false;
    bool mbLangue = false;
    std::string moDescription;
};

struct PouvoirLu
{
    std::string moNom;
    std::string moCamp;
    int mnPrix = 0;
    bool mbInvariable = false;
    std::string moSuperieur = Pouvoir::AucunSuperieur;
    std::string moDescription;
};

// An extension's content as its values come. Once its object is read, each entry is checked on its own and against
// the game's names and the content's other entries, and moContenu holds them all.
struct ContenuLu
{
    ContenuExtension moContenu;
    std::vector<SuperieurLu> moSuperieurs;
    std::vector<TalentLu> moTalents;
    std::vector<PouvoirLu> moPouvoirs;
};

// The keys "id", "nom", "revision", "superieurs", "talents" and "pouvoirs", read into a ContenuLu. A power reserved
// to a superior that neither the game nor the content knows passes: another extension may know it.
extern const FormatObjet kContenu;

// The extensions a character carries, as read. Once the list is whole, no name may come twice and every superior a
// power is reserved to must be the game's or a carried one; the house is then made of them.
struct PorteesLues
{
    std::vector<ContenuLu> moContenus;
    std::shared_ptr<const Maison> mpoMaison;
};

// A list of contents, read into a PorteesLues.
extern const FormatListe kPortees;

// The content with the keys kContenu reads, its three lists written even when empty.
nlohmann::ordered_json Ecrire(const ContenuExtension& oContenu);
}

#endif
