#include "fichier/FichierPersonnage.h"

#include "disque/FichierAtomique.h"
#include "extension/Maison.h"
#include "fichier/FormatMaison.h"
#include "fichier/LecteurJson.h"
#include "fichier/MotsFichier.h"
#include "fichier/PageEmbarquee.h"
#include "fichier/Portees.h"
#include "model/Personnage.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace FichierPersonnage
{
namespace
{
// Keys keep the order they are written in.
using Json = nlohmann::ordered_json;

using MotsFichier::kCaracteristiques;

struct Camp
{
    PERSO meCamp;
    const char* moNom;
};
constexpr Camp kCamps[] = {{DEMON, MotsFichier::kCamps[DEMON]}, {ANGE, MotsFichier::kCamps[ANGE]}};

// What a file too large is not.
constexpr const char* kQuoi = "une fiche de personnage";

std::string Cle(const std::string& oCle)
{
    return "« " + oCle + " »";
}

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

// Text that is not UTF-8 cannot stand in JSON: its stray bytes are written as replacement characters.
std::string Compact(const Json& oJson)
{
    return oJson.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Every key but the journal and the extensions, which come last.
Json Tete(const Dossier& oDossier, int nVersion)
{
    Json oJson = {{"format", kFormat}, {"version", nVersion}};
    oJson.update(EtatJson(oDossier.moEtat, &oDossier.moEtat.moNom));
    oJson["notes"] = oDossier.moEtat.moNotes;
    return oJson;
}

// An award on one line, with the text of its picture.
std::string Ligne(const Attribution& oAttribution, const std::string& oPhoto)
{
    std::string oLigne =
        Compact({{"date", oAttribution.moDate}, {"pa", oAttribution.mnPA}, {"raison", oAttribution.moRaison}});
    oLigne.back() = ',';
    return oLigne + "\"etat\":" + oPhoto + "}";
}

// The definitions the character carries, indented as the head's keys.
std::string Extensions(const std::vector<ContenuExtension>& oPortees)
{
    Json oExtensions = Json::array();
    for (const ContenuExtension& oPortee : oPortees)
        oExtensions.push_back(FormatMaison::Ecrire(oPortee));
    const std::string oObjet = Json{{"extensions", oExtensions}}.dump(2, ' ', false, Json::error_handler_t::replace);
    return oObjet.substr(1, oObjet.size() - 3);  // within "{" and "\n}"
}

// The head's keys indented, then the journal, each award on a line of its own: a long campaign grows by a line an
// award, not by a page. The extensions carried come last.
std::string Texte(const Json& oTete, const Journal& oJournal, const std::vector<ContenuExtension>& oPortees)
{
    std::string oTexte = oTete.dump(2, ' ', false, Json::error_handler_t::replace);
    oTexte.resize(oTexte.size() - 2);  // its closing "\n}"
    oTexte += ",\n  \"journal\": [";
    for (std::size_t n = 0; n < oJournal.size(); ++n)
        oTexte += (n == 0 ? "\n    " : ",\n    ") + Ligne(oJournal[n], TextePhoto(*oJournal[n].mpoEtat));
    oTexte += oJournal.empty() ? "]" : "\n  ]";
    if (!oPortees.empty())
        oTexte += "," + Extensions(oPortees);
    return oTexte + "\n}\n";
}

std::vector<ContenuExtension> PorteesDe(const Dossier& oDossier)
{
    if (oDossier.mpoMaison == nullptr)
        return {};
    return Portees(*oDossier.mpoMaison, oDossier.moEtat, oDossier.moJournal);
}

// A character that uses no house entry is written as version 2, as a character of the game alone always was.
int VersionDe(const std::vector<ContenuExtension>& oPortees)
{
    return oPortees.empty() ? kVersion : kVersionMaison;
}
}

std::string TextePhoto(const EtatPersonnage& oPhoto)
{
    return Compact(EtatJson(oPhoto, nullptr));
}

std::string Ecrire(const Dossier& oDossier)
{
    const std::vector<ContenuExtension> oPortees = PorteesDe(oDossier);
    return Texte(Tete(oDossier, VersionDe(oPortees)), oDossier.moJournal, oPortees);
}

std::string Ecrire(const EtatPersonnage& oEtat)
{
    return Ecrire(Dossier{oEtat, Journaux::Commencer(oEtat, "")});
}

std::string RaisonTaille(const std::string& oTexte)
{
    return Porte::RaisonTaille(oTexte, kTailleMax, kQuoi);
}

namespace
{
// The award being read, and its picture.
struct AttributionLue
{
    std::string moDate;
    int mnPA = 0;
    std::string moRaison;
    EtatPersonnage moPhoto;
};

// What a file holds, as its values come.
struct FicheLue
{
    Dossier moDossier;
    int mnVersion = 0;
    bool mbJournal = false;
    AttributionLue moAttribution;
    bool mbPortees = false;
    FormatMaison::PorteesLues moPortees;
    std::string moOrigine;  // a recovery copy's, escaped
    std::optional<VersionFichier> moVersionOrigine;
};

std::string LireCamp(void* poEtat, std::string& oCamp)
{
    const auto oTrouve =
        std::find_if(std::begin(kCamps), std::end(kCamps), [&](const Camp& o) { return oCamp == o.moNom; });
    if (oTrouve == std::end(kCamps))
        return "Camp inconnu : " + Cle(oCamp) + " (demon ou ange)";
    static_cast<EtatPersonnage*>(poEtat)->meCamp = oTrouve->meCamp;
    return {};
}

template <int nCaract>
CleJson Caracteristique()
{
    return {kCaracteristiques[nCaract], ValeurJson::Reel([](void* poEtat, double fValeur) {
                static_cast<EtatPersonnage*>(poEtat)->mfCaract[nCaract] = fValeur;
                return std::string();
            })};
}

constexpr char kTalent[] = "Le talent";
constexpr char kPouvoir[] = "Le pouvoir";

// Talents or powers come in any order, each name once; they are kept in byte-wise name order.
template <const char* oGenre>
std::string Trier(void* poNiveaux)
{
    std::vector<Niveau>& oNiveaux = *static_cast<std::vector<Niveau>*>(poNiveaux);
    std::sort(oNiveaux.begin(), oNiveaux.end(),
              [](const Niveau& oGauche, const Niveau& oDroite) { return oGauche.moNom < oDroite.moNom; });
    const auto oDouble = std::adjacent_find(oNiveaux.begin(), oNiveaux.end(), [](const Niveau& a, const Niveau& b) {
        return a.moNom == b.moNom;
    });
    if (oDouble == oNiveaux.end())
        return {};
    return std::string(oGenre) + " " + oDouble->moNom + " apparaît deux fois";
}

constexpr const char* kNiveau = "un objet avec un nom et un niveau";

const FormatObjet kFormatNiveau = {{
    {"nom", Membre<&Niveau::moNom>()},
    {"niveau", Membre<&Niveau::mfNiveau>()},
}};
const FormatListe kFormatTalents = {ValeurJson::Objet(kFormatNiveau, NouvelElement<std::vector<Niveau>>), kNiveau,
                                    nullptr, Trier<kTalent>};
const FormatListe kFormatPouvoirs = {ValeurJson::Objet(kFormatNiveau, NouvelElement<std::vector<Niveau>>), kNiveau,
                                     nullptr, Trier<kPouvoir>};

const FormatObjet kFormatCaracteristiques = {{
    Caracteristique<FORCE>(),
    Caracteristique<AGILITE>(),
    Caracteristique<PERCEPTION>(),
    Caracteristique<PRESENCE>(),
    Caracteristique<VOLONTE>(),
    Caracteristique<FOI>(),
}};

// The keys from "camp" to "pouvoirs", at the top of the file and in each picture of the journal.
const FormatObjet kFormatEtat = {{
    {"camp", ValeurJson::Texte(LireCamp)},
    {"paTotal", Membre<&EtatPersonnage::mnPATotal>()},
    {"pa", Membre<&EtatPersonnage::mnPA>()},
    {"paSecondaire", Membre<&EtatPersonnage::mnPASecondaire>()},
    {"paConverti", Membre<&EtatPersonnage::mnPAConverti>()},
    {"grade", Membre<&EtatPersonnage::mnGrade>()},
    {"superieur", Membre<&EtatPersonnage::moSuperieur>()},
    {"caracteristiques", ValeurJson::Objet(kFormatCaracteristiques)},
    {"pp", Membre<&EtatPersonnage::mnPP>()},
    {"talents", ValeurJson::Liste(kFormatTalents, DansMembre<&EtatPersonnage::moTalents>)},
    {"pouvoirs", ValeurJson::Liste(kFormatPouvoirs, DansMembre<&EtatPersonnage::moPouvoirs>)},
}};

const FormatObjet kFormatPersonnage = {{
    {"nom", Membre<&EtatPersonnage::moNom>()},
    {"notes", Membre<&EtatPersonnage::moNotes>()},
}, nullptr, &kFormatEtat};

const FormatObjet kFormatAttribution = {{
    {"date", Membre<&AttributionLue::moDate>()},
    {"pa", Membre<&AttributionLue::mnPA>()},
    {"raison", Membre<&AttributionLue::moRaison>()},
    {"etat", ValeurJson::Objet(kFormatEtat, DansMembre<&AttributionLue::moPhoto>)},
}};

// Each award is read in the same place, then joins the journal.
void* NouvelleAttribution(void* poFiche)
{
    AttributionLue& oAttribution = static_cast<FicheLue*>(poFiche)->moAttribution;
    oAttribution = AttributionLue();
    return &oAttribution;
}

// Only the creation may give no PA: a character may start with none, but an award that gives none is none.
std::string GarderAttribution(void* poFiche)
{
    Journal& oJournal = static_cast<FicheLue*>(poFiche)->moDossier.moJournal;
    AttributionLue& oLue = static_cast<FicheLue*>(poFiche)->moAttribution;
    if (oLue.mnPA == 0 && !oJournal.empty())
        return "une attribution donne ou reprend des PA";
    oJournal.push_back(
        {std::move(oLue.moDate), oLue.mnPA, std::move(oLue.moRaison), Journaux::Photo(std::move(oLue.moPhoto))});
    return {};
}

const FormatListe kFormatJournal = {
    ValeurJson::Objet(kFormatAttribution, NouvelleAttribution),
    "un objet avec une date, des PA, une raison et un état",
    GarderAttribution,
    nullptr,
    [](std::size_t nAttribution) { return "Attribution " + std::to_string(nAttribution + 1) + " du journal : "; },
};

std::string LireFormat(void*, std::string& oFormat)
{
    return Porte::RaisonFormat(oFormat, kFormat);
}

// Refused as soon as read: whatever follows may mean something else in a newer version.
std::string LireVersion(void* poFiche, long long nVersion)
{
    std::string oRaison = Porte::RaisonVersion(nVersion, kVersionMaison);
    if (oRaison.empty())
        static_cast<FicheLue*>(poFiche)->mnVersion = static_cast<int>(nVersion);
    return oRaison;
}

void* CommencerJournal(void* poFiche)
{
    static_cast<FicheLue*>(poFiche)->mbJournal = true;
    return poFiche;
}

void* EtatDe(void* poFiche)
{
    return &static_cast<FicheLue*>(poFiche)->moDossier.moEtat;
}

void* CommencerPortees(void* poFiche)
{
    static_cast<FicheLue*>(poFiche)->mbPortees = true;
    return &static_cast<FicheLue*>(poFiche)->moPortees;
}

// The extensions a character carries come with version 3, which has them.
std::string ConclurePortees(FicheLue& oFiche)
{
    if (oFiche.mbPortees != (oFiche.mnVersion == kVersionMaison))
        return "La clé " + Cle("extensions") + (oFiche.mbPortees ? " va avec la version " : " manque à la version ")
            + std::to_string(kVersionMaison);
    oFiche.moDossier.mpoMaison = std::move(oFiche.moPortees.mpoMaison);
    return {};
}

// A file of version 1 has no journal: the character's creation, of unknown date, stands for it.
std::string ConclureFiche(void* poFiche)
{
    FicheLue& oFiche = *static_cast<FicheLue*>(poFiche);
    oFiche.moDossier.mnVersionLue = oFiche.mnVersion;
    if (oFiche.mnVersion < 2)
        oFiche.moDossier.moJournal = Journaux::Commencer(oFiche.moDossier.moEtat, "");
    else if (!oFiche.mbJournal)
        return "La clé " + Cle("journal") + " manque";
    return ConclurePortees(oFiche);
}

const FormatObjet kFormatFiche = {{
    {"format", ValeurJson::Texte(LireFormat)},
    {"version", ValeurJson::Entier(LireVersion)},
    {"journal", ValeurJson::Liste(kFormatJournal, CommencerJournal), false},
    {"extensions", ValeurJson::Liste(FormatMaison::kPortees, CommencerPortees), false},
}, ConclureFiche, &kFormatPersonnage, EtatDe};

const FormatObjet kFormatVersionOrigine = {{
    {"taille", Membre<&VersionFichier::mnTaille>()},
    {"secondes", Membre<&VersionFichier::mnSecondes>()},
    {"nanosecondes", Membre<&VersionFichier::mnNanosecondes>()},
    {"sha256", Membre<&VersionFichier::moHachage>()},
}};

void* NouvelleVersionOrigine(void* poFiche)
{
    return &static_cast<FicheLue*>(poFiche)->moVersionOrigine.emplace();
}

const FormatObjet kFormatCopie = {{
    {"origine", Membre<&FicheLue::moOrigine>()},
    {"versionOrigine", ValeurJson::Objet(kFormatVersionOrigine, NouvelleVersionOrigine), false},
}, nullptr, &kFormatFiche};

constexpr const char* kEtranger = "Ce n'est pas une fiche de personnage VEXAL";
constexpr const char* kFin = "la fin du personnage";
const FormatFichier kFichier = {kFormatFiche, "format", kEtranger, kFin};
const FormatFichier kCopie = {kFormatCopie, "format", kEtranger, kFin};

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
std::optional<Dossier> LireJsonDossier(const std::string& oTexte, std::string& oErreur)
{
    FicheLue oFiche;
    if (!LireJson(oTexte, kFichier, &oFiche, oErreur))
        return std::nullopt;
    return std::move(oFiche.moDossier);
}

// A page is read as the file it carries; a page carried in a page is no character.
std::optional<Dossier> LirePage(const std::string& oPage, std::string& oErreur)
{
    const std::optional<std::string> oFichier = PageEmbarquee::Extraire(oPage, oErreur);
    if (!oFichier)
        return std::nullopt;
    std::optional<Dossier> oDossier = LireJsonDossier(*oFichier, oErreur);
    if (!oDossier)
        oErreur = "Le personnage de la page web est abîmé : " + oErreur;
    return oDossier;
}
}

std::optional<Dossier> LireDossier(const std::string& oTexte, std::string& oErreur)
{
    return PageEmbarquee::EstPage(oTexte) ? LirePage(oTexte, oErreur) : LireJsonDossier(oTexte, oErreur);
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
    const std::vector<ContenuExtension> oPortees = PorteesDe(oDossier);
    Json oTete = Tete(oDossier, VersionDe(oPortees));
    oTete["origine"] = NomEchappe(oOrigine.moNom);
    if (oOrigine.moVersion)
        oTete["versionOrigine"] = {{"taille", oOrigine.moVersion->mnTaille},
                                   {"secondes", oOrigine.moVersion->mnSecondes},
                                   {"nanosecondes", oOrigine.moVersion->mnNanosecondes},
                                   {"sha256", oOrigine.moVersion->moHachage}};
    return Texte(oTete, oDossier.moJournal, oPortees);
}

std::optional<Dossier> LireCopie(const std::string& oTexte, std::string& oErreur, OrigineCopie& oOrigine)
{
    FicheLue oFiche;
    if (!LireJson(oTexte, kCopie, &oFiche, oErreur))
        return std::nullopt;
    oOrigine = {NomLu(oFiche.moOrigine), oFiche.moVersionOrigine};
    return std::move(oFiche.moDossier);
}

namespace
{
// Each picture is checked by a character of the same side and house entries: oModele.
std::string VerifierJournal(const Dossier& oDossier, const Personnage& oModele)
{
    const Journal& oJournal = oDossier.moJournal;
    if (oJournal.empty())
        return "Le journal est vide : il lui faut au moins la création du personnage";
    const long long nSomme = Journaux::Somme(oJournal, oJournal.size() - 1);
    if (nSomme != oDossier.moEtat.mnPATotal)
        return "Le total de PA (" + std::to_string(oDossier.moEtat.mnPATotal) + ") n'est pas la somme du journal ("
            + std::to_string(nSomme) + ")";
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
            oRaison = oModele.Verifier(oEtat);
        if (!oRaison.empty())
            return "Attribution " + std::to_string(n + 1) + " du journal : " + oRaison;
    }
    return {};
}
}

std::string VerifierJournal(const Dossier& oDossier)
{
    return VerifierJournal(oDossier, *Personnage::Nouveau(oDossier.moEtat.meCamp, oDossier.mpoMaison));
}

// The character checks its own journal: Verifier reads no more of it than its side and catalogues.
std::unique_ptr<Personnage> Creer(const Dossier& oDossier, std::string& oErreur,
                                  const std::shared_ptr<const Maison>& poInstallees)
{
    std::unique_ptr<Personnage> poPerso =
        Creer(oDossier.moEtat, oErreur, Maison::Composer(poInstallees, oDossier.mpoMaison));
    if (poPerso)
        oErreur = VerifierJournal(oDossier, *poPerso);
    return oErreur.empty() ? std::move(poPerso) : nullptr;
}

std::unique_ptr<Personnage> Creer(const EtatPersonnage& oEtat, std::string& oErreur,
                                  const std::shared_ptr<const Maison>& poInstallees)
{
    std::unique_ptr<Personnage> poPerso = Personnage::Nouveau(oEtat.meCamp, poInstallees);
    oErreur = poPerso->Restaurer(oEtat);
    if (!oErreur.empty())
        return nullptr;
    return poPerso;
}

std::unique_ptr<Personnage> Ouvrir(const char* fileName, std::string& oErreur, Dossier* poDossier,
                                   std::string* poTexte, const std::shared_ptr<const Maison>& poInstallees)
{
    std::optional<std::string> oTexte = Porte::Lire(fileName, kTailleMax, kQuoi, oErreur);
    if (!oTexte)
        return nullptr;
    std::optional<Dossier> oDossier = LireDossier(*oTexte, oErreur);
    std::unique_ptr<Personnage> poPerso = oDossier ? Creer(*oDossier, oErreur, poInstallees) : nullptr;
    if (poPerso && poDossier != nullptr)
        *poDossier = std::move(*oDossier);
    if (poPerso && poTexte != nullptr)
        *poTexte = std::move(*oTexte);
    return poPerso;
}

bool Enregistrer(const Personnage& oPerso, const Journal& oJournal, const char* fileName, std::string& oErreur,
                 std::string* poTexte, std::string* poAvertissement)
{
    std::string oTexte = Ecrire(Dossier{oPerso.GetEtat(), oJournal, 0, oPerso.GetMaison()});
    oErreur = RaisonTaille(oTexte);
    if (!oErreur.empty())
        return false;
    Remplacement oOptions;
    oOptions.mbCopieDeSecours = true;
    oOptions.mpoAvertissement = poAvertissement;
    if (!RemplacerFichier(fileName, oTexte, &oErreur, oOptions))
        return false;
    if (poTexte != nullptr)
        *poTexte = std::move(oTexte);
    return true;
}
}
