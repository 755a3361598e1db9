#ifndef VEXAL_SHEET_FENETREJOURNAL_H
#define VEXAL_SHEET_FENETREJOURNAL_H

#include "CommandeEdition.h"

#include <QWidget>

class DocumentPersonnage;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The journal of the character's awards, in a window that belongs to the sheet: when the game master granted PA,
// how many and why, and what each award bought, read from the character itself. Its date and reason can be
// changed in place; each change, grant or removal is one step to undo.
class FenetreJournal : public QWidget
{
    Q_OBJECT

public:
    FenetreJournal(DocumentPersonnage& oDocument, QWidget* poFiche);

    // Asks for the PA, the reason and the date of a new award.
    void Accorder();
    // The selected award goes, if its PA are unspent.
    void Retirer();

protected:
    void showEvent(QShowEvent* poEvent) override;

private:
    // The awards as the document holds them; only the last one's purchases change when the journal does not.
    void Suivre();
    void MontrerAchats();
    void Modifier(QTableWidgetItem* poCase);

    DocumentPersonnage& moDocument;
    QTableWidget* mpoTable;
    QListWidget* mpoAchats;
    QPushButton* mpoRetirer;
    QLabel* mpoRaison;
    JournalPartage mpoMontre;  // the journal the table shows
};

#endif
