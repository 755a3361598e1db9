#include "Fiche.h"

#include "Dialogues.h"
#include "NomFichier.h"
#include "disque/FichierAtomique.h"
#include "model/Personnage.h"

#include <QDir>

void Fiche::ExportAction()
{
    if (!mpoPerso)
        return;
    ValiderSaisie();
    const QString oNom = Dialogues::NomPourEnregistrer(this, tr("Choose a file"), NomPropose(".txt"));
    if (oNom.isEmpty())
        return;
    // The export never takes the place of the character's own file, whatever name leads to it.
    Remplacement oOptions;
    oOptions.moSource = NomFichier::Octets(moLien.Nom()).toStdString();
    std::string oRaison;
    if (!RemplacerFichier(NomFichier::Octets(oNom).constData(), mpoPerso->TexteExport(), &oRaison, oOptions))
    {
        Dialogues::Avertir(this, tr("Export"),
                           tr("Impossible d'écrire le fichier %1 : %2.")
                               .arg(QDir::toNativeSeparators(oNom), QString::fromStdString(oRaison)));
        return;
    }
    Annoncer(tr("Fiche exportée : %1").arg(QDir::toNativeSeparators(oNom)));
}

void Fiche::ExportPressed()
{
    ExportAction();
}
