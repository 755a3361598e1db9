#ifndef VEXAL_APP_MYWIDGET_H
#define VEXAL_APP_MYWIDGET_H

#include <QWidget>

#include <memory>

class Fiche;
class Personnage;
struct CopieOrpheline;

// The start window: make a demon, make an angel, or quit. It keeps exactly one current sheet.
class MyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyWidget(QWidget* parent = nullptr);
    ~MyWidget() override;

    Fiche* GetFiche() const { return mpoFiche.get(); }
    // Shows the character of this file on the sheet, once the player has had the chance to save the one there; a
    // refused file is shown with its reason, and everything stays as it was.
    void OuvrirFichier(const QString& oFichier);
    // Asks about each recovery copy a stopped program left behind: take the character up, keep the copy for later,
    // or delete it.
    void ProposerRecuperations();

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
    void ProposerRecuperation(CopieOrpheline& oCopie);

    std::unique_ptr<Fiche> mpoFiche;
};

#endif
