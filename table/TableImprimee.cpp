#include "TableImprimee.h"

#include "DocumentPersonnage.h"
#include "DocumentTable.h"
#include "FeuilleImprimee.h"
#include "FichierPdf.h"
#include "GrilleImprimee.h"
#include "ModeleTable.h"
#include "NomFichier.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace
{
QString Tr(const char* oTexte)
{
    return QCoreApplication::translate("TableImprimee", oTexte);
}

// The page turned, for the characters side by side.
QPageLayout Paysage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(14, 12, 14, 12),
                       QPageLayout::Millimeter);
}

bool EstPersonnage(const DocumentTable& oTable, const char* fileName)
{
    const QString oFichier = NomFichier::Canonique(NomFichier::DepuisOctets(QByteArray(fileName)));
    const auto& oPersonnages = oTable.GetPersonnages();
    return std::any_of(oPersonnages.begin(), oPersonnages.end(),
                       [&](const PersonnageTable& o) { return o.moFichier == oFichier; });
}

bool EstLu(const PersonnageTable& oPersonnage)
{
    return oPersonnage.mpoDocument && oPersonnage.mpoDocument->GetPerso();
}

QStringList Illisibles(const DocumentTable& oTable)
{
    QStringList oIllisibles;
    for (const PersonnageTable& oPersonnage : oTable.GetPersonnages())
    {
        if (!EstLu(oPersonnage))
            oIllisibles << Tr("« %1 » ne peut pas être lu : %2").arg(oPersonnage.moFichier, oPersonnage.moRaison);
    }
    return oIllisibles;
}

QString Peindre(const DocumentTable& oTable, const QString& oTitre, QPdfWriter& oPdf)
{
    oPdf.setPageLayout(Paysage());
    QPainter oPeintre;
    if (!oPeintre.begin(&oPdf))
        return Tr("la table n'a pas pu être dessinée");
    const ModeleTable oModele(oTable);
    GrilleImprimee(oModele, oPeintre, oPdf).Peindre(oTitre, Illisibles(oTable));
    for (const PersonnageTable& oPersonnage : oTable.GetPersonnages())
    {
        if (EstLu(oPersonnage))
            ImprimerFeuille(*oPersonnage.mpoDocument->GetPerso(), *oPersonnage.mpoDocument->GetJournal(), oPeintre);
    }
    return oPeintre.end() ? QString() : Tr("la table n'a pas pu être dessinée");
}
}

bool ImprimerTablePdf(const DocumentTable& oTable, const char* fileName, QString& oRaison,
                      const Remplacement& oOptions)
{
    const QString oTitre = oTable.GetNom().isEmpty() ? Tr("Table VEXAL") : oTable.GetNom();
    return EcrirePagesPdf(
        oTitre,
        [&](QPdfWriter& oPdf) {
            return EstPersonnage(oTable, fileName) ? Tr("c'est le fichier d'un personnage de la table")
                                                   : Peindre(oTable, oTitre, oPdf);
        },
        fileName, oRaison, oOptions);
}
