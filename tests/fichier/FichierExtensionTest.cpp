#include "Ombres.h"

#include "fichier/FichierExtension.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Json = nlohmann::ordered_json;
using Fichiers = std::vector<std::pair<std::string, Json>>;

constexpr const char* kParis = "paris.vexal-extension";

// Paris, changed by fChanger, and the other files given.
template <class Changement>
Fichiers Paris(Changement fChanger, Fichiers oAutres = {})
{
    Json oParis = ExtensionOmbres();
    fChanger(oParis);
    oAutres.emplace_back(kParis, oParis);
    return oAutres;
}

Fichiers Paris()
{
    return Paris([](Json&) {});
}

// Another extension, with a power of its own name unless told otherwise.
Json Autre(const char* oId = "autre", int nRevision = 1, const char* oPouvoir = "Eclipse")
{
    return {{"format", "vexal-extension"}, {"version", 1}, {"id", oId}, {"nom", "Autre"}, {"revision", nRevision},
            {"pouvoirs", {{{"nom", oPouvoir}, {"camp", "demon"}, {"prix", 2}}}}};
}

Json Exiger(const char* oId, int nRevision)
{
    return Json::array({{{"id", oId}, {"revision", nRevision}}});
}

struct Refus
{
    const char* moNom;
    Fichiers (*mpoFichiers)();
    const char* moFichier;  // whose state is told
    EtatExtension meEtat;
    const char* moRaison;
};

void PrintTo(const Refus& oRefus, std::ostream* poFlux)
{
    *poFlux << oRefus.moNom;
}

constexpr EtatExtension kRefusee = EtatExtension::Refusee;
constexpr EtatExtension kConflit = EtatExtension::EnConflit;
constexpr EtatExtension kManquante = EtatExtension::Manquante;

const Refus kRefus[] = {
    {"TheModelLoads", [] { return Paris(); }, kParis, EtatExtension::Chargee, ""},
    {"IdInCapitals", [] { return Paris([](Json& o) { o["id"] = "Ombres"; }); }, kParis, kRefusee,
     "paris.vexal-extension : id : un identifiant a de 1 à 64 caractères, lettres minuscules sans accent, chiffres et "
     "« - », pas « Ombres »"},
    {"RevisionZero", [] { return Paris([](Json& o) { o["revision"] = 0; }); }, kParis, kRefusee,
     "paris.vexal-extension : revision : une révision est un nombre entier à partir de 1, pas 0"},
    {"NameEmpty", [] { return Paris([](Json& o) { o["talents"][0]["nom"] = ""; }); }, kParis, kRefusee,
     "paris.vexal-extension : talents[0], nom : un nom ne peut pas être vide"},
    {"NameWithAControlCharacter", [] { return Paris([](Json& o) { o["talents"][0]["nom"] = "Cro\u0085chetage"; }); },
     kParis, kRefusee, "talents[0], nom : un nom ne contient pas de caractère de contrôle"},
    {"NameOfASpeciality", [] { return Paris([](Json& o) { o["talents"][0]["nom"] = "Crochetage(Spe)"; }); }, kParis,
     kRefusee, "talents[0], nom : un nom ne finit pas par « (Spe) »"},
    {"UnknownPriority", [] { return Paris([](Json& o) { o["talents"][0]["priorite"] = "PRIMARE"; }); }, kParis,
     kRefusee,
     "paris.vexal-extension : talents[0] « Crochetage », priorite : « PRIMARE » n'est pas une priorité : PRIMAIRE, "
     "SECONDAIRE ou EXOTIQUE"},
    {"PriorityMissing", [] { return Paris([](Json& o) { o["talents"][0].erase("priorite"); }); }, kParis, kRefusee,
     "talents[0] « Crochetage », priorite : manque"},
    {"UnknownCharacteristic", [] { return Paris([](Json& o) { o["talents"][0]["caracteristique"] = "CHANCE"; }); },
     kParis, kRefusee,
     "talents[0] « Crochetage », caracteristique : « CHANCE » n'est pas une caractéristique : FORCE, AGILITE, "
     "PERCEPTION, PRESENCE, VOLONTE, FOI ou AUCUNE"},
    {"LanguageWithAPriority", [] { return Paris([](Json& o) { o["talents"][1]["priorite"] = "SECONDAIRE"; }); },
     kParis, kRefusee, "talents[1] « Argot », priorite : une langue n'a ni priorité ni caractéristique"},
    {"LanguageWithASpeciality", [] { return Paris([](Json& o) { o["talents"][1]["specialite"] = true; }); }, kParis,
     kRefusee, "talents[1] « Argot », specialite : une langue n'a pas de spécialité"},
    {"SpecialityNeitherTrueNorFalse", [] { return Paris([](Json& o) { o["talents"][0]["specialite"] = "oui"; }); },
     kParis, kRefusee, "paris.vexal-extension : talents[0] : La clé « specialite » doit être true ou false"},
    {"PriceZero", [] { return Paris([](Json& o) { o["pouvoirs"][0]["prix"] = 0; }); }, kParis, kRefusee,
     "paris.vexal-extension : pouvoirs[0] « Ombre », prix : un prix va de 1 à 99 PA, pas 0"},
    {"PriceHundred", [] { return Paris([](Json& o) { o["pouvoirs"][0]["prix"] = 100; }); }, kParis, kRefusee,
     "pouvoirs[0] « Ombre », prix : un prix va de 1 à 99 PA, pas 100"},
    {"UnknownSideOfAPower", [] { return Paris([](Json& o) { o["pouvoirs"][0]["camp"] = "elfe"; }); }, kParis,
     kRefusee, "pouvoirs[0] « Ombre », camp : « elfe » n'est pas un camp de pouvoir : demon, ange ou tous"},
    {"SuperiorOfBothSides", [] { return Paris([](Json& o) { o["superieurs"][0]["camp"] = "tous"; }); }, kParis,
     kRefusee, "superieurs[0] « Lutece », camp : « tous » n'est pas un camp de supérieur : demon ou ange"},
    {"SuperiorOfTheGameOnTheOtherSide",
     [] { return Paris([](Json& o) { o["pouvoirs"][0]["superieur"] = "Michel"; }); }, kParis, kRefusee,
     "pouvoirs[0] « Ombre », superieur : Michel est un supérieur des anges, pas des démons"},
    {"SuperiorOfTheHouseOnTheOtherSide", [] { return Paris([](Json& o) { o["pouvoirs"][1]["camp"] = "ange"; }); },
     kParis, kRefusee, "pouvoirs[1] « Catacombes », superieur : Lutece est un supérieur des démons, pas des anges"},
    {"UnknownSuperior", [] { return Paris([](Json& o) { o["pouvoirs"][0]["superieur"] = "Zorg"; }); }, kParis,
     kRefusee, "paris.vexal-extension : pouvoirs[0] « Ombre », superieur : aucun supérieur ne s'appelle « Zorg »"},
    {"BothSidesReservedToASuperior", [] { return Paris([](Json& o) { o["pouvoirs"][2]["superieur"] = "Baal"; }); },
     kParis, kRefusee, "pouvoirs[2] « Brume », superieur : un pouvoir des deux camps n'est réservé à aucun supérieur"},
    {"TalentOfTheGame", [] { return Paris([](Json& o) { o["talents"][0]["nom"] = "Combat"; }); }, kParis, kRefusee,
     "talents[0] « Combat », nom : Combat est déjà un talent du jeu"},
    {"SuperiorOfTheGame", [] { return Paris([](Json& o) { o["superieurs"][0]["nom"] = "Malphas"; }); }, kParis,
     kRefusee, "superieurs[0] « Malphas », nom : Malphas est déjà un supérieur du jeu"},
    {"NameTwiceInTheExtension", [] { return Paris([](Json& o) { o["pouvoirs"][0]["nom"] = "Argot"; }); }, kParis,
     kRefusee, "pouvoirs[0] « Argot », nom : Argot est déjà un talent de cette extension"},
    // The files are taken in name order: "autre" before "paris", "zz" after it.
    {"IncompatibleWithOneBefore",
     [] { return Paris([](Json& o) { o["incompatible"] = {"autre"}; }, {{"autre.vexal-extension", Autre()}}); },
     kParis, kConflit,
     "paris.vexal-extension : « Les ombres de Paris » est incompatible avec « Autre » (autre.vexal-extension)"},
    {"SameIdTwice", [] { return Paris([](Json&) {}, {{"zz.vexal-extension", Autre("ombres-de-paris")}}); },
     "zz.vexal-extension", kConflit,
     "zz.vexal-extension : l'identifiant « ombres-de-paris » est déjà celui de « Les ombres de Paris » "
     "(paris.vexal-extension)"},
    {"NameOfAnotherExtension", [] { return Paris([](Json&) {}, {{"zz.vexal-extension", Autre("zz", 1, "Ombre")}}); },
     "zz.vexal-extension", kConflit,
     "zz.vexal-extension : pouvoirs[0] « Ombre », nom : Ombre est déjà un pouvoir de « Les ombres de Paris » "
     "(paris.vexal-extension)"},
    {"RequirementMissing", [] { return Paris([](Json& o) { o["requiert"] = Exiger("autre", 2); }); }, kParis,
     kManquante, "paris.vexal-extension : requiert « autre » en révision 2 au moins, qui n'est pas chargée"},
    {"RequirementOfALowerRevision",
     [] { return Paris([](Json& o) { o["requiert"] = Exiger("autre", 2); }, {{"autre.vexal-extension", Autre()}}); },
     kParis, kManquante,
     "requiert « autre » en révision 2 au moins ; « Autre » (autre.vexal-extension) est en révision 1"},
    {"RequirementLaterInNameOrder",
     [] {
         Json oAutre = Autre();
         oAutre["requiert"] = Exiger("ombres-de-paris", 3);
         return Paris([](Json&) {}, {{"autre.vexal-extension", oAutre}});
     },
     "autre.vexal-extension", EtatExtension::Chargee, ""},
    {"NoConflictWithOneLeftOut",
     [] {
         Json oAutre = Autre("autre", 1, "Ombre");
         oAutre["requiert"] = Exiger("absente", 1);
         return Paris([](Json&) {}, {{"autre.vexal-extension", oAutre}});
     },
     kParis, EtatExtension::Chargee, ""},
};

class ExtensionRefusee : public testing::TestWithParam<Refus>
{
};

// Every file installed gets a state, and every reason names the file, the entry and the field it is about.
TEST_P(ExtensionRefusee, SaysWhichFileEntryAndFieldAndWhy)
{
    std::vector<ExtensionLue> oLues;
    for (const auto& [oNom, oJson] : GetParam().mpoFichiers())
        oLues.push_back(FichierExtension::Lire(oNom, oJson.dump(2)));
    const std::size_t nFichiers = oLues.size();
    const Installation oInstallation = Installer(std::move(oLues));

    ASSERT_EQ(oInstallation.moFichiers.size(), nFichiers);
    const std::string oFichier = GetParam().moFichier;
    const auto oEtat = std::find_if(oInstallation.moFichiers.begin(), oInstallation.moFichiers.end(),
                                    [&](const EtatFichierExtension& o) { return o.moFichier == oFichier; });
    ASSERT_NE(oEtat, oInstallation.moFichiers.end());
    EXPECT_EQ(oEtat->meEtat, GetParam().meEtat) << oEtat->moRaison;
    EXPECT_THAT(oEtat->moRaison, testing::HasSubstr(GetParam().moRaison));
}

INSTANTIATE_TEST_SUITE_P(FichierExtension, ExtensionRefusee, testing::ValuesIn(kRefus),
                         [](const testing::TestParamInfo<Refus>& oInfo) { return std::string(oInfo.param.moNom); });
}
