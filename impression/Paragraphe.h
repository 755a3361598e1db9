#ifndef VEXAL_IMPRESSION_PARAGRAPHE_H
#define VEXAL_IMPRESSION_PARAGRAPHE_H

#include <QTextLayout>

class QFont;
class QPaintDevice;
class QPainter;
class QPointF;
class QString;

// A text broken into lines of a given width: between words, or inside a word too long for a line. Each line is
// painted on its own, in black, so that a long text may go on over the next page between two lines; placed within
// the width as eAlignement says.
class Paragraphe
{
public:
    Paragraphe(const QString& oTexte, const QFont& oPolice, const QPaintDevice& oAppareil, double fLargeur,
               Qt::Alignment eAlignement = Qt::AlignLeft);
    Paragraphe(const Paragraphe&) = delete;
    Paragraphe& operator=(const Paragraphe&) = delete;

    int NombreDeLignes() const { return moMiseEnPage.lineCount(); }
    // From the top of a line to its baseline.
    double Ascendante(int nLigne) const;
    // The line's text with its top-left corner at oCoin.
    void PeindreLigne(QPainter& oPeintre, int nLigne, const QPointF& oCoin) const;

private:
    QTextLayout moMiseEnPage;
};

#endif
