#ifndef VEXAL_IMPRESSION_SORTIE_H
#define VEXAL_IMPRESSION_SORTIE_H

#include <QImage>
#include <QPainter>

class QPagedPaintDevice;

// Where the sheet's pages go: onto the device, or nowhere for a page laid out only to find where the next ones
// start. The device is begun with the first page it takes, so that a print without any page leaves no trace.
class Sortie
{
public:
    explicit Sortie(QPagedPaintDevice& oAppareil);
    // After the pages another painter already put on its device: every page is a new one, and the painter is left
    // open, as it was found, for what comes next.
    Sortie(QPainter& oPeintre, QPagedPaintDevice& oAppareil);
    Sortie(const Sortie&) = delete;
    Sortie& operator=(const Sortie&) = delete;

    QPagedPaintDevice& Appareil() const { return moAppareil; }
    // The painter of a new page: a new page of the device when bImprimee, else one that keeps nothing.
    QPainter& Ouvrir(bool bImprimee);
    // The number of pages the device took, 0 when it could not be painted on.
    int Terminer();

private:
    QPagedPaintDevice& moAppareil;
    QPainter moPropre;
    QPainter& moPeintre;
    bool mbPrete = false;
    // One pixel, outside which all that is drawn falls.
    QImage moRebut;
    QPainter moPeintreRebut;
    int mnPages = 0;
    bool mbEchec = false;
};

#endif
