#ifndef VEXAL_FICHIER_LECTEURJSON_H
#define VEXAL_FICHIER_LECTEURJSON_H

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// A JSON format described as data: each object by its keys, each list by its elements, and for each value where it
// goes. The text is read once, each value put in place as soon as it is read; whatever the format does not
// describe is refused there and then, so that reading costs the memory of what the format describes, never more.

enum class SorteJson
{
    Texte,
    Entier,       // an int
    GrandEntier,  // a long long
    Reel,
    Booleen,
    Objet,
    Liste
};

struct FormatObjet;
struct FormatListe;

// Each puts a value in its target (the object it is a key of, or the list it is an element of) and says why it
// cannot go there; empty when it went.
using RangerTexte = std::string (*)(void* poCible, std::string& oTexte);
using RangerEntier = std::string (*)(void* poCible, long long nEntier);
using RangerReel = std::string (*)(void* poCible, double fReel);
using RangerBooleen = std::string (*)(void* poCible, bool bBooleen);
// Where an object or a list puts its values, from the target it is found in.
using Cibler = void* (*)(void* poCible);
// Said of a target once complete: why it cannot stand, empty when it can.
using Conclure = std::string (*)(void* poCible);

inline void* Meme(void* poCible)
{
    return poCible;
}

// What one value may be, and where it goes.
struct ValeurJson
{
    static ValeurJson Texte(RangerTexte pRanger) { return {SorteJson::Texte, pRanger, nullptr, nullptr}; }
    static ValeurJson Entier(RangerEntier pRanger) { return {SorteJson::Entier, nullptr, pRanger, nullptr}; }
    static ValeurJson GrandEntier(RangerEntier pRanger) { return {SorteJson::GrandEntier, nullptr, pRanger, nullptr}; }
    static ValeurJson Reel(RangerReel pRanger) { return {SorteJson::Reel, nullptr, nullptr, pRanger}; }
    static ValeurJson Booleen(RangerBooleen pRanger)
    {
        ValeurJson oValeur{SorteJson::Booleen, nullptr, nullptr, nullptr};
        oValeur.mpoBooleen = pRanger;
        return oValeur;
    }
    static ValeurJson Objet(const FormatObjet& oFormat, Cibler pCibler = Meme)
    {
        return {SorteJson::Objet, nullptr, nullptr, nullptr, pCibler, &oFormat};
    }
    static ValeurJson Liste(const FormatListe& oFormat, Cibler pCibler = Meme)
    {
        return {SorteJson::Liste, nullptr, nullptr, nullptr, pCibler, nullptr, &oFormat};
    }

    SorteJson meSorte;
    RangerTexte mpoTexte;
    RangerEntier mpoEntier;
    RangerReel mpoReel;
    Cibler mpoCibler = nullptr;
    const FormatObjet* mpoObjet = nullptr;
    const FormatListe* mpoListe = nullptr;
    RangerBooleen mpoBooleen = nullptr;
};

struct CleJson
{
    const char* moNom;
    ValeurJson moValeur;
    bool mbRequise = true;
};

// An object's keys, in any order, each at most once: 64 at most, with those it includes.
struct FormatObjet
{
    std::vector<CleJson> moCles;
    // Once all its required keys are read.
    Conclure mpoConclure = nullptr;
    // The keys of another object that this one holds as well, their values going to the part of the target that
    // mpoInclure gives.
    const FormatObjet* mpoInclus = nullptr;
    Cibler mpoInclure = Meme;
};

struct FormatListe
{
    // mpoCibler gives a new element's target from the list's.
    ValeurJson moElement;
    // What each element must be, when its kind does not say enough: "un objet avec un nom et un niveau".
    const char* moDescription = nullptr;
    // Each element once read, with the list's target.
    Conclure mpoGarder = nullptr;
    // The list once whole.
    Conclure mpoConclure = nullptr;
    // What a reason met within an element begins with: "Attribution 3 du journal : ".
    std::string (*mpoContexte)(std::size_t nElement) = nullptr;
};

// A file: one object, told from any other JSON by one of its keys.
struct FormatFichier
{
    const FormatObjet& moRacine;
    const char* moCle;       // "format": until its value is read, whatever is refused is not of this format
    const char* moEtranger;  // what is said of it: "Ce n'est pas une fiche de personnage VEXAL"
    const char* moFin;       // where it ends: "la fin du personnage"
};

// Puts the values of oTexte in poCible, the root's target, or says in oErreur why the text is not of the format: the
// first problem met, JSON or format.
bool LireJson(const std::string& oTexte, const FormatFichier& oFormat, void* poCible, std::string& oErreur);

// The door of every file of the program, as a player reads it.
namespace Porte
{
// A size in Mio, to the tenth above: a size over the limit never reads as the limit.
std::string Mio(std::size_t nOctets);
// The text of a regular file of at most nTailleMax bytes, or nothing and why: oQuoi names what a larger file is
// not ("une fiche de personnage").
std::optional<std::string> Lire(const char* fileName, std::size_t nTailleMax, const char* oQuoi, std::string& oErreur);
// Why a text to write is too large to be read back; empty when it is not.
std::string RaisonTaille(const std::string& oTexte, std::size_t nTailleMax, const char* oQuoi);
// Why a format's name or version read from a file is not the program's; empty when it is.
std::string RaisonFormat(const std::string& oLu, const char* oFormat);
std::string RaisonVersion(long long nLue, int nVersion);
}

// What a reason met within an element of the list oListe begins with: "talents[2] : ".
template <const char* oListe>
std::string ElementDe(std::size_t nElement)
{
    return std::string(oListe) + "[" + std::to_string(nElement) + "] : ";
}

// A member of the target, of the kind its type says.
template <class Membre>
struct MembreJson;

template <class Classe, class Type>
struct MembreJson<Type Classe::*>
{
    using Cible = Classe;
    using Valeur = Type;
};

template <auto pMembre>
ValeurJson Membre()
{
    using Cible = typename MembreJson<decltype(pMembre)>::Cible;
    using Valeur = typename MembreJson<decltype(pMembre)>::Valeur;
    if constexpr (std::is_same_v<Valeur, std::string>)
        return ValeurJson::Texte([](void* poCible, std::string& oTexte) {
            static_cast<Cible*>(poCible)->*pMembre = std::move(oTexte);
            return std::string();
        });
    else if constexpr (std::is_same_v<Valeur, double>)
        return ValeurJson::Reel([](void* poCible, double fReel) {
            static_cast<Cible*>(poCible)->*pMembre = fReel;
            return std::string();
        });
    else if constexpr (std::is_same_v<Valeur, bool>)
        return ValeurJson::Booleen([](void* poCible, bool bBooleen) {
            static_cast<Cible*>(poCible)->*pMembre = bBooleen;
            return std::string();
        });
    else
    {
        static_assert(std::is_same_v<Valeur, int> || std::is_same_v<Valeur, long long>);
        auto pRanger = [](void* poCible, long long nEntier) {
            static_cast<Cible*>(poCible)->*pMembre = static_cast<Valeur>(nEntier);
            return std::string();
        };
        return std::is_same_v<Valeur, int> ? ValeurJson::Entier(pRanger) : ValeurJson::GrandEntier(pRanger);
    }
}

// Where an object or a list held in a member of the target puts its values.
template <auto pMembre>
void* DansMembre(void* poCible)
{
    using Cible = typename MembreJson<decltype(pMembre)>::Cible;
    return &(static_cast<Cible*>(poCible)->*pMembre);
}

// Each element of a list held in a std::vector, a new one at its end.
template <class Vecteur>
void* NouvelElement(void* poListe)
{
    return &static_cast<Vecteur*>(poListe)->emplace_back();
}

#endif
