#include "MyWidget.h"

#include "Dialogues.h"
#include "FenetreTable.h"
#include "Fiche.h"
#include "FiltreSaisie.h"
#include "Fond.h"
#include "NomFichier.h"
#include "Recuperations.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QLocale>
#include <QLockFile>
#include <QPushButton>

MyWidget::MyWidget(QWidget* parent)
    : QWidget(parent)
{
    NouvelleFiche();
    // The first sheet has no character and is never shown; the first creation command replaces it.
    mpoFiche->setGeometry(100, 100, 640, 600);

    setFixedSize(150, 200);

    QFont oPolice(QStringLiteral("Times"), 12, QFont::Bold);
    oPolice.setItalic(false);
    auto* poDemon = new QPushButton(tr("&Faire un Demon"));
    auto* poAnge = new QPushButton(tr("&Faire un ange"));
    auto* poOuvrir = new QPushButton(tr("&Ouvrir…"));
    auto* poTable = new QPushButton(tr("&Table de jeu…"));
    auto* poQuitter = new QPushButton(tr("&Quitter"));
    for (QPushButton* poBouton : {poDemon, poAnge, poOuvrir, poTable, poQuitter})
    {
        poBouton->setFont(oPolice);
        FiltreSaisie::Proteger(poBouton);
    }

    setPalette(PaletteAvecFond(palette(), ChargerFond(QStringLiteral("bible_tobrel_kel.jpg")), {QPalette::Window}));

    connect(poDemon, &QPushButton::clicked, this, &MyWidget::NewDemon);
    connect(poAnge, &QPushButton::clicked, this, &MyWidget::NewAnge);
    connect(poOuvrir, &QPushButton::clicked, this, &MyWidget::Ouvrir);
    connect(poTable, &QPushButton::clicked, this, &MyWidget::MontrerTable);
    connect(poQuitter, &QPushButton::clicked, this, &MyWidget::Quitter);

    auto* poGrille = new QGridLayout;
    poGrille->addWidget(poDemon, 0, 0);
    poGrille->addWidget(poAnge, 1, 0);
    poGrille->addWidget(poOuvrir, 2, 0);
    poGrille->addWidget(poTable, 3, 0);
    poGrille->addWidget(poQuitter, 4, 0);
    setLayout(poGrille);
}

MyWidget::~MyWidget() = default;

void MyWidget::NewDemon()
{
    if (mpoFiche->PeutAbandonner())
        OuvrirFiche(new Demon);
}

void MyWidget::NewAnge()
{
    if (mpoFiche->PeutAbandonner())
        OuvrirFiche(new Ange);
}

void MyWidget::Ouvrir()
{
    // The sheet asks for the file and for what it holds, and keeps its character when either is refused; a table file
    // it hands on.
    if (mpoFiche->OuvrirAction())
        mpoFiche->show();
}

FenetreTable& MyWidget::Table()
{
    if (!mpoTable)
    {
        mpoTable = std::make_unique<FenetreTable>();
        connect(mpoTable.get(), &FenetreTable::PersonnageChoisi, this, &MyWidget::MontrerPersonnage);
    }
    return *mpoTable;
}

void MyWidget::MontrerTable()
{
    FenetreTable& oTable = Table();
    oTable.show();
    oTable.raise();
    oTable.activateWindow();
}

void MyWidget::OuvrirTable(const QString& oFichier)
{
    if (Table().PeutAbandonner() && Table().OuvrirFichier(oFichier))
        MontrerTable();
}

void MyWidget::MontrerPersonnage(const std::shared_ptr<DocumentPersonnage>& poDocument)
{
    // The character the sheet shows already is not asked about.
    if (&mpoFiche->GetDocument() != poDocument.get() && !mpoFiche->PeutAbandonner())
        return;
    mpoFiche->Lier(poDocument);
    mpoFiche->show();
    mpoFiche->raise();
    mpoFiche->activateWindow();
}

void MyWidget::Quitter()
{
    if (mpoFiche->PeutAbandonner() && (!mpoTable || mpoTable->PeutAbandonner()))
        QCoreApplication::quit();
}

void MyWidget::closeEvent(QCloseEvent* poEvent)
{
    // The last window closed ends the program: the sheet's character must not go unasked.
    if (!mpoFiche->isVisible() && !mpoFiche->PeutAbandonner())
        poEvent->ignore();
    else
        QWidget::closeEvent(poEvent);
}

void MyWidget::OuvrirFichier(const QString& oFichier)
{
    if (mpoFiche->PrendreFichier(oFichier))
        mpoFiche->show();
}

void MyWidget::ProposerRecuperations()
{
    for (CopieOrpheline& oCopie : CopiesOrphelines())
        ProposerRecuperation(oCopie);
}

void MyWidget::ProposerRecuperation(CopieOrpheline& oCopie)
{
    const QString oCopieMontree = QDir::toNativeSeparators(oCopie.moChemin);
    if (!oCopie.moEtat)
    {
        const QString oQuestion =
            tr("Une copie de récupération ne peut pas être ouverte : %1.\n(%2)\n\nLa supprimer ?")
                .arg(oCopie.moErreur, oCopieMontree);
        if (Dialogues::Demander(this, oQuestion, {tr("Supprimer"), tr("Plus tard")}, 1) == 0)
            Supprimer(oCopie);
        return;
    }
    const QString oNom = QString::fromStdString(oCopie.moEtat->moNom);
    const auto Date = [](const QDateTime& oDate) {
        return QLocale(QLocale::French).toString(oDate, QStringLiteral("dddd d MMMM yyyy 'à' HH:mm"));
    };
    QString oFichier = QDir::toNativeSeparators(NomFichier::DepuisOctets(QByteArray::fromStdString(oCopie.moOrigine.moNom)));
    if (oCopie.moOrigine.moNom.empty())
        oFichier = tr("aucun, il n'a jamais été enregistré");
    else if (!oCopie.moRaisonOrigine.isEmpty())
        oFichier = tr("aucun, car %1 : il sera récupéré comme un nouveau personnage").arg(oCopie.moRaisonOrigine);
    QString oQuestion =
        tr("VEXAL s'est arrêté avant que %1 soit enregistré.\nFichier : %2\nDernière modification : %3\n\n")
            .arg(oNom.isEmpty() ? tr("un personnage sans nom") : tr("« %1 »").arg(oNom), oFichier, Date(oCopie.moDate));
    if (oCopie.mbOrigineChangee)
        oQuestion += tr("Le fichier a été enregistré depuis, le %1 : l'enregistrer avec ce que la copie garde "
                        "remplacerait cet enregistrement.\n\n")
                         .arg(Date(oCopie.moDateOrigine));
    oQuestion += tr("Récupérer ce personnage ? « Plus tard » garde la copie pour le prochain démarrage.");
    switch (Dialogues::Demander(this, oQuestion, {tr("Récupérer"), tr("Supprimer"), tr("Plus tard")}))
    {
    case 0:
        if (mpoFiche->PeutAbandonner() && mpoFiche->Recuperer(oCopie))
            mpoFiche->show();
        break;
    case 1:
        Supprimer(oCopie);
        break;
    default:
        break;
    }
}

void MyWidget::OuvrirFiche(Personnage* poPerso)
{
    NouvelleFiche();
    mpoFiche->SetPerso(poPerso);
    mpoFiche->show();
}

void MyWidget::NouvelleFiche()
{
    mpoFiche.reset();
    mpoFiche = std::make_unique<Fiche>();
    connect(&mpoFiche->GetCommandes(), &CommandesFichier::TableChoisie, this, &MyWidget::OuvrirTable);
}
