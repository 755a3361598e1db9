#include "CommandesFichier.h"

#include "ChoixFichier.h"
#include "Dialogues.h"
#include "DocumentPersonnage.h"
#include "Documents.h"
#include "DossierPartage.h"
#include "FeuilleImprimee.h"
#include "Fiche.h"
#include "FichierPage.h"
#include "FichierPdf.h"
#include "FichiersRecents.h"
#include "NomFichier.h"
#include "Recuperations.h"
#include "TextePlain.h"
#include "Touches.h"
#include "disque/FichierAtomique.h"
#include "model/Personnage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QUndoStack>

#include <utility>

// A file the sheet is written to: its dialog's title, suffix and filter, the warning's title, what is announced once
// it is written, and the writer, which says why it could not write.
struct SortieFeuille
{
    QString moTitre;
    QString moSuffixe;
    QString moFiltre;
    QString moQuoi;
    QString moAnnonce;
    bool (*mpEcrire)(const Personnage&, const Journal&, const char*, QString&, const Remplacement&);
};

namespace
{
using ChoixFichier::Montre;

QAction* Action(QWidget& oFenetre, const QString& oTexte, QKeySequence::StandardKey eTouches)
{
    auto* poAction = new QAction(oTexte, &oFenetre);
    poAction->setShortcuts(Touches::De(eTouches));
    oFenetre.addAction(poAction);
    return poAction;
}

QString Bulle(const QString& oModele, const QString& oPas)
{
    return oPas.isEmpty() ? QString() : TextePlain::Bulle(oModele.arg(oPas));
}

// The button and the action both grey out when the stack has nothing that way, and name the step when it has.
template <class Possible, class Signal, class Texte, class SignalTexte>
void SuivrePile(QList<QMetaObject::Connection>& oLiens, QUndoStack* poPile, QAbstractButton* poBouton,
                QAction* poAction, Possible pPossible, Signal pChange, Texte pTexte, SignalTexte pTexteChange,
                const QString& oModele)
{
    poBouton->setEnabled((poPile->*pPossible)());
    poAction->setEnabled((poPile->*pPossible)());
    poBouton->setToolTip(Bulle(oModele, (poPile->*pTexte)()));
    oLiens << QObject::connect(poPile, pChange, poBouton, &QWidget::setEnabled)
           << QObject::connect(poPile, pChange, poAction, &QAction::setEnabled)
           << QObject::connect(poPile, pTexteChange, poBouton, [poBouton, oModele](const QString& oPas) {
                  poBouton->setToolTip(Bulle(oModele, oPas));
              });
}
}

CommandesFichier::CommandesFichier(Fiche& oFiche)
    : QObject(&oFiche),
      moFenetre(oFiche),
      moFiche(oFiche)
{
    Installer(oFiche);
}

DocumentPersonnage& CommandesFichier::Document() const
{
    return moFiche.GetDocument();
}

void CommandesFichier::Lier(DocumentPersonnage& oDocument)
{
    for (const QMetaObject::Connection& oLien : std::exchange(moLiensPile, {}))
        disconnect(oLien);
    QUndoStack* poPile = oDocument.GetPile();
    SuivrePile(moLiensPile, poPile, moFiche.Annuler, mpoAnnuler, &QUndoStack::canUndo, &QUndoStack::canUndoChanged,
               &QUndoStack::undoText, &QUndoStack::undoTextChanged, tr("Annuler : %1"));
    SuivrePile(moLiensPile, poPile, moFiche.Retablir, mpoRetablir, &QUndoStack::canRedo, &QUndoStack::canRedoChanged,
               &QUndoStack::redoText, &QUndoStack::redoTextChanged, tr("Rétablir : %1"));
}

void CommandesFichier::Installer(Ui::VEXALFiche& oForme)
{
    QAction* poOuvrir = Action(moFenetre, oForme.Ouvrir->text(), QKeySequence::Open);
    QAction* poEnregistrer = Action(moFenetre, oForme.Enregistrer->text(), QKeySequence::Save);
    QAction* poEnregistrerSous = Action(moFenetre, tr("Enregistrer sous…"), QKeySequence::SaveAs);
    mpoAnnuler = Action(moFenetre, oForme.Annuler->text(), QKeySequence::Undo);
    mpoRetablir = Action(moFenetre, oForme.Retablir->text(), QKeySequence::Redo);
    QAction* poImprimer = Action(moFenetre, oForme.Imprimer->text(), QKeySequence::Print);
    connect(poOuvrir, &QAction::triggered, this, &CommandesFichier::Ouvrir);
    connect(poEnregistrer, &QAction::triggered, this, &CommandesFichier::Enregistrer);
    connect(poEnregistrerSous, &QAction::triggered, this, &CommandesFichier::EnregistrerSous);
    connect(poImprimer, &QAction::triggered, this, &CommandesFichier::Imprimer);
    // What is being typed is a step of its own, which an undo takes back first.
    connect(mpoAnnuler, &QAction::triggered, this, [this] {
        emit Valider();
        Document().GetPile()->undo();
    });
    connect(mpoRetablir, &QAction::triggered, this, [this] {
        emit Valider();
        Document().GetPile()->redo();
    });
    connect(oForme.Ouvrir, &QToolButton::clicked, poOuvrir, &QAction::trigger);
    connect(oForme.Enregistrer, &QToolButton::clicked, poEnregistrer, &QAction::trigger);
    connect(oForme.Annuler, &QPushButton::clicked, mpoAnnuler, &QAction::trigger);
    connect(oForme.Retablir, &QPushButton::clicked, mpoRetablir, &QAction::trigger);
    connect(oForme.Imprimer, &QPushButton::clicked, poImprimer, &QAction::trigger);
    connect(oForme.Pdf, &QPushButton::clicked, this, &CommandesFichier::Pdf);
    connect(oForme.PageWeb, &QPushButton::clicked, this, &CommandesFichier::PageWeb);
    // The open button's arrow offers the files last opened or saved; the save button's, to save under another name.
    auto* poRecents = new QMenu(oForme.Ouvrir);
    connect(poRecents, &QMenu::aboutToShow, this, [this, poRecents] { MontrerRecents(poRecents); });
    oForme.Ouvrir->setMenu(poRecents);
    oForme.Ouvrir->setPopupMode(QToolButton::MenuButtonPopup);
    auto* poAutreNom = new QMenu(oForme.Enregistrer);
    poAutreNom->addAction(poEnregistrerSous);
    poAutreNom->addAction(tr("Dossier de partage…"), this, &CommandesFichier::ChoisirPartage);
    oForme.Enregistrer->setMenu(poAutreNom);
    oForme.Enregistrer->setPopupMode(QToolButton::MenuButtonPopup);
}

QString CommandesFichier::NomPropose(const QString& oExtension) const
{
    return ChoixFichier::NomPropose(QString::fromStdString(Document().GetPerso()->GetNom()), tr("personnage"),
                                    oExtension);
}

Remplacement CommandesFichier::HorsDuPersonnage() const
{
    // An export or a PDF never takes the place of the character's own file, whatever name leads to it.
    Remplacement oOptions;
    oOptions.moSource = NomFichier::Octets(Document().GetFichier()).toStdString();
    return oOptions;
}

bool CommandesFichier::PeutAbandonner()
{
    emit Valider();
    if (!Document().EstModifie())
        return true;
    // The player sees what is at stake.
    moFenetre.show();
    moFenetre.raise();
    const QString oNom = QString::fromStdString(Document().GetPerso()->GetNom());
    const QString oQui = oNom.isEmpty() ? tr("Le personnage") : tr("« %1 »").arg(oNom);
    switch (Dialogues::DemanderEnregistrer(
        &moFenetre,
        tr("%1 a des modifications qui ne sont pas enregistrées.\nLes enregistrer avant de le fermer ?").arg(oQui)))
    {
    case Dialogues::Reponse::Enregistrer:
        return Enregistrer();
    case Dialogues::Reponse::NePasEnregistrer:
        // Another view goes on showing a shared character: it shows it as saved.
        if (moFiche.DocumentPartage())
            Document().Revenir();
        else
            Document().Lacher();
        return true;
    case Dialogues::Reponse::Annuler:
        break;
    }
    return false;
}

bool CommandesFichier::Verrouiller(const QString& oFichier, std::unique_ptr<QLockFile>& poVerrou, bool bEnregistrer)
{
    return ChoixFichier::Verrouiller(&moFenetre, oFichier, poVerrou, bEnregistrer, moSansVerrou);
}

bool CommandesFichier::Ouvrir()
{
    const QString oFichier = Dialogues::NomPourOuvrir(&moFenetre, tr("Ouvrir un personnage ou une table"),
                                                      Dialogues::Dossier(), ChoixFichier::FiltreOuvrir());
    return !oFichier.isEmpty() && Prendre(oFichier);
}

bool CommandesFichier::Prendre(const QString& oFichier)
{
    if (!ChoixFichier::EstTable(oFichier))
        return PeutAbandonner() && OuvrirFichier(oFichier);
    emit TableChoisie(oFichier);
    return false;
}

bool CommandesFichier::OuvrirFichier(const QString& oNom)
{
    const QString oFichier = NomFichier::Canonique(oNom);
    Dialogues::Retenir(oFichier);
    // A character open in another view of this program is that very one, not a second reading of its file; the
    // sheet's own is read again.
    std::shared_ptr<DocumentPersonnage> poOuvert = Documents::Pour(oFichier);
    if (poOuvert && poOuvert.get() != &Document())
    {
        moFiche.Lier(std::move(poOuvert));
        FichiersRecents::Noter(oFichier);
        return true;
    }
    std::unique_ptr<QLockFile> poVerrou;
    moSansVerrou.clear();
    if (!Verrouiller(oFichier, poVerrou, false))
        return false;
    std::shared_ptr<DocumentPersonnage> poDocument = poOuvert ? poOuvert : moFiche.DocumentLibre();
    const QString oRaison = poDocument->Ouvrir(oFichier, std::move(poVerrou));
    if (!oRaison.isEmpty())
    {
        Dialogues::Avertir(&moFenetre, tr("Ouvrir"),
                           tr("Impossible d'ouvrir « %1 ».\n\n%2.").arg(Montre(oFichier), oRaison));
        return false;
    }
    moFiche.Lier(std::move(poDocument));
    FichiersRecents::Noter(oFichier);
    if (!moSansVerrou.isEmpty())
        emit Annonce(moSansVerrou, false);
    return true;
}

bool CommandesFichier::Recuperer(CopieOrpheline& oCopie)
{
    const QString oOrigine = oCopie.moRaisonOrigine.isEmpty()
        ? NomFichier::DepuisOctets(QByteArray::fromStdString(oCopie.moOrigine.moNom))
        : QString();
    std::unique_ptr<QLockFile> poVerrou;
    if (!oOrigine.isEmpty() && !Verrouiller(NomFichier::Canonique(oOrigine), poVerrou, false))
        return false;
    std::shared_ptr<DocumentPersonnage> poDocument = moFiche.DocumentLibre();
    if (!poDocument->Recuperer(oCopie, std::move(poVerrou)).isEmpty())
        return false;
    moFiche.Lier(std::move(poDocument));
    return true;
}

void CommandesFichier::MontrerRecents(QMenu* poMenu)
{
    poMenu->clear();
    const QStringList oRecents = FichiersRecents::Liste();
    QStringList oNoms;
    for (const QString& oFichier : oRecents)
        oNoms << QFileInfo(oFichier).fileName();
    for (qsizetype n = 0; n < oRecents.size(); ++n)
    {
        const QString oFichier = oRecents[n];
        // Two files of one name are told apart by their folders.
        QString oTexte = oNoms[n];
        if (oNoms.count(oNoms[n]) > 1)
            oTexte = tr("%1 (%2)").arg(oTexte, Montre(QFileInfo(oFichier).path()));
        oTexte.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* poAction =
            poMenu->addAction(tr("&%1 %2").arg(n + 1).arg(oTexte), this, [this, oFichier] { Prendre(oFichier); });
        poAction->setToolTip(TextePlain::Bulle(Montre(oFichier)));
        poAction->setStatusTip(Montre(oFichier));
    }
    if (oRecents.isEmpty())
        poMenu->addAction(tr("Aucun fichier récent"))->setEnabled(false);
}

bool CommandesFichier::Enregistrer()
{
    if (!Document().GetPerso())
        return false;
    if (Document().GetFichier().isEmpty())
        return EnregistrerSous();
    return EnregistrerDans(Document().GetFichier());
}

bool CommandesFichier::EnregistrerSous()
{
    if (!Document().GetPerso())
        return false;
    const QString oExtension = DocumentPersonnage::Extension();
    const QString oPropose =
        Document().GetFichier().isEmpty() ? NomPropose(QLatin1Char('.') + oExtension) : Document().GetFichier();
    const QString oFichier =
        Dialogues::NomPourEnregistrer(&moFenetre, tr("Enregistrer le personnage"), oPropose,
                                      ChoixFichier::FiltrePersonnages(), oExtension);
    return !oFichier.isEmpty() && EnregistrerDans(oFichier);
}

bool CommandesFichier::EnregistrerDans(const QString& oNom)
{
    emit Valider();
    const QString oFichier = NomFichier::Canonique(oNom);
    // A file another VEXAL has open is only replaced if the player says so.
    std::unique_ptr<QLockFile> poVerrou;
    moSansVerrou.clear();
    if (oFichier != Document().GetFichier() && !Verrouiller(oFichier, poVerrou, true))
        return false;
    if (oFichier == Document().GetFichier() && Document().ChangeSurDisque()
        && !ChoixFichier::RemplacerChangement(&moFenetre, oFichier))
        return false;
    QString oAvertissement;
    const QString oRaison = Document().Enregistrer(oFichier, std::move(poVerrou), &oAvertissement);
    if (!oRaison.isEmpty())
    {
        Dialogues::Avertir(&moFenetre, tr("Enregistrer"),
                           tr("Impossible d'enregistrer « %1 » : %2.\nLe fichier sur le disque n'a pas changé.")
                               .arg(Montre(oFichier), oRaison));
        return false;
    }
    FichiersRecents::Noter(oFichier);
    QStringList oAnnonce{tr("Personnage enregistré : %1").arg(Montre(oFichier))};
    for (const QString& oAussi : {oAvertissement, moSansVerrou, Partager()})
    {
        if (!oAussi.isEmpty())
            oAnnonce << oAussi;
    }
    emit Annonce(oAnnonce.join(QStringLiteral(" ; ")), oAnnonce.size() > 1);
    return true;
}

void CommandesFichier::Exporter()
{
    if (!Document().GetPerso())
        return;
    emit Valider();
    const QString oNom =
        Dialogues::NomPourEnregistrer(&moFenetre, tr("Choose a file"), NomPropose(QStringLiteral(".txt")));
    if (oNom.isEmpty())
        return;
    std::string oRaison;
    if (!RemplacerFichier(NomFichier::Octets(oNom).constData(), Document().GetPerso()->TexteExport(), &oRaison,
                          HorsDuPersonnage()))
    {
        Dialogues::Avertir(&moFenetre, tr("Export"),
                           tr("Impossible d'écrire le fichier %1 : %2.")
                               .arg(Montre(oNom), QString::fromStdString(oRaison)));
        return;
    }
    emit Annonce(tr("Fiche exportée : %1").arg(Montre(oNom)));
}

void CommandesFichier::Pdf()
{
    EcrireFeuille({tr("Enregistrer la feuille en PDF"), QStringLiteral("pdf"), tr("PDF (*.pdf)"), tr("PDF"),
                   tr("Feuille enregistrée en PDF : %1"), ImprimerPdf});
}

void CommandesFichier::PageWeb()
{
    EcrireFeuille({tr("Enregistrer la page web"), QLatin1String(kExtensionPage),
                   tr("Pages web (*.%1)").arg(kExtensionPage), tr("Page web"), tr("Page web enregistrée : %1"),
                   EcrirePage});
}

void CommandesFichier::EcrireFeuille(const SortieFeuille& oSortie)
{
    if (!Document().GetPerso())
        return;
    emit Valider();
    const QString oFichier = Dialogues::NomPourEnregistrer(&moFenetre, oSortie.moTitre,
                                                           NomPropose(QLatin1Char('.') + oSortie.moSuffixe),
                                                           oSortie.moFiltre, oSortie.moSuffixe);
    if (oFichier.isEmpty())
        return;
    QString oRaison;
    if (!oSortie.mpEcrire(*Document().GetPerso(), *Document().GetJournal(), NomFichier::Octets(oFichier).constData(),
                          oRaison, HorsDuPersonnage()))
    {
        Dialogues::Avertir(&moFenetre, oSortie.moQuoi, oRaison + QStringLiteral("."));
        return;
    }
    emit Annonce(oSortie.moAnnonce.arg(Montre(oFichier)));
}

void CommandesFichier::ChoisirPartage()
{
    const QString oDossier =
        Dialogues::NomDeDossier(&moFenetre, tr("Dossier de partage des pages web"), DossierPartage::Lire());
    DossierPartage::Changer(oDossier);
    emit Annonce(oDossier.isEmpty()
                     ? tr("Plus de dossier de partage : les enregistrements n'écrivent plus de page web")
                     : tr("Dossier de partage : %1 ; chaque enregistrement y écrira la page web du personnage")
                           .arg(Montre(DossierPartage::Lire())));
}

QString CommandesFichier::Partager() const
{
    const QString oDossier = DossierPartage::Lire();
    if (oDossier.isEmpty())
        return {};
    const QString oNom = ChoixFichier::NomDeFichier(QString::fromStdString(Document().GetPerso()->GetNom()),
                                                    tr("personnage"));
    const QString oPage = QDir(oDossier).filePath(oNom + QLatin1Char('.') + QLatin1String(kExtensionPage));
    QString oRaison;
    EcrirePage(*Document().GetPerso(), *Document().GetJournal(), NomFichier::Octets(oPage).constData(), oRaison,
               HorsDuPersonnage());
    return oRaison;
}

void CommandesFichier::Imprimer()
{
    if (!Document().GetPerso())
        return;
    emit Valider();
    QPrinter oImprimante(QPrinter::HighResolution);
    oImprimante.setDocName(QString::fromStdString(Document().GetPerso()->GetNom()));
    if (!Dialogues::ChoisirImprimante(&moFenetre, oImprimante))
        return;
    if (ImprimerFeuille(*Document().GetPerso(), *Document().GetJournal(), oImprimante) == 0)
    {
        Dialogues::Avertir(&moFenetre, tr("Imprimer"), tr("L'imprimante n'a pas pu être utilisée."));
        return;
    }
    emit Annonce(tr("Feuille envoyée à l'imprimante"));
}
