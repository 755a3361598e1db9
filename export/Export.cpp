#include "model/Personnage.h"

#include "disque/FichierAtomique.h"
#include "export/ScoreAffiche.h"

#include <cmath>
#include <initializer_list>
#include <locale>
#include <sstream>

namespace
{
const char* const kNomsCaract[] = {"FORCE", "AGILITE", "PERCEPTION", "PRESENCE", "VOLONTE", "FOI"};

// On the sheet a talent carries half of its characteristic's whole part, and nothing at all when the
// characteristic is below 2: not the bonus of the rules, which is never less than 1.
double BonusAffiche(float fCaract)
{
    return fCaract < 2.0f ? 0.0 : std::trunc(fCaract) * 0.5;
}
}

bool Personnage::Export(const char* fileName)
{
    return RemplacerFichier(fileName, TexteExport());
}

std::string Personnage::TexteExport() const
{
    std::ostringstream oTexte;
    // The user's locale must not group the digits of a number.
    oTexte.imbue(std::locale::classic());

    oTexte << "Fiche de Personnage VEXAL Version 1.0 \n\n";
    oTexte << "Superieur : " << moSuperieur << "\n";
    oTexte << "Grade : " << mnGrade << "\n\n";
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
    {
        oTexte << kNomsCaract[nCaract] << ": " << ScoreAffiche(moCaract[nCaract]) << " ";
        if (nCaract == PERCEPTION)
            oTexte << "\n";
    }
    oTexte << "\n\n";

    oTexte << "PP :" << GetPPValue() << "\n";
    oTexte << "PF :" << GetPF() << "\n";
    oTexte << "BL :" << GetBL() << "\n";
    oTexte << "BG :" << GetBG() << "\n";
    oTexte << "BF :" << GetBF() << "\n";
    oTexte << "MS :" << GetMS() << "\n\n";

    for (PRIORITE ePriorite : {PRIMAIRE, SECONDAIRE, EXOTIQUE})
    {
        oTexte << "\nTALENTS " << Priorite2String(ePriorite) << ":\n\n";
        for (const auto& oEntree : moTalents)
        {
            const Talent* poTalent = oEntree.second;
            if (poTalent == nullptr || poTalent->GetPriorite() != ePriorite)
                continue;
            const double fNiveau = poTalent->GetNiveau() + BonusAffiche(moCaract[poTalent->GetCaractBase()]);
            oTexte << "    " << poTalent->GetName() << "(" << ScoreAffiche(fNiveau) << ")\n";
        }
    }

    oTexte << "\nPOUVOIRS :\n\n";
    for (const auto& oEntree : moPouvoirs)
    {
        const Pouvoir* poPouvoir = oEntree.second;
        if (poPouvoir != nullptr)
            oTexte << "    " << poPouvoir->GetNom() << "(" << ScoreAffiche(poPouvoir->GetNiveau()) << ")\n";
    }

    return oTexte.str();
}
