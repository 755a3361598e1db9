#include "ListeTalents.h"

#include "Lignes.h"
#include "enregistrements/Possession.h"

#include <memory>
#include <string>

namespace
{
const std::string kSuffixeSpecialite = ListeTalents::SuffixeSpecialite;

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
    Possession::Vider(moListeDesTalents);
}

void ListeTalents::Charger(const Tables::LigneTalent* poDebut, const Tables::LigneTalent* poFin)
{
    for (const Tables::LigneTalent* poLigne = poDebut; poLigne != poFin; ++poLigne)
    {
        const std::string oNom(poLigne->moNom);
        std::unique_ptr<Talent> poTalent;
        if (poLigne->meSorte == Tables::Sorte::Langue)
            poTalent = std::make_unique<Langue>(oNom);
        else
            poTalent = std::make_unique<Talent>(oNom, poLigne->mePriorite, poLigne->meCaract);
        if (EstSpecialite(oNom))
        {
            // A speciality row follows its general talent, which it now caps.
            auto oGeneral = moListeDesTalents.find(oNom.substr(0, oNom.size() - kSuffixeSpecialite.size()));
            if (oGeneral != moListeDesTalents.end())
                oGeneral->second->SetSpecialite(poTalent.get());
        }
        Possession::Classer(moListeDesTalents, oNom, std::move(poTalent));
    }
}
