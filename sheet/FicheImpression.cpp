#include "Fiche.h"

#include "Dialogues.h"
#include "FeuilleImprimee.h"
#include "FichierPdf.h"
#include "NomFichier.h"
#include "model/Personnage.h"

#include <QDir>
#include <QPrinter>

void Fiche::PdfAction()
{
    if (!mpoPerso)
        return;
    ValiderSaisie();
    const QString oFichier = Dialogues::NomPourEnregistrer(this, tr("Enregistrer la feuille en PDF"), NomPropose(".pdf"),
                                                           tr("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (oFichier.isEmpty())
        return;
    Remplacement oOptions;
    oOptions.moSource = NomFichier::Octets(moLien.Nom()).toStdString();
    QString oRaison;
    if (!ImprimerPdf(*mpoPerso, NomFichier::Octets(oFichier).constData(), oRaison, oOptions))
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
    ValiderSaisie();
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
