#include "ChoixFichier.h"

#include "Dialogues.h"
#include "DocumentPersonnage.h"
#include "FichierPage.h"
#include "LienFichier.h"
#include "fichier/FichierTable.h"

#include <QDir>
#include <QLockFile>
#include <QObject>
#include <QRegularExpression>

namespace ChoixFichier
{
QString FiltrePersonnages()
{
    return QObject::tr("Personnages VEXAL (*.%1)").arg(DocumentPersonnage::Extension());
}

QString FiltreTables()
{
    return QObject::tr("Tables de jeu VEXAL (*%1)").arg(QLatin1String(FichierTable::kExtension));
}

QString FiltreOuvrir()
{
    return QObject::tr("Personnages et tables VEXAL (*.%1 *.%2 *%3)")
        .arg(DocumentPersonnage::Extension(), QLatin1String(kExtensionPage), QLatin1String(FichierTable::kExtension));
}

bool EstTable(const QString& oFichier)
{
    return oFichier.endsWith(QLatin1String(FichierTable::kExtension));
}

QString NomDeFichier(QString oNom, const QString& oSinon)
{
    oNom = oNom.trimmed();
    // Characters a file name may not hold on some system.
    oNom.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    return oNom.isEmpty() ? oSinon : oNom;
}

QString NomPropose(const QString& oNom, const QString& oSinon, const QString& oExtension)
{
    return QDir(Dialogues::Dossier()).filePath(NomDeFichier(oNom, oSinon) + oExtension);
}

bool Verrouiller(QWidget* poFenetre, const QString& oFichier, std::unique_ptr<QLockFile>& poVerrou, bool bEnregistrer,
                 QString& oSansVerrou)
{
    Verrou oVerrou = LienFichier::Verrouiller(oFichier);
    poVerrou = std::move(oVerrou.mpoFichier);
    if (!oVerrou.moRaison.isEmpty())
        oSansVerrou = DocumentPersonnage::RaisonSansVerrou(oVerrou.moRaison);
    if (oVerrou.moQui.isEmpty())
        return true;
    const QString oQuestion = bEnregistrer
        ? QObject::tr("« %1 » est ouvert dans un autre VEXAL : %2.\nSi vous l'enregistrez ici, vous remplacez ce que "
                      "l'autre a ouvert, et il pourra effacer à son tour ce que vous enregistrez.")
        : QObject::tr("« %1 » est déjà ouvert dans un autre VEXAL : %2.\nSi vous l'ouvrez ici aussi, chacun pourra "
                      "effacer ce que l'autre enregistre.");
    const QString oOui = bEnregistrer ? QObject::tr("Enregistrer quand même") : QObject::tr("Ouvrir quand même");
    return Dialogues::Demander(poFenetre, oQuestion.arg(Montre(oFichier), oVerrou.moQui),
                               {oOui, QObject::tr("Annuler")}, 1)
        == 0;
}

QString Montre(const QString& oFichier)
{
    return QDir::toNativeSeparators(oFichier);
}

bool RemplacerChangement(QWidget* poFenetre, const QString& oFichier)
{
    const QString oQuestion = QObject::tr("« %1 » a été modifié sur le disque depuis que vous l'avez ouvert ou "
                                          "enregistré, sans doute par un autre programme.\nL'enregistrer quand même et "
                                          "remplacer ces modifications ?")
                                  .arg(Montre(oFichier));
    return Dialogues::Demander(poFenetre, oQuestion, {QObject::tr("Enregistrer quand même"), QObject::tr("Annuler")}, 1)
        == 0;
}
}
