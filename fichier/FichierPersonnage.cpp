#include "fichier/FichierPersonnage.h"

#include "disque/FichierAtomique.h"
#include "disque/LectureFichier.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace FichierPersonnage
{
namespace
{
// Keys keep the order they are written in. A file read is searched by key, whatever their order and number: the
// ordered kind would search a long list key by key.
using Json = nlohmann::ordered_json;
using JsonLu = nlohmann::json;

constexpr const char* kCaracteristiques[] = {"FORCE", "AGILITE", "PERCEPTION", "PRESENCE", "VOLONTE", "FOI"};

struct Camp
{
    PERSO meCamp;
    const char* moNom;
};
constexpr Camp kCamps[] = {{DEMON, "demon"}, {ANGE, "ange"}};

// A whole number is written without a fraction: 2, not 2.0.
Json Nombre(double fValeur)
{
    if (fValeur == std::trunc(fValeur) && std::fabs(fValeur) < 1e15)
        return static_cast<long long>(fValeur);
    return fValeur;
}

Json Niveaux(const std::vector<Niveau>& oNiveaux)
{
    Json oListe = Json::array();
    for (const Niveau& oNiveau : oNiveaux)
        oListe.push_back({{"nom", oNiveau.moNom}, {"niveau", Nombre(oNiveau.mfNiveau)}});
    return oListe;
}

std::string Cle(const std::string& oCle)
{
    return "« " + oCle + " »";
}

// Reads the file's keys one by one, keeping the first problem met; every read after it changes nothing.
class Lecteur
{
public:
    explicit Lecteur(std::string& oErreur)
        : moErreur(oErreur)
    {
    }

    bool Echoue() const { return !moErreur.empty(); }

    void Refuser(const std::string& oRaison)
    {
        if (moErreur.empty())
            moErreur = oRaison;
    }

    const JsonLu* Valeur(const JsonLu& oObjet, const std::string& oCle)
    {
        const auto oTrouve = oObjet.find(oCle);
        if (oTrouve == oObjet.end())
        {
            Refuser("La clé " + Cle(oCle) + " manque");
            return nullptr;
        }
        return &*oTrouve;
    }

    void Texte(const JsonLu& oObjet, const std::string& oCle, std::string& oTexte)
    {
        const JsonLu* poValeur = Valeur(oObjet, oCle);
        if (poValeur != nullptr && !poValeur->is_string())
            Refuser("La clé " + Cle(oCle) + " doit être un texte");
        else if (poValeur != nullptr && !Echoue())
            oTexte = poValeur->get<std::string>();
    }

    void Entier(const JsonLu& oObjet, const std::string& oCle, int& nEntier)
    {
        const JsonLu* poValeur = Valeur(oObjet, oCle);
        if (poValeur == nullptr)
            return;
        bool bDansUnInt = false;
        if (poValeur->is_number_unsigned())
            bDansUnInt = poValeur->get<unsigned long long>() <= std::numeric_limits<int>::max();
        else if (poValeur->is_number_integer())
            bDansUnInt = poValeur->get<long long>() >= std::numeric_limits<int>::min()
                && poValeur->get<long long>() <= std::numeric_limits<int>::max();
        if (!bDansUnInt)
            Refuser("La clé " + Cle(oCle) + " doit être un nombre entier");
        else if (!Echoue())
            nEntier = poValeur->get<int>();
    }

    void Reel(const JsonLu& oObjet, const std::string& oCle, double& fReel)
    {
        const JsonLu* poValeur = Valeur(oObjet, oCle);
        if (poValeur != nullptr && !poValeur->is_number())
            Refuser("La clé " + Cle(oCle) + " doit être un nombre");
        else if (poValeur != nullptr && !Echoue())
            fReel = poValeur->get<double>();
    }

    const JsonLu* Sorte(const JsonLu& oObjet, const std::string& oCle, bool (JsonLu::*pEst)() const noexcept,
                      const char* oSorte)
    {
        const JsonLu* poValeur = Valeur(oObjet, oCle);
        if (poValeur != nullptr && !(poValeur->*pEst)())
        {
            Refuser("La clé " + Cle(oCle) + " doit être " + oSorte);
            return nullptr;
        }
        return Echoue() ? nullptr : poValeur;
    }

    // Talents or powers, in any order, each name once; kept in byte-wise name order.
    void Niveaux(const JsonLu& oObjet, const std::string& oCle, const char* oGenre, std::vector<Niveau>& oNiveaux)
    {
        const JsonLu* poListe = Sorte(oObjet, oCle, &JsonLu::is_array, "une liste");
        if (poListe == nullptr)
            return;
        for (const JsonLu& oElement : *poListe)
        {
            if (!oElement.is_object())
            {
                Refuser("Chaque élément de " + Cle(oCle) + " doit être un objet avec un nom et un niveau");
                return;
            }
            Niveau oNiveau{{}, 0.0};
            Texte(oElement, "nom", oNiveau.moNom);
            Reel(oElement, "niveau", oNiveau.mfNiveau);
            if (Echoue())
                return;
            oNiveaux.push_back(std::move(oNiveau));
        }
        std::sort(oNiveaux.begin(), oNiveaux.end(),
                  [](const Niveau& oGauche, const Niveau& oDroite) { return oGauche.moNom < oDroite.moNom; });
        const auto oDouble = std::adjacent_find(oNiveaux.begin(), oNiveaux.end(), [](const Niveau& a, const Niveau& b) {
            return a.moNom == b.moNom;
        });
        if (oDouble != oNiveaux.end())
            Refuser(std::string(oGenre) + " " + oDouble->moNom + " apparaît deux fois");
    }

private:
    std::string& moErreur;
};

// Where a byte stands in the text, as an editor shows it.
std::string Position(const std::string& oTexte, std::size_t nOctet)
{
    const std::size_t nFin = std::min(nOctet, oTexte.size());
    const auto nLigne = std::count(oTexte.begin(), oTexte.begin() + static_cast<std::ptrdiff_t>(nFin), '\n') + 1;
    const std::size_t nDebutLigne = oTexte.rfind('\n', nFin == 0 ? 0 : nFin - 1);
    const std::size_t nColonne = nDebutLigne == std::string::npos ? nFin + 1 : nFin - nDebutLigne;
    return "ligne " + std::to_string(nLigne) + ", colonne " + std::to_string(nColonne);
}

// What the reader says of a text it cannot take, as a player reads it.
std::string RaisonJson(const std::string& oTexte, const JsonLu::exception& oErreurJson)
{
    const std::string oMessage = oErreurJson.what();
    if (const auto* poSyntaxe = dynamic_cast<const JsonLu::parse_error*>(&oErreurJson))
    {
        // The parser stopped past the last byte: the text ends in the middle of the character.
        if (poSyntaxe->byte > oTexte.size())
            return "Le fichier est tronqué : il s'arrête avant la fin du personnage";
        const std::string oOu = Position(oTexte, poSyntaxe->byte - 1);
        if (oMessage.find("expected end of input") != std::string::npos)
            return "Le fichier continue après la fin du personnage (" + oOu + ")";
        return "Le fichier n'est pas du JSON valide (" + oOu + ")";
    }
    // "number overflow parsing '1e400'": the number is quoted as the file has it.
    const std::size_t nDebut = oMessage.find('\'');
    const std::size_t nFin = oMessage.rfind('\'');
    if (oErreurJson.id == 406 && nDebut != std::string::npos && nFin > nDebut)
        return "Le fichier contient un nombre trop grand pour être lu : " + oMessage.substr(nDebut + 1, nFin - nDebut - 1);
    return "Le fichier ne peut pas être lu comme du JSON (erreur " + std::to_string(oErreurJson.id) + ")";
}
}

namespace
{
Json JsonDe(const EtatPersonnage& oEtat)
{
    const auto oCamp = std::find_if(std::begin(kCamps), std::end(kCamps),
                                    [&](const Camp& o) { return o.meCamp == oEtat.meCamp; });
    Json oCaract = Json::object();
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
        oCaract[kCaracteristiques[nCaract]] = Nombre(oEtat.mfCaract[nCaract]);

    return {
        {"format", kFormat},
        {"version", kVersion},
        {"camp", oCamp != std::end(kCamps) ? oCamp->moNom : ""},
        {"nom", oEtat.moNom},
        {"paTotal", oEtat.mnPATotal},
        {"pa", oEtat.mnPA},
        {"paSecondaire", oEtat.mnPASecondaire},
        {"paConverti", oEtat.mnPAConverti},
        {"grade", oEtat.mnGrade},
        {"superieur", oEtat.moSuperieur},
        {"caracteristiques", oCaract},
        {"pp", oEtat.mnPP},
        {"talents", Niveaux(oEtat.moTalents)},
        {"pouvoirs", Niveaux(oEtat.moPouvoirs)},
        {"notes", oEtat.moNotes},
    };
}

// Text that is not UTF-8 cannot stand in JSON: its stray bytes are written as replacement characters.
std::string Texte(const Json& oFichier)
{
    return oFichier.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
}

std::string Ecrire(const EtatPersonnage& oEtat)
{
    return Texte(JsonDe(oEtat));
}

namespace
{
// The JSON value the whole text holds, or nothing and why.
std::optional<JsonLu> Analyser(const std::string& oTexte, std::string& oErreur)
{
    oErreur.clear();
    if (oTexte.find_first_not_of(" \t\r\n") == std::string::npos)
    {
        oErreur = "Le fichier est vide";
        return std::nullopt;
    }
    // JSON has no place for a NUL byte, and the reader would take one for the end of the text.
    if (const std::size_t nNul = oTexte.find('\0'); nNul != std::string::npos)
    {
        oErreur = "Le fichier contient un octet nul (" + Position(oTexte, nNul) + ") : ce n'est pas du texte";
        return std::nullopt;
    }
    try
    {
        return JsonLu::parse(oTexte);
    }
    catch (const JsonLu::exception& oErreurJson)
    {
        oErreur = RaisonJson(oTexte, oErreurJson);
        return std::nullopt;
    }
}

std::optional<EtatPersonnage> EtatDe(const JsonLu& oFichier, std::string& oErreur)
{
    const auto oFormat = oFichier.is_object() ? oFichier.find("format") : oFichier.end();
    const JsonLu* poFormat = oFormat != oFichier.end() ? &*oFormat : nullptr;
    if (poFormat == nullptr || !poFormat->is_string())
    {
        oErreur = "Ce n'est pas une fiche de personnage VEXAL";
        return std::nullopt;
    }
    if (poFormat->get<std::string>() != kFormat)
    {
        oErreur = "Le fichier est au format " + Cle(poFormat->get<std::string>()) + ", pas " + Cle(kFormat);
        return std::nullopt;
    }

    EtatPersonnage oEtat;
    Lecteur oLecteur(oErreur);
    int nVersion = 0;
    oLecteur.Entier(oFichier, "version", nVersion);
    if (!oLecteur.Echoue() && nVersion > kVersion)
        oLecteur.Refuser("Le fichier a été créé par une version plus récente de VEXAL (version de fichier "
                         + std::to_string(nVersion) + ") : mettez le programme à jour pour l'ouvrir");
    if (!oLecteur.Echoue() && nVersion < 1)
        oLecteur.Refuser("La version de fichier " + std::to_string(nVersion) + " n'existe pas");

    std::string oCamp;
    oLecteur.Texte(oFichier, "camp", oCamp);
    const auto oTrouve =
        std::find_if(std::begin(kCamps), std::end(kCamps), [&](const Camp& o) { return oCamp == o.moNom; });
    if (!oLecteur.Echoue() && oTrouve == std::end(kCamps))
        oLecteur.Refuser("Camp inconnu : " + Cle(oCamp) + " (demon ou ange)");
    else if (!oLecteur.Echoue())
        oEtat.meCamp = oTrouve->meCamp;

    oLecteur.Texte(oFichier, "nom", oEtat.moNom);
    oLecteur.Entier(oFichier, "paTotal", oEtat.mnPATotal);
    oLecteur.Entier(oFichier, "pa", oEtat.mnPA);
    oLecteur.Entier(oFichier, "paSecondaire", oEtat.mnPASecondaire);
    oLecteur.Entier(oFichier, "paConverti", oEtat.mnPAConverti);
    oLecteur.Entier(oFichier, "grade", oEtat.mnGrade);
    oLecteur.Texte(oFichier, "superieur", oEtat.moSuperieur);
    if (const JsonLu* poCaract = oLecteur.Sorte(oFichier, "caracteristiques", &JsonLu::is_object, "un objet"))
    {
        for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
        {
            oLecteur.Reel(*poCaract, kCaracteristiques[nCaract], oEtat.mfCaract[nCaract]);
        }
    }
    oLecteur.Entier(oFichier, "pp", oEtat.mnPP);
    oLecteur.Niveaux(oFichier, "talents", "Le talent", oEtat.moTalents);
    oLecteur.Niveaux(oFichier, "pouvoirs", "Le pouvoir", oEtat.moPouvoirs);
    oLecteur.Texte(oFichier, "notes", oEtat.moNotes);
    if (oLecteur.Echoue())
        return std::nullopt;
    return oEtat;
}

// A file name in JSON, which holds only UTF-8: "%" and every byte outside printable ASCII are written %XX.
std::string NomEchappe(const std::string& oNom)
{
    std::string oEchappe;
    for (const unsigned char nOctet : oNom)
    {
        char oCode[4];
        std::snprintf(oCode, sizeof oCode, "%%%02X", nOctet);
        oEchappe += nOctet < 0x20 || nOctet > 0x7E || nOctet == '%' ? std::string(oCode) : std::string(1, nOctet);
    }
    return oEchappe;
}

std::string NomLu(const std::string& oEchappe)
{
    std::string oNom;
    for (std::size_t n = 0; n < oEchappe.size(); ++n)
    {
        if (oEchappe[n] == '%' && n + 2 < oEchappe.size() && std::isxdigit(static_cast<unsigned char>(oEchappe[n + 1]))
            && std::isxdigit(static_cast<unsigned char>(oEchappe[n + 2])))
        {
            oNom += static_cast<char>(std::stoi(oEchappe.substr(n + 1, 2), nullptr, 16));
            n += 2;
        }
        else
            oNom += oEchappe[n];
    }
    return oNom;
}
}

std::optional<EtatPersonnage> Lire(const std::string& oTexte, std::string& oErreur)
{
    const std::optional<JsonLu> oFichier = Analyser(oTexte, oErreur);
    return oFichier ? EtatDe(*oFichier, oErreur) : std::nullopt;
}

std::string EcrireCopie(const EtatPersonnage& oEtat, const std::string& oOrigine)
{
    Json oCopie = JsonDe(oEtat);
    oCopie["origine"] = NomEchappe(oOrigine);
    return Texte(oCopie);
}

std::optional<EtatPersonnage> LireCopie(const std::string& oTexte, std::string& oErreur, std::string& oOrigine)
{
    const std::optional<JsonLu> oFichier = Analyser(oTexte, oErreur);
    std::optional<EtatPersonnage> oEtat = oFichier ? EtatDe(*oFichier, oErreur) : std::nullopt;
    std::string oEchappe;
    if (oEtat)
        Lecteur(oErreur).Texte(*oFichier, "origine", oEchappe);
    if (!oErreur.empty())
        return std::nullopt;
    oOrigine = NomLu(oEchappe);
    return oEtat;
}

std::unique_ptr<Personnage> Creer(const EtatPersonnage& oEtat, std::string& oErreur)
{
    std::unique_ptr<Personnage> poPerso;
    if (oEtat.meCamp == ANGE)
        poPerso = std::make_unique<Ange>();
    else
        poPerso = std::make_unique<Demon>();
    oErreur = poPerso->Restaurer(oEtat);
    if (!oErreur.empty())
        return nullptr;
    return poPerso;
}

std::unique_ptr<Personnage> Ouvrir(const char* fileName, std::string& oErreur)
{
    const std::optional<std::string> oTexte = LireFichier(fileName, kTailleMax, oErreur);
    if (!oTexte)
    {
        oErreur = "Lecture impossible : " + oErreur;
        return nullptr;
    }
    if (oTexte->size() > kTailleMax)
    {
        oErreur = "Le fichier dépasse 1 Mio : ce n'est pas une fiche de personnage";
        return nullptr;
    }
    const std::optional<EtatPersonnage> oEtat = Lire(*oTexte, oErreur);
    return oEtat ? Creer(*oEtat, oErreur) : nullptr;
}

bool Enregistrer(const Personnage& oPerso, const char* fileName, std::string& oErreur)
{
    oErreur.clear();
    Remplacement oOptions;
    oOptions.mbCopieDeSecours = true;
    return RemplacerFichier(fileName, Ecrire(oPerso.GetEtat()), &oErreur, oOptions);
}
}
