#ifndef VEXAL_SHEET_POLICEFICHE_H
#define VEXAL_SHEET_POLICEFICHE_H

#include <QtGlobal>

#include <optional>

class QWidget;

// The form's captions are sized for a small dialog font, which a desktop's default would clip. The size at which
// they all fit is measured once, on the first sheet of a run to be seen: the fonts of a run never change.
namespace PoliceFiche
{
// The size, once a sheet has measured it.
std::optional<qreal> Taille();
// The size, measured on this sheet's captions the first time.
qreal Mesurer(const QWidget& oFiche);
void Appliquer(QWidget& oFiche, qreal fTaille);
}

#endif
