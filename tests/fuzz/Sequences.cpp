#include "Sequences.h"

#include "fichier/FichierPersonnage.h"
#include "fichier/PageEmbarquee.h"
#include "journal/Achats.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <tuple>
#include <utility>

namespace
{
enum class Argument
{
    Montant,
    Grade,
    CaractMontant,
    CaractValeur,
    TalentAjoute,
    Talent,
    TalentMontant,
    Pouvoir,
    PouvoirMontant,
    Superieur,
    Attribution  // one of the awards after the creation, whichever the amount falls on
};

// What a call says of itself: nothing, that it took the edit, or that it refused it.
enum class Reponse
{
    Muette,
    Acceptee,
    Refusee
};

Reponse Rapport(bool bAccepte)
{
    return bAccepte ? Reponse::Acceptee : Reponse::Refusee;
}

// A public call of the character, and what it would change among the player's choices if it were taken.
struct Geste
{
    const char* moNom;
    Argument meArgument;
    Reponse (*mpoJouer)(Personnage& p, Journal& j, const Operation& o);
    void (*mpoEffet)(Choix& c, const Operation& o, const Catalogue& k);
};

template <typename Niveau>
void Ajouter(std::vector<Niveau>& oNiveaux, int nNom, Niveau fPas)
{
    if (oNiveaux[nNom] != kNonTenu)
        oNiveaux[nNom] += fPas;
}

// A refused adjustment puts the character back as it was through Restaurer, which no superior of no list passes:
// such a character, which only a direct call makes, is left alone.
Reponse Ajuster(Personnage& oPerso, Journal& oJournal, int nPA)
{
    if (SuperieurEtranger(oPerso, oPerso.GetEtat()))
        return Reponse::Muette;
    return Rapport(Journaux::Ajuster(oPerso, oJournal, oPerso.GetPATotal() + nPA, "", true).empty());
}

const Geste kGestes[] = {
    // The total moves as the game master grants PA, or takes them back with a correction.
    {"AddPATotal", Argument::Montant,
     [](Personnage& p, Journal& j, const Operation& o) {
         return Rapport(Journaux::Accorder(p, j, "", o.mnMontant, "Séance").empty());
     },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnPATotal += o.mnMontant; }},
    {"RemovePATotal", Argument::Montant,
     [](Personnage& p, Journal& j, const Operation& o) {
         return Rapport(Journaux::Accorder(p, j, "", -o.mnMontant, "Correction").empty());
     },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnPATotal -= o.mnMontant; }},
    // The total typed in its box: an adjustment, which the next change in the box joins.
    {"AjusterHausse", Argument::Montant,
     [](Personnage& p, Journal& j, const Operation& o) { return Ajuster(p, j, o.mnMontant); },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnPATotal += o.mnMontant; }},
    {"AjusterBaisse", Argument::Montant,
     [](Personnage& p, Journal& j, const Operation& o) { return Ajuster(p, j, -o.mnMontant); },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnPATotal -= o.mnMontant; }},
    {"RetirerAttribution", Argument::Attribution,
     [](Personnage& p, Journal& j, const Operation& o) {
         const std::size_t nAttribution = j.size() > 1 ? 1 + static_cast<std::size_t>(o.mnMontant) % (j.size() - 1) : 0;
         return Rapport(Journaux::Retirer(p, j, nAttribution).empty());
     },
     [](Choix&, const Operation&, const Catalogue&) {}},
    {"AugmenterPP", Argument::Montant,
     [](Personnage& p, Journal&, const Operation& o) { p.AugmenterPP(o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnPPAchetes += o.mnMontant; }},
    {"DiminuerPP", Argument::Montant,
     [](Personnage& p, Journal&, const Operation& o) { p.DiminuerPP(o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnPPAchetes -= o.mnMontant; }},
    {"AugmenteCaracteristique", Argument::CaractMontant,
     [](Personnage& p, Journal&, const Operation& o) {
         p.AugmenteCaracteristique(o.meCaract, o.mnMontant);
         return Reponse::Muette;
     },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mfCaract[o.meCaract] += 0.5f * o.mnMontant; }},
    {"BaisserCaracteristique", Argument::CaractMontant,
     [](Personnage& p, Journal&, const Operation& o) { p.BaisserCaracteristique(o.meCaract, o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mfCaract[o.meCaract] -= 0.5f * o.mnMontant; }},
    {"IsTalentsCoherents", Argument::CaractValeur,
     [](Personnage& p, Journal&, const Operation& o) {
         p.IsTalentsCoherents(o.meCaract, 0.5f * o.mnMontant);
         return Reponse::Muette;
     },
     [](Choix&, const Operation&, const Catalogue&) {}},
    {"AjouterTalentBase", Argument::TalentAjoute,
     [](Personnage& p, Journal&, const Operation& o) {
         p.AjouterTalentBase(o.moNom, o.mePriorite, o.meCaract);
         return Reponse::Muette;
     },
     [](Choix& c, const Operation& o, const Catalogue& k) {
         for (int nNom : {o.mnNom, k.moTalents[o.mnNom].mnSpecialite})
         {
             if (nNom >= 0)
                 c.mfTalents[nNom] = std::max(c.mfTalents[nNom], 0.0f);
         }
     }},
    {"EnleverTalentBase", Argument::Talent,
     [](Personnage& p, Journal&, const Operation& o) { return Rapport(p.EnleverTalentBase(o.moNom)); },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mfTalents[o.mnNom] = kNonTenu; }},
    {"AugmenterTalent", Argument::TalentMontant,
     [](Personnage& p, Journal&, const Operation& o) { p.AugmenterTalent(o.moNom, o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { Ajouter(c.mfTalents, o.mnNom, 0.5f * o.mnMontant); }},
    {"DiminuerTalent", Argument::TalentMontant,
     [](Personnage& p, Journal&, const Operation& o) { p.DiminuerTalent(o.moNom, o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { Ajouter(c.mfTalents, o.mnNom, -0.5f * o.mnMontant); }},
    {"AjouterPouvoirBase", Argument::Pouvoir,
     [](Personnage& p, Journal&, const Operation& o) { return Rapport(p.AjouterPouvoirBase(o.moNom)); },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mfPouvoirs[o.mnNom] = 0.5; }},
    {"EnleverPouvoirBase", Argument::Pouvoir,
     [](Personnage& p, Journal&, const Operation& o) { p.EnleverPouvoirBase(o.moNom); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mfPouvoirs[o.mnNom] = kNonTenu; }},
    {"AugmenterPouvoir", Argument::PouvoirMontant,
     [](Personnage& p, Journal&, const Operation& o) { p.AugmenterPouvoir(o.moNom, o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { Ajouter(c.mfPouvoirs, o.mnNom, 0.5 * o.mnMontant); }},
    {"DiminuerPouvoir", Argument::PouvoirMontant,
     [](Personnage& p, Journal&, const Operation& o) { p.DiminuerPouvoir(o.moNom, o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { Ajouter(c.mfPouvoirs, o.mnNom, -0.5 * o.mnMontant); }},
    {"SetGrade", Argument::Grade,
     [](Personnage& p, Journal&, const Operation& o) { p.SetGrade(o.mnMontant); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { c.mnGrade = o.mnMontant; }},
    {"SetSuperieur", Argument::Superieur,
     [](Personnage& p, Journal&, const Operation& o) { p.SetSuperieur(o.moNom); return Reponse::Muette; },
     [](Choix& c, const Operation& o, const Catalogue&) { c.moSuperieur = o.moNom; }},
};

bool AUnMontant(Argument eArgument)
{
    return eArgument == Argument::Montant || eArgument == Argument::CaractMontant
        || eArgument == Argument::TalentMontant || eArgument == Argument::PouvoirMontant;
}

// Beyond the rules that every state keeps: a refusal changes nothing, nor does a call of zero steps (the
// sheet makes such calls while it refreshes itself), and a call changes nothing but what it names.
std::string Verifier(const Personnage& oPerso, const Geste& oGeste, const Operation& oOperation, Reponse eIssue,
                     const Etat& oAvant, const Etat& oApres, const Catalogue& oCatalogue)
{
    const std::string oRegle = Ecart(oPerso, oApres, oCatalogue);
    if (!oRegle.empty())
        return oRegle;
    const bool bInchange = oApres.moChoix == oAvant.moChoix && oApres.moSoldes == oAvant.moSoldes;
    if (AUnMontant(oGeste.meArgument) && oOperation.mnMontant == 0 && !bInchange)
        return "a call of zero steps changed the character";
    if (eIssue == Reponse::Refusee)
        return bInchange ? std::string() : "a refused call changed the character";
    // What an award's removal takes back is the journal's to say, and checked with it.
    if (oGeste.meArgument == Argument::Attribution)
        return {};
    // A lower grade brings down whatever passes its caps, which the rules above bound.
    if (oGeste.meArgument == Argument::Grade && oOperation.mnMontant < oAvant.moChoix.mnGrade)
        return oApres.moChoix.mnGrade == oOperation.mnMontant ? std::string() : "the grade was not set";
    Choix oAttendu = oAvant.moChoix;
    oGeste.mpoEffet(oAttendu, oOperation, oCatalogue);
    if (oApres.moChoix == oAttendu || (eIssue == Reponse::Muette && oApres.moChoix == oAvant.moChoix))
        return {};
    return "a call changed something other than what it names";
}

class Hasard
{
public:
    explicit Hasard(std::uint32_t nGraine)
        : moMoteur(nGraine),
          mbLargesse(Entier(2) == 0)
    {
    }

    // Reduced by hand: the standard distributions may draw differently from one library to the next.
    int Entier(std::size_t nBorne) { return static_cast<int>(moMoteur() % nBorne); }

    // A player types a few steps, now and then many. Half the sequences also grant and ask a great many at
    // times; the other half stay short of PA, where conversions and refusals happen.
    int Montant()
    {
        const int nTirage = Entier(100);
        if (nTirage < 10)
            return 0;
        if (nTirage < 80)
            return 1 + Entier(4);
        if (nTirage < 96 || !mbLargesse)
            return 5 + Entier(20);
        return Entier(100001);
    }

    int Parmi(const std::vector<int>& oIndex) { return oIndex[Entier(oIndex.size())]; }

private:
    std::mt19937 moMoteur;
    bool mbLargesse;
};

// The few names one sequence plays with, so that its calls meet on the same talents and powers.
struct Palette
{
    std::vector<int> mnTalents;
    std::vector<int> mnPouvoirs;
    std::vector<int> mnSuperieurs;
};

// A talent comes with its speciality; a reserved power is bought only under its own superior, who comes too.
void AjouterTalent(Palette& oPalette, const Catalogue& oCatalogue, int nTalent)
{
    oPalette.mnTalents.push_back(nTalent);
    if (oCatalogue.moTalents[nTalent].mnSpecialite >= 0)
        oPalette.mnTalents.push_back(oCatalogue.moTalents[nTalent].mnSpecialite);
}

void AjouterPouvoir(Palette& oPalette, const Catalogue& oCatalogue, int nPouvoir)
{
    const auto& oSuperieurs = oCatalogue.moSuperieurs;
    oPalette.mnPouvoirs.push_back(nPouvoir);
    const std::string& oReserveA = oCatalogue.moPouvoirs[nPouvoir].moSuperieur;
    auto oSuperieur = std::find(oSuperieurs.begin(), oSuperieurs.end(), oReserveA);
    if (oSuperieur != oSuperieurs.end())
        oPalette.mnSuperieurs.push_back(static_cast<int>(oSuperieur - oSuperieurs.begin()));
}

// A house's talent and power always come up, among those the whole catalogue gives.
Palette Choisir(Hasard& oHasard, const Catalogue& oCatalogue)
{
    Palette oPalette;
    for (int n = 3 + oHasard.Entier(8); n > 0; --n)
        AjouterTalent(oPalette, oCatalogue, oHasard.Entier(oCatalogue.moTalents.size()));
    for (int n = 2 + oHasard.Entier(6); n > 0; --n)
        AjouterPouvoir(oPalette, oCatalogue, oHasard.Entier(oCatalogue.moPouvoirs.size()));
    if (!oCatalogue.mnTalentsMaison.empty())
        AjouterTalent(oPalette, oCatalogue, oHasard.Parmi(oCatalogue.mnTalentsMaison));
    if (!oCatalogue.mnPouvoirsMaison.empty())
        AjouterPouvoir(oPalette, oCatalogue, oHasard.Parmi(oCatalogue.mnPouvoirsMaison));
    for (int n = 1 + oHasard.Entier(3); n > 0; --n)
        oPalette.mnSuperieurs.push_back(oHasard.Entier(oCatalogue.moSuperieurs.size()));
    return oPalette;
}
}

std::vector<Operation> Tirer(std::uint32_t nGraine, int nOperations, const Catalogue& oCatalogue)
{
    Hasard oHasard(nGraine);
    const Palette oPalette = Choisir(oHasard, oCatalogue);
    std::vector<Operation> oOperations;
    for (int n = 0; n < nOperations; ++n)
    {
        Operation oOperation{oHasard.Entier(std::size(kGestes)), -1, {},
                             static_cast<CARACT>(oHasard.Entier(AUCUNE + 1)),
                             static_cast<PRIORITE>(oHasard.Entier(EXOTIQUE + 1)), oHasard.Montant()};
        switch (kGestes[oOperation.mnGeste].meArgument)
        {
        case Argument::Grade:
            oOperation.mnMontant = oHasard.Entier(4);
            break;
        case Argument::TalentAjoute:
        case Argument::Talent:
        case Argument::TalentMontant:
            oOperation.mnNom = oHasard.Parmi(oPalette.mnTalents);
            oOperation.moNom = oCatalogue.moTalents[oOperation.mnNom].moNom;
            break;
        case Argument::Pouvoir:
        case Argument::PouvoirMontant:
            oOperation.mnNom = oHasard.Parmi(oPalette.mnPouvoirs);
            oOperation.moNom = oCatalogue.moPouvoirs[oOperation.mnNom].moNom;
            break;
        case Argument::Superieur:
            oOperation.mnNom = oHasard.Parmi(oPalette.mnSuperieurs);
            oOperation.moNom = oCatalogue.moSuperieurs[oOperation.mnNom];
            break;
        default:
            break;
        }
        oOperations.push_back(std::move(oOperation));
    }
    return oOperations;
}

namespace
{
// A state written to a file and read again, then taken back by a character, must come back whole and export the
// same bytes; only a state with a superior of no list is refused.
std::string Retour(const Personnage& oPerso, const EtatPersonnage& oEtat, Personnage& oAutre)
{
    std::string oErreur;
    const std::optional<EtatPersonnage> oLu = FichierPersonnage::Lire(FichierPersonnage::Ecrire(oEtat), oErreur);
    if (!oLu || *oLu != oEtat)
        return "the file does not give the state back: " + oErreur;
    const std::string oRefus = oAutre.Restaurer(oEtat);
    if (SuperieurEtranger(oAutre, oEtat))
        return oRefus.empty() ? "a superior of no list was restored" : std::string();
    if (!oRefus.empty())
        return "the state is not restored: " + oRefus;
    if (oAutre.GetEtat() != oEtat)
        return "the restored state differs";
    if (oAutre.TexteExport() != oPerso.TexteExport())
        return "the restored character exports other bytes";
    return {};
}

// The journal's sum is the total, each of its pictures is a state the rules could reach, and the file gives the
// character and its journal back, byte for byte, with the definitions of the house entries they use, and so does its
// web page, whatever the texts hold. A superior of no list, which only a direct call sets, stays out.
std::string RetourJournal(const Personnage& oPerso, const Journal& oJournal)
{
    Dossier oDossier{oPerso.GetEtat(), oJournal, 0, oPerso.GetMaison()};
    const auto Etranger = [&](const EtatPersonnage& oEtat) { return SuperieurEtranger(oPerso, oEtat); };
    if (Etranger(oDossier.moEtat)
        || std::any_of(oJournal.begin(), oJournal.end(), [&](const Attribution& o) { return Etranger(*o.mpoEtat); }))
        return {};
    if (std::string oRaison = FichierPersonnage::VerifierJournal(oDossier); !oRaison.empty())
        return "the journal breaks a rule: " + oRaison;
    oDossier.moEtat.moNotes = "</script><b>\"l'ange\" & \\u003c \\\\u003c";
    const std::string oTexte = FichierPersonnage::Ecrire(oDossier);
    std::string oErreur;
    const std::optional<Dossier> oLu = FichierPersonnage::LireDossier(oTexte, oErreur);
    if (!oLu || oLu->moEtat != oDossier.moEtat || oLu->moJournal != oJournal || FichierPersonnage::Ecrire(*oLu) != oTexte)
        return "the file does not give the journal back: " + oErreur;
    const std::optional<Dossier> oDePage =
        FichierPersonnage::LireDossier("<!DOCTYPE html>\n<p>" + PageEmbarquee::Embarquer(oTexte) + "</p>\n", oErreur);
    if (!oDePage || oDePage->moEtat != oLu->moEtat || oDePage->moJournal != oJournal)
        return "the web page does not give the file back: " + oErreur;
    // Where its extension is not installed, a character opens with the definitions its file carries.
    if (oLu->mpoMaison == nullptr)
        return {};
    const std::unique_ptr<Personnage> poRelu = FichierPersonnage::Creer(*oLu, oErreur);
    return poRelu && poRelu->GetEtat() == oDossier.moEtat ? std::string()
                                                          : "the file does not open without its extension: " + oErreur;
}

// What each award from the nth on bought adds up to the PA and PA secondaire spent between its picture and the next
// award's, which holds that award's PA already, or the character now for the last one.
std::string AchatsJustes(const Personnage& oPerso, const Journal& oJournal, const EtatPersonnage& oMaintenant,
                         std::size_t nDepuis)
{
    for (std::size_t n = nDepuis; n < oJournal.size(); ++n)
    {
        const bool bDerniere = n + 1 == oJournal.size();
        const EtatPersonnage& oSuite = bDerniere ? oMaintenant : *oJournal[n + 1].mpoEtat;
        const long long nAccordes = bDerniere ? 0 : oJournal[n + 1].mnPA;
        long long nPA = 0;
        long long nSecondaires = 0;
        for (const Achat& oAchat : AchatsDe(oPerso, oJournal, n, oMaintenant))
        {
            nPA += oAchat.mnPA;
            nSecondaires += oAchat.mnPASecondaire;
        }
        if (nPA != oJournal[n].mpoEtat->mnPA + nAccordes - oSuite.mnPA)
            return "an award's purchases do not add up to the PA spent";
        if (nSecondaires != static_cast<long long>(oJournal[n].mpoEtat->mnPASecondaire) - oSuite.mnPASecondaire)
            return "an award's purchases do not add up to the PA secondaire spent";
    }
    return {};
}

// Every state taken back in turn, from the last to the first, then forward again: undo and redo.
std::string DefaireRefaire(Personnage& oPerso, const std::vector<EtatPersonnage>& oEtats)
{
    auto Revenir = [&](const EtatPersonnage& oEtat) {
        return oPerso.Restaurer(oEtat).empty() && oPerso.GetEtat() == oEtat;
    };
    for (auto oEtat = oEtats.rbegin(); oEtat != oEtats.rend(); ++oEtat)
    {
        if (!Revenir(*oEtat))
            return "undo does not give the earlier state back";
    }
    for (const EtatPersonnage& oEtat : oEtats)
    {
        if (!Revenir(oEtat))
            return "redo does not give the later state back";
    }
    return {};
}
}

Echec Rejouer(const std::vector<Operation>& oOperations, const Catalogue& oCatalogue)
{
    auto poPerso = Creer(oCatalogue.meCote, oCatalogue.mpoMaison);
    auto poMiroir = Creer(oCatalogue.meCote, oCatalogue.mpoMaison);
    Echec oEchec{{}, 0, Lire(*poPerso, oCatalogue)};
    oEchec.moRegle = Ecart(*poPerso, oEchec.moEtat, oCatalogue);
    EtatPersonnage oPrecedent = poPerso->GetEtat();
    std::vector<EtatPersonnage> oEtats{oPrecedent};
    Journal oJournal = Journaux::Commencer(oPrecedent, "");
    while (oEchec.moRegle.empty() && oEchec.mnOperations < oOperations.size())
    {
        const Operation& oOperation = oOperations[oEchec.mnOperations++];
        const Geste& oGeste = kGestes[oOperation.mnGeste];
        const std::size_t nAttributions = oJournal.size();
        const Reponse eIssue = oGeste.mpoJouer(*poPerso, oJournal, oOperation);
        Etat oApres = Lire(*poPerso, oCatalogue);
        oEchec.moRegle = Verifier(*poPerso, oGeste, oOperation, eIssue, oEchec.moEtat, oApres, oCatalogue);
        oEchec.moEtat = std::move(oApres);
        EtatPersonnage oEtat = poPerso->GetEtat();
        // Only the last award's purchases move, but when an award comes or goes.
        if (oEchec.moRegle.empty())
            oEchec.moRegle =
                AchatsJustes(*poPerso, oJournal, oEtat, oJournal.size() == nAttributions ? nAttributions - 1 : 0);
        // A state like the last one was checked with it.
        if (oEtat == oPrecedent)
            continue;
        if (oEchec.moRegle.empty())
            oEchec.moRegle = Retour(*poPerso, oEtat, *poMiroir);
        if (oEchec.moRegle.empty())
            oEchec.moRegle = RetourJournal(*poPerso, oJournal);
        if (!SuperieurEtranger(*poPerso, oEtat))
            oEtats.push_back(oEtat);
        oPrecedent = std::move(oEtat);
    }
    if (oEchec.moRegle.empty())
        oEchec.moRegle = DefaireRefaire(*poPerso, oEtats);
    return oEchec;
}

std::vector<Operation> Reduire(std::vector<Operation> oOperations, const Catalogue& oCatalogue)
{
    const Echec oEchec = Rejouer(oOperations, oCatalogue);
    oOperations.resize(oEchec.mnOperations);
    bool bReduit = true;
    auto Garder = [&](std::vector<Operation> oEssai) {
        const Echec oNouvelEchec = Rejouer(oEssai, oCatalogue);
        if (oNouvelEchec.moRegle != oEchec.moRegle)
            return false;
        oEssai.resize(oNouvelEchec.mnOperations);
        oOperations = std::move(oEssai);
        bReduit = true;
        return true;
    };
    auto EssayerMontant = [&](std::size_t nOperation, int nMontant) {
        std::vector<Operation> oEssai = oOperations;
        oEssai[nOperation].mnMontant = nMontant;
        return Garder(std::move(oEssai));
    };

    while (bReduit)
    {
        bReduit = false;
        // Cut ever smaller runs of calls, down to single ones.
        for (std::size_t nMorceau = oOperations.size() / 2; nMorceau > 0; nMorceau /= 2)
        {
            for (std::size_t nDebut = 0; nDebut < oOperations.size();)
            {
                const std::size_t nFin = std::min(oOperations.size(), nDebut + nMorceau);
                std::vector<Operation> oEssai(oOperations.begin(), oOperations.begin() + nDebut);
                oEssai.insert(oEssai.end(), oOperations.begin() + nFin, oOperations.end());
                if (!Garder(std::move(oEssai)))
                    nDebut += nMorceau;
            }
        }
        // Then pairs of calls, which may only go together: a grant of PA and the purchase it paid for.
        for (std::size_t nPremiere = 0; oOperations.size() <= 64 && nPremiere < oOperations.size(); ++nPremiere)
        {
            for (std::size_t nSeconde = nPremiere + 1; nSeconde < oOperations.size(); ++nSeconde)
            {
                std::vector<Operation> oEssai = oOperations;
                oEssai.erase(oEssai.begin() + static_cast<std::ptrdiff_t>(nSeconde));
                oEssai.erase(oEssai.begin() + static_cast<std::ptrdiff_t>(nPremiere));
                if (Garder(std::move(oEssai)))
                    break;
            }
        }
        // Two calls in a row by the same amount on the same thing may do as one.
        for (std::size_t n = 0; n + 1 < oOperations.size(); ++n)
        {
            const Operation& oPremiere = oOperations[n];
            const Operation& oSeconde = oOperations[n + 1];
            if (!AUnMontant(kGestes[oPremiere.mnGeste].meArgument)
                || std::tie(oPremiere.mnGeste, oPremiere.mnNom, oPremiere.meCaract)
                       != std::tie(oSeconde.mnGeste, oSeconde.mnNom, oSeconde.meCaract))
                continue;
            std::vector<Operation> oEssai = oOperations;
            oEssai[n].mnMontant += oSeconde.mnMontant;
            oEssai.erase(oEssai.begin() + static_cast<std::ptrdiff_t>(n) + 1);
            Garder(std::move(oEssai));
        }
        // The smallest amount up to 32 that still fails; a larger one is halved for as long as it does. The
        // calls before the one changed stay as they were and kept the rules, so the failure still comes after it.
        for (std::size_t n = 0; n < oOperations.size(); ++n)
        {
            int nMontant = 0;
            while (nMontant < std::min(oOperations[n].mnMontant, 32) && !EssayerMontant(n, nMontant))
                ++nMontant;
            bool bDivise = true;
            while (bDivise && oOperations[n].mnMontant > 32)
                bDivise = EssayerMontant(n, oOperations[n].mnMontant / 2);
        }
    }
    return oOperations;
}

std::string Decrire(const std::vector<Operation>& oOperations, const Catalogue& oCatalogue)
{
    std::ostringstream oTexte;
    oTexte << (oCatalogue.meCote == DEMON ? "Demon" : "Ange") << " oPerso;\n";
    for (const Operation& oOperation : oOperations)
    {
        const Geste& oGeste = kGestes[oOperation.mnGeste];
        const std::string oNom = '"' + oOperation.moNom + '"';
        oTexte << "oPerso." << oGeste.moNom << "(";
        switch (oGeste.meArgument)
        {
        case Argument::Montant:
        case Argument::Grade:
        case Argument::Attribution:
            oTexte << oOperation.mnMontant;
            break;
        case Argument::CaractMontant:
            oTexte << NomCaract(oOperation.meCaract) << ", " << oOperation.mnMontant;
            break;
        case Argument::CaractValeur:
            oTexte << NomCaract(oOperation.meCaract) << ", " << oOperation.mnMontant << " * 0.5f";
            break;
        case Argument::TalentAjoute:
            oTexte << oNom << ", " << Priorite2String(oOperation.mePriorite) << ", " << NomCaract(oOperation.meCaract);
            break;
        case Argument::Talent:
        case Argument::Pouvoir:
        case Argument::Superieur:
            oTexte << oNom;
            break;
        case Argument::TalentMontant:
        case Argument::PouvoirMontant:
            oTexte << oNom << ", " << oOperation.mnMontant;
            break;
        }
        oTexte << ");\n";
    }
    return oTexte.str();
}
