#ifndef VEXAL_FENETRETABLE_DIALOGUEACCORDTABLE_H
#define VEXAL_FENETRETABLE_DIALOGUEACCORDTABLE_H

#include "AccordTable.h"
#include "DialogueAttribution.h"
#include "DocumentTable.h"

#include <vector>

class QCheckBox;
class QSpinBox;

// One award for the characters of a table: the amount, the reason and the date they share, and for each character
// whether it gets the award and how many PA. A character's amount follows the common one until the player sets it
// apart. A character that could not be read is offered unchecked, with why.
class DialogueAccordTable : public DialogueAttribution
{
public:
    DialogueAccordTable(const std::vector<PersonnageTable>& oPersonnages, QWidget* poParent);

    // The checked characters, each with its amount.
    std::vector<PartAttribution> Parts() const;

protected:
    // A date that one of the checked characters' journals cannot take names that character.
    std::string RaisonDate(const std::string& oDate) const override;
    QString Refus() const override;

private:
    struct Ligne
    {
        PersonnageTable moPersonnage;
        QCheckBox* mpoCoche;
        QSpinBox* mpoPA;
        bool mbAPart = false;
    };

    // The common amount changed: so do those not set apart.
    void Suivre(int nPA);

    std::vector<Ligne> moLignes;
};

#endif
