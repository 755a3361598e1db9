#ifndef VEXAL_ENREGISTREMENTS_POUVOIR_H
#define VEXAL_ENREGISTREMENTS_POUVOIR_H

#include <map>
#include <string>
#include <utility>

// A power: a catalogue record, or a character's own copy whose level moves in steps of 0.5.
class Pouvoir
{
public:
    Pouvoir(std::string oNom, int nCout);
    // A copy leaves the cheaper-for table behind: prices always come from mnCoutPA.
    Pouvoir(const Pouvoir& oPouvoir);
    Pouvoir& operator=(const Pouvoir&) = delete;

    std::string GetNom() const { return moPouvoir; }
    int GetCout() const { return mnCoutPA; }
    double GetNiveau() const { return mfNiveau; }
    void SetNiveau(double fNiveau) { mfNiveau = fNiveau; }
    void SetIsInvariable(bool bIsInvariable) { mbIsInvariable = bIsInvariable; }
    bool IsInvariable() const { return mbIsInvariable; }
    void SetSpecialOf(std::string oSup) { moSpeSup = std::move(oSup); }
    std::string GetSpecialOf() const { return moSpeSup; }
    bool IsSpecial() const { return moSpeSup != AucunSuperieur; }
    bool IsSpecialOf(std::string oSup) const { return moSpeSup == oSup; }
    // A reduced price for one superior's followers; kept on the record, consulted by no rule.
    void SetMoinsCherPour(std::string oSup, int nCout) { oMoinsCherPour[std::move(oSup)] = nCout; }

    // "3 PA" for a power whose step costs 3 PA.
    std::string GetToolTip() const;

    static constexpr const char* AucunSuperieur = "NONE";

private:
    std::string moPouvoir;
    int mnCoutPA;
    bool mbIsInvariable;
    std::string moSpeSup;
    double mfNiveau;
    std::map<std::string, int> oMoinsCherPour;
};

#endif
