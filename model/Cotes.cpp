#include "model/Ange.h"
#include "model/Demon.h"

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
