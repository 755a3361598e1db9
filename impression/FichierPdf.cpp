#include "FichierPdf.h"

#include "FeuilleImprimee.h"
#include "model/Personnage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>

bool ImprimerPdf(const Personnage& oPerso, const Journal& oJournal, const char* fileName, QString& oRaison,
                 const Remplacement& oOptions)
{
    const QString oPrefixe = QStringLiteral("Le PDF n'a pas pu être écrit dans %1 : ")
                                 .arg(QDir::toNativeSeparators(QFile::decodeName(fileName != nullptr ? fileName : "")));
    // Drawn in memory, the pages reach the disk in one checked write: a writer that streams them would say nothing
    // of a disk that fills on the way.
    QBuffer oPages;
    oPages.open(QIODevice::WriteOnly);
    {
        QPdfWriter oPdf(&oPages);
        oPdf.setTitle(oPerso.GetNom().empty() ? QStringLiteral("Personnage VEXAL") : QString::fromStdString(oPerso.GetNom()));
        oPdf.setCreator(QStringLiteral("VEXAL"));
        if (ImprimerFeuille(oPerso, oJournal, oPdf) == 0)
        {
            oRaison = oPrefixe + QStringLiteral("la feuille n'a pas pu être dessinée");
            return false;
        }
    }
    std::string oErreur;
    if (!RemplacerFichier(fileName, oPages.data().toStdString(), &oErreur, oOptions))
    {
        oRaison = oPrefixe + QString::fromStdString(oErreur);
        return false;
    }
    oRaison.clear();
    return true;
}
