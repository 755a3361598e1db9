#ifndef VEXAL_APP_MYWIDGET_H
#define VEXAL_APP_MYWIDGET_H

#include <QWidget>

#include <memory>

class Fiche;
class Personnage;

// The start window: make a demon, make an angel, or quit. It keeps exactly one current sheet.
class MyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyWidget(QWidget* parent = nullptr);
    ~MyWidget() override;

    Fiche* GetFiche() const { return mpoFiche.get(); }

public slots:
    void NewDemon();
    void NewAnge();

private:
    // The previous sheet and its character are dropped without asking.
    void OuvrirFiche(Personnage* poPerso);

    std::unique_ptr<Fiche> mpoFiche;
};

#endif
