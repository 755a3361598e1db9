#include "Sortie.h"

#include <QPagedPaintDevice>

Sortie::Sortie(QPagedPaintDevice& oAppareil)
    : moAppareil(oAppareil),
      moPeintre(moPropre),
      moRebut(1, 1, QImage::Format_RGB32),
      moPeintreRebut(&moRebut)
{
}

Sortie::Sortie(QPainter& oPeintre, QPagedPaintDevice& oAppareil)
    : moAppareil(oAppareil),
      moPeintre(oPeintre),
      mbPrete(true),
      moRebut(1, 1, QImage::Format_RGB32),
      moPeintreRebut(&moRebut)
{
}

QPainter& Sortie::Ouvrir(bool bImprimee)
{
    if (!bImprimee || mbEchec)
        return moPeintreRebut;
    if (mbPrete && mnPages == 0)
        moPeintre.save();
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
    if (mbPrete && mnPages > 0)
        moPeintre.restore();
    else if (!mbPrete && moPeintre.isActive())
        moPeintre.end();
    return mbEchec ? 0 : mnPages;
}
