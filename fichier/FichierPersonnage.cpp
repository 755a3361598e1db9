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
// The keys from "camp" to "pouvoirs", which a picture of the journal holds too; the name goes after the side.
Json EtatJson(const EtatPersonnage& oEtat, const std::string* poNom)
{
    const auto oCamp = std::find_if(std::begin(kCamps), std::end(kCamps),
                                    [&](const Camp& o) { return o.meCamp == oEtat.meCamp; });
    Json oCaract = Json::object();
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
        oCaract[kCaracteristiques[nCaract]] = Nombre(oEtat.mfCaract[nCaract]);

    Json oJson = {{"camp", oCamp != std::end(kCamps) ? oCamp->moNom : ""}};
    if (poNom != nullptr)
        oJson["nom"] = *poNom;
    oJson.update({
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
    });
    return oJson;
}

Json JsonDe(const Dossier& oDossier)
{
    Json oJson = {{"format", kFormat}, {"version", kVersion}};
    oJson.update(EtatJson(oDossier.moEtat, &oDossier.moEtat.moNom));
    oJson["notes"] = oDossier.moEtat.moNotes;
    Json oJournal = Json::array();
    for (const Attribution& oAttribution : oDossier.moJournal)
    {
        oJournal.push_back({{"date", oAttribution.moDate},
                            {"pa", oAttribution.mnPA},
                            {"raison", oAttribution.moRaison},
                            {"etat", EtatJson(*oAttribution.mpoEtat, nullptr)}});
    }
    oJson["journal"] = std::move(oJournal);
    return oJson;
}

// Text that is not UTF-8 cannot stand in JSON: its stray bytes are written as replacement characters.
std::string Texte(const Json& oFichier)
{
    return oFichier.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
}

std::string Ecrire(const Dossier& oDossier)
{
    return Texte(JsonDe(oDossier));
}

std::string Ecrire(const EtatPersonnage& oEtat)
{
    return Ecrire(Dossier{oEtat, Journaux::Commencer(oEtat, "")});
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

// The keys from "camp" to "pouvoirs", at the top of the file or in a picture of the journal.
void LireEtat(Lecteur& oLecteur, const JsonLu& oObjet, EtatPersonnage& oEtat)
{
    std::string oCamp;
    oLecteur.Texte(oObjet, "camp", oCamp);
    const auto oTrouve =
        std::find_if(std::begin(kCamps), std::end(kCamps), [&](const Camp& o) { return oCamp == o.moNom; });
    if (!oLecteur.Echoue() && oTrouve == std::end(kCamps))
        oLecteur.Refuser("Camp inconnu : " + Cle(oCamp) + " (demon ou ange)");
    else if (!oLecteur.Echoue())
        oEtat.meCamp = oTrouve->meCamp;

    oLecteur.Entier(oObjet, "paTotal", oEtat.mnPATotal);
    oLecteur.Entier(oObjet, "pa", oEtat.mnPA);
    oLecteur.Entier(oObjet, "paSecondaire", oEtat.mnPASecondaire);
    oLecteur.Entier(oObjet, "paConverti", oEtat.mnPAConverti);
    oLecteur.Entier(oObjet, "grade", oEtat.mnGrade);
    oLecteur.Texte(oObjet, "superieur", oEtat.moSuperieur);
    if (const JsonLu* poCaract = oLecteur.Sorte(oObjet, "caracteristiques", &JsonLu::is_object, "un objet"))
    {
        for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
            oLecteur.Reel(*poCaract, kCaracteristiques[nCaract], oEtat.mfCaract[nCaract]);
    }
    oLecteur.Entier(oObjet, "pp", oEtat.mnPP);
    oLecteur.Niveaux(oObjet, "talents", "Le talent", oEtat.moTalents);
    oLecteur.Niveaux(oObjet, "pouvoirs", "Le pouvoir", oEtat.moPouvoirs);
}

void LireJournal(Lecteur& oLecteur, std::string& oErreur, const JsonLu& oFichier, Journal& oJournal)
{
    const JsonLu* poJournal = oLecteur.Sorte(oFichier, "journal", &JsonLu::is_array, "une liste");
    if (poJournal == nullptr)
        return;
    oJournal.reserve(poJournal->size());
    for (const JsonLu& oElement : *poJournal)
    {
        Attribution oAttribution;
        EtatPersonnage oEtat;
        if (!oElement.is_object())
            oLecteur.Refuser("doit être un objet avec une date, des PA, une raison et un état");
        oLecteur.Texte(oElement, "date", oAttribution.moDate);
        oLecteur.Entier(oElement, "pa", oAttribution.mnPA);
        oLecteur.Texte(oElement, "raison", oAttribution.moRaison);
        if (const JsonLu* poEtat = oLecteur.Sorte(oElement, "etat", &JsonLu::is_object, "un objet"))
            LireEtat(oLecteur, *poEtat, oEtat);
        if (oLecteur.Echoue())
        {
            oErreur = "Attribution " + std::to_string(oJournal.size() + 1) + " du journal : " + oErreur;
            return;
        }
        oAttribution.mpoEtat = Journaux::Photo(std::move(oEtat));
        oJournal.push_back(std::move(oAttribution));
    }
}

std::optional<Dossier> DossierDe(const JsonLu& oFichier, std::string& oErreur)
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

    Dossier oDossier;
    EtatPersonnage& oEtat = oDossier.moEtat;
    Lecteur oLecteur(oErreur);
    int nVersion = 0;
    oLecteur.Entier(oFichier, "version", nVersion);
    if (!oLecteur.Echoue() && nVersion > kVersion)
        oLecteur.Refuser("Le fichier a été créé par une version plus récente de VEXAL (version de fichier "
                         + std::to_string(nVersion) + ") : mettez le programme à jour pour l'ouvrir");
    if (!oLecteur.Echoue() && nVersion < 1)
        oLecteur.Refuser("La version de fichier " + std::to_string(nVersion) + " n'existe pas");

    LireEtat(oLecteur, oFichier, oEtat);
    oLecteur.Texte(oFichier, "nom", oEtat.moNom);
    oLecteur.Texte(oFichier, "notes", oEtat.moNotes);
    if (nVersion >= 2)
        LireJournal(oLecteur, oErreur, oFichier, oDossier.moJournal);
    else if (!oLecteur.Echoue())
        oDossier.moJournal = Journaux::Commencer(oEtat, "");
    if (oLecteur.Echoue())
        return std::nullopt;
    return oDossier;
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

namespace
{
std::unique_ptr<Personnage> Nouveau(PERSO eCamp)
{
    if (eCamp == ANGE)
        return std::make_unique<Ange>();
    return std::make_unique<Demon>();
}
}

std::optional<Dossier> LireDossier(const std::string& oTexte, std::string& oErreur)
{
    const std::optional<JsonLu> oFichier = Analyser(oTexte, oErreur);
    return oFichier ? DossierDe(*oFichier, oErreur) : std::nullopt;
}

std::optional<EtatPersonnage> Lire(const std::string& oTexte, std::string& oErreur)
{
    std::optional<Dossier> oDossier = LireDossier(oTexte, oErreur);
    return oDossier ? std::optional<EtatPersonnage>(std::move(oDossier->moEtat)) : std::nullopt;
}

bool operator==(const VersionFichier& oGauche, const VersionFichier& oDroite)
{
    return oGauche.mnTaille == oDroite.mnTaille && oGauche.mnSecondes == oDroite.mnSecondes
        && oGauche.mnNanosecondes == oDroite.mnNanosecondes && oGauche.moHachage == oDroite.moHachage;
}

std::string EcrireCopie(const Dossier& oDossier, const OrigineCopie& oOrigine)
{
    Json oCopie = JsonDe(oDossier);
    oCopie["origine"] = NomEchappe(oOrigine.moNom);
    if (oOrigine.moVersion)
        oCopie["versionOrigine"] = {{"taille", oOrigine.moVersion->mnTaille},
                                    {"secondes", oOrigine.moVersion->mnSecondes},
                                    {"nanosecondes", oOrigine.moVersion->mnNanosecondes},
                                    {"sha256", oOrigine.moVersion->moHachage}};
    return Texte(oCopie);
}

std::optional<Dossier> LireCopie(const std::string& oTexte, std::string& oErreur, OrigineCopie& oOrigine)
{
    const std::optional<JsonLu> oFichier = Analyser(oTexte, oErreur);
    std::optional<Dossier> oDossier = oFichier ? DossierDe(*oFichier, oErreur) : std::nullopt;
    std::string oEchappe;
    if (oDossier)
        Lecteur(oErreur).Texte(*oFichier, "origine", oEchappe);
    std::optional<VersionFichier> oVersion;
    if (oDossier && oErreur.empty() && oFichier->contains("versionOrigine"))
    {
        Lecteur oLecteur(oErreur);
        if (const JsonLu* poVersion = oLecteur.Sorte(*oFichier, "versionOrigine", &JsonLu::is_object, "un objet"))
        {
            VersionFichier oLue;
            const auto Grand = [&](const char* oCle, long long& nValeur) {
                const JsonLu* poValeur = oLecteur.Valeur(*poVersion, oCle);
                if (poValeur != nullptr && !poValeur->is_number_integer())
                    oLecteur.Refuser(std::string("La clé « ") + oCle + " » doit être un nombre entier");
                else if (poValeur != nullptr && !oLecteur.Echoue())
                    nValeur = poValeur->get<long long>();
            };
            Grand("taille", oLue.mnTaille);
            Grand("secondes", oLue.mnSecondes);
            Grand("nanosecondes", oLue.mnNanosecondes);
            oLecteur.Texte(*poVersion, "sha256", oLue.moHachage);
            oVersion = oLue;
        }
    }
    if (!oErreur.empty())
        return std::nullopt;
    oOrigine = {NomLu(oEchappe), oVersion};
    return oDossier;
}

std::string VerifierJournal(const Dossier& oDossier)
{
    const Journal& oJournal = oDossier.moJournal;
    if (oJournal.empty())
        return "Le journal est vide : il lui faut au moins la création du personnage";
    const long long nSomme = Journaux::Somme(oJournal, oJournal.size() - 1);
    if (nSomme != oDossier.moEtat.mnPATotal)
        return "Le total de PA (" + std::to_string(oDossier.moEtat.mnPATotal) + ") n'est pas la somme du journal ("
            + std::to_string(nSomme) + ")";
    const std::unique_ptr<Personnage> poModele = Nouveau(oDossier.moEtat.meCamp);
    long long nJusquici = 0;
    for (std::size_t n = 0; n < oJournal.size(); ++n)
    {
        const Attribution& oAttribution = oJournal[n];
        const EtatPersonnage& oEtat = *oAttribution.mpoEtat;
        nJusquici += oAttribution.mnPA;
        std::string oRaison = Journaux::RaisonDate(oJournal, n, oAttribution.moDate, false);
        if (oRaison.empty() && oEtat.meCamp != oDossier.moEtat.meCamp)
            oRaison = "son état est d'un autre camp que le personnage";
        if (oRaison.empty() && oEtat.mnPATotal != nJusquici)
            oRaison = "son état a " + std::to_string(oEtat.mnPATotal) + " PA au total, le journal en donne "
                + std::to_string(nJusquici) + " jusque-là";
        if (oRaison.empty())
            oRaison = poModele->Verifier(oEtat);
        if (!oRaison.empty())
            return "Attribution " + std::to_string(n + 1) + " du journal : " + oRaison;
    }
    return {};
}

std::unique_ptr<Personnage> Creer(const Dossier& oDossier, std::string& oErreur)
{
    std::unique_ptr<Personnage> poPerso = Creer(oDossier.moEtat, oErreur);
    if (poPerso)
        oErreur = VerifierJournal(oDossier);
    return oErreur.empty() ? std::move(poPerso) : nullptr;
}

std::unique_ptr<Personnage> Creer(const EtatPersonnage& oEtat, std::string& oErreur)
{
    std::unique_ptr<Personnage> poPerso = Nouveau(oEtat.meCamp);
    oErreur = poPerso->Restaurer(oEtat);
    if (!oErreur.empty())
        return nullptr;
    return poPerso;
}

std::unique_ptr<Personnage> Ouvrir(const char* fileName, std::string& oErreur, Journal* poJournal,
                                   std::string* poTexte)
{
    std::optional<std::string> oTexte = LireFichier(fileName, kTailleMax, oErreur);
    if (!oTexte)
    {
        oErreur = "Lecture impossible : " + oErreur;
        return nullptr;
    }
    if (oTexte->size() > kTailleMax)
    {
        oErreur = "Le fichier dépasse 8 Mio : ce n'est pas une fiche de personnage";
        return nullptr;
    }
    std::optional<Dossier> oDossier = LireDossier(*oTexte, oErreur);
    std::unique_ptr<Personnage> poPerso = oDossier ? Creer(*oDossier, oErreur) : nullptr;
    if (poPerso && poJournal != nullptr)
        *poJournal = std::move(oDossier->moJournal);
    if (poPerso && poTexte != nullptr)
        *poTexte = std::move(*oTexte);
    return poPerso;
}

bool Enregistrer(const Personnage& oPerso, const Journal& oJournal, const char* fileName, std::string& oErreur,
                 std::string* poTexte, std::string* poAvertissement)
{
    oErreur.clear();
    Remplacement oOptions;
    oOptions.mbCopieDeSecours = true;
    oOptions.mpoAvertissement = poAvertissement;
    std::string oTexte = Ecrire(Dossier{oPerso.GetEtat(), oJournal});
    if (!RemplacerFichier(fileName, oTexte, &oErreur, oOptions))
        return false;
    if (poTexte != nullptr)
        *poTexte = std::move(oTexte);
    return true;
}
}
