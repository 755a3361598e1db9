#ifndef VEXAL_TESTS_CORE_BANC_H
#define VEXAL_TESTS_CORE_BANC_H

#include "model/Personnage.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// The three point pools that every purchase goes through.
struct Soldes
{
    int nPA;
    int nPASecondaire;
    int nPAConverti;
};

bool operator==(const Soldes& oGauche, const Soldes& oDroite);
std::ostream& operator<<(std::ostream& oFlux, const Soldes& oSoldes);
Soldes SoldesDe(const Personnage& oPerso);

// Everything a player can see of a character, so that "nothing changed" is one comparison.
struct Etat
{
    std::string oSuperieur;
    Soldes oSoldes;
    int nPATotal;
    int nPP;
    int nGrade;
    std::vector<float> oCaract;
    std::map<std::string, float> oTalents;    // held talents only, by level
    std::map<std::string, double> oPouvoirs;  // held powers only, by level
};

bool operator==(const Etat& oGauche, const Etat& oDroite);
std::ostream& operator<<(std::ostream& oFlux, const Etat& oEtat);

// A character of one side whose balances a test may set where a long session of edits would leave them,
// and whose holdings it may read whole.
template <class Cote>
class PersonnageDeTest : public Cote
{
public:
    void PoserSoldes(Soldes oSoldes)
    {
        this->mnPA = oSoldes.nPA;
        this->mnPASecondaire = oSoldes.nPASecondaire;
        this->mnPASecondConverti = oSoldes.nPAConverti;
    }

    Etat Releve() const
    {
        Etat oEtat{this->moSuperieur, SoldesDe(*this), this->mnPATotal, this->mnPP, this->mnGrade,
                   this->moCaract, {}, {}};
        for (const auto& [oNom, poTalent] : this->moTalents)
        {
            if (poTalent)
                oEtat.oTalents[oNom] = poTalent->GetNiveau();
        }
        for (const auto& [oNom, poPouvoir] : this->moPouvoirs)
        {
            if (poPouvoir)
                oEtat.oPouvoirs[oNom] = poPouvoir->GetNiveau();
        }
        return oEtat;
    }
};

template <class Cote>
std::unique_ptr<Personnage> Creer()
{
    return std::make_unique<Cote>();
}

// Adds a talent the way the sheet does, with the priority and characteristic of the catalogue record.
void Acquerir(Personnage& oPerso, const std::string& oTalent);

// Raises or lowers a characteristic to the value; false when the rules stopped it short.
[[nodiscard]] bool Amener(Personnage& oPerso, CARACT eCaract, float fValeur);

// A test name for a table row: its number and the letters and digits of its name.
std::string NomDeLigne(int nLigne, const std::string& oNom);

// Names each row of a parameterised test after its field oNom.
struct NomDuCas
{
    template <class Cas>
    std::string operator()(const testing::TestParamInfo<Cas>& oInfo) const
    {
        return oInfo.param.oNom;
    }
};

// The record filed under the name, or null; the lookup adds no entry.
template <class Map>
typename Map::mapped_type Chercher(const Map& oMap, const std::string& oNom)
{
    const auto oEntree = oMap.find(oNom);
    return oEntree == oMap.end() ? nullptr : oEntree->second;
}

#endif
