#include "FichierPage.h"

#include "PageHtml.h"
#include "fichier/FichierPersonnage.h"

#include <QDir>
#include <QFile>

bool EcrirePage(const Personnage& oPerso, const Journal& oJournal, const char* fileName, QString& oRaison,
                const Remplacement& oOptions)
{
    const QString oPrefixe = QStringLiteral("La page web n'a pas pu être écrite dans %1 : ")
                                 .arg(QDir::toNativeSeparators(QFile::decodeName(fileName != nullptr ? fileName : "")));
    const std::string oPage = TextePage(oPerso, oJournal);
    std::string oErreur = FichierPersonnage::RaisonTaille(oPage);
    if (oErreur.empty() && RemplacerFichier(fileName, oPage, &oErreur, oOptions))
    {
        oRaison.clear();
        return true;
    }
    oRaison = oPrefixe + QString::fromStdString(oErreur);
    return false;
}
