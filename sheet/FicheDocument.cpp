#include "Fiche.h"

#include "Dialogues.h"
#include "FenetreNotes.h"
#include "fichier/FichierPersonnage.h"
#include "model/Grade.h"
#include "model/Personnage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Another window of the program still on screen keeps it running when this one closes; the sheet's own notes
// window goes with the sheet.
bool EstDerniereFenetre(const QWidget* poFenetre)
{
    const QWidgetList oFenetres = QApplication::topLevelWidgets();
    return std::none_of(oFenetres.begin(), oFenetres.end(), [poFenetre](const QWidget* poAutre) {
        return poAutre != poFenetre && poAutre->parentWidget() == nullptr && poAutre->isVisible()
            && poAutre->windowType() == Qt::Window;
    });
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
            ValiderNotes();
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

    connect(Ouvrir, &QPushButton::clicked, poOuvrir, &QAction::trigger);
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

void Fiche::Reprendre()
{
    mpoPile->clear();
    moFichier.clear();
    MettreAJourTitre();
}

void Fiche::UpdateNom()
{
    if (!mpoPerso)
        return;
    Editer(tr("Nom"), [this](Personnage& oPerso) { oPerso.SetNom(NomValue->text().toStdString()); }, kFusionNom);
}

void Fiche::SetFichier(const QString& oFichier)
{
    moFichier = Dialogues::Retenir(oFichier);
    MettreAJourTitre();
}

void Fiche::MettreAJourTitre()
{
    const QString oProgramme = tr("VEXAL Fiche de perso Version 1.0");
    const QString oNom = mpoPerso ? QString::fromStdString(mpoPerso->GetNom()) : QString();
    const QString oFichier = QFileInfo(moFichier).fileName();
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
    setWindowFilePath(moFichier);
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
    ValiderNotes();
    if (!mpoPerso || mpoPile->isClean())
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
        return true;
    case Dialogues::Reponse::Annuler:
        break;
    }
    return false;
}

bool Fiche::OuvrirFichier(const QString& oFichier)
{
    std::string oErreur;
    std::unique_ptr<Personnage> poPerso = FichierPersonnage::Ouvrir(QFile::encodeName(oFichier).constData(), oErreur);
    if (!poPerso)
    {
        Dialogues::Avertir(this, tr("Ouvrir"),
                           tr("Impossible d'ouvrir « %1 ».\n\n%2.")
                               .arg(QDir::toNativeSeparators(oFichier), QString::fromStdString(oErreur)));
        return false;
    }
    SetPerso(poPerso.release());
    SetFichier(oFichier);
    return true;
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
    if (moFichier.isEmpty())
        return EnregistrerSousAction();
    return EnregistrerDans(moFichier);
}

bool Fiche::EnregistrerSousAction()
{
    if (!mpoPerso)
        return false;
    const QString oPropose = moFichier.isEmpty() ? NomPropose(FichierPersonnage::kExtension) : moFichier;
    QString oFichier = Dialogues::NomPourEnregistrer(this, tr("Enregistrer le personnage"), oPropose, Filtre());
    if (oFichier.isEmpty())
        return false;
    if (QFileInfo(oFichier).suffix().isEmpty())
        oFichier += QLatin1String(FichierPersonnage::kExtension);
    return EnregistrerDans(oFichier);
}

bool Fiche::EnregistrerDans(const QString& oFichier)
{
    ValiderNotes();
    std::string oErreur;
    if (!FichierPersonnage::Enregistrer(*mpoPerso, QFile::encodeName(oFichier).constData(), oErreur))
    {
        Dialogues::Avertir(this, tr("Enregistrer"),
                           tr("Impossible d'enregistrer « %1 » : %2.\nLe fichier sur le disque n'a pas changé.")
                               .arg(QDir::toNativeSeparators(oFichier), QString::fromStdString(oErreur)));
        return false;
    }
    moFichier = oFichier;
    mpoPile->setClean();
    MettreAJourTitre();
    Annoncer(tr("Personnage enregistré : %1").arg(QDir::toNativeSeparators(oFichier)));
    return true;
}

void Fiche::closeEvent(QCloseEvent* poEvent)
{
    // Closed while another window stays, the sheet only hides and keeps its character; closed last, it ends the
    // program, and the character goes with it.
    if (EstDerniereFenetre(this) && !PeutAbandonner())
    {
        poEvent->ignore();
        return;
    }
    if (mpoNotes != nullptr)
        mpoNotes->close();
    QWidget::closeEvent(poEvent);
}
