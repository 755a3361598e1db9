#ifndef VEXAL_EXTENSION_NOMS_H
#define VEXAL_EXTENSION_NOMS_H

#include "extension/Definitions.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>

// The names of house entries, as the game's are: how they are written, and whose they already are.
namespace Noms
{
// The longest name, in bytes, and the longest id.
constexpr std::size_t kLongueurMax = 64;

// Why a text cannot name an entry: empty, longer than 64 bytes, with a control character, a space at either end, or
// ending in "(Spe)". Empty when it can.
std::string RaisonNom(const std::string& oNom);
// Why a text cannot be an extension's id: 1 to 64 lower-case letters, digits and "-". Empty when it can.
std::string RaisonId(const std::string& oId);
// Why a number cannot be a revision: below 1. Empty when it can.
std::string RaisonRevision(long long nRevision);
// Where a reason stands in an extension: "talents[2] « Crochetage », priorite : ", the name left out when it cannot be
// one.
std::string Place(const char* oListe, std::size_t nPlace, const std::string& oNom, const char* oChamp);
// "un talent", "un pouvoir" or "un supérieur" of the game's own catalogues, whichever bears the name; null for none.
const char* SorteDuJeu(const std::string& oNom);
// "des démons", "des anges".
const char* DuCamp(PERSO eCamp);
}

// The names of contents taken one after another, with their superiors: what the next one clashes with.
class NomsPris
{
public:
    // Where the content bears a name a content taken bears already, and whose: "pouvoirs[0] « Ombre », nom : Ombre est
    // déjà un pouvoir de « Les ombres de Paris » (ombres-de-paris.vexal-extension)". Empty when it bears none.
    std::string Conflit(const ContenuExtension& oContenu) const;
    // oQui names the content in a reason: "« Les ombres de Paris » (ombres-de-paris.vexal-extension)".
    void Prendre(const ContenuExtension& oContenu, const std::string& oQui);
    // Where a power of the content is reserved to a superior of the other side, or, with bInconnus, to one that
    // neither the game nor the contents taken know. Empty when none is.
    std::string Reserve(const ContenuExtension& oContenu, bool bInconnus) const;

private:
    // The side of a superior of the contents taken or of the game; none for a name neither knows.
    std::optional<PERSO> CampDe(const std::string& oSuperieur) const;

    struct Porteur
    {
        const char* moSorte;
        std::string moQui;
    };
    std::map<std::string, Porteur> moNoms;
    std::map<std::string, PERSO> moSuperieurs;
};

#endif
