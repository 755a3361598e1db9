#ifndef VEXAL_FENETRETABLE_FENETRETABLE_H
#define VEXAL_FENETRETABLE_FENETRETABLE_H

#include "CommandesTable.h"

#include <QWidget>

#include <memory>

class DocumentPersonnage;
class DocumentTable;
class FiltreTable;
class ModeleTable;
class QLabel;
class QLineEdit;
class QTableView;

// The game master's window, "Table de jeu": the characters of a campaign's table side by side, a column each and a
// row for each figure, the rows filtered as the player types; the table's name and file; characters added, removed,
// granted one award all at once, and shown on the sheet with a double click. Closed, it lets its table go: the
// next one is new and empty.
class FenetreTable : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreTable(QWidget* poParent = nullptr);
    ~FenetreTable() override;

    DocumentTable& GetTable() const { return *mpoTable; }
    bool PeutAbandonner() { return mpoCommandes->PeutAbandonner(); }
    bool OuvrirFichier(const QString& oFichier) { return mpoCommandes->OuvrirFichier(oFichier); }

signals:
    // The player asks to see this character on the sheet.
    void PersonnageChoisi(const std::shared_ptr<DocumentPersonnage>& poDocument);

protected:
    void closeEvent(QCloseEvent* poEvent) override;

private:
    // A new, empty table, never saved, in place of the one shown.
    void Nouvelle();
    void Ajouter();
    // The character of the current column leaves the table.
    void Retirer();
    void Accorder();
    // The grid, then each character's sheet, in one PDF.
    void Pdf();
    void Montrer(int nColonne);
    // The status line: what the last command did, or why it did nothing.
    void Annoncer(const QString& oTexte);
    void MontrerNom();
    void MettreAJourTitre();

    std::unique_ptr<DocumentTable> mpoTable;
    ModeleTable* mpoModele = nullptr;
    FiltreTable* mpoFiltre;
    QTableView* mpoVue;
    QLineEdit* mpoNom;
    QLabel* mpoEtat;
    CommandesTable* mpoCommandes;
};

#endif
