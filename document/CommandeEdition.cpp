#include "CommandeEdition.h"

#include "DocumentPersonnage.h"

#include <utility>

CommandeEdition::CommandeEdition(const QString& oTexte, Instantane oAvant, Instantane oApres,
                                 DocumentPersonnage& oDocument, int nFusion)
    : QUndoCommand(oTexte),
      moAvant(std::move(oAvant)),
      moApres(std::move(oApres)),
      moDocument(oDocument),
      mnFusion(nFusion)
{
}

void CommandeEdition::undo()
{
    moDocument.Restaurer(moAvant);
}

void CommandeEdition::redo()
{
    if (std::exchange(mbFaite, false))
        return;
    moDocument.Restaurer(moApres);
}

bool CommandeEdition::mergeWith(const QUndoCommand* poAutre)
{
    moApres = static_cast<const CommandeEdition*>(poAutre)->moApres;
    // Typed and typed away again: the step changes nothing and leaves the stack.
    setObsolete(*moAvant.mpoEtat == *moApres.mpoEtat && *moAvant.mpoJournal == *moApres.mpoJournal);
    return true;
}
