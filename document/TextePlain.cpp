#include "TextePlain.h"

#include <QTextDocument>

namespace TextePlain
{
QString Bulle(const QString& oTexte)
{
    return Qt::mightBeRichText(oTexte) ? Qt::convertFromPlainText(oTexte, Qt::WhiteSpacePre) : oTexte;
}
}
