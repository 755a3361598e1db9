#include "CommandeEdition.h"

#include "DocumentPersonnage.h"

#include <utility>

CommandeEdition::CommandeEdition(const QString& oTexte, EtatPartage poAvant, EtatPartage poApres,
                                 DocumentPersonnage& oDocument, int nFusion)
    : QUndoCommand(oTexte),
      mpoAvant(std::move(poAvant)),
      mpoApres(std::move(poApres)),
      moDocument(oDocument),
      mnFusion(nFusion)
{
}

void CommandeEdition::undo()
{
    moDocument.Restaurer(mpoAvant);
}

void CommandeEdition::redo()
{
    if (std::exchange(mbFaite, false))
        return;
    moDocument.Restaurer(mpoApres);
}

bool CommandeEdition::mergeWith(const QUndoCommand* poAutre)
{
    mpoApres = static_cast<const CommandeEdition*>(poAutre)->mpoApres;
    // Typed and typed away again: the step changes nothing and leaves the stack.
    setObsolete(*mpoAvant == *mpoApres);
    return true;
}
