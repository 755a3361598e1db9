#include "CommandesTable.h"

#include "ChoixFichier.h"
#include "Dialogues.h"
#include "DocumentTable.h"
#include "FenetreTable.h"
#include "FichiersRecents.h"
#include "NomFichier.h"
#include "NomsPersonnages.h"

#include <QLockFile>
#include <QStringList>

using ChoixFichier::Montre;

CommandesTable::CommandesTable(FenetreTable& oFenetre)
    : QObject(&oFenetre),
      moFenetre(oFenetre)
{
}

DocumentTable& CommandesTable::Table() const
{
    return moFenetre.GetTable();
}

bool CommandesTable::PeutAbandonner()
{
    if (!Table().EstModifie())
        return true;
    // The player sees what is at stake.
    moFenetre.show();
    moFenetre.raise();
    const QString oQui = Table().GetNom().isEmpty() ? tr("La table") : tr("La table « %1 »").arg(Table().GetNom());
    switch (Dialogues::DemanderEnregistrer(
        &moFenetre,
        tr("%1 a des modifications qui ne sont pas enregistrées.\nLes enregistrer avant de la fermer ?").arg(oQui)))
    {
    case Dialogues::Reponse::Enregistrer:
        return Enregistrer();
    case Dialogues::Reponse::NePasEnregistrer:
        Table().Lacher();
        return true;
    case Dialogues::Reponse::Annuler:
        break;
    }
    return false;
}

bool CommandesTable::Ouvrir()
{
    if (!PeutAbandonner())
        return false;
    const QString oFichier = Dialogues::NomPourOuvrir(&moFenetre, tr("Ouvrir une table de jeu"), Dialogues::Dossier(),
                                                      ChoixFichier::FiltreTables());
    return !oFichier.isEmpty() && OuvrirFichier(oFichier);
}

bool CommandesTable::OuvrirFichier(const QString& oNom)
{
    const QString oFichier = NomFichier::Canonique(oNom);
    Dialogues::Retenir(oFichier);
    std::unique_ptr<QLockFile> poVerrou;
    QString oSansVerrou;
    if (!ChoixFichier::Verrouiller(&moFenetre, oFichier, poVerrou, false, oSansVerrou))
        return false;
    if (const QString oRaison = Table().Ouvrir(oFichier, std::move(poVerrou)); !oRaison.isEmpty())
    {
        Refuser(tr("Ouvrir"), tr("Impossible d'ouvrir « %1 ».\n\n%2.").arg(Montre(oFichier), oRaison),
                tr("Table non ouverte : %1").arg(oRaison));
        return false;
    }
    FichiersRecents::Noter(oFichier);
    QString oAnnonce =
        tr("Table ouverte : %1").arg(Montre(oFichier)) + NomsPersonnages::Illisibles(Table().GetPersonnages());
    if (!oSansVerrou.isEmpty())
        oAnnonce += QStringLiteral(" ; ") + oSansVerrou;
    emit Annonce(oAnnonce);
    return true;
}

bool CommandesTable::Enregistrer()
{
    if (Table().GetFichier().isEmpty())
        return EnregistrerSous();
    return EnregistrerDans(Table().GetFichier());
}

bool CommandesTable::EnregistrerSous()
{
    const QString oExtension = DocumentTable::Extension();
    const QString oPropose = Table().GetFichier().isEmpty()
        ? ChoixFichier::NomPropose(Table().GetNom(), tr("table"), QLatin1Char('.') + oExtension)
        : Table().GetFichier();
    const QString oFichier = Dialogues::NomPourEnregistrer(&moFenetre, tr("Enregistrer la table de jeu"), oPropose,
                                                           ChoixFichier::FiltreTables(), oExtension);
    return !oFichier.isEmpty() && EnregistrerDans(oFichier);
}

bool CommandesTable::EnregistrerDans(const QString& oNom)
{
    const QString oFichier = NomFichier::Canonique(oNom);
    // A file another VEXAL has open is only replaced if the player says so.
    std::unique_ptr<QLockFile> poVerrou;
    QString oSansVerrou;
    if (oFichier != Table().GetFichier()
        && !ChoixFichier::Verrouiller(&moFenetre, oFichier, poVerrou, true, oSansVerrou))
        return false;
    if (oFichier == Table().GetFichier() && Table().ChangeSurDisque()
        && !ChoixFichier::RemplacerChangement(&moFenetre, oFichier))
        return false;
    QString oAvertissement;
    if (const QString oRaison = Table().Enregistrer(oFichier, std::move(poVerrou), &oAvertissement); !oRaison.isEmpty())
    {
        Refuser(tr("Enregistrer"),
                tr("Impossible d'enregistrer « %1 » : %2.\nLe fichier sur le disque n'a pas changé.")
                    .arg(Montre(oFichier), oRaison),
                tr("Table non enregistrée : %1").arg(oRaison));
        return false;
    }
    FichiersRecents::Noter(oFichier);
    QStringList oAnnonce{tr("Table enregistrée : %1").arg(Montre(oFichier))};
    for (const QString& oAussi : {oAvertissement, oSansVerrou})
    {
        if (!oAussi.isEmpty())
            oAnnonce << oAussi;
    }
    emit Annonce(oAnnonce.join(QStringLiteral(" ; ")));
    return true;
}

void CommandesTable::Refuser(const QString& oTitre, const QString& oTexte, const QString& oAnnonce)
{
    Dialogues::Avertir(&moFenetre, oTitre, oTexte);
    emit Annonce(oAnnonce);
}
