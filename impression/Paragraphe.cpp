#include "Paragraphe.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPointF>
#include <QTextBoundaryFinder>
#include <QTextOption>

#include <algorithm>
#include <vector>

namespace
{
// Breaking at words, Qt measures a word to its end again for each line the word fills, which for a word of n
// characters costs n squared; below this length that is still nothing.
constexpr int kMotLong = 256;

// A space that ends a word, unlike a no-break one.
bool EspaceSecable(QChar oCaractere)
{
    return oCaractere.isSpace() && oCaractere.decompositionTag() != QChar::NoBreak;
}

// Every place where Qt's breaking at words may end a word: before a space that breaks, where the text may break, and
// at its end. Qt ends words at some of these places and nowhere else.
std::vector<int> FinsDeMots(const QString& oTexte)
{
    std::vector<int> oFins;
    QTextBoundaryFinder oCoupures(QTextBoundaryFinder::Line, oTexte);
    qsizetype nCoupure = oCoupures.toNextBoundary();
    for (qsizetype n = 1; n <= oTexte.size(); ++n)
    {
        const bool bCoupure = n == nCoupure;
        if (bCoupure)
            nCoupure = oCoupures.toNextBoundary();
        if (bCoupure || n == oTexte.size() || EspaceSecable(oTexte.at(n)))
            oFins.push_back(static_cast<int>(n));
    }
    return oFins;
}

// The end of the word that starts at nDebut, or nDebut at the end of the text.
int FinDuMot(const std::vector<int>& oFins, int nDebut)
{
    const auto oFin = std::upper_bound(oFins.begin(), oFins.end(), nDebut);
    return oFin == oFins.end() ? nDebut : *oFin;
}
}

Paragraphe::Paragraphe(const QString& oTexte, const QFont& oPolice, const QPaintDevice& oAppareil, double fLargeur,
                       Qt::Alignment eAlignement)
    : moMiseEnPage(oTexte, oPolice, &oAppareil)
{
    const std::vector<int> oFins = FinsDeMots(oTexte);
    QTextOption oOption(eAlignement);
    const auto Remplir = [&](QTextLine& oLigne, QTextOption::WrapMode eMode) {
        oOption.setWrapMode(eMode);
        moMiseEnPage.setTextOption(oOption);
        oLigne.setLineWidth(fLargeur);
    };
    moMiseEnPage.beginLayout();
    for (QTextLine oLigne = moMiseEnPage.createLine(); oLigne.isValid(); oLigne = moMiseEnPage.createLine())
    {
        // A line that a long word alone overflows is the one Qt ends up filling anywhere: filled that way at once,
        // the word is not measured to its end first. Only a word going on well past the line surely overflows it:
        // a glyph's overhang alone may stop the line short of a word that Qt lets fit.
        const int nFinDuMot = FinDuMot(oFins, oLigne.textStart());
        if (nFinDuMot - oLigne.textStart() > kMotLong)
        {
            Remplir(oLigne, QTextOption::WrapAnywhere);
            if (nFinDuMot - (oLigne.textStart() + oLigne.textLength()) > kMotLong)
                continue;
        }
        Remplir(oLigne, QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
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
