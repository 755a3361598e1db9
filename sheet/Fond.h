#ifndef VEXAL_SHEET_FOND_H
#define VEXAL_SHEET_FOND_H

#include <QPalette>
#include <QPixmap>

#include <initializer_list>

// Reads a window background from one of the program's pictures, by its file name: from ./images/ where the
// program is started, or else from the pictures installed with it (share/vexal/images beside its bin folder).
// A missing picture gives a null pixmap. Where it was found is logged under the category "vexal.images"
// (QT_LOGGING_RULES="vexal.images.debug=true" shows it).
QPixmap ChargerFond(const QString& oNom);

// The palette with the picture as a texture for the given roles, in every colour group.
QPalette PaletteAvecFond(QPalette oPalette, const QPixmap& oFond, std::initializer_list<QPalette::ColorRole> oRoles);

#endif
