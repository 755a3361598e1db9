#include "RubriqueFeuille.h"

#include "Page.h"
#include "TitreFeuille.h"

#include <utility>

RubriqueFeuille::RubriqueFeuille(QString oTitre, Page& oPage)
    : moTitre(std::move(oTitre)),
      moPage(oPage),
      mfTitre(TitreFeuille(oPage.Style()).Hauteur())
{
}

void RubriqueFeuille::Placer(double fHauteur)
{
    const bool bTitreIci = moPage.Numero() == mnPageDuTitre;
    moPage.Reserver(bTitreIci ? fHauteur : mfTitre + fHauteur);
    if (moPage.Numero() == mnPageDuTitre)
        return;
    const QString oTitre = mnPageDuTitre == 0 ? moTitre : moTitre + QStringLiteral(" (suite)");
    TitreFeuille(moPage.Style()).Peindre(moPage.Peintre(), oTitre, 0, moPage.Y(), moPage.Largeur());
    mnPageDuTitre = moPage.Numero();
    moPage.Descendre(mfTitre);
}
