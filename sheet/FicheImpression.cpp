#include "Fiche.h"

#include "Dialogues.h"
#include "FeuilleImprimee.h"
#include "FichierPdf.h"
#include "model/Personnage.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

void Fiche::PdfAction()
{
    if (!mpoPerso)
        return;
    ValiderNotes();
    QString oFichier =
        Dialogues::NomPourEnregistrer(this, tr("Enregistrer la feuille en PDF"), NomPropose(".pdf"), tr("PDF (*.pdf)"));
    if (oFichier.isEmpty())
        return;
    if (QFileInfo(oFichier).suffix().isEmpty())
        oFichier += QStringLiteral(".pdf");
    QString oRaison;
    if (!ImprimerPdf(*mpoPerso, oFichier, oRaison))
    {
        Dialogues::Avertir(this, tr("PDF"), oRaison + QStringLiteral("."));
        return;
    }
    Annoncer(tr("Feuille enregistrée en PDF : %1").arg(QDir::toNativeSeparators(oFichier)));
}

void Fiche::ImprimerAction()
{
    if (!mpoPerso)
        return;
    ValiderNotes();
    QPrinter oImprimante(QPrinter::HighResolution);
    oImprimante.setDocName(QString::fromStdString(mpoPerso->GetNom()));
    if (!Dialogues::ChoisirImprimante(this, oImprimante))
        return;
    if (ImprimerFeuille(*mpoPerso, oImprimante) == 0)
    {
        Dialogues::Avertir(this, tr("Imprimer"), tr("L'imprimante n'a pas pu être utilisée."));
        return;
    }
    Annoncer(tr("Feuille envoyée à l'imprimante"));
}
