#include "Fiche.h"
#include "FichePleine.h"
#include "MyWidget.h"

#include <QApplication>

// The program as a player leaves it after a long session: started as main() starts it, "&Faire un Demon"
// pressed, then every talent and power of the lists added. Its peak memory is the most the program needs.
int main(int argc, char** argv)
{
    QApplication oApplication(argc, argv);
    MyWidget oFenetre;
    oFenetre.setGeometry(100, 100, 250, 355);
    oFenetre.show();
    oFenetre.NewDemon();
    // Its memory is measured against a floor holding VEXAL_LIGNES_PLEINES bare rows: a sheet of another size would
    // be measured against the wrong floor.
    if (RemplirFiche(*oFenetre.GetFiche()) != VEXAL_LIGNES_PLEINES)
        return 1;
    return oApplication.exec();
}
