#ifndef VEXAL_APP_MYWIDGET_H
#define VEXAL_APP_MYWIDGET_H

#include <QWidget>

#include <memory>

class DocumentPersonnage;
class Fiche;
class FenetreTable;
class Personnage;
struct CopieOrpheline;

// The start window: make a demon, make an angel, open a file, the game master's table, or quit. It keeps exactly one
// current sheet, and one table window once the player has asked for it.
class MyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyWidget(QWidget* parent = nullptr);
    ~MyWidget() override;

    Fiche* GetFiche() const { return mpoFiche.get(); }
    // None until the player asks for the table.
    FenetreTable* GetFenetreTable() const { return mpoTable.get(); }
    // Shows the character of this file on the sheet, or the table of a table file in its window, once the player has
    // had the chance to save what is there; a refused file is shown with its reason, and everything stays as it was.
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
    // A sheet with no character in place of the one there, which goes unasked.
    void NouvelleFiche();
    void Ouvrir();
    FenetreTable& Table();
    void MontrerTable();
    void OuvrirTable(const QString& oFichier);
    // The character of the table on the sheet, once the one there may go.
    void MontrerPersonnage(const std::shared_ptr<DocumentPersonnage>& poDocument);
    void Quitter();
    void ProposerRecuperation(CopieOrpheline& oCopie);

    std::unique_ptr<Fiche> mpoFiche;
    std::unique_ptr<FenetreTable> mpoTable;
};

#endif
