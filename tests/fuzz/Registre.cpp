#include "Registre.h"

#include "extension/Installation.h"
#include "extension/Maison.h"

#include <algorithm>
#include <random>
#include <sstream>
#include <tuple>

namespace
{
const char* const kPrinces[] = {
    "Abalam", "Andromalius", "Andrealphus", "Asmodee", "Baal", "Baalberith", "Bifrons", "Beleth",
    "Belial", "Caym", "Crocell", "Furfur", "Gaziel", "Haagenti", "Kobal", "Kronos",
    "Malphas", "Malthus", "Mammon", "Morax", "Nisroch", "Nog", "Nybbas", "Ouikka",
    "Samigina", "Scox", "Shaytan", "Uphir", "Valefor", "Vapula", "Vephar",
};
const char* const kArchanges[] = {
    "Alain", "Ange", "Blandine", "Christophe", "Daniel", "Didier", "Dominique", "Francis", "Guy", "Janus", "Jean",
    "Jean-Luc", "Jordi", "Joseph", "Laurent", "Marc", "Mathias", "Michel", "Novalis", "Walther", "Yves",
};
// Names mistyped or taken from the wrong list. "NONE" is what an open power carries in place of a superior: as a
// superior it must open no reserved power.
const char* const kFauxSuperieurs[] = {"", "Inconnu", "NONE", "baal", "Baal ", "Jean Luc"};
const char* const kFauxTalents[] = {"", "Inconnu", "combat", "Combat(spe)", "(Spe)", "Poison", "Vol"};
const char* const kFauxPouvoirs[] = {"", "Inconnu", "poison", "Membres_Crocs", "Combat", "LangueAnglais"};
}

const char* NomCaract(CARACT eCaract)
{
    constexpr const char* kNoms[] = {"FORCE", "AGILITE", "PERCEPTION", "PRESENCE", "VOLONTE", "FOI", "AUCUNE"};
    return kNoms[eCaract];
}

std::unique_ptr<Personnage> Creer(PERSO eCote, std::shared_ptr<const Maison> poMaison)
{
    return Personnage::Nouveau(eCote, std::move(poMaison));
}

std::shared_ptr<const Maison> MaisonAleatoire(std::uint32_t nGraine)
{
    std::mt19937 oMoteur(nGraine);
    const auto Entier = [&](unsigned nBorne) { return static_cast<int>(oMoteur() % nBorne); };
    Extension oExtension;
    ContenuExtension& oContenu = oExtension.moContenu;
    oContenu.moIdentite = {"aleatoire", "Maison de la graine " + std::to_string(nGraine), 1 + Entier(9)};
    oContenu.moSuperieurs = {{"Ombrage", DEMON}, {"Aurore", ANGE}};
    for (int n = 0; n < 10; ++n)
    {
        DefinitionTalent& oTalent = oContenu.moTalents.emplace_back();
        oTalent.moNom = "Savoir" + std::to_string(n);
        oTalent.mbLangue = Entier(4) == 0;
        if (oTalent.mbLangue)
            continue;
        oTalent.mePriorite = static_cast<PRIORITE>(Entier(EXOTIQUE + 1));
        oTalent.meCaract = static_cast<CARACT>(Entier(AUCUNE + 1));
        oTalent.mbSpecialite = Entier(3) == 0;
    }
    const std::string kReserveA[][2] = {{"Ombrage", "Baal"}, {"Aurore", "Michel"}};
    for (int n = 0; n < 10; ++n)
    {
        DefinitionPouvoir& oPouvoir = oContenu.moPouvoirs.emplace_back();
        oPouvoir.moNom = "Don" + std::to_string(n);
        oPouvoir.meCamp = static_cast<CampPouvoir>(Entier(3));
        oPouvoir.mnPrix = 1 + (Entier(8) == 0 ? Entier(99) : Entier(6));
        oPouvoir.mbInvariable = Entier(4) == 0;
        if (oPouvoir.meCamp != CampPouvoir::Tous && Entier(2) == 0)
            oPouvoir.moSuperieur = kReserveA[oPouvoir.meCamp == CampPouvoir::Ange][Entier(2)];
    }
    return Installer({{"aleatoire.vexal-extension", std::move(oExtension), {}}}).mpoMaison;
}

Catalogue FaireCatalogue(PERSO eCote, std::shared_ptr<const Maison> poMaison)
{
    Catalogue oCatalogue{eCote, {}, {}, {}, poMaison, {}, {}};
    auto poPerso = Creer(eCote, poMaison);
    for (const auto& [oNom, poTalent] : *poPerso->GetListeDesTalents())
    {
        if (poMaison && poMaison->TrouverTalent(oNom))
            oCatalogue.mnTalentsMaison.push_back(static_cast<int>(oCatalogue.moTalents.size()));
        const bool bLangue = dynamic_cast<const Langue*>(poTalent) != nullptr;
        oCatalogue.moTalents.push_back({oNom, true, poTalent->GetPriorite(), poTalent->GetCaractBase(), bLangue, -1});
    }
    for (const char* oNom : kFauxTalents)
        oCatalogue.moTalents.push_back({oNom, false, EXOTIQUE, AUCUNE, false, -1});
    // The speciality of a general talent bears its name followed by "(Spe)".
    std::vector<NomTalent>& oTalents = oCatalogue.moTalents;
    for (NomTalent& oTalent : oTalents)
    {
        const std::string oNomSpecialite = oTalent.moNom + "(Spe)";
        auto oSpecialite = std::find_if(oTalents.begin(), oTalents.end(), [&](const NomTalent& o) {
            return o.mbAuCatalogue && o.moNom == oNomSpecialite;
        });
        if (oTalent.mbAuCatalogue && oSpecialite != oTalents.end())
            oTalent.mnSpecialite = static_cast<int>(oSpecialite - oTalents.begin());
    }

    for (const auto& [oNom, poPouvoir] : *poPerso->GetListeDesPouvoirs())
    {
        if (poMaison && poMaison->TrouverPouvoir(oNom))
            oCatalogue.mnPouvoirsMaison.push_back(static_cast<int>(oCatalogue.moPouvoirs.size()));
        oCatalogue.moPouvoirs.push_back(
            {oNom, true, poPouvoir->GetCout(), poPouvoir->IsInvariable(), poPouvoir->GetSpecialOf()});
    }
    // The other side's powers, house ones included.
    auto poAutreCote = Creer(eCote == DEMON ? ANGE : DEMON, poMaison);
    for (const auto& oEntree : *poAutreCote->GetListeDesPouvoirs())
    {
        if (poPerso->GetListeDesPouvoirs()->count(oEntree.first) == 0)
            oCatalogue.moPouvoirs.push_back({oEntree.first, false, 0, false, Pouvoir::AucunSuperieur});
    }
    for (const char* oNom : kFauxPouvoirs)
        oCatalogue.moPouvoirs.push_back({oNom, false, 0, false, Pouvoir::AucunSuperieur});

    std::vector<std::string>& oSuperieurs = oCatalogue.moSuperieurs;
    oSuperieurs.assign(std::begin(kPrinces), std::end(kPrinces));
    oSuperieurs.insert(oSuperieurs.end(), std::begin(kArchanges), std::end(kArchanges));
    const std::vector<ContenuExtension> oAucun;
    for (const ContenuExtension& oContenu : poMaison ? poMaison->GetContenus() : oAucun)
    {
        for (const DefinitionSuperieur& oSuperieur : oContenu.moSuperieurs)
            oSuperieurs.push_back(oSuperieur.moNom);
    }
    oSuperieurs.insert(oSuperieurs.end(), std::begin(kFauxSuperieurs), std::end(kFauxSuperieurs));
    return oCatalogue;
}

bool operator==(const Soldes& oGauche, const Soldes& oDroite)
{
    return std::tie(oGauche.mnPA, oGauche.mnPASecondaire, oGauche.mnPAConverti)
        == std::tie(oDroite.mnPA, oDroite.mnPASecondaire, oDroite.mnPAConverti);
}

bool operator==(const Choix& oGauche, const Choix& oDroite)
{
    return std::tie(oGauche.mnPATotal, oGauche.mnPPAchetes, oGauche.mnGrade, oGauche.moSuperieur, oGauche.mfCaract,
                    oGauche.mfTalents, oGauche.mfPouvoirs)
        == std::tie(oDroite.mnPATotal, oDroite.mnPPAchetes, oDroite.mnGrade, oDroite.moSuperieur, oDroite.mfCaract,
                    oDroite.mfTalents, oDroite.mfPouvoirs);
}

Etat Lire(Personnage& oPerso, const Catalogue& oCatalogue)
{
    Etat oEtat{};
    oEtat.moSoldes = {oPerso.GetPA(), oPerso.GetPASecondaire(), oPerso.GetPAConverti()};
    Choix& oChoix = oEtat.moChoix;
    oChoix.mnPATotal = oPerso.GetPATotal();
    oChoix.mnGrade = oPerso.GetGrade();
    oChoix.moSuperieur = oPerso.GetSuperieur();
    for (int nCaract = FORCE; nCaract <= AUCUNE; ++nCaract)
        oChoix.mfCaract[nCaract] = oPerso.GetCaract(static_cast<CARACT>(nCaract));
    oEtat.mnPPValue = oPerso.GetPPValue();
    oChoix.mnPPAchetes = oEtat.mnPPValue - static_cast<int>(oChoix.mfCaract[FOI] + oChoix.mfCaract[VOLONTE]);
    oEtat.mnDerives = {oPerso.GetPF(), oPerso.GetBL(), oPerso.GetBG(), oPerso.GetBF(), oPerso.GetMS()};

    for (const NomTalent& oNom : oCatalogue.moTalents)
    {
        Talent* poTalent = oPerso.GetTalent(oNom.moNom);
        oChoix.mfTalents.push_back(poTalent ? poTalent->GetNiveau() : kNonTenu);
        if (poTalent == nullptr || !oEtat.moLienFaux.empty())
            continue;
        // A general talent is tied to the character's own speciality, which knows it back.
        Talent* poSpecialite =
            oNom.mnSpecialite < 0 ? nullptr : oPerso.GetTalent(oCatalogue.moTalents[oNom.mnSpecialite].moNom);
        const bool bLienJuste = poTalent->GetSpecialite() == poSpecialite
            && (poSpecialite == nullptr || oPerso.GetTalentGeneral(poSpecialite) == poTalent);
        if (!bLienJuste)
            oEtat.moLienFaux = oNom.moNom;
    }
    for (const NomPouvoir& oNom : oCatalogue.moPouvoirs)
    {
        const Pouvoir* poPouvoir = oPerso.GetPouvoir(oNom.moNom);
        oChoix.mfPouvoirs.push_back(poPouvoir ? poPouvoir->GetNiveau() : kNonTenu);
    }
    return oEtat;
}

bool SuperieurEtranger(const Personnage& oPerso, const EtatPersonnage& oEtat)
{
    const std::vector<std::string>& oSuperieurs = oPerso.GetSuperieurs();
    return !oEtat.moSuperieur.empty()
        && std::find(oSuperieurs.begin(), oSuperieurs.end(), oEtat.moSuperieur) == oSuperieurs.end();
}

std::string Ecart(const Personnage& oPerso, const Etat& oEtat, const Catalogue& oCatalogue)
{
    EtatPersonnage oValeur = oPerso.GetEtat();
    // No power is reserved to a name of no list, so such a superior opens what no superior opens.
    if (SuperieurEtranger(oPerso, oValeur))
        oValeur.moSuperieur.clear();
    const std::string oRegle = oPerso.Verifier(oValeur);
    if (!oRegle.empty())
        return oRegle;
    const Choix& oChoix = oEtat.moChoix;
    if (oChoix.mfCaract[AUCUNE] != 2.0f)
        return "AUCUNE moved";
    for (std::size_t n = 0; n < oCatalogue.moTalents.size(); ++n)
    {
        if (oChoix.mfTalents[n] != kNonTenu && !oCatalogue.moTalents[n].mbAuCatalogue)
            return "talent held outside the catalogue: " + oCatalogue.moTalents[n].moNom;
    }
    for (std::size_t n = 0; n < oCatalogue.moPouvoirs.size(); ++n)
    {
        if (oChoix.mfPouvoirs[n] != kNonTenu && !oCatalogue.moPouvoirs[n].mbAuCatalogue)
            return "power held outside the catalogue: " + oCatalogue.moPouvoirs[n].moNom;
    }
    if (!oEtat.moLienFaux.empty())
        return "wrong speciality link: " + oEtat.moLienFaux;

    const int nBL = static_cast<int>(oChoix.mfCaract[FORCE]) + (oCatalogue.meCote == ANGE ? 3 : 2);
    const std::array<int, 5> nDerives = {static_cast<int>(oChoix.mfCaract[FORCE] + oChoix.mfCaract[VOLONTE]), nBL,
                                         2 * nBL, 3 * nBL, 4 * nBL};
    if (oEtat.mnDerives != nDerives)
        return "derived values";
    return {};
}

std::string Decrire(const Etat& oEtat, const Catalogue& oCatalogue)
{
    const Choix& oChoix = oEtat.moChoix;
    std::ostringstream oTexte;
    oTexte << "PA " << oEtat.moSoldes.mnPA << "/" << oChoix.mnPATotal << ", PA secondaire "
           << oEtat.moSoldes.mnPASecondaire << ", converted " << oEtat.moSoldes.mnPAConverti << ", PP "
           << oEtat.mnPPValue << " (" << oChoix.mnPPAchetes << " bought), grade " << oChoix.mnGrade
           << ", superior \"" << oChoix.moSuperieur << "\"\n ";
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
        oTexte << " " << NomCaract(static_cast<CARACT>(nCaract)) << " " << oChoix.mfCaract[nCaract];
    for (std::size_t n = 0; n < oCatalogue.moTalents.size(); ++n)
    {
        if (oChoix.mfTalents[n] != kNonTenu)
            oTexte << "\n  " << oCatalogue.moTalents[n].moNom << " " << oChoix.mfTalents[n];
    }
    for (std::size_t n = 0; n < oCatalogue.moPouvoirs.size(); ++n)
    {
        if (oChoix.mfPouvoirs[n] != kNonTenu)
            oTexte << "\n  " << oCatalogue.moPouvoirs[n].moNom << " " << oChoix.mfPouvoirs[n];
    }
    return oTexte.str();
}
