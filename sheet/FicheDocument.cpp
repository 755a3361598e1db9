#include "Fiche.h"

#include "ColonneLignes.h"
#include "CommandesFichier.h"
#include "DocumentPersonnage.h"
#include "Documents.h"
#include "FenetreJournal.h"
#include "FenetreNotes.h"
#include "model/Personnage.h"

#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QUndoStack>

#include <utility>

void Fiche::ConnecterDocument()
{
    mpoCommandes = new CommandesFichier(*this);
    connect(mpoCommandes, &CommandesFichier::Valider, this, &Fiche::ValiderSaisie);
    connect(mpoCommandes, &CommandesFichier::Annonce, this, &Fiche::Annoncer);
    connect(Notes, &QPushButton::clicked, this, &Fiche::OuvrirNotes);
    connect(JournalBouton, &QPushButton::clicked, this, &Fiche::OuvrirJournal);
    connect(mpoColonneTalents, &ColonneLignes::LigneChangee, this,
            [this](const std::string& oNom, double fScore) { mpoDocument->ChangerScoreTalent(oNom, fScore); });
    connect(mpoColonnePouvoirs, &ColonneLignes::LigneChangee, this,
            [this](const std::string& oNom, double fNiveau) { mpoDocument->ChangerNiveauPouvoir(oNom, fNiveau); });
    connect(NomValue, &QLineEdit::textEdited, this,
            [this](const QString& oNom) { mpoDocument->ChangerNom(oNom.toStdString()); });
    SuivreDocument();
}

void Fiche::SuivreDocument()
{
    DocumentPersonnage* poDocument = mpoDocument.get();
    connect(poDocument, &DocumentPersonnage::PersoRemplace, this, &Fiche::Adopter);
    connect(poDocument, &DocumentPersonnage::Change, this, &Fiche::Suivre);
    connect(poDocument, &DocumentPersonnage::Annonce, this, &Fiche::Annoncer);
    connect(poDocument, &DocumentPersonnage::FichierChange, this, &Fiche::MettreAJourTitre);
    connect(poDocument, &DocumentPersonnage::PropreChange, this, &Fiche::MettreAJourTitre);
    mpoListes->Lier(*poDocument);
    mpoCommandes->Lier(*poDocument);
}

void Fiche::Lier(std::shared_ptr<DocumentPersonnage> poDocument)
{
    if (!poDocument || poDocument == mpoDocument)
        return;
    disconnect(mpoDocument.get(), nullptr, this, nullptr);
    // The journal's window reads one document for its whole life: the next one is made for the next document.
    delete std::exchange(mpoFenetreJournal, nullptr);
    mpoDocument = std::move(poDocument);
    SuivreDocument();
    Annoncer(mpoDocument->GetAnnonce(), mpoDocument->GetAnnonceRefus());
    if (GetPerso() != nullptr)
        Adopter();
    if (isVisible())
        mpoDocument->ReprendreVerrou();
}

std::shared_ptr<DocumentPersonnage> Fiche::DocumentLibre() const
{
    return mpoDocument.use_count() == 1 ? mpoDocument : Documents::Nouveau();
}

void Fiche::OuvrirNotes()
{
    if (!GetPerso())
        return;
    if (mpoNotes == nullptr)
    {
        mpoNotes = new FenetreNotes(this);
        // Saving, undoing and printing are at hand there as on the sheet.
        mpoNotes->addActions(actions());
        connect(mpoNotes, &FenetreNotes::TexteChange, this,
                [this](const QString& oNotes) { mpoDocument->ChangerNotes(oNotes.toStdString()); });
        mpoNotes->SetTexte(QString::fromStdString(GetPerso()->GetNotes()));
        MettreAJourTitre();
    }
    mpoNotes->show();
    mpoNotes->raise();
    mpoNotes->activateWindow();
}

void Fiche::OuvrirJournal()
{
    if (!GetPerso())
        return;
    if (mpoFenetreJournal == nullptr)
    {
        mpoFenetreJournal = new FenetreJournal(*mpoDocument, this);
        mpoFenetreJournal->addActions(actions());
        MettreAJourTitre();
    }
    mpoFenetreJournal->show();
    mpoFenetreJournal->raise();
    mpoFenetreJournal->activateWindow();
}

void Fiche::ValiderSaisie()
{
    if (mpoNotes != nullptr)
        mpoNotes->Valider();
    if (mpoFenetreJournal != nullptr)
        mpoFenetreJournal->Valider();
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

void Fiche::MettreAJourTitre()
{
    const QString oProgramme = tr("VEXAL Fiche de perso Version 1.0");
    const QString oNom = GetPerso() ? QString::fromStdString(GetPerso()->GetNom()) : QString();
    const QString oFichier = QFileInfo(GetFichier()).fileName();
    if (mpoNotes != nullptr)
        mpoNotes->setWindowTitle(oNom.isEmpty() ? tr("Notes") : tr("Notes : %1").arg(oNom));
    if (mpoFenetreJournal != nullptr)
        mpoFenetreJournal->setWindowTitle(oNom.isEmpty() ? tr("Journal") : tr("Journal : %1").arg(oNom));
    const QString oQui = oNom.isEmpty() || oFichier.isEmpty() ? oNom + oFichier : tr("%1 (%2)").arg(oNom, oFichier);
    const bool bModifie = !GetPile()->isClean();
    // The mark goes where Qt shows it, and a new character untouched reads as the program alone.
    if (oQui.isEmpty())
        setWindowTitle(bModifie ? oProgramme + QStringLiteral("[*]") : oProgramme);
    else
        setWindowTitle(oQui + QStringLiteral("[*] - ") + oProgramme);
    setWindowModified(bModifie);
    setWindowFilePath(GetFichier());
}

void Fiche::closeEvent(QCloseEvent* poEvent)
{
    // A sheet with unsaved changes asks as it closes; closed, it only hides and keeps its character.
    if (!PeutAbandonner())
    {
        poEvent->ignore();
        return;
    }
    for (QWidget* poFenetre : {static_cast<QWidget*>(mpoNotes), static_cast<QWidget*>(mpoFenetreJournal)})
    {
        if (poFenetre != nullptr)
            poFenetre->close();
    }
    // Hidden, the sheet shows nothing: another program may take the file, unless changes still wait here.
    mpoDocument->RelacherVerrou();
    QWidget::closeEvent(poEvent);
}

void Fiche::showEvent(QShowEvent* poEvent)
{
    mpoDocument->ReprendreVerrou();
    QWidget::showEvent(poEvent);
}
