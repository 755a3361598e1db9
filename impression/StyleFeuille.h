#ifndef VEXAL_IMPRESSION_STYLEFEUILLE_H
#define VEXAL_IMPRESSION_STYLEFEUILLE_H

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

class QPaintDevice;

// The printed sheet's look on one device: its fonts, its greys and its measures, in the device's own units. Every
// text is black; grey only draws the rules, the boxes and the bands behind every other row, so the sheet reads as
// well from a black and white printer.
class StyleFeuille
{
public:
    explicit StyleFeuille(const QPaintDevice& oAppareil);

    double Mm(double fMm) const;
    double Interligne(const QFont& oPolice) const;
    double Ascendante(const QFont& oPolice) const;
    double Largeur(const QFont& oPolice, const QString& oTexte) const;
    QString Raccourci(const QFont& oPolice, const QString& oTexte, double fLargeur) const;
    QPen Trait(double fEpaisseurMm) const;

    const QPaintDevice& Appareil() const { return moAppareil; }

    QFont moSurtitre;
    QFont moNom;
    QFont moLibelle;
    QFont moIdentite;
    QFont moChiffre;
    QFont moTitre;
    QFont moTexte;
    QFont moFort;
    QFont moMention;
    QFont moEnTete;
    QColor moGris;
    QColor moBande;

private:
    const QPaintDevice& moAppareil;
};

#endif
