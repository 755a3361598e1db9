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
    // Shows the sheet of a character read from this file.
    void MontrerPersonnage(std::unique_ptr<Personnage> poPerso, const QString& oFichier);

public slots:
    void NewDemon();
    void NewAnge();

protected:
    void closeEvent(QCloseEvent* poEvent) override;

private:
    // The previous sheet and its character go, once the player has had the chance to save what changed.
    void OuvrirFiche(Personnage* poPerso);
    void Ouvrir();
    void Quitter();

    std::unique_ptr<Fiche> mpoFiche;
};

#endif
