#include "Touches.h"

#include <QKeyEvent>

namespace
{
struct Usuelles
{
    QKeySequence::StandardKey meCommande;
    QKeyCombination moTouche;
};

constexpr Usuelles kUsuelles[] = {
    {QKeySequence::Undo,   Qt::CTRL | Qt::Key_Z},
    {QKeySequence::Redo,   Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
    {QKeySequence::Redo,   Qt::CTRL | Qt::Key_Y},
    {QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
};
}

QList<QKeySequence> Touches::De(QKeySequence::StandardKey eCommande)
{
    QList<QKeySequence> oTouches = QKeySequence::keyBindings(eCommande);
    for (const Usuelles& oUsuelle : kUsuelles)
    {
        if (oUsuelle.meCommande == eCommande && !oTouches.contains(QKeySequence(oUsuelle.moTouche)))
            oTouches << QKeySequence(oUsuelle.moTouche);
    }
    return oTouches;
}

bool Touches::Annule(const QKeyEvent& oTouche)
{
    const QKeySequence oSequence(oTouche.keyCombination());
    return De(QKeySequence::Undo).contains(oSequence) || De(QKeySequence::Redo).contains(oSequence);
}
