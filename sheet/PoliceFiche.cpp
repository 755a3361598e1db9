#include "PoliceFiche.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace
{
std::optional<qreal> soTaille;

// The largest size, in half points from 8 down, at which every caption fits. Each size tried loads a font, and
// widths grow in step with the size, so the widths in the current font tell which size to try first.
qreal TailleQuiConvient(const QWidget& oFiche)
{
    const QList<QLabel*> oLabels = oFiche.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const auto Deborde = [&oLabels](const auto& oMesure) {
        qreal fDebord = 0;
        for (const QLabel* poLabel : oLabels)
            fDebord = std::max(fDebord, oMesure.horizontalAdvance(poLabel->text()) / qreal(poLabel->width()));
        return fDebord;
    };
    QFont oPolice = oFiche.font();
    qreal fEssai = std::clamp(std::floor(2 * oPolice.pointSizeF() / Deborde(QFontMetricsF(oPolice))) / 2, 6.0, 8.0);
    for (; fEssai > 6.0; fEssai -= 0.5)
    {
        oPolice.setPointSizeF(fEssai);
        if (Deborde(QFontMetrics(oPolice)) <= 1)
            break;
    }
    return fEssai;
}
}

namespace PoliceFiche
{
std::optional<qreal> Taille()
{
    return soTaille;
}

qreal Mesurer(const QWidget& oFiche)
{
    if (!soTaille)
        soTaille = TailleQuiConvient(oFiche);
    return *soTaille;
}

void Appliquer(QWidget& oFiche, qreal fTaille)
{
    QFont oPolice = oFiche.font();
    oPolice.setPointSizeF(fTaille);
    oFiche.setFont(oPolice);
}
}
