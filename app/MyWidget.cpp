#include "MyWidget.h"

#include "Fiche.h"
#include "Fond.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>

MyWidget::MyWidget(QWidget* parent)
    : QWidget(parent),
      mpoFiche(std::make_unique<Fiche>())
{
    // The first sheet has no character and is never shown; the first creation command replaces it.
    mpoFiche->setGeometry(100, 100, 640, 600);

    setFixedSize(150, 200);

    QFont oPolice(QStringLiteral("Times"), 12, QFont::Bold);
    oPolice.setItalic(false);
    auto* poDemon = new QPushButton(tr("&Faire un Demon"));
    auto* poAnge = new QPushButton(tr("&Faire un ange"));
    auto* poOuvrir = new QPushButton(tr("&Ouvrir…"));
    auto* poQuitter = new QPushButton(tr("&Quitter"));
    for (QPushButton* poBouton : {poDemon, poAnge, poOuvrir, poQuitter})
        poBouton->setFont(oPolice);

    setPalette(PaletteAvecFond(palette(), ChargerFond(QStringLiteral("bible_tobrel_kel.jpg")), {QPalette::Window}));

    connect(poDemon, &QPushButton::clicked, this, &MyWidget::NewDemon);
    connect(poAnge, &QPushButton::clicked, this, &MyWidget::NewAnge);
    connect(poOuvrir, &QPushButton::clicked, this, &MyWidget::Ouvrir);
    connect(poQuitter, &QPushButton::clicked, this, &MyWidget::Quitter);

    auto* poGrille = new QGridLayout;
    poGrille->addWidget(poDemon, 0, 0);
    poGrille->addWidget(poAnge, 1, 0);
    poGrille->addWidget(poOuvrir, 2, 0);
    poGrille->addWidget(poQuitter, 3, 0);
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
    // The sheet asks for what it holds and for the file, and keeps its character when either is refused.
    if (mpoFiche->OuvrirAction())
        mpoFiche->show();
}

void MyWidget::Quitter()
{
    if (mpoFiche->PeutAbandonner())
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

void MyWidget::MontrerPersonnage(std::unique_ptr<Personnage> poPerso, const QString& oFichier)
{
    OuvrirFiche(poPerso.release());
    mpoFiche->SetFichier(oFichier);
}

void MyWidget::OuvrirFiche(Personnage* poPerso)
{
    mpoFiche.reset();
    mpoFiche = std::make_unique<Fiche>();
    mpoFiche->SetPerso(poPerso);
    mpoFiche->show();
}
