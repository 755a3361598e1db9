#ifndef VEXAL_DOCUMENT_COMMANDEEDITION_H
#define VEXAL_DOCUMENT_COMMANDEEDITION_H

#include "journal/Journal.h"
#include "model/EtatPersonnage.h"

#include <QUndoCommand>

#include <memory>
#include <string>
#include <vector>

class DocumentPersonnage;

using EtatPartage = std::shared_ptr<const EtatPersonnage>;

// The talents and powers held, in the order the player took them: the order their rows stand in.
struct OrdreLignes
{
    std::vector<std::string> moTalents;
    std::vector<std::string> moPouvoirs;
};

using OrdrePartage = std::shared_ptr<const OrdreLignes>;
using JournalPartage = std::shared_ptr<const Journal>;

// What a step puts back: the character, the order of its rows, so that a row undone stands where it stood, and its
// journal.
struct Instantane
{
    EtatPartage mpoEtat;
    OrdrePartage mpoOrdre;
    JournalPartage mpoJournal;
};

// One edit of the player, as the character's state before and after it. The edit itself is done when the command
// is pushed; undoing and redoing it put one state or the other back into the document, which shows it to its views.
// A state is shared with the neighbouring steps, which start or end where this one does.
class CommandeEdition : public QUndoCommand
{
public:
    // Edits of the same kind in a row (nFusion not -1) make one step: typing a name letter by letter.
    CommandeEdition(const QString& oTexte, Instantane oAvant, Instantane oApres, DocumentPersonnage& oDocument,
                    int nFusion = -1);

    void undo() override;
    void redo() override;
    int id() const override { return mnFusion; }
    bool mergeWith(const QUndoCommand* poAutre) override;

private:
    Instantane moAvant;
    Instantane moApres;
    DocumentPersonnage& moDocument;
    int mnFusion;
    bool mbFaite = true;  // pushed once the edit is done: the first redo has nothing to do
};

#endif
