#include "FenetreTable.h"

#include "AccordTable.h"
#include "ChoixFichier.h"
#include "DialogueAccordTable.h"
#include "Dialogues.h"
#include "DocumentTable.h"
#include "FiltreSaisie.h"
#include "ModeleTable.h"
#include "NomFichier.h"
#include "NomsPersonnages.h"
#include "TableImprimee.h"
#include "TextePlain.h"
#include "Touches.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace
{
QPushButton* Bouton(const QString& oTexte, QHBoxLayout* poRangee)
{
    auto* poBouton = new QPushButton(oTexte);
    FiltreSaisie::Proteger(poBouton);
    poRangee->addWidget(poBouton);
    return poBouton;
}

// The sheet's keys for the same commands.
void Raccourcir(QWidget& oFenetre, QPushButton* poBouton, QKeySequence::StandardKey eTouches)
{
    auto* poAction = new QAction(&oFenetre);
    poAction->setShortcuts(Touches::De(eTouches));
    oFenetre.addAction(poAction);
    QObject::connect(poAction, &QAction::triggered, poBouton, &QPushButton::click);
}
}

FenetreTable::FenetreTable(QWidget* poParent)
    : QWidget(poParent, Qt::Window),
      mpoFiltre(new FiltreTable(this)),
      mpoVue(new QTableView(this)),
      mpoNom(new QLineEdit(this)),
      mpoEtat(new QLabel(this)),
      mpoCommandes(new CommandesTable(*this))
{
    setObjectName(QStringLiteral("FenetreTable"));
    mpoNom->setObjectName(QStringLiteral("TableNom"));
    mpoNom->setPlaceholderText(tr("Le nom de la campagne"));
    auto* poFiltreTexte = new QLineEdit(this);
    poFiltreTexte->setObjectName(QStringLiteral("TableFiltre"));
    poFiltreTexte->setPlaceholderText(tr("Filtrer les lignes"));
    poFiltreTexte->setClearButtonEnabled(true);
    mpoVue->setObjectName(QStringLiteral("TableGrille"));
    mpoVue->setModel(mpoFiltre);
    mpoVue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mpoVue->setSelectionBehavior(QAbstractItemView::SelectColumns);
    mpoVue->setSelectionMode(QAbstractItemView::SingleSelection);
    mpoVue->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mpoEtat->setObjectName(QStringLiteral("TableEtat"));
    mpoEtat->setTextFormat(Qt::PlainText);
    mpoEtat->setWordWrap(true);

    auto* poNom = new QHBoxLayout;
    poNom->addWidget(new QLabel(tr("Nom de la table :"), this));
    poNom->addWidget(mpoNom, 1);
    auto* poBoutons = new QHBoxLayout;
    QPushButton* poOuvrir = Bouton(tr("Ouvrir…"), poBoutons);
    QPushButton* poEnregistrer = Bouton(tr("Enregistrer"), poBoutons);
    QPushButton* poEnregistrerSous = Bouton(tr("Enregistrer sous…"), poBoutons);
    // The file's commands, then the characters'.
    auto* poTrait = new QFrame(this);
    poTrait->setFrameShape(QFrame::VLine);
    poBoutons->addWidget(poTrait);
    QPushButton* poAjouter = Bouton(tr("Ajouter des personnages…"), poBoutons);
    QPushButton* poRetirer = Bouton(tr("Retirer"), poBoutons);
    QPushButton* poAccorder = Bouton(tr("Accorder à la table…"), poBoutons);
    QPushButton* poPdf = Bouton(tr("PDF…"), poBoutons);
    poBoutons->addStretch();
    auto* poColonne = new QVBoxLayout(this);
    poColonne->addLayout(poNom);
    poColonne->addLayout(poBoutons);
    poColonne->addWidget(poFiltreTexte);
    poColonne->addWidget(mpoVue, 1);
    poColonne->addWidget(mpoEtat);
    poRetirer->setToolTip(tr("Retire de la table le personnage de la colonne choisie ; son fichier reste"));
    resize(900, 560);

    Raccourcir(*this, poOuvrir, QKeySequence::Open);
    Raccourcir(*this, poEnregistrer, QKeySequence::Save);
    Raccourcir(*this, poEnregistrerSous, QKeySequence::SaveAs);
    connect(poOuvrir, &QPushButton::clicked, mpoCommandes, &CommandesTable::Ouvrir);
    connect(poEnregistrer, &QPushButton::clicked, mpoCommandes, &CommandesTable::Enregistrer);
    connect(poEnregistrerSous, &QPushButton::clicked, mpoCommandes, &CommandesTable::EnregistrerSous);
    connect(poAjouter, &QPushButton::clicked, this, &FenetreTable::Ajouter);
    connect(poRetirer, &QPushButton::clicked, this, &FenetreTable::Retirer);
    connect(poAccorder, &QPushButton::clicked, this, &FenetreTable::Accorder);
    connect(poPdf, &QPushButton::clicked, this, &FenetreTable::Pdf);
    connect(mpoCommandes, &CommandesTable::Annonce, this, &FenetreTable::Annoncer);
    connect(poFiltreTexte, &QLineEdit::textChanged, mpoFiltre, &FiltreTable::SetTexte);
    connect(mpoNom, &QLineEdit::textEdited, this, [this](const QString& oNom) {
        GetTable().SetNom(oNom);
        MettreAJourTitre();
    });
    // The filter takes rows away, never columns: a column of the view is the table's.
    connect(mpoVue, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& oCase) { Montrer(oCase.column()); });
    connect(mpoVue->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &FenetreTable::Montrer);
    Nouvelle();
}

FenetreTable::~FenetreTable()
{
    // The model reads the table: it must not outlive it.
    delete mpoModele;
}

void FenetreTable::Nouvelle()
{
    auto poTable = std::make_unique<DocumentTable>();
    auto* poModele = new ModeleTable(*poTable, this);
    mpoFiltre->setSourceModel(poModele);
    delete std::exchange(mpoModele, poModele);
    mpoTable = std::move(poTable);
    connect(mpoTable.get(), &DocumentTable::ModifieChange, this, &FenetreTable::MettreAJourTitre);
    connect(mpoTable.get(), &DocumentTable::FichierChange, this, &FenetreTable::MontrerNom);
    MontrerNom();
    Annoncer({});
}

void FenetreTable::Ajouter()
{
    const QStringList oFichiers = Dialogues::NomsPourOuvrir(this, tr("Ajouter des personnages"), Dialogues::Dossier(),
                                                            ChoixFichier::FiltrePersonnages());
    if (oFichiers.isEmpty())
        return;
    const std::size_t nAvant = GetTable().GetPersonnages().size();
    GetTable().Ajouter(oFichiers);
    const std::size_t nAjoutes = GetTable().GetPersonnages().size() - nAvant;
    if (nAjoutes == 0)
        Annoncer(oFichiers.size() == 1 ? tr("Ce personnage est déjà à la table")
                                       : tr("Ces personnages sont déjà à la table"));
    else
        Annoncer((nAjoutes == 1 ? tr("1 personnage ajouté") : tr("%1 personnages ajoutés").arg(nAjoutes))
                 + NomsPersonnages::Illisibles(GetTable().GetPersonnages(), nAvant));
}

void FenetreTable::Retirer()
{
    // The column the player chose, not the cell the view keeps current for the keyboard.
    const QModelIndexList oChoix = mpoVue->selectionModel()->selectedIndexes();
    const int nColonne = oChoix.isEmpty() ? -1 : oChoix.first().column();
    if (nColonne < 0)
    {
        Annoncer(tr("Choisissez d'abord la colonne du personnage à retirer"));
        return;
    }
    const QString oNom = NomsPersonnages::Nom(GetTable().GetPersonnages()[static_cast<std::size_t>(nColonne)]);
    GetTable().Retirer(nColonne);
    Annoncer(tr("« %1 » n'est plus à la table").arg(oNom));
}

void FenetreTable::Accorder()
{
    if (GetTable().GetPersonnages().empty())
    {
        Annoncer(tr("La table n'a encore aucun personnage"));
        return;
    }
    DialogueAccordTable oDialogue(GetTable().GetPersonnages(), this);
    if (oDialogue.exec() != QDialog::Accepted)
        return;
    const IssueAttribution oIssue = AccorderATous(oDialogue.Parts(), oDialogue.Date(), oDialogue.Raison());
    Annoncer(oIssue.moMessage);
    if (!oIssue.mbFaite)
        Dialogues::Avertir(this, tr("Accorder à la table"), oIssue.moMessage);
}

void FenetreTable::Pdf()
{
    const QString oFichier = Dialogues::NomPourEnregistrer(
        this, tr("Enregistrer la table en PDF"), ChoixFichier::NomPropose(GetTable().GetNom(), tr("table"), ".pdf"),
        tr("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (oFichier.isEmpty())
        return;
    QString oRaison;
    Remplacement oOptions;
    // Never in the place of the table's own file.
    oOptions.moSource = NomFichier::Octets(GetTable().GetFichier()).toStdString();
    if (!ImprimerTablePdf(GetTable(), NomFichier::Octets(oFichier).constData(), oRaison, oOptions))
    {
        Dialogues::Avertir(this, tr("PDF"), oRaison + QLatin1Char('.'));
        Annoncer(oRaison);
        return;
    }
    Annoncer(tr("Table enregistrée en PDF : %1").arg(ChoixFichier::Montre(oFichier)));
}

void FenetreTable::Montrer(int nColonne)
{
    if (nColonne < 0 || static_cast<std::size_t>(nColonne) >= GetTable().GetPersonnages().size())
        return;
    const PersonnageTable& oPersonnage = GetTable().GetPersonnages()[static_cast<std::size_t>(nColonne)];
    if (oPersonnage.mpoDocument)
        emit PersonnageChoisi(oPersonnage.mpoDocument);
    else
        Annoncer(tr("« %1 » ne peut pas être lu : %2").arg(ChoixFichier::Montre(oPersonnage.moFichier),
                                                          oPersonnage.moRaison));
}

void FenetreTable::Annoncer(const QString& oTexte)
{
    mpoEtat->setText(oTexte);
    mpoEtat->setToolTip(TextePlain::Bulle(oTexte));
}

void FenetreTable::MontrerNom()
{
    if (mpoNom->text() != GetTable().GetNom())
        mpoNom->setText(GetTable().GetNom());
    MettreAJourTitre();
}

void FenetreTable::MettreAJourTitre()
{
    const QString oNom = GetTable().GetNom();
    setWindowTitle(oNom.isEmpty() ? tr("Table de jeu[*]") : tr("Table de jeu : %1[*]").arg(oNom));
    setWindowModified(GetTable().EstModifie());
    setWindowFilePath(GetTable().GetFichier());
}

void FenetreTable::closeEvent(QCloseEvent* poEvent)
{
    if (!PeutAbandonner())
    {
        poEvent->ignore();
        return;
    }
    // Its files are free for other programs, and the next table starts empty.
    Nouvelle();
    QWidget::closeEvent(poEvent);
}
