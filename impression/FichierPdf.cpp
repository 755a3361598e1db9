#include "FichierPdf.h"

#include "FeuilleImprimee.h"
#include "model/Personnage.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace
{
// Qt says what went wrong in English; the usual causes are said again in the player's words.
QString Cause(const QString& oFichier, const QSaveFile& oSortie)
{
    const QFileInfo oCible(oFichier);
    const QFileInfo oDossier(oCible.absolutePath());
    const QString oNomDuDossier = QDir::toNativeSeparators(oDossier.filePath());
    if (oCible.isDir())
        return QStringLiteral("c'est un dossier");
    if (!oDossier.isDir())
        return QStringLiteral("le dossier %1 n'existe pas").arg(oNomDuDossier);
    if (!oDossier.isWritable())
        return QStringLiteral("le dossier %1 n'accepte pas de nouveau fichier").arg(oNomDuDossier);
    if (oCible.exists() && !oCible.isWritable())
        return QStringLiteral("le fichier est en lecture seule");
    return oSortie.errorString();
}
}

bool ImprimerPdf(const Personnage& oPerso, const QString& oFichier, QString& oRaison)
{
    const QString oPrefixe = QStringLiteral("Le PDF n'a pas pu être écrit dans %1 : ").arg(QDir::toNativeSeparators(oFichier));
    QSaveFile oSortie(oFichier);
    if (!oSortie.open(QIODevice::WriteOnly))
    {
        oRaison = oPrefixe + Cause(oFichier, oSortie);
        return false;
    }
    {
        QPdfWriter oPdf(&oSortie);
        oPdf.setTitle(oPerso.GetNom().empty() ? QStringLiteral("Personnage VEXAL") : QString::fromStdString(oPerso.GetNom()));
        oPdf.setCreator(QStringLiteral("VEXAL"));
        if (ImprimerFeuille(oPerso, oPdf) == 0)
        {
            oSortie.cancelWriting();
            oRaison = oPrefixe + QStringLiteral("la feuille n'a pas pu être dessinée");
            return false;
        }
    }
    if (!oSortie.commit())
    {
        oRaison = oPrefixe + Cause(oFichier, oSortie);
        return false;
    }
    oRaison.clear();
    return true;
}
