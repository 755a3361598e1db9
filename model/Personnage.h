#ifndef VEXAL_MODEL_PERSONNAGE_H
#define VEXAL_MODEL_PERSONNAGE_H

#include "catalogue/ListePouvoirs.h"
#include "catalogue/ListeTalents.h"
#include "model/EtatPersonnage.h"
#include "enregistrements/Pouvoir.h"
#include "enregistrements/Regles.h"
#include "enregistrements/Talent.h"

#include <limits>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Maison;

// The character being built: its balances, characteristics, grade, superior, holdings and own catalogues.
// Every operation either applies the edit or refuses it and changes nothing; an amount of 0 changes nothing.
class Personnage
{
public:
    explicit Personnage(int nPA);
    Personnage();
    Personnage(const Personnage&) = delete;
    Personnage& operator=(const Personnage&) = delete;
    virtual ~Personnage();

    // A new angel, or a demon for any other side, with the house entries given.
    static std::unique_ptr<Personnage> Nouveau(PERSO eCamp, std::shared_ptr<const Maison> poMaison = nullptr);
    // Gives a character just made the house entries: its catalogues take the talents and the powers of its side,
    // its superiors those of its side. Null gives none.
    void Meubler(std::shared_ptr<const Maison> poMaison);
    // The house entries the character was given, each with its definition and extension; null for none.
    const std::shared_ptr<const Maison>& GetMaison() const { return mpoMaison; }
    // The superiors the character may serve: its side's, the house's after the game's.
    const std::vector<std::string>& GetSuperieurs() const;

    std::string GetSuperieur() const { return moSuperieur; }
    int GetPA() const { return mnPA; }
    int GetPATotal() const { return mnPATotal; }
    int GetPASecondaire() const { return mnPASecondaire; }
    int GetPAConverti() const { return mnPASecondConverti; }
    float GetCaract(CARACT eCaract) const;
    int GetGrade() const { return mnGrade; }
    // The side whose catalogue the character buys from; SansCamp for a character made without one.
    PERSO GetCamp() const { return meCamp; }
    static constexpr PERSO SansCamp = static_cast<PERSO>(-1);

    // Who the character is, and what the player notes of it, as UTF-8 text; no rule reads them.
    const std::string& GetNom() const { return moNom; }
    void SetNom(std::string oNom) { moNom = std::move(oNom); }
    const std::string& GetNotes() const { return moNotes; }
    void SetNotes(std::string oNotes) { moNotes = std::move(oNotes); }

    // A name that is not held reads as null and leaves an empty entry, which the counts include.
    Talent* GetTalent(std::string oTalent);
    int GetNumTalents() const { return static_cast<int>(moTalents.size()); }
    Pouvoir* GetPouvoir(std::string oPouvoir);
    int GetNumPouvoirs() const { return static_cast<int>(moPouvoirs.size()); }
    // The same for what only reads: a name that is not held reads as null and leaves the character as it was.
    const Talent* TrouverTalent(const std::string& oTalent) const;
    const Pouvoir* TrouverPouvoir(const std::string& oPouvoir) const;

    // Null for a character made without a side, which has no power catalogue.
    virtual ListePouvoirs::Map* GetListeDesPouvoirs();
    const ListePouvoirs::Map* GetListeDesPouvoirs() const { return mpoListe ? mpoListe->GetInstancePouvoirs() : nullptr; }
    ListeTalents::Map* GetListeDesTalents() { return moListeTalents.GetInstanceTalents(); }
    const ListeTalents::Map* GetListeDesTalents() const { return moListeTalents.GetInstanceTalents(); }

    // Point accounting. PA run short: converted PA come back, two PA secondaire each.
    // The amounts of the operations below count points or steps: a negative amount would turn a purchase
    // into a payment, so it changes nothing. Only AddPA and AddPASecondaire take any amount as it comes.
    void AddPA(int nPA) { mnPA += nPA; }
    void AddPASecondaire(int nPA) { mnPASecondaire += nPA; }
    bool RemovePA(int val);
    bool RemovePASecondaire(int val);
    void AddPATotal(int nPA);
    // Unspent and converted PA together never exceed the total and what lowering every characteristic from 2 to 1
    // gives back (24 PA), so a total that leaves room for the latter keeps both within an int.
    static constexpr int PATotalMax = std::numeric_limits<int>::max() - 24;
    bool RemovePATotal(int nPA);
    int GetPPValue() const;
    void AugmenterPP(int rang);
    void DiminuerPP(int rang);

    // Characteristics move in steps of 0.5, 2 PA a step.
    static constexpr int PAParDemiPoint = 2;
    void AugmenteCaracteristique(CARACT eCaract, int rang);
    void BaisserCaracteristique(CARACT eCaract, int rang);
    bool IsTalentsCoherents(CARACT eCaract, float fValue);
    // What a characteristic adds to the score of the talents based on it: half its whole part, at least 1.
    static float Bonus(float fCaract);
    float GetBonusCaract(CARACT eCaract) const { return Bonus(GetCaract(eCaract)); }
    // A talent's score: its level with the bonus of the characteristic it is based on.
    float Score(const Talent& oTalent) const { return oTalent.GetNiveau() + GetBonusCaract(oTalent.GetCaractBase()); }

    // Derived values, computed on every read.
    int GetPF() const;
    virtual int GetBL() const;
    int GetBG() const { return 2 * GetBL(); }
    int GetBF() const { return 3 * GetBL(); }
    int GetMS() const { return 4 * GetBL(); }

    // Refused while the character holds a power reserved to its present superior.
    void SetSuperieur(std::string oSup);
    // A null pointer names no superior: nothing changes.
    void SetSuperieur(const char* oSup)
    {
        if (oSup != nullptr)
            SetSuperieur(std::string(oSup));
    }

    // Talents; the priority and characteristic given to AjouterTalentBase yield to the catalogue's.
    void AjouterTalentBase(std::string oTalent, PRIORITE ePriorite, CARACT eCaractBase);
    bool EnleverTalentBase(std::string oTalent);
    void AugmenterTalent(std::string oTalent, int rang);
    void DiminuerTalent(std::string oTalent, int rang);
    Talent* GetTalentGeneral(Talent* poTalent);

    // Powers.
    bool AjouterPouvoirBase(std::string oPouvoir);
    void EnleverPouvoirBase(std::string oPouvoir);
    void AugmenterPouvoir(std::string oPouvoir, int rang);
    void DiminuerPouvoir(std::string oPouvoir, int rang);
    bool AllConditionsPouvoir(Pouvoir* poPouvoir);

    // Brings talents, powers, PP and characteristics within the caps of the grade.
    void Ajuster();
    // Sets the grade, then adjusts; returns the new grade.
    int SetGrade(int nGrade);

    // Writes the text sheet, replacing fileName whole or leaving it as it was; false when not written.
    bool Export(const char* fileName);
    std::string TexteExport() const;

    // The character as a value, and back again.
    EtatPersonnage GetEtat() const;
    // Why the rules could never have reached this state, in the player's words; empty when they could: the
    // balances are what the holdings cost, and everything stands within its range and the grade's caps.
    std::string Verifier(const EtatPersonnage& oEtat) const;
    // Takes the state when Verifier finds nothing against it; otherwise changes nothing and says why.
    std::string Restaurer(const EtatPersonnage& oEtat);

    // Why the last refused operation was refused, and what accepted ones did that the player did not ask for
    // (PA converted, values brought down by a lower grade), in the player's words. The rules only ever add to
    // them: whoever reports them forgets them first.
    const std::string& GetRaison() const { return moRaison; }
    const std::vector<std::string>& GetRemarques() const { return moRemarques; }
    void OublierRaisons();

protected:
    Personnage(int nPA, PERSO eCamp);
    // Keeps why an operation is refused; false, so that a refusal reads `return Refuser(...)`.
    bool Refuser(std::string oRaison);
    void Remarquer(std::string oRemarque);

    std::string moSuperieur;
    int mnPA;
    int mnPATotal;
    int mnPASecondaire;
    int mnPASecondConverti;
    // The records held, owned by the character; a name looked up and not held has a null entry.
    std::map<std::string, Pouvoir*> moPouvoirs;
    std::map<std::string, Talent*> moTalents;
    std::vector<float> moCaract;
    int mnGrade;
    int mnPP;
    ListePouvoirs* mpoListe;  // owned; null for a character made without a side
    ListeTalents moListeTalents;
    std::shared_ptr<const Maison> mpoMaison;
    PERSO meCamp;
    std::string moNom;
    std::string moNotes;
    std::string moRaison;
    std::vector<std::string> moRemarques;

private:
    // The first talent based on the characteristic whose score would pass the grade's cap at that value.
    const Talent* TalentIncoherent(CARACT eCaract, float fValue) const;
    // The character's own copy of a catalogue record, at level 0, not yet linked to any speciality.
    static Talent* CopierTalent(const Talent& oModele);
};

#endif
