#include "ListeTalents.h"

namespace
{
const std::string kSuffixeSpecialite = "(Spe)";

bool EstSpecialite(const std::string& oNom)
{
    return oNom.size() > kSuffixeSpecialite.size()
        && oNom.compare(oNom.size() - kSuffixeSpecialite.size(), kSuffixeSpecialite.size(), kSuffixeSpecialite) == 0;
}
}

ListeTalents::ListeTalents()
{
    InitListeDesTalents();
}

ListeTalents::~ListeTalents()
{
    DetruireListeDesTalents();
}

void ListeTalents::DetruireListeDesTalents()
{
    moListeDesTalents.clear();
    moRecords.clear();
}

void ListeTalents::Charger(const LigneTalent* poDebut, const LigneTalent* poFin)
{
    moRecords.reserve(moRecords.size() + static_cast<std::size_t>(poFin - poDebut));
    for (const LigneTalent* poLigne = poDebut; poLigne != poFin; ++poLigne)
    {
        std::string oNom(poLigne->moNom);
        std::unique_ptr<Talent> poTalent;
        if (poLigne->meSorte == Sorte::Langue)
            poTalent = std::make_unique<Langue>(oNom);
        else
            poTalent = std::make_unique<Talent>(oNom, poLigne->mePriorite, poLigne->meCaract);
        moListeDesTalents[oNom] = poTalent.get();
        if (EstSpecialite(oNom))
        {
            // A speciality row follows its general talent, which it now caps.
            auto oGeneral = moListeDesTalents.find(oNom.substr(0, oNom.size() - kSuffixeSpecialite.size()));
            if (oGeneral != moListeDesTalents.end())
                oGeneral->second->SetSpecialite(poTalent.get());
        }
        moRecords.push_back(std::move(poTalent));
    }
}
