#include "StyleFeuille.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace
{
// DejaVu comes with every Debian desktop (fonts-dejavu-core), in a plain and a bold face; the PDF embeds it. Without
// shaping no two letters are joined into a ligature glyph, which a search for "fi" in the PDF would miss.
QFont Police(const QString& oFamille, double fPoints, QFont::Weight eGraisse = QFont::Normal)
{
    QFont oPolice(oFamille);
    oPolice.setStyleHint(oFamille.contains(QStringLiteral("Serif")) ? QFont::Serif : QFont::SansSerif,
                         QFont::PreferNoShaping);
    oPolice.setPointSizeF(fPoints);
    oPolice.setWeight(eGraisse);
    return oPolice;
}

const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSerif = QStringLiteral("DejaVu Serif");
}

StyleFeuille::StyleFeuille(const QPaintDevice& oAppareil)
    : moSurtitre(Police(kSans, 7.5, QFont::Bold)),
      moNom(Police(kSerif, 22, QFont::Bold)),
      moLibelle(Police(kSans, 7)),
      moIdentite(Police(kSerif, 11, QFont::Bold)),
      moChiffre(Police(kSerif, 14, QFont::Bold)),
      moTitre(Police(kSerif, 10.5, QFont::Bold)),
      moTexte(Police(kSans, 8.5)),
      moFort(Police(kSans, 8.5, QFont::Bold)),
      moMention(Police(kSans, 6.5)),
      moEnTete(Police(kSans, 7.5)),
      moGris(170, 170, 170),
      moBande(238, 238, 238),
      moAppareil(oAppareil)
{
}

double StyleFeuille::Mm(double fMm) const
{
    return fMm * moAppareil.logicalDpiY() / 25.4;
}

double StyleFeuille::Interligne(const QFont& oPolice) const
{
    return QFontMetricsF(oPolice, &moAppareil).lineSpacing();
}

double StyleFeuille::Ascendante(const QFont& oPolice) const
{
    return QFontMetricsF(oPolice, &moAppareil).ascent();
}

double StyleFeuille::Largeur(const QFont& oPolice, const QString& oTexte) const
{
    return QFontMetricsF(oPolice, &moAppareil).horizontalAdvance(oTexte);
}

QString StyleFeuille::Raccourci(const QFont& oPolice, const QString& oTexte, double fLargeur) const
{
    return QFontMetricsF(oPolice, &moAppareil).elidedText(oTexte, Qt::ElideRight, fLargeur);
}

QPen StyleFeuille::Trait(double fEpaisseurMm) const
{
    return QPen(moGris, Mm(fEpaisseurMm));
}
