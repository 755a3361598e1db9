#include "MyWidget.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication oApplication(argc, argv);
    MyWidget oFenetre;
    // The window's fixed size wins over the requested one.
    oFenetre.setGeometry(100, 100, 250, 355);
    oFenetre.show();
    return oApplication.exec();
}
