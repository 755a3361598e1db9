#include "enregistrements/Pouvoir.h"

#include <utility>

Pouvoir::Pouvoir(std::string oNom, int nCout)
    : moPouvoir(std::move(oNom)),
      mnCoutPA(nCout),
      mbIsInvariable(false),
      moSpeSup(AucunSuperieur),
      mfNiveau(0.0)
{
}

Pouvoir::Pouvoir(const Pouvoir& oPouvoir)
    : moPouvoir(oPouvoir.moPouvoir),
      mnCoutPA(oPouvoir.mnCoutPA),
      mbIsInvariable(oPouvoir.mbIsInvariable),
      moSpeSup(oPouvoir.moSpeSup),
      mfNiveau(oPouvoir.mfNiveau)
{
}

std::string Pouvoir::GetToolTip() const
{
    return std::to_string(mnCoutPA) + " PA";
}
