#include "Paragraphe.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPointF>
#include <QTextOption>

Paragraphe::Paragraphe(const QString& oTexte, const QFont& oPolice, const QPaintDevice& oAppareil, double fLargeur)
    : moMiseEnPage(oTexte, oPolice, &oAppareil)
{
    QTextOption oOption;
    oOption.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    moMiseEnPage.setTextOption(oOption);
    moMiseEnPage.beginLayout();
    for (QTextLine oLigne = moMiseEnPage.createLine(); oLigne.isValid(); oLigne = moMiseEnPage.createLine())
        oLigne.setLineWidth(fLargeur);
    moMiseEnPage.endLayout();
}

double Paragraphe::Ascendante(int nLigne) const
{
    return moMiseEnPage.lineAt(nLigne).ascent();
}

void Paragraphe::PeindreLigne(QPainter& oPeintre, int nLigne, const QPointF& oCoin) const
{
    const QTextLine oLigne = moMiseEnPage.lineAt(nLigne);
    oPeintre.setPen(Qt::black);
    oLigne.draw(&oPeintre, oCoin - oLigne.position());
}
