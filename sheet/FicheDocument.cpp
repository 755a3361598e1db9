#include "Fiche.h"

#include "CopieRecuperation.h"
#include "Dialogues.h"
#include "FenetreNotes.h"
#include "FichiersRecents.h"
#include "NomFichier.h"
#include "Recuperations.h"
#include "fichier/FichierPersonnage.h"
#include "model/Grade.h"
#include "model/Personnage.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QRegularExpression>
#include <QUndoStack>

#include <algorithm>

namespace
{
// Typing a name letter by letter is one step.
constexpr int kFusionNom = 1;

QString Filtre()
{
    return QObject::tr("Personnages VEXAL (*%1)").arg(QLatin1String(FichierPersonnage::kExtension));
}

bool MemesNoms(const std::vector<Niveau>& oGauche, const std::vector<Niveau>& oDroite)
{
    return std::equal(oGauche.begin(), oGauche.end(), oDroite.begin(), oDroite.end(),
                      [](const Niveau& a, const Niveau& b) { return a.moNom == b.moNom; });
}

QString Montre(const QString& oFichier)
{
    return QDir::toNativeSeparators(oFichier);
}

QAction* Action(QWidget* poFiche, const QString& oTexte, QKeySequence::StandardKey eTouches)
{
    auto* poAction = new QAction(oTexte, poFiche);
    poAction->setShortcuts(eTouches);
    poFiche->addAction(poAction);
    return poAction;
}
}

void Fiche::ConnecterDocument()
{
    QAction* poOuvrir = Action(this, Ouvrir->text(), QKeySequence::Open);
    QAction* poEnregistrer = Action(this, Enregistrer->text(), QKeySequence::Save);
    QAction* poEnregistrerSous = Action(this, tr("Enregistrer sous…"), QKeySequence::SaveAs);
    QAction* poAnnuler = Action(this, Annuler->text(), QKeySequence::Undo);
    QAction* poRetablir = Action(this, Retablir->text(), QKeySequence::Redo);
    connect(poOuvrir, &QAction::triggered, this, &Fiche::OuvrirAction);
    connect(poEnregistrer, &QAction::triggered, this, &Fiche::EnregistrerAction);
    connect(poEnregistrerSous, &QAction::triggered, this, &Fiche::EnregistrerSousAction);
    // Notes typed a moment ago are a step of their own, which an undo takes back first.
    const auto Pas = [this](bool bRetablir) {
        return [this, bRetablir] {
            ValiderSaisie();
            if (bRetablir)
                mpoPile->redo();
            else
                mpoPile->undo();
        };
    };
    connect(poAnnuler, &QAction::triggered, this, Pas(false));
    connect(poRetablir, &QAction::triggered, this, Pas(true));
    QAction* poImprimer = Action(this, Imprimer->text(), QKeySequence::Print);
    connect(poImprimer, &QAction::triggered, this, &Fiche::ImprimerAction);
    connect(Imprimer, &QPushButton::clicked, poImprimer, &QAction::trigger);
    connect(Pdf, &QPushButton::clicked, this, &Fiche::PdfAction);
    connect(Notes, &QPushButton::clicked, this, &Fiche::OuvrirNotes);

    connect(Ouvrir, &QToolButton::clicked, poOuvrir, &QAction::trigger);
    // Its arrow offers the files last opened or saved.
    auto* poRecents = new QMenu(Ouvrir);
    connect(poRecents, &QMenu::aboutToShow, this, [this, poRecents] { MontrerRecents(poRecents); });
    Ouvrir->setMenu(poRecents);
    Ouvrir->setPopupMode(QToolButton::MenuButtonPopup);
    connect(Annuler, &QPushButton::clicked, poAnnuler, &QAction::trigger);
    connect(Retablir, &QPushButton::clicked, poRetablir, &QAction::trigger);
    // The save button saves; its arrow offers to save under another name.
    auto* poMenu = new QMenu(Enregistrer);
    poMenu->addAction(poEnregistrerSous);
    Enregistrer->setMenu(poMenu);
    Enregistrer->setPopupMode(QToolButton::MenuButtonPopup);
    connect(Enregistrer, &QToolButton::clicked, poEnregistrer, &QAction::trigger);

    for (auto [poBouton, poAction] : {std::pair{Annuler, poAnnuler}, std::pair{Retablir, poRetablir}})
    {
        poBouton->setEnabled(false);
        poAction->setEnabled(false);
    }
    connect(mpoPile, &QUndoStack::canUndoChanged, Annuler, &QWidget::setEnabled);
    connect(mpoPile, &QUndoStack::canUndoChanged, poAnnuler, &QAction::setEnabled);
    connect(mpoPile, &QUndoStack::canRedoChanged, Retablir, &QWidget::setEnabled);
    connect(mpoPile, &QUndoStack::canRedoChanged, poRetablir, &QAction::setEnabled);
    connect(mpoPile, &QUndoStack::undoTextChanged, Annuler, [this](const QString& oTexte) {
        Annuler->setToolTip(oTexte.isEmpty() ? QString() : tr("Annuler : %1").arg(oTexte));
    });
    connect(mpoPile, &QUndoStack::redoTextChanged, Retablir, [this](const QString& oTexte) {
        Retablir->setToolTip(oTexte.isEmpty() ? QString() : tr("Rétablir : %1").arg(oTexte));
    });
    connect(mpoPile, &QUndoStack::cleanChanged, this, &Fiche::MettreAJourTitre);
    // The recovery copy follows every step, and goes once the character is back to its file.
    connect(mpoPile, &QUndoStack::indexChanged, this, &Fiche::SuivreCopie);
    connect(mpoPile, &QUndoStack::cleanChanged, this, &Fiche::SuivreCopie);
    connect(NomValue, &QLineEdit::textEdited, this, &Fiche::UpdateNom);
    // Far more steps than a session makes; each keeps one state of the character, shared with the step beside it.
    mpoPile->setUndoLimit(1000);
}

void Fiche::Editer(const QString& oTexte, const std::function<void(Personnage&)>& fEdition, int nFusion)
{
    mpoPerso->OublierRaisons();
    fEdition(*mpoPerso);
    AnnoncerRaisons();
    auto poApres = std::make_shared<const EtatPersonnage>(mpoPerso->GetEtat());
    if (*poApres == *mpoEtat)
        return;
    EtatPartage poAvant = std::exchange(mpoEtat, poApres);
    Suivre(*poAvant);
    mpoPile->push(new CommandeEdition(oTexte, std::move(poAvant), std::move(poApres),
                                      [this](const EtatPartage& poEtat) { Montrer(poEtat); }, nFusion));
    MettreAJourTitre();
}

void Fiche::Montrer(const EtatPartage& poEtat)
{
    // Every state on the stack came from this character, and the character takes it back as it gave it.
    mpoPerso->Restaurer(*poEtat);
    EtatPartage poAvant = std::exchange(mpoEtat, poEtat);
    SetCaractMaximum(Grade::LimitCaractMax(mpoPerso->GetGrade()));
    Suivre(*poAvant);
    Annoncer(QString());
    UpdateFiche();
    MettreAJourTitre();
}

void Fiche::Suivre(const EtatPersonnage& oAvant)
{
    const bool bMemesNoms =
        MemesNoms(mpoEtat->moTalents, oAvant.moTalents) && MemesNoms(mpoEtat->moPouvoirs, oAvant.moPouvoirs);
    if (!bMemesNoms)
        SynchroniserLignes();
    if (!bMemesNoms || mpoEtat->moSuperieur != oAvant.moSuperieur)
        mbListesAJour = false;
    MettreAJourAides();
}

void Fiche::OuvrirNotes()
{
    if (!mpoPerso)
        return;
    if (mpoNotes == nullptr)
    {
        mpoNotes = new FenetreNotes(this);
        connect(mpoNotes, &FenetreNotes::TexteChange, this, [this](const QString& oNotes) {
            Editer(tr("Notes"), [&oNotes](Personnage& oPerso) { oPerso.SetNotes(oNotes.toStdString()); });
        });
        mpoNotes->SetTexte(QString::fromStdString(mpoPerso->GetNotes()));
        MettreAJourTitre();
    }
    mpoNotes->show();
    mpoNotes->raise();
    mpoNotes->activateWindow();
}

void Fiche::ValiderNotes()
{
    if (mpoNotes != nullptr)
        mpoNotes->Valider();
}

void Fiche::SuivreCopie()
{
    if (mpoPile->isClean())
        mpoCopie->Retirer();
    else
    {
        mbLache = false;
        mpoCopie->Noter(mpoEtat, moLien.Nom());
    }
}

void Fiche::Lacher()
{
    mbLache = true;
    mpoCopie->Retirer();
}

void Fiche::ValiderSaisie()
{
    ValiderNotes();
    // The box itself or its line edit holds the focus, whichever Qt gave it.
    QWidget* poFocus = focusWidget();
    auto* poBoite = qobject_cast<QAbstractSpinBox*>(poFocus);
    if (poBoite == nullptr && poFocus != nullptr)
        poBoite = qobject_cast<QAbstractSpinBox*>(poFocus->parentWidget());
    if (poBoite == nullptr)
        return;
    if (!poBoite->hasAcceptableInput())
        Annoncer(tr("« %1 » ne peut pas être pris : la case reprend sa valeur").arg(poBoite->text()), true);
    poBoite->interpretText();
}

void Fiche::UpdateNom()
{
    if (!mpoPerso)
        return;
    Editer(tr("Nom"), [this](Personnage& oPerso) { oPerso.SetNom(NomValue->text().toStdString()); }, kFusionNom);
}

void Fiche::MettreAJourTitre()
{
    const QString oProgramme = tr("VEXAL Fiche de perso Version 1.0");
    const QString oNom = mpoPerso ? QString::fromStdString(mpoPerso->GetNom()) : QString();
    const QString oFichier = QFileInfo(moLien.Nom()).fileName();
    if (mpoNotes != nullptr)
        mpoNotes->setWindowTitle(oNom.isEmpty() ? tr("Notes") : tr("Notes : %1").arg(oNom));
    const QString oQui = oNom.isEmpty() || oFichier.isEmpty() ? oNom + oFichier : tr("%1 (%2)").arg(oNom, oFichier);
    const bool bModifie = !mpoPile->isClean();
    // The mark goes where Qt shows it, and a new character untouched reads as the program alone.
    if (oQui.isEmpty())
        setWindowTitle(bModifie ? oProgramme + QStringLiteral("[*]") : oProgramme);
    else
        setWindowTitle(oQui + QStringLiteral("[*] - ") + oProgramme);
    setWindowModified(bModifie);
    setWindowFilePath(moLien.Nom());
}

QString Fiche::NomPropose(const char* oExtension) const
{
    QString oNom = QString::fromStdString(mpoPerso->GetNom()).trimmed();
    // Characters a file name may not hold on some system.
    oNom.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    if (oNom.isEmpty())
        oNom = tr("personnage");
    return QDir(Dialogues::Dossier()).filePath(oNom + QLatin1String(oExtension));
}

bool Fiche::PeutAbandonner()
{
    ValiderSaisie();
    if (!mpoPerso || mbLache || mpoPile->isClean())
        return true;
    // The player sees what is at stake.
    show();
    raise();
    const QString oNom = QString::fromStdString(mpoPerso->GetNom());
    const QString oQui = oNom.isEmpty() ? tr("Le personnage") : tr("« %1 »").arg(oNom);
    switch (Dialogues::DemanderEnregistrer(
        this, tr("%1 a des modifications qui ne sont pas enregistrées.\nLes enregistrer avant de le fermer ?").arg(oQui)))
    {
    case Dialogues::Reponse::Enregistrer:
        return EnregistrerAction();
    case Dialogues::Reponse::NePasEnregistrer:
        Lacher();
        return true;
    case Dialogues::Reponse::Annuler:
        break;
    }
    return false;
}

bool Fiche::Verrouiller(const QString& oFichier, std::unique_ptr<QLockFile>& poVerrou)
{
    QString oQui;
    poVerrou = LienFichier::Verrouiller(oFichier, oQui);
    return oQui.isEmpty()
        || Dialogues::Demander(this,
                               tr("« %1 » est déjà ouvert dans un autre VEXAL : %2.\nSi vous l'ouvrez ici aussi, "
                                  "chacun pourra effacer ce que l'autre enregistre.")
                                   .arg(Montre(oFichier), oQui),
                               {tr("Ouvrir quand même"), tr("Annuler")}, 1)
        == 0;
}

bool Fiche::OuvrirFichier(const QString& oFichier)
{
    std::unique_ptr<QLockFile> poVerrou;
    if (!Verrouiller(oFichier, poVerrou))
        return false;
    const QByteArray oOctets = NomFichier::Octets(oFichier);
    // Taken before the file is read: a write that slips in between is taken for somebody else's.
    const Empreinte oEmpreinte = EmpreinteDe(oOctets.constData());
    std::string oErreur;
    std::unique_ptr<Personnage> poPerso = FichierPersonnage::Ouvrir(oOctets.constData(), oErreur);
    if (!poPerso)
    {
        Dialogues::Avertir(this, tr("Ouvrir"),
                           tr("Impossible d'ouvrir « %1 ».\n\n%2.").arg(Montre(oFichier), QString::fromStdString(oErreur)));
        return false;
    }
    PrendrePerso(poPerso.release(), Dialogues::Retenir(oFichier), std::move(poVerrou), oEmpreinte);
    FichiersRecents::Noter(oFichier);
    Annoncer(QString());
    return true;
}

bool Fiche::Recuperer(CopieOrpheline& oCopie)
{
    std::string oErreur;
    std::unique_ptr<Personnage> poPerso = FichierPersonnage::Creer(*oCopie.moEtat, oErreur);
    std::unique_ptr<QLockFile> poVerrou;
    if (!poPerso || (!oCopie.moOrigine.isEmpty() && !Verrouiller(oCopie.moOrigine, poVerrou)))
        return false;
    PrendrePerso(poPerso.release(), oCopie.moOrigine, std::move(poVerrou),
                 EmpreinteDe(NomFichier::Octets(oCopie.moOrigine).constData()));
    mpoCopie->Adopter(oCopie.moChemin, std::move(oCopie.mpoVerrou));
    // What the copy holds was never saved.
    mpoPile->resetClean();
    Annoncer(tr("Personnage récupéré : enregistrez-le pour garder ses modifications"));
    return true;
}

void Fiche::MontrerRecents(QMenu* poMenu)
{
    poMenu->clear();
    const QStringList oRecents = FichiersRecents::Liste();
    for (qsizetype n = 0; n < oRecents.size(); ++n)
    {
        const QString oFichier = oRecents[n];
        QAction* poAction =
            poMenu->addAction(tr("&%1 %2").arg(n + 1).arg(QFileInfo(oFichier).fileName()), this, [this, oFichier] {
                if (PeutAbandonner())
                    OuvrirFichier(oFichier);
            });
        poAction->setToolTip(Montre(oFichier));
        poAction->setStatusTip(Montre(oFichier));
    }
    if (oRecents.isEmpty())
        poMenu->addAction(tr("Aucun fichier récent"))->setEnabled(false);
}

bool Fiche::OuvrirAction()
{
    if (!PeutAbandonner())
        return false;
    const QString oFichier = Dialogues::NomPourOuvrir(this, tr("Ouvrir un personnage"), Dialogues::Dossier(), Filtre());
    return !oFichier.isEmpty() && OuvrirFichier(oFichier);
}

bool Fiche::EnregistrerAction()
{
    if (!mpoPerso)
        return false;
    if (moLien.Nom().isEmpty())
        return EnregistrerSousAction();
    return EnregistrerDans(moLien.Nom());
}

bool Fiche::EnregistrerSousAction()
{
    if (!mpoPerso)
        return false;
    const QString oPropose = moLien.Nom().isEmpty() ? NomPropose(FichierPersonnage::kExtension) : moLien.Nom();
    const QString oFichier = Dialogues::NomPourEnregistrer(this, tr("Enregistrer le personnage"), oPropose, Filtre(),
                                                           QString::fromLatin1(FichierPersonnage::kExtension + 1));
    return !oFichier.isEmpty() && EnregistrerDans(oFichier);
}

bool Fiche::EnregistrerDans(const QString& oFichier)
{
    ValiderSaisie();
    const bool bMemeFichier = oFichier == moLien.Nom();
    if (bMemeFichier && moLien.ChangeSurDisque()
        && Dialogues::Demander(this,
                               tr("« %1 » a été modifié sur le disque depuis que vous l'avez ouvert ou enregistré, "
                                  "sans doute par un autre programme.\nL'enregistrer quand même et remplacer ces "
                                  "modifications ?")
                                   .arg(Montre(oFichier)),
                               {tr("Enregistrer quand même"), tr("Annuler")}, 1)
               != 0)
        return false;
    std::string oErreur;
    const QByteArray oOctets = NomFichier::Octets(oFichier);
    if (!FichierPersonnage::Enregistrer(*mpoPerso, oOctets.constData(), oErreur))
    {
        Dialogues::Avertir(this, tr("Enregistrer"),
                           tr("Impossible d'enregistrer « %1 » : %2.\nLe fichier sur le disque n'a pas changé.")
                               .arg(Montre(oFichier), QString::fromStdString(oErreur)));
        return false;
    }
    if (bMemeFichier)
        moLien.Noter();
    else
    {
        // Another program holding the new file's lock will hear of this save when it saves itself.
        QString oQui;
        moLien.Attacher(oFichier, LienFichier::Verrouiller(oFichier, oQui), EmpreinteDe(oOctets.constData()));
    }
    FichiersRecents::Noter(oFichier);
    mpoPile->setClean();
    MettreAJourTitre();
    Annoncer(tr("Personnage enregistré : %1").arg(Montre(oFichier)));
    return true;
}

void Fiche::closeEvent(QCloseEvent* poEvent)
{
    // A sheet with unsaved changes asks as it closes; closed, it only hides and keeps its character.
    if (!PeutAbandonner())
    {
        poEvent->ignore();
        return;
    }
    if (mpoNotes != nullptr)
        mpoNotes->close();
    QWidget::closeEvent(poEvent);
}
