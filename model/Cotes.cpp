#include "model/Ange.h"
#include "model/Demon.h"

#include <utility>

Ange::Ange()
    : Personnage(100, ANGE)
{
    Debug("Creation d'un ange");
    mpoListe = new ListePouvoirs(ANGE);
}

int Ange::GetBL() const
{
    return static_cast<int>(GetCaract(FORCE)) + 3;
}

Demon::Demon()
    : Personnage(80, DEMON)
{
    Debug("Creation d'un demon");
    mpoListe = new ListePouvoirs(DEMON);
}

int Demon::GetBL() const
{
    return static_cast<int>(GetCaract(FORCE)) + 2;
}

std::unique_ptr<Personnage> Personnage::Nouveau(PERSO eCamp, std::shared_ptr<const Maison> poMaison)
{
    std::unique_ptr<Personnage> poPerso;
    if (eCamp == ANGE)
        poPerso = std::make_unique<Ange>();
    else
        poPerso = std::make_unique<Demon>();
    poPerso->Meubler(std::move(poMaison));
    return poPerso;
}
