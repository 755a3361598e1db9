#include "FichePleine.h"

#include "Fiche.h"
#include "PouvoirTalentWidget.h"

#include <QComboBox>

namespace
{
QStringList Entrees(const QComboBox* poListe)
{
    QStringList oNoms;
    for (int i = 0; i < poListe->count(); ++i)
        oNoms << poListe->itemText(i);
    return oNoms;
}
}

int CompterLignes(const Fiche& oFiche)
{
    return static_cast<int>(oFiche.findChildren<PouvoirTalentWidget*>().size());
}

int RemplirFiche(Fiche& oFiche, int nLignes)
{
    oFiche.spinBoxPATOT->setValue(999);

    const QStringList oTalents = Entrees(oFiche.comboBoxTalents);
    const QStringList oPouvoirs = Entrees(oFiche.PouvoirsListe);
    const qsizetype nTalents = oTalents.size();
    const qsizetype nPouvoirs = oPouvoirs.size();
    qsizetype iTalent = 0;
    qsizetype iPouvoir = 0;
    // Talents and powers take turns in proportion to their numbers, so every prefix has the mix of the whole.
    while (CompterLignes(oFiche) < nLignes && (iTalent < nTalents || iPouvoir < nPouvoirs))
    {
        if (iPouvoir >= nPouvoirs || (iTalent < nTalents && iTalent * nPouvoirs <= iPouvoir * nTalents))
        {
            oFiche.comboBoxTalents->setCurrentText(oTalents[iTalent++]);
            oFiche.AddTalentItem();
        }
        else
        {
            oFiche.PouvoirsListe->setCurrentText(oPouvoirs[iPouvoir++]);
            oFiche.AddPouvoirItem();
        }
    }
    return CompterLignes(oFiche);
}
