#ifndef VEXAL_ENREGISTREMENTS_TALENT_H
#define VEXAL_ENREGISTREMENTS_TALENT_H

#include "enregistrements/Regles.h"

#include <string>

// A talent: a catalogue record, or a character's own copy whose level moves in steps of 0.5.
class Talent
{
public:
    Talent(std::string oTalent, PRIORITE ePriorite, CARACT eCaract);
    // The copy keeps the same speciality pointer: whoever files it in another collection re-links it.
    Talent(const Talent& oTalent) = default;
    Talent& operator=(const Talent&) = delete;
    virtual ~Talent() = default;

    std::string GetName() const { return moNom; }
    PRIORITE GetPriorite() const { return mePriorite; }
    CARACT GetCaractBase() const { return meCaractBase; }
    float GetNiveau() const { return mfNiveau; }
    void SetNiveau(float fNiveau) { mfNiveau = fNiveau; }
    Talent* GetSpecialite() const { return mpoSpecialite; }
    void SetSpecialite(Talent* poSpecialite) { mpoSpecialite = poSpecialite; }

    // Whether the level may go up by nRang half points; a general talent never passes its speciality.
    virtual bool IsAugmentable(int nRang);

protected:
    std::string moNom;
    Talent* mpoSpecialite;  // not owned: a record of the same collection
    PRIORITE mePriorite;
    CARACT meCaractBase;
    float mfNiveau;
};

// A language is a secondary talent without characteristic, known at 0.5 or not at all.
class Langue : public Talent
{
public:
    explicit Langue(std::string oTalent);

    bool IsAugmentable(int nRang) override;
};

#endif
