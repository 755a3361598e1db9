#include "ListePouvoirs.h"

ListePouvoirs::ListePouvoirs(PERSO eCote)
{
    InitListeDesPouvoirsGeneral();
    if (eCote == DEMON)
    {
        Debug("Init list des pouvoirs des demons");
        InitListeDesPouvoirsDemons();
    }
    else if (eCote == ANGE)
    {
        Debug("Init list des pouvoirs des anges");
        InitListeDesPouvoirsAnges();
    }
}

ListePouvoirs::~ListePouvoirs()
{
    DetruireListeDesPouvoirs();
}

void ListePouvoirs::DetruireListeDesPouvoirs()
{
    moListeDesPouvoirs.clear();
    moRecords.clear();
}

void ListePouvoirs::Charger(const LignePouvoir* poDebut, const LignePouvoir* poFin)
{
    moRecords.reserve(moRecords.size() + static_cast<std::size_t>(poFin - poDebut));
    for (const LignePouvoir* poLigne = poDebut; poLigne != poFin; ++poLigne)
    {
        auto poPouvoir = std::make_unique<Pouvoir>(std::string(poLigne->moNom), poLigne->mnCout);
        if (poLigne->meEvolution == INVARIABLE)
            poPouvoir->SetIsInvariable(true);
        if (!poLigne->moSuperieur.empty())
            poPouvoir->SetSpecialOf(std::string(poLigne->moSuperieur));
        moListeDesPouvoirs[poPouvoir->GetNom()] = poPouvoir.get();
        moRecords.push_back(std::move(poPouvoir));
    }
}
