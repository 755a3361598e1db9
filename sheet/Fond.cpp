#include "Fond.h"

#include <QBrush>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcImages, "vexal.images", QtInfoMsg)

QPixmap ChargerFond(const QString& oChemin)
{
    QPixmap oFond(oChemin);
    if (oFond.isNull())
        qCDebug(lcImages).noquote() << "image absente:" << oChemin;
    else
        qCDebug(lcImages).noquote() << "image chargee:" << oChemin;
    return oFond;
}

QPalette PaletteAvecFond(QPalette oPalette, const QPixmap& oFond, std::initializer_list<QPalette::ColorRole> oRoles)
{
    for (QPalette::ColorRole eRole : oRoles)
        oPalette.setBrush(eRole, QBrush(oFond));
    return oPalette;
}
