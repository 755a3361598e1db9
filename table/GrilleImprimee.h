#ifndef VEXAL_TABLE_GRILLEIMPRIMEE_H
#define VEXAL_TABLE_GRILLEIMPRIMEE_H

#include "StyleFeuille.h"

#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QModelIndex;
class QPagedPaintDevice;
class QPainter;

// A table model printed as a grid: its horizontal headers over the columns, its vertical ones before the rows, each
// cell as the model shows it, in bold where the model's font is. Columns too many for the page go on pages of their
// own, the rows' names repeated; rows too many go on to the next page under the columns' headers again, never a row
// cut in two. Every page is headed with the title and its number.
class GrilleImprimee
{
public:
    GrilleImprimee(const QAbstractItemModel& oModele, QPainter& oPeintre, QPagedPaintDevice& oAppareil);

    // Paints the grid from the painter's open page on, after oRemarques, a paragraph each. Returns the number of
    // pages painted.
    int Peindre(const QString& oTitre, const QStringList& oRemarques);

private:
    double Hauteur(const QFont& oPolice, const QString& oTexte, double fLargeur) const;
    void PeindreTexte(const QFont& oPolice, const QRectF& oCase, Qt::Alignment eAlignement, const QString& oTexte);
    void NouvellePage();
    void PeindreRemarques(const QStringList& oRemarques);
    void PeindreEntetes(int nDebut, int nFin);
    double HauteurEntetes(int nDebut, int nFin) const;
    double HauteurLigne(int nLigne, int nDebut, int nFin) const;
    void PeindreLigne(int nLigne, int nDebut, int nFin, double fHauteur);
    // The text's own font, or its bold face where the model shows it so.
    const QFont& Police(const QModelIndex& oCase) const;

    const QAbstractItemModel& moModele;
    QPainter& moPeintre;
    QPagedPaintDevice& moAppareil;
    const StyleFeuille moStyle;
    const double mfMarge;
    double mfEtiquettes = 0;
    double mfColonne = 0;
    int mnParPage = 1;
    QString moTitre;
    int mnPage = 0;
    double mfY = 0;
    // Where the page's rows begin, below its heading and the columns' headers: a row too tall for the page below
    // them fits on none.
    double mfDebut = 0;
};

#endif
