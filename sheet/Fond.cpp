#include "Fond.h"

#include <QBrush>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcImages, "vexal.images", QtInfoMsg)

QPixmap ChargerFond(const QString& oNom)
{
    const QString oDossiers[] = {
        QStringLiteral("./images"),
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vexal/images")),
    };
    for (const QString& oDossier : oDossiers)
    {
        const QString oChemin = oDossier + QLatin1Char('/') + oNom;
        if (!QFileInfo::exists(oChemin))
            continue;
        QPixmap oFond(oChemin);
        if (!oFond.isNull())
        {
            qCDebug(lcImages).noquote() << "image chargee:" << oChemin;
            return oFond;
        }
    }
    qCDebug(lcImages).noquote() << "image absente:" << oNom;
    return {};
}

QPalette PaletteAvecFond(QPalette oPalette, const QPixmap& oFond, std::initializer_list<QPalette::ColorRole> oRoles)
{
    for (QPalette::ColorRole eRole : oRoles)
        oPalette.setBrush(eRole, QBrush(oFond));
    return oPalette;
}
