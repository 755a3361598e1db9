#ifndef VEXAL_EXTENSION_MAISON_H
#define VEXAL_EXTENSION_MAISON_H

#include "extension/Definitions.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The house entries a character may take: those of the extensions installed, or those its file carries over them.
// Built once, then shared by every character made with it; each entry knows the extension it comes from.
class Maison
{
public:
    template <class Definition>
    struct Entree
    {
        const Definition* mpoDefinition;
        const IdentiteExtension* mpoExtension;
    };
    using Talents = std::map<std::string, Entree<DefinitionTalent>>;
    using Pouvoirs = std::map<std::string, Entree<DefinitionPouvoir>>;

    // The entries of the contents in their order: a name that comes again, of whatever kind, takes the place of the
    // entry that bore it.
    explicit Maison(std::vector<ContenuExtension> oContenus);
    Maison(const Maison&) = delete;
    Maison& operator=(const Maison&) = delete;

    // The installed entries with the carried ones over them: either alone when the other is none, and the installed
    // ones when every carried entry is one of theirs already.
    static std::shared_ptr<const Maison> Composer(const std::shared_ptr<const Maison>& poInstallee,
                                                  const std::shared_ptr<const Maison>& poPortee);

    const std::vector<ContenuExtension>& GetContenus() const { return moContenus; }
    // By name, in name order; a speciality under its own name, with its general talent's definition.
    const Talents& GetTalents() const { return moTalents; }
    const Pouvoirs& GetPouvoirs() const { return moPouvoirs; }
    // Null for a name that no house entry of that kind bears.
    const Entree<DefinitionTalent>* TrouverTalent(const std::string& oNom) const;
    const Entree<DefinitionPouvoir>* TrouverPouvoir(const std::string& oNom) const;
    const Entree<DefinitionSuperieur>* TrouverSuperieur(const std::string& oNom) const;
    // Whether every entry of the content is one of this house, with the same definition and extension.
    bool Definit(const ContenuExtension& oContenu) const;
    // The superiors a character of the side may serve: the game's, then the house's in their extensions' order.
    const std::vector<std::string>& Superieurs(PERSO eCamp) const;

private:
    void Classer(const ContenuExtension& oContenu);
    void Effacer(const std::string& oNom);

    std::vector<ContenuExtension> moContenus;
    Talents moTalents;
    Pouvoirs moPouvoirs;
    std::map<std::string, Entree<DefinitionSuperieur>> moSuperieurs;
    std::array<std::vector<std::string>, 2> moSuperieursDe;  // by PERSO: the demons', the angels'
};

#endif
