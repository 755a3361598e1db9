#include "CommandeEdition.h"

#include <utility>

CommandeEdition::CommandeEdition(const QString& oTexte, EtatPartage poAvant, EtatPartage poApres,
                                 std::function<void(const EtatPartage&)> fMontrer, int nFusion)
    : QUndoCommand(oTexte),
      mpoAvant(std::move(poAvant)),
      mpoApres(std::move(poApres)),
      mfMontrer(std::move(fMontrer)),
      mnFusion(nFusion)
{
}

void CommandeEdition::undo()
{
    mfMontrer(mpoAvant);
}

void CommandeEdition::redo()
{
    if (std::exchange(mbFaite, false))
        return;
    mfMontrer(mpoApres);
}

bool CommandeEdition::mergeWith(const QUndoCommand* poAutre)
{
    mpoApres = static_cast<const CommandeEdition*>(poAutre)->mpoApres;
    // Typed and typed away again: the step changes nothing and leaves the stack.
    setObsolete(*mpoAvant == *mpoApres);
    return true;
}
