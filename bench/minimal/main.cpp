#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QWidget>

// The smallest Qt Widgets program of the program's shape: one window, three buttons, nothing else.
// It is the floor that the program's start and memory are measured against.
int main(int argc, char** argv)
{
    QApplication oApplication(argc, argv);
    QWidget oFenetre;
    auto* poGrille = new QGridLayout(&oFenetre);
    poGrille->addWidget(new QPushButton(QStringLiteral("Un")), 0, 0);
    poGrille->addWidget(new QPushButton(QStringLiteral("Deux")), 1, 0);
    poGrille->addWidget(new QPushButton(QStringLiteral("Trois")), 2, 0);
    oFenetre.show();
    return oApplication.exec();
}
