#include "Ombres.h"

#include "extension/Comparaison.h"
#include "fichier/FichierPersonnage.h"
#include "fichier/PageEmbarquee.h"
#include "model/Demon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
using Json = nlohmann::ordered_json;

// A demon with a name, a superior, a reserved power, a general talent with its speciality, and a language, granted
// 10 PA after its creation.
Json Modele()
{
    Demon oDemon;
    Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "2026-09-05");
    Journaux::Accorder(oDemon, oJournal, "2026-10-17", 10, "Séance 1");
    oDemon.SetNom("Azazel");
    oDemon.SetSuperieur("Baal");
    oDemon.AjouterPouvoirBase("ArtDeCombat");
    oDemon.AjouterTalentBase("Combat", PRIMAIRE, AGILITE);
    oDemon.AugmenterTalent("Combat(Spe)", 2);
    oDemon.AugmenterTalent("Combat", 2);
    oDemon.AjouterTalentBase("LangueAnglais", SECONDAIRE, AUCUNE);
    return Json::parse(FichierPersonnage::Ecrire(Dossier{oDemon.GetEtat(), oJournal}));
}

// A demon of the Paris campaign, granted 10 PA after its creation: the house's general talent with its speciality,
// its language, its superior with the power reserved to him, and its power of both sides.
Dossier DossierMaison()
{
    const std::unique_ptr<Personnage> poDemon = Personnage::Nouveau(DEMON, MaisonOmbres());
    Journal oJournal = Journaux::Commencer(poDemon->GetEtat(), "2026-09-05");
    Journaux::Accorder(*poDemon, oJournal, "2026-10-17", 10, "Séance 1");
    poDemon->SetSuperieur("Lutece");
    poDemon->AjouterPouvoirBase("Catacombes");
    poDemon->AjouterPouvoirBase("Brume");
    poDemon->AjouterTalentBase("Crochetage", PRIMAIRE, AGILITE);
    poDemon->AugmenterTalent("Crochetage(Spe)", 2);
    poDemon->AugmenterTalent("Crochetage", 1);
    poDemon->AjouterTalentBase("Argot", SECONDAIRE, AUCUNE);
    poDemon->AugmenterTalent("Argot", 1);
    return {poDemon->GetEtat(), oJournal, 0, poDemon->GetMaison()};
}


std::string Texte(const Json& oFichier)
{
    return oFichier.dump(2);
}

// The journal's second award, written otherwise.
std::string Attribution(const char* oCle, const Json& oValeur)
{
    Json oFichier = Modele();
    oFichier["journal"][1][oCle] = oValeur;
    return Texte(oFichier);
}

std::string Cle(const char* oCle, const Json& oValeur)
{
    Json oFichier = Modele();
    oFichier[oCle] = oValeur;
    return Texte(oFichier);
}

std::string Caract(const char* oNom, double fValeur)
{
    Json oFichier = Modele();
    oFichier["caracteristiques"][oNom] = fValeur;
    return Texte(oFichier);
}

// The level of the talent of this name, in the file's list.
std::string Talent(const char* oNom, double fNiveau)
{
    Json oFichier = Modele();
    for (Json& oTalent : oFichier["talents"])
    {
        if (oTalent["nom"] == oNom)
            oTalent["niveau"] = fNiveau;
    }
    return Texte(oFichier);
}

// The extensions the Paris demon carries, written otherwise.
template <class Changement>
std::string Portees(Changement fChanger)
{
    Json oFichier = Json::parse(FichierPersonnage::Ecrire(DossierMaison()));
    fChanger(oFichier["extensions"]);
    return Texte(oFichier);
}

// The text, with oAjout written just before the first oAvant.
std::string Avant(const std::string& oAvant, const std::string& oAjout)
{
    std::string oTexte = Texte(Modele());
    return oTexte.insert(oTexte.find(oAvant), oAjout);
}

constexpr std::size_t kHuitMio = 8 * 1024 * 1024;

// 8 MiB of "{}," in a list.
std::string ObjetsVides()
{
    std::string oListe = "[";
    while (oListe.size() < kHuitMio)
        oListe += "{},";
    return oListe + "{}]";
}

struct Refus
{
    const char* moNom;
    std::string (*Texte)();
    const char* moRaison;
};

void PrintTo(const Refus& oRefus, std::ostream* poFlux)
{
    *poFlux << oRefus.moNom;
}

const Refus kRefus[] = {
    {"Empty", [] { return std::string(); }, "vide"},
    {"NotJson", [] { return std::string("Fiche de Personnage VEXAL"); }, "pas du JSON valide (ligne 1, colonne 1)"},
    {"Truncated", [] { const std::string o = Texte(Modele()); return o.substr(0, o.size() / 2); }, "tronqué"},
    {"AnotherFormat", [] { return Cle("format", "vexal-campagne"); }, "au format « vexal-campagne »"},
    {"NewerVersion", [] { return Cle("version", 4); }, "créé par une version plus récente"},
    {"KeyMissing", [] { Json o = Modele(); o.erase("paSecondaire"); return Texte(o); }, "« paSecondaire » manque"},
    {"WrongType", [] { return Cle("grade", "zéro"); }, "« grade » doit être un nombre entier"},
    {"UnknownSide", [] { return Cle("camp", "elfe"); }, "Camp inconnu : « elfe »"},
    {"NameFromNoCatalogue",
     [] { Json o = Modele(); o["talents"].push_back({{"nom", "Jonglage"}, {"niveau", 0}}); return Texte(o); },
     "Jonglage n'est pas un talent du catalogue"},
    {"NameTwice",
     [] { Json o = Modele(); o["pouvoirs"].push_back(o["pouvoirs"][0]); return Texte(o); },
     "Le pouvoir ArtDeCombat apparaît deux fois"},
    {"SuperiorOfTheOtherSide", [] { return Cle("superieur", "Alain"); }, "Alain n'est pas un prince démon"},
    {"PowerOfAnotherSuperior", [] { return Cle("superieur", "Abalam"); }, "ArtDeCombat : réservé aux serviteurs de Baal"},
    {"OffTheHalfPoints", [] { return Caract("FORCE", 2.25); }, "Force vaut 2,25"},
    {"LevelBelowZero", [] { return Talent("LangueAnglais", -0.5); }, "au niveau -0,5"},
    {"GradeOutOfRange", [] { return Cle("grade", 4); }, "Le grade 4 n'existe pas"},
    {"AboveTheGradesCap", [] { return Caract("PRESENCE", 6); }, "Au grade 0, Présence ne dépasse pas 5,5"},
    {"PPAboveTheCap", [] { return Cle("pp", 12); }, "les PP ne dépassent pas 15"},
    {"LanguageAboveHalf", [] { return Talent("LangueAnglais", 1); }, "une langue se connaît à 0,5"},
    {"GeneralAboveItsSpeciality", [] { return Talent("Combat", 1.5); }, "Combat ne peut pas dépasser Combat(Spe)"},
    {"BalancesOff", [] { return Cle("pa", 70); }, "Les PA ne tombent pas juste"},
    {"JournalEmpty", [] { return Cle("journal", Json::array()); }, "Le journal est vide"},
    {"JournalNotAList", [] { return Cle("journal", "Séance 1"); }, "« journal » doit être une liste"},
    {"AwardOfTheWrongType", [] { return Attribution("pa", "dix"); }, "Attribution 2 du journal : La clé « pa »"},
    {"JournalSumOff", [] { return Attribution("pa", 12); }, "n'est pas la somme du journal (92)"},
    {"DatesGoingBack", [] { return Attribution("date", "2026-09-04"); }, "vient avant l'attribution du 2026-09-05"},
    {"NoSuchDay", [] { return Attribution("date", "2026-02-30"); }, "2026-02-30 n'existe pas"},
    {"NotADate", [] { return Attribution("date", "2026/10/17"); }, "« 2026/10/17 » n'est pas une date AAAA-MM-JJ"},
    {"PictureTheRulesRefuse",
     [] {
         Json oFichier = Modele();
         oFichier["journal"][1]["etat"]["pa"] = 95;
         return Texte(oFichier);
     },
     "Attribution 2 du journal : Les PA ne tombent pas juste"},
    {"PictureOfAnotherTotal",
     [] {
         Json oFichier = Modele();
         oFichier["journal"][0]["etat"]["paTotal"] = 90;
         oFichier["journal"][0]["etat"]["pa"] = 90;
         return Texte(oFichier);
     },
     "Attribution 1 du journal : son état a 90 PA au total"},
    {"UnknownKeyAtTheTop", [] { return Cle("couleur", "rouge"); }, "La clé « couleur » est inconnue"},
    {"UnknownCharacteristic", [] { return Caract("CHANCE", 2); }, "« CHANCE » est inconnue dans « caracteristiques »"},
    {"UnknownKeyInATalent",
     [] { Json o = Modele(); o["talents"][0]["rang"] = 1; return Texte(o); },
     "La clé « rang » est inconnue dans « talents »"},
    {"UnknownKeyInAnAward", [] { return Attribution("lieu", "Paris"); }, "Attribution 2 du journal : La clé « lieu »"},
    {"NameInAPicture",
     [] { Json o = Modele(); o["journal"][1]["etat"]["nom"] = "Azazel"; return Texte(o); },
     "Attribution 2 du journal : La clé « nom » est inconnue dans « etat »"},
    {"KeyTwiceAtTheTop", [] { return Avant("\"grade\"", "\"grade\": 0, "); }, "La clé « grade » est donnée deux fois"},
    {"KeyTwiceInAnAward",
     [] { return Avant("\"raison\": \"Séance 1\"", "\"raison\": \"Séance 0\", "); },
     "Attribution 2 du journal : La clé « raison » est donnée deux fois"},
    {"AwardOfNoPA", [] { return Attribution("pa", 0); },
     "Attribution 2 du journal : une attribution donne ou reprend des PA"},
    {"ObjectForAList", [] { return Cle("talents", Json::object()); }, "La clé « talents » doit être une liste"},
    {"ListForAText", [] { return Cle("nom", Json::array()); }, "La clé « nom » doit être un texte"},
    {"FourMillionBrackets", [] { return std::string(4000000, '['); }, "Ce n'est pas une fiche de personnage VEXAL"},
    {"EightMiBOfEmptyObjects", ObjetsVides, "Ce n'est pas une fiche de personnage VEXAL"},
    {"ExtensionsInVersion2", [] { return Cle("extensions", Json::array()); },
     "La clé « extensions » va avec la version 3"},
    {"Version3WithoutExtensions",
     [] { Json o = Json::parse(FichierPersonnage::Ecrire(DossierMaison())); o.erase("extensions"); return Texte(o); },
     "La clé « extensions » manque à la version 3"},
    {"CarriedLanguageWithAPriority",
     [] { return Portees([](Json& o) { o[0]["talents"][0]["priorite"] = "PRIMAIRE"; }); },
     "extensions[0] : talents[0] « Argot », priorite : une langue n'a ni priorité ni caractéristique"},
    {"CarriedPriceOfZero", [] { return Portees([](Json& o) { o[0]["pouvoirs"][1]["prix"] = 0; }); },
     "extensions[0] : pouvoirs[1] « Catacombes », prix : un prix va de 1 à 99 PA, pas 0"},
    {"CarriedPowerOfAnUnknownSuperior", [] { return Portees([](Json& o) { o[0]["superieurs"] = Json::array(); }); },
     "extensions[0] : pouvoirs[1] « Catacombes », superieur : aucun supérieur ne s'appelle « Lutece »"},
    {"CarriedTwice",
     [] { return Portees([](Json& o) { o.push_back(o[0]); o[1]["id"] = "autre"; }); },
     "extensions[1] : superieurs[0] « Lutece », nom : Lutece est déjà un supérieur de « Les ombres de Paris »"},
    {"JournalOfEightMiBOfEmptyObjects",
     [] {
         std::string oTexte = Cle("journal", Json::array());
         return oTexte.replace(oTexte.find("[]"), 2, ObjetsVides());
     },
     "Attribution 1 du journal : La clé « date » manque"},
    {"PageWithNoCharacter", [] { return std::string("<!DOCTYPE html>\n<p>Azazel</p>"); }, "aucun personnage VEXAL"},
    {"PageWithTwoCharacters",
     [] { const std::string o = PageEmbarquee::Embarquer(Texte(Modele())); return "<p>" + o + o; },
     "La page web contient plus d'un personnage VEXAL"},
    {"PageWithADamagedOne", [] { return "<p>" + PageEmbarquee::Embarquer(Cle("grade", "zéro")); },
     "Le personnage de la page web est abîmé : La clé « grade » doit être un nombre entier"},
    {"PageCutShort",
     [] { const std::string o = "<p>" + PageEmbarquee::Embarquer(Texte(Modele())); return o.substr(0, o.size() - 20); },
     "La page web est tronquée"},
};

struct Lecture
{
    std::string moErreur;
    long long mnCroissance;  // of the peak memory, in bytes
    double mfSecondes;       // of processor time
};

// The text read and its character made, in a child process of its own, whose peak memory starts from what it holds.
Lecture LireAPart(const std::string& oTexte)
{
    int nTube[2];
    if (::pipe(nTube) != 0)
        return {"pipe", 0, 0.0};
    const pid_t nFils = ::fork();
    if (nFils == 0)
    {
        ::malloc_trim(0);
        rusage oAvant{};
        ::getrusage(RUSAGE_SELF, &oAvant);
        std::string oErreur;
        const std::optional<Dossier> oDossier = FichierPersonnage::LireDossier(oTexte, oErreur);
        if (oDossier)
            FichierPersonnage::Creer(*oDossier, oErreur);
        rusage oApres{};
        ::getrusage(RUSAGE_SELF, &oApres);
        const auto Secondes = [](const rusage& o) {
            return o.ru_utime.tv_sec + o.ru_stime.tv_sec + (o.ru_utime.tv_usec + o.ru_stime.tv_usec) / 1e6;
        };
        const std::string oRapport = std::to_string((oApres.ru_maxrss - oAvant.ru_maxrss) * 1024LL) + " "
            + std::to_string(Secondes(oApres) - Secondes(oAvant)) + " " + oErreur;
        const ssize_t nEcrits = ::write(nTube[1], oRapport.data(), oRapport.size());
        ::_exit(nEcrits == static_cast<ssize_t>(oRapport.size()) ? 0 : 1);
    }
    ::close(nTube[1]);
    std::string oRapport;
    char oTampon[4096];
    for (ssize_t nLu; (nLu = ::read(nTube[0], oTampon, sizeof oTampon)) > 0;)
        oRapport.append(oTampon, static_cast<std::size_t>(nLu));
    ::close(nTube[0]);
    ::waitpid(nFils, nullptr, 0);
    Lecture oLecture{};
    std::istringstream oFlux(oRapport);
    oFlux >> oLecture.mnCroissance >> oLecture.mfSecondes;
    std::getline(oFlux >> std::ws, oLecture.moErreur);
    return oLecture;
}

class FichierRefuse : public ::testing::TestWithParam<Refus>
{
};

// A file is either a state the rules could have reached, or refused with the first problem it holds: at once, and
// with memory for what it describes, not for what it holds besides.
TEST_P(FichierRefuse, SaysWhyAndGivesNoCharacter)
{
    const std::string oTexte = GetParam().Texte();
    const Lecture oLecture = LireAPart(oTexte);
    EXPECT_NE(oLecture.moErreur.find(GetParam().moRaison), std::string::npos) << oLecture.moErreur;
    EXPECT_LT(oLecture.mnCroissance, 3 * static_cast<long long>(oTexte.size()) + kHuitMio);
    EXPECT_LT(oLecture.mfSecondes, 0.25);
}

INSTANTIATE_TEST_SUITE_P(Fichier, FichierRefuse, ::testing::ValuesIn(kRefus),
                         [](const ::testing::TestParamInfo<Refus>& oInfo) { return std::string(oInfo.param.moNom); });

// A character may start with no PA: its creation then gives none.
TEST(FichierRelu, ACreationOfNoPAOpens)
{
    Demon oDemon;
    oDemon.RemovePATotal(oDemon.GetPATotal());
    const std::string oTexte = FichierPersonnage::Ecrire(oDemon.GetEtat());
    std::string oErreur;
    const std::optional<Dossier> oDossier = FichierPersonnage::LireDossier(oTexte, oErreur);
    ASSERT_TRUE(oDossier) << oErreur;
    EXPECT_EQ(oDossier->moJournal.at(0).mnPA, 0);
    EXPECT_NE(FichierPersonnage::Creer(*oDossier, oErreur), nullptr) << oErreur;
}

// Each side's catalogues take the house's entries of that side, and no other.
TEST(FichierMaison, TheCataloguesOfEachSideGrowByTheHousesEntries)
{
    for (const PERSO eCamp : {DEMON, ANGE})
    {
        const std::unique_ptr<Personnage> poJeu = Personnage::Nouveau(eCamp);
        const std::unique_ptr<Personnage> poPerso = Personnage::Nouveau(eCamp, MaisonOmbres());
        const ListeTalents::Map& oTalents = *poPerso->GetListeDesTalents();
        const ListePouvoirs::Map& oPouvoirs = *poPerso->GetListeDesPouvoirs();
        const std::size_t nDuCamp = eCamp == DEMON ? 1 : 0;
        EXPECT_EQ(oTalents.size(), poJeu->GetListeDesTalents()->size() + 3);
        EXPECT_EQ(oPouvoirs.size(), poJeu->GetListeDesPouvoirs()->size() + 1 + 2 * nDuCamp);
        EXPECT_EQ(poPerso->GetSuperieurs().size(), poJeu->GetSuperieurs().size() + nDuCamp);
        EXPECT_EQ(oTalents.at("Crochetage")->GetSpecialite(), oTalents.at("Crochetage(Spe)"));
        EXPECT_NE(dynamic_cast<const Langue*>(oTalents.at("Argot")), nullptr);
        EXPECT_EQ(oPouvoirs.at("Brume")->GetCout(), 2);
        EXPECT_EQ(oPouvoirs.count("Catacombes"), nDuCamp);
    }
}

// A character that uses no house entry is written as one of the game alone, byte for byte.
TEST(FichierMaison, ACharacterUsingNoHouseEntryIsOfVersion2)
{
    const std::unique_ptr<Personnage> poPerso = Personnage::Nouveau(DEMON, MaisonOmbres());
    poPerso->AjouterTalentBase("Combat", PRIMAIRE, AGILITE);
    const Journal oJournal = Journaux::Commencer(poPerso->GetEtat(), "");
    const std::string oTexte = FichierPersonnage::Ecrire({poPerso->GetEtat(), oJournal, 0, poPerso->GetMaison()});

    EXPECT_EQ(oTexte, FichierPersonnage::Ecrire({poPerso->GetEtat(), oJournal}));
    EXPECT_THAT(oTexte, testing::HasSubstr("\"version\": 2,"));
}

struct Installee
{
    const char* moNom;
    std::shared_ptr<const Maison> (*mpoMaison)();
    const char* moEcarts;
};

void PrintTo(const Installee& oInstallee, std::ostream* poFlux)
{
    *poFlux << oInstallee.moNom;
}

const Installee kInstallees[] = {
    {"TheSame", [] { return MaisonOmbres(); }, ""},
    {"None", [] { return std::shared_ptr<const Maison>(); },
     "« Les ombres de Paris » (ombres-de-paris, révision 3) n'est pas installée : le personnage garde les définitions "
     "qu'il porte"},
    {"AnotherRevision",
     [] {
         Json oRevision = ExtensionOmbres();
         oRevision["revision"] = 4;
         oRevision["pouvoirs"][1]["prix"] = 5;
         return MaisonOmbres(oRevision);
     },
     "« Les ombres de Paris » (ombres-de-paris, révision 3) est installée autrement, en révision 4 : le personnage "
     "garde les définitions qu'il porte"},
};

class FichierPortant : public ::testing::TestWithParam<Installee>
{
};

// The definitions a file carries are the character's: whatever this machine has installed, it opens as it was
// written, and says what differs.
TEST_P(FichierPortant, OpensAsWrittenWhateverIsInstalled)
{
    const Dossier oDossier = DossierMaison();
    const std::string oTexte = FichierPersonnage::Ecrire(oDossier);
    std::string oErreur;
    const std::optional<Dossier> oLu = FichierPersonnage::LireDossier(oTexte, oErreur);
    ASSERT_TRUE(oLu) << oErreur;
    const std::shared_ptr<const Maison> poInstallee = GetParam().mpoMaison();

    const std::unique_ptr<Personnage> poPerso = FichierPersonnage::Creer(*oLu, oErreur, poInstallee);

    ASSERT_TRUE(poPerso) << oErreur;
    EXPECT_EQ(poPerso->GetEtat(), oDossier.moEtat);
    EXPECT_EQ(poPerso->GetPouvoir("Catacombes")->GetCout(), 4);
    EXPECT_EQ(FichierPersonnage::Ecrire({poPerso->GetEtat(), oLu->moJournal, 0, poPerso->GetMaison()}), oTexte);
    EXPECT_EQ(DireEcarts(Comparer(oLu->mpoMaison->GetContenus(), poInstallee.get())), GetParam().moEcarts);
}

INSTANTIATE_TEST_SUITE_P(FichierMaison, FichierPortant, ::testing::ValuesIn(kInstallees),
                         [](const ::testing::TestParamInfo<Installee>& o) { return std::string(o.param.moNom); });

TEST(FichierRelu, TheExampleIsWrittenBackByteForByte)
{
    std::ifstream oFlux(VEXAL_EXEMPLE, std::ios::binary);
    const std::string oExemple((std::istreambuf_iterator<char>(oFlux)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(oExemple.empty());
    std::string oErreur;
    const std::optional<Dossier> oDossier = FichierPersonnage::LireDossier(oExemple, oErreur);
    ASSERT_TRUE(oDossier) << oErreur;
    const std::unique_ptr<Personnage> poPerso = FichierPersonnage::Creer(*oDossier, oErreur);
    ASSERT_TRUE(poPerso) << oErreur;
    EXPECT_EQ(oDossier->moJournal.size(), 3u);

    EXPECT_EQ(FichierPersonnage::Ecrire({poPerso->GetEtat(), oDossier->moJournal}), oExemple);
}
}
