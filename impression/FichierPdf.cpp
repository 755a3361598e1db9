#include "FichierPdf.h"

#include "FeuilleImprimee.h"
#include "model/Personnage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>

bool EcrirePagesPdf(const QString& oTitre, const std::function<QString(QPdfWriter&)>& fPeindre, const char* fileName,
                    QString& oRaison, const Remplacement& oOptions)
{
    const QString oPrefixe = QStringLiteral("Le PDF n'a pas pu être écrit dans %1 : ")
                                 .arg(QDir::toNativeSeparators(QFile::decodeName(fileName != nullptr ? fileName : "")));
    // Drawn in memory, the pages reach the disk in one checked write: a writer that streams them would say nothing
    // of a disk that fills on the way.
    QBuffer oPages;
    oPages.open(QIODevice::WriteOnly);
    {
        QPdfWriter oPdf(&oPages);
        oPdf.setTitle(oTitre);
        oPdf.setCreator(QStringLiteral("VEXAL"));
        if (const QString oEchec = fPeindre(oPdf); !oEchec.isEmpty())
        {
            oRaison = oPrefixe + oEchec;
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

bool ImprimerPdf(const Personnage& oPerso, const Journal& oJournal, const char* fileName, QString& oRaison,
                 const Remplacement& oOptions)
{
    const QString oTitre =
        oPerso.GetNom().empty() ? QStringLiteral("Personnage VEXAL") : QString::fromStdString(oPerso.GetNom());
    return EcrirePagesPdf(
        oTitre,
        [&](QPdfWriter& oPdf) {
            const bool bPeinte = ImprimerFeuille(oPerso, oJournal, oPdf) > 0;
            return bPeinte ? QString() : QStringLiteral("la feuille n'a pas pu être dessinée");
        },
        fileName, oRaison, oOptions);
}
