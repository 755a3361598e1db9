#include "fichier/LecteurJson.h"

#include "disque/LectureFichier.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
using Json = nlohmann::json;

// By SorteJson, in its order.
constexpr const char* kSortes[] = {"un texte", "un nombre entier", "un nombre entier", "un nombre", "true ou false",
                                   "un objet", "une liste"};

std::string Cle(const std::string& oCle)
{
    return "« " + oCle + " »";
}

// Where a byte stands in the text, as an editor shows it.
std::string Position(const std::string& oTexte, std::size_t nOctet)
{
    const std::size_t nFin = std::min(nOctet, oTexte.size());
    const auto nLigne = std::count(oTexte.begin(), oTexte.begin() + static_cast<std::ptrdiff_t>(nFin), '\n') + 1;
    const std::size_t nDebutLigne = oTexte.rfind('\n', nFin == 0 ? 0 : nFin - 1);
    const std::size_t nColonne = nDebutLigne == std::string::npos ? nFin + 1 : nFin - nDebutLigne;
    return "ligne " + std::to_string(nLigne) + ", colonne " + std::to_string(nColonne);
}

// What the parser says of a text it cannot take, as a player reads it.
std::string RaisonJson(const std::string& oTexte, const char* oFin, const nlohmann::detail::exception& oErreurJson)
{
    const std::string oMessage = oErreurJson.what();
    if (const auto* poSyntaxe = dynamic_cast<const Json::parse_error*>(&oErreurJson))
    {
        // The parser stopped past the last byte: the text ends in the middle of its value.
        if (poSyntaxe->byte > oTexte.size())
            return std::string("Le fichier est tronqué : il s'arrête avant ") + oFin;
        const std::string oOu = Position(oTexte, poSyntaxe->byte - 1);
        if (oMessage.find("expected end of input") != std::string::npos)
            return std::string("Le fichier continue après ") + oFin + " (" + oOu + ")";
        return "Le fichier n'est pas du JSON valide (" + oOu + ")";
    }
    // "number overflow parsing '1e400'": the number is quoted as the file has it.
    const std::size_t nDebut = oMessage.find('\'');
    const std::size_t nFin = oMessage.rfind('\'');
    if (oErreurJson.id == 406 && nDebut != std::string::npos && nFin > nDebut)
        return "Le fichier contient un nombre trop grand pour être lu : "
            + oMessage.substr(nDebut + 1, nFin - nDebut - 1);
    return "Le fichier ne peut pas être lu comme du JSON (erreur " + std::to_string(oErreurJson.id) + ")";
}

// An object or a list being read.
struct Cadre
{
    const FormatObjet* mpoObjet;  // null for a list
    const FormatListe* mpoListe;
    void* mpoCible;
    const char* moNom;           // the key it is the value of, or its list's; null for the file itself
    std::uint64_t mnLues = 0;    // an object's keys read, by their place in its format
    const CleJson* mpoCle = nullptr;  // the key whose value comes next, and where that value goes
    void* mpoCibleCle = nullptr;
    std::size_t mnElements = 0;  // a list's elements begun
};

struct Attente
{
    const ValeurJson& moValeur;
    void* mpoCible;
};

// The key of this name among an object's, included ones too: its place among them, and where its value goes.
const CleJson* Trouver(const Cadre& oCadre, const std::string& oNom, int& nPlace, void*& poCible)
{
    nPlace = 0;
    poCible = oCadre.mpoCible;
    for (const FormatObjet* poFormat = oCadre.mpoObjet; poFormat != nullptr; poFormat = poFormat->mpoInclus)
    {
        for (const CleJson& oCle : poFormat->moCles)
        {
            if (oNom == oCle.moNom)
                return &oCle;
            ++nPlace;
        }
        poCible = poFormat->mpoInclure(poCible);
    }
    return nullptr;
}

// The events of nlohmann's parser, in its names, each checked against the format as it comes; returning false stops
// the parser at once.
class Lecture
{
public:
    Lecture(const std::string& oTexte, const FormatFichier& oFormat, void* poCible, std::string& oErreur)
        : moTexte(oTexte),
          moFormat(oFormat),
          moRacine(ValeurJson::Objet(oFormat.moRacine)),
          mpoCible(poCible),
          moErreur(oErreur)
    {
    }

    bool null() { return MauvaiseSorte(Suivante()); }
    bool boolean(bool bBooleen)
    {
        const Attente oAttente = Suivante();
        if (oAttente.moValeur.meSorte != SorteJson::Booleen)
            return MauvaiseSorte(oAttente);
        return Prendre([&] { return oAttente.moValeur.mpoBooleen(oAttente.mpoCible, bBooleen); });
    }
    bool binary(Json::binary_t&) { return MauvaiseSorte(Suivante()); }

    bool number_integer(Json::number_integer_t nEntier)
    {
        const Attente oAttente = Suivante();
        const ValeurJson& oValeur = oAttente.moValeur;
        const bool bDansUnInt =
            nEntier >= std::numeric_limits<int>::min() && nEntier <= std::numeric_limits<int>::max();
        if (oValeur.meSorte == SorteJson::GrandEntier || (oValeur.meSorte == SorteJson::Entier && bDansUnInt))
            return Prendre([&] { return oValeur.mpoEntier(oAttente.mpoCible, nEntier); });
        if (oValeur.meSorte == SorteJson::Reel)
            return Prendre([&] { return oValeur.mpoReel(oAttente.mpoCible, static_cast<double>(nEntier)); });
        return MauvaiseSorte(oAttente);
    }

    bool number_unsigned(Json::number_unsigned_t nEntier)
    {
        if (nEntier <= static_cast<std::uint64_t>(std::numeric_limits<long long>::max()))
            return number_integer(static_cast<long long>(nEntier));
        return number_float(static_cast<double>(nEntier), {});
    }

    bool number_float(Json::number_float_t fReel, const std::string&)
    {
        const Attente oAttente = Suivante();
        if (oAttente.moValeur.meSorte != SorteJson::Reel)
            return MauvaiseSorte(oAttente);
        return Prendre([&] { return oAttente.moValeur.mpoReel(oAttente.mpoCible, fReel); });
    }

    bool string(std::string& oTexte)
    {
        const Attente oAttente = Suivante();
        if (oAttente.moValeur.meSorte != SorteJson::Texte)
            return MauvaiseSorte(oAttente);
        return Prendre([&] { return oAttente.moValeur.mpoTexte(oAttente.mpoCible, oTexte); });
    }

    bool start_object(std::size_t)
    {
        const Attente oAttente = Suivante();
        if (oAttente.moValeur.meSorte != SorteJson::Objet)
            return MauvaiseSorte(oAttente);
        moPile.push_back({oAttente.moValeur.mpoObjet, nullptr, oAttente.moValeur.mpoCibler(oAttente.mpoCible), Nom()});
        return true;
    }

    bool key(std::string& oNom)
    {
        Cadre& oCadre = moPile.back();
        int nPlace = 0;
        oCadre.mpoCle = Trouver(oCadre, oNom, nPlace, oCadre.mpoCibleCle);
        if (oCadre.mpoCle == nullptr)
            return Refuser("La clé " + Cle(oNom) + " est inconnue" + Dans(oCadre));
        const std::uint64_t nBit = std::uint64_t{1} << nPlace;
        if ((oCadre.mnLues & nBit) != 0)
            return Refuser("La clé " + Cle(oNom) + " est donnée deux fois" + Dans(oCadre));
        oCadre.mnLues |= nBit;
        return true;
    }

    bool end_object()
    {
        const Cadre oCadre = moPile.back();
        moPile.pop_back();
        int nPlace = 0;
        for (const FormatObjet* poFormat = oCadre.mpoObjet; poFormat != nullptr; poFormat = poFormat->mpoInclus)
        {
            for (const CleJson& oCle : poFormat->moCles)
            {
                if (oCle.mbRequise && (oCadre.mnLues & (std::uint64_t{1} << nPlace)) == 0)
                    return Refuser("La clé " + Cle(oCle.moNom) + " manque");
                ++nPlace;
            }
        }
        void* poCible = oCadre.mpoCible;
        for (const FormatObjet* poFormat = oCadre.mpoObjet; poFormat != nullptr; poFormat = poFormat->mpoInclus)
        {
            if (poFormat->mpoConclure != nullptr && !Accepter(poFormat->mpoConclure(poCible)))
                return false;
            poCible = poFormat->mpoInclure(poCible);
        }
        return Fini();
    }

    bool start_array(std::size_t)
    {
        const Attente oAttente = Suivante();
        if (oAttente.moValeur.meSorte != SorteJson::Liste)
            return MauvaiseSorte(oAttente);
        moPile.push_back({nullptr, oAttente.moValeur.mpoListe, oAttente.moValeur.mpoCibler(oAttente.mpoCible), Nom()});
        return true;
    }

    bool end_array()
    {
        const Cadre oCadre = moPile.back();
        moPile.pop_back();
        const Conclure pConclure = oCadre.mpoListe->mpoConclure;
        return (pConclure == nullptr || Accepter(pConclure(oCadre.mpoCible))) && Fini();
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& oErreurJson)
    {
        moErreur = RaisonJson(moTexte, moFormat.moFin, oErreurJson);
        return false;
    }

private:
    // The value the format expects next, and where it goes.
    Attente Suivante()
    {
        if (moPile.empty())
            return {moRacine, mpoCible};
        Cadre& oCadre = moPile.back();
        if (oCadre.mpoListe != nullptr)
        {
            ++oCadre.mnElements;
            return {oCadre.mpoListe->moElement, oCadre.mpoCible};
        }
        return {oCadre.mpoCle->moValeur, oCadre.mpoCibleCle};
    }

    // A value of the kind expected goes where fRanger puts it. When it is the key that tells the format, the file is
    // of one from then on, and whatever that key's value says against it is said as it is.
    template <class Rangement>
    bool Prendre(Rangement fRanger)
    {
        if (moPile.size() == 1 && std::strcmp(moPile.back().mpoCle->moNom, moFormat.moCle) == 0)
            mbIdentifie = true;
        return Accepter(fRanger()) && Fini();
    }

    bool MauvaiseSorte(const Attente& oAttente)
    {
        if (moPile.empty())
            return Refuser(moFormat.moEtranger);
        const char* oSorte = kSortes[static_cast<int>(oAttente.moValeur.meSorte)];
        const Cadre& oCadre = moPile.back();
        if (oCadre.mpoListe == nullptr)
            return Refuser("La clé " + Cle(oCadre.mpoCle->moNom) + " doit être " + oSorte);
        const char* oDescription = oCadre.mpoListe->moDescription;
        return Refuser("Chaque élément de " + Cle(oCadre.moNom) + " doit être "
                       + (oDescription != nullptr ? oDescription : oSorte));
    }

    // The key or list that what begins now is found in.
    const char* Nom() const
    {
        if (moPile.empty())
            return nullptr;
        const Cadre& oCadre = moPile.back();
        return oCadre.mpoListe != nullptr ? oCadre.moNom : oCadre.mpoCle->moNom;
    }

    static std::string Dans(const Cadre& oCadre)
    {
        return oCadre.moNom != nullptr ? " dans " + Cle(oCadre.moNom) : std::string();
    }

    bool Accepter(const std::string& oRaison) { return oRaison.empty() || Refuser(oRaison); }

    // A value is complete: the object it is in waits for it no more, and a list keeps it.
    bool Fini()
    {
        if (moPile.empty())
            return true;
        Cadre& oCadre = moPile.back();
        oCadre.mpoCle = nullptr;
        const Conclure pGarder = oCadre.mpoListe != nullptr ? oCadre.mpoListe->mpoGarder : nullptr;
        return pGarder == nullptr || Accepter(pGarder(oCadre.mpoCible));
    }

    // Whatever is refused before the format is known is not of this format; within a list's element, the reason
    // says which one.
    bool Refuser(const std::string& oRaison)
    {
        if (!mbIdentifie)
        {
            moErreur = moFormat.moEtranger;
            return false;
        }
        moErreur.clear();
        for (const Cadre& oCadre : moPile)
        {
            if (oCadre.mpoListe != nullptr && oCadre.mpoListe->mpoContexte != nullptr && oCadre.mnElements > 0)
                moErreur += oCadre.mpoListe->mpoContexte(oCadre.mnElements - 1);
        }
        moErreur += oRaison;
        return false;
    }

    const std::string& moTexte;
    const FormatFichier& moFormat;
    const ValeurJson moRacine;
    void* mpoCible;
    std::string& moErreur;
    std::vector<Cadre> moPile;
    bool mbIdentifie = false;
};
}

bool LireJson(const std::string& oTexte, const FormatFichier& oFormat, void* poCible, std::string& oErreur)
{
    oErreur.clear();
    if (oTexte.find_first_not_of(" \t\r\n") == std::string::npos)
    {
        oErreur = "Le fichier est vide";
        return false;
    }
    // JSON has no place for a NUL byte, and the parser would take one for the end of the text.
    if (const std::size_t nNul = oTexte.find('\0'); nNul != std::string::npos)
    {
        oErreur = "Le fichier contient un octet nul (" + Position(oTexte, nNul) + ") : ce n'est pas du texte";
        return false;
    }
    Lecture oLecture(oTexte, oFormat, poCible, oErreur);
    return Json::sax_parse(oTexte, &oLecture);
}

namespace Porte
{
std::string Mio(std::size_t nOctets)
{
    constexpr std::size_t kMio = 1024 * 1024;
    const std::size_t nDixiemes = (nOctets * 10 + kMio - 1) / kMio;
    const std::string oDixieme = nDixiemes % 10 != 0 ? "," + std::to_string(nDixiemes % 10) : std::string();
    return std::to_string(nDixiemes / 10) + oDixieme + " Mio";
}

std::optional<std::string> Lire(const char* fileName, std::size_t nTailleMax, const char* oQuoi, std::string& oErreur)
{
    std::optional<std::string> oTexte = LireFichier(fileName, nTailleMax, oErreur);
    if (!oTexte)
        oErreur = "Lecture impossible : " + oErreur;
    else if (oTexte->size() > nTailleMax)
        oErreur = "Le fichier dépasse " + Mio(nTailleMax) + " : ce n'est pas " + oQuoi;
    return oErreur.empty() ? std::move(oTexte) : std::nullopt;
}

std::string RaisonTaille(const std::string& oTexte, std::size_t nTailleMax, const char* oQuoi)
{
    if (oTexte.size() <= nTailleMax)
        return {};
    return "Le fichier ferait " + Mio(oTexte.size()) + " : " + oQuoi + " ne dépasse pas " + Mio(nTailleMax);
}

std::string RaisonFormat(const std::string& oLu, const char* oFormat)
{
    return oLu == oFormat ? std::string() : "Le fichier est au format « " + oLu + " », pas « " + oFormat + " »";
}

std::string RaisonVersion(long long nLue, int nVersion)
{
    if (nLue > nVersion)
        return "Le fichier a été créé par une version plus récente de VEXAL (version de fichier "
            + std::to_string(nLue) + ") : mettez le programme à jour pour l'ouvrir";
    if (nLue < 1)
        return "La version de fichier " + std::to_string(nLue) + " n'existe pas";
    return {};
}
}
