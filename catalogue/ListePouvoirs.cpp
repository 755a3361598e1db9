#include "ListePouvoirs.h"

#include "Lignes.h"
#include "enregistrements/Possession.h"

#include <memory>
#include <string>

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
    Possession::Vider(moListeDesPouvoirs);
}

void ListePouvoirs::Charger(const Tables::LignePouvoir* poDebut, const Tables::LignePouvoir* poFin)
{
    for (const Tables::LignePouvoir* poLigne = poDebut; poLigne != poFin; ++poLigne)
    {
        const std::string oNom(poLigne->moNom);
        auto poPouvoir = std::make_unique<Pouvoir>(oNom, poLigne->mnCout);
        if (poLigne->meEvolution == Tables::INVARIABLE)
            poPouvoir->SetIsInvariable(true);
        if (!poLigne->moSuperieur.empty())
            poPouvoir->SetSpecialOf(std::string(poLigne->moSuperieur));
        Possession::Classer(moListeDesPouvoirs, oNom, std::move(poPouvoir));
    }
}
