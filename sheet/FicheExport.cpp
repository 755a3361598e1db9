#include "Fiche.h"

#include "Dialogues.h"
#include "model/Personnage.h"

#include <QDir>
#include <QFile>

void Fiche::ExportAction()
{
    if (!mpoPerso)
        return;
    ValiderNotes();
    const QString oNom = Dialogues::NomPourEnregistrer(this, tr("Choose a file"), NomPropose(".txt"));
    if (oNom.isEmpty())
        return;
    // The platform's own file-name encoding, so the file bears exactly the name the player chose.
    if (!mpoPerso->Export(QFile::encodeName(oNom).constData()))
    {
        Dialogues::Avertir(this, tr("Export"),
                           tr("Impossible d'ecrire le fichier %1").arg(QDir::toNativeSeparators(oNom)));
        return;
    }
    Annoncer(tr("Fiche exportée : %1").arg(QDir::toNativeSeparators(oNom)));
}

void Fiche::ExportPressed()
{
    ExportAction();
}
