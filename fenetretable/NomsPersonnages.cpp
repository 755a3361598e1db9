#include "NomsPersonnages.h"

#include "ChoixFichier.h"
#include "DocumentPersonnage.h"
#include "DocumentTable.h"
#include "model/Personnage.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace NomsPersonnages
{
QString Nom(const PersonnageTable& oPersonnage)
{
    const Personnage* poPerso = oPersonnage.mpoDocument ? oPersonnage.mpoDocument->GetPerso() : nullptr;
    if (poPerso == nullptr || poPerso->GetNom().empty())
        return QFileInfo(oPersonnage.moFichier).fileName();
    return QString::fromStdString(poPerso->GetNom());
}

QString Illisibles(const std::vector<PersonnageTable>& oPersonnages, std::size_t nDepuis)
{
    QString oTexte;
    for (std::size_t n = nDepuis; n < oPersonnages.size(); ++n)
    {
        if (!oPersonnages[n].mpoDocument)
            oTexte += QCoreApplication::translate("NomsPersonnages", " ; « %1 » ne peut pas être lu : %2")
                          .arg(ChoixFichier::Montre(oPersonnages[n].moFichier), oPersonnages[n].moRaison);
    }
    return oTexte;
}
}
