#ifndef VEXAL_SHEET_FENETREJOURNAL_H
#define VEXAL_SHEET_FENETREJOURNAL_H

#include "CommandeEdition.h"

#include <QTableWidget>
#include <QWidget>

class DelegueCase;
class DocumentPersonnage;
class QLabel;
class QListWidget;
class QPushButton;
class VueFigee;

// The journal's table, as wide as its cells and scrolled sideways when the window is narrower, with the date and the
// PA of each award kept in view: a second view over the same items and selection stands over their columns and
// follows the first up and down only.
class TableJournal : public QTableWidget
{
public:
    static constexpr int kFigees = 2;

    TableJournal(const QStringList& oTitres, QWidget* poParent);
    // Hands on what is being typed in a cell of either view.
    void Valider();

protected:
    void resizeEvent(QResizeEvent* poEvent) override;
    void scrollTo(const QModelIndex& oIndex, ScrollHint eIndice = EnsureVisible) override;
    bool edit(const QModelIndex& oIndex, EditTrigger eDeclencheur, QEvent* poEvent) override;

private:
    void Placer();

    VueFigee* mpoFigee;
    DelegueCase* mpoDelegue;
    DelegueCase* mpoDelegueFigee;
};

// The journal of the character's awards, in a window that belongs to the sheet: when the game master granted PA,
// how many and why, what each award bought, read from the character itself, and the PA left after it. Its date and
// reason can be changed in place; each change, grant or removal is one step to undo.
class FenetreJournal : public QWidget
{
    Q_OBJECT

public:
    FenetreJournal(DocumentPersonnage& oDocument, QWidget* poFiche);

    // Asks for the PA, the reason and the date of a new award, which is then shown and selected.
    void Accorder();
    // The selected award goes, if its PA are unspent.
    void Retirer();
    // Hands on the cell being typed, as Enter would: what is typed is what is saved, undone or printed.
    void Valider();

protected:
    void showEvent(QShowEvent* poEvent) override;

private:
    // The awards as the document holds them; only the last one's purchases change when the journal does not.
    void Suivre();
    void MontrerAchats();
    void Modifier(QTableWidgetItem* poCase);

    DocumentPersonnage& moDocument;
    TableJournal* mpoTable;
    QListWidget* mpoAchats;
    QPushButton* mpoRetirer;
    QLabel* mpoRaison;
    JournalPartage mpoMontre;  // the journal the table shows
};

#endif
