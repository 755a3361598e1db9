#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

#include <memory>

namespace
{
// A window of the sheet's size whose scrolling column holds nLignes bare rows, each a check box, a name and a value
// box, as the full sheet's columns hold theirs.
std::unique_ptr<QScrollArea> Lignes(int nLignes)
{
    auto poZone = std::make_unique<QScrollArea>();
    auto* poColonne = new QWidget;
    auto* poGrille = new QGridLayout(poColonne);
    for (int i = 0; i < nLignes; ++i)
    {
        poGrille->addWidget(new QCheckBox, i, 0);
        poGrille->addWidget(new QLabel(QStringLiteral("Ligne %1").arg(i)), i, 1);
        poGrille->addWidget(new QDoubleSpinBox, i, 2);
    }
    poZone->setWidget(poColonne);
    poZone->resize(666, 550);
    return poZone;
}
}

// The smallest Qt Widgets program of the program's shape: a window of the start window's size with its four buttons,
// in its font, one above the other, and nothing else. It is the floor that the program's start is measured against.
// Built with VEXAL_LIGNES rows, it also shows as many bare rows as the full sheet holds: the floor of the memory of
// the program holding that sheet.
int main(int argc, char** argv)
{
    QApplication oApplication(argc, argv);
    QWidget oFenetre;
    oFenetre.setFixedSize(150, 200);
    const QFont oPolice(QStringLiteral("Times"), 12, QFont::Bold);
    auto* poGrille = new QGridLayout(&oFenetre);
    int nRang = 0;
    for (const QString& oTexte : {QStringLiteral("&Faire un Demon"), QStringLiteral("&Faire un ange"),
                                  QStringLiteral("&Ouvrir…"), QStringLiteral("&Quitter")})
    {
        auto* poBouton = new QPushButton(oTexte);
        poBouton->setFont(oPolice);
        poGrille->addWidget(poBouton, nRang++, 0);
    }
    oFenetre.show();

    std::unique_ptr<QScrollArea> poLignes;
    if (VEXAL_LIGNES > 0)
    {
        poLignes = Lignes(VEXAL_LIGNES);
        poLignes->show();
    }
    return oApplication.exec();
}
