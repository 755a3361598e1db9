#include "Fiche.h"

#include "catalogue/Superieurs.h"
#include "model/Personnage.h"

#include <QStringList>

namespace
{
QStringList EnListe(const std::vector<std::string>& oNoms)
{
    QStringList oListe;
    for (const std::string& oNom : oNoms)
        oListe << QString::fromStdString(oNom);
    return oListe;
}
}

void Fiche::FillPrincesDemons()
{
    SuperieurListe->addItems(EnListe(ListeSuperieurs(DEMON)));
}

void Fiche::FillArchanges()
{
    SuperieurListe->addItems(EnListe(ListeSuperieurs(ANGE)));
}

void Fiche::UpdateSuperieur()
{
    if (!mpoPerso)
        return;
    const std::string oNom = NomChoisi(SuperieurListe);
    Editer(tr("Supérieur"), [&oNom](Personnage& oPerso) { oPerso.SetSuperieur(oNom); });
    UpdateFiche();
}

void Fiche::ChangedSuperieur()
{
    UpdateSuperieur();
}
