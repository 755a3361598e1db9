#include "MyWidget.h"

#include "Fiche.h"
#include "Fond.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QApplication>
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
    auto* poQuitter = new QPushButton(tr("&Quitter"));
    for (QPushButton* poBouton : {poDemon, poAnge, poQuitter})
        poBouton->setFont(oPolice);

    setPalette(PaletteAvecFond(palette(), ChargerFond(QStringLiteral("./images/bible_tobrel_kel.jpg")), {QPalette::Window}));

    connect(poDemon, &QPushButton::clicked, this, &MyWidget::NewDemon);
    connect(poAnge, &QPushButton::clicked, this, &MyWidget::NewAnge);
    connect(poQuitter, &QPushButton::clicked, qApp, &QCoreApplication::quit);

    auto* poGrille = new QGridLayout;
    poGrille->addWidget(poDemon, 0, 0);
    poGrille->addWidget(poAnge, 1, 0);
    poGrille->addWidget(poQuitter, 2, 0);
    setLayout(poGrille);
}

MyWidget::~MyWidget() = default;

void MyWidget::NewDemon()
{
    OuvrirFiche(new Demon);
}

void MyWidget::NewAnge()
{
    OuvrirFiche(new Ange);
}

void MyWidget::OuvrirFiche(Personnage* poPerso)
{
    mpoFiche.reset();
    mpoFiche = std::make_unique<Fiche>();
    mpoFiche->SetPerso(poPerso);
    mpoFiche->show();
}
