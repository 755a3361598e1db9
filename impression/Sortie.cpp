#include "Sortie.h"

#include <QPagedPaintDevice>

Sortie::Sortie(QPagedPaintDevice& oAppareil)
    : moAppareil(oAppareil),
      moRebut(1, 1, QImage::Format_RGB32),
      moPeintreRebut(&moRebut)
{
}

QPainter& Sortie::Ouvrir(bool bImprimee)
{
    if (!bImprimee || mbEchec)
        return moPeintreRebut;
    if (moPeintre.isActive())
        moAppareil.newPage();
    else if (!moPeintre.begin(&moAppareil))
    {
        mbEchec = true;
        return moPeintreRebut;
    }
    ++mnPages;
    return moPeintre;
}

int Sortie::Terminer()
{
    if (moPeintre.isActive())
        moPeintre.end();
    return mbEchec ? 0 : mnPages;
}
