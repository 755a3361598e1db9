#ifndef VEXAL_SHEET_TOUCHES_H
#define VEXAL_SHEET_TOUCHES_H

#include <QKeySequence>
#include <QList>

class QKeyEvent;

// The keys of the sheet's commands, the same on every desktop: the platform's own, and the usual ones besides where
// the platform binds none (Save As outside GNOME and KDE) or binds others (Ctrl+Y and Ctrl+Shift+Z both redo).
namespace Touches
{
QList<QKeySequence> De(QKeySequence::StandardKey eCommande);
// Whether the key undoes or redoes a step of the character.
bool Annule(const QKeyEvent& oTouche);
}

#endif
