#include "NotesFeuille.h"

#include "Page.h"
#include "Paragraphe.h"
#include "StyleFeuille.h"
#include "TitreFeuille.h"

#include <QPainter>

namespace
{
// Lines as far apart as a ruled notebook's, so that the empty ones take handwriting.
constexpr double kInterligne = 1.6;
constexpr int kLignesVidesMin = 3;
constexpr double kRetraitMm = 1;
}

NotesFeuille::NotesFeuille(const QStringList& oParagraphes, Page& oPage)
    : moParagraphes(oParagraphes),
      moPage(oPage),
      mfTitre(TitreFeuille(oPage.Style()).Hauteur()),
      mfLigne(oPage.Style().Interligne(oPage.Style().moTexte) * kInterligne)
{
}

void NotesFeuille::Peindre()
{
    const StyleFeuille& oStyle = moPage.Style();
    // Without notes, the heading and its lines only take the room left, if there is enough to write in.
    if (moParagraphes.isEmpty() && moPage.Reste() < mfTitre + kLignesVidesMin * mfLigne)
        return;
    const double fRetrait = oStyle.Mm(kRetraitMm);
    for (const QString& oTexte : moParagraphes)
    {
        const Paragraphe oParagraphe(oTexte, oStyle.moTexte, oStyle.Appareil(), moPage.Largeur() - 2 * fRetrait);
        for (int nLigne = 0; nLigne < oParagraphe.NombreDeLignes(); ++nLigne)
        {
            PlacerLigne();
            PeindreRegle();
            const double fHaut = moPage.Y() + Base() - oParagraphe.Ascendante(nLigne);
            oParagraphe.PeindreLigne(moPage.Peintre(), nLigne, QPointF(fRetrait, fHaut));
            moPage.Descendre(mfLigne);
        }
    }
    if (moParagraphes.isEmpty())
        PlacerLigne();
    while (moPage.Reste() >= mfLigne)
    {
        PeindreRegle();
        moPage.Descendre(mfLigne);
    }
}

void NotesFeuille::PlacerLigne()
{
    const bool bTitreIci = moPage.Numero() == mnPageDuTitre;
    moPage.Reserver(bTitreIci ? mfLigne : mfTitre + mfLigne);
    if (moPage.Numero() == mnPageDuTitre)
        return;
    const QString oTitre = mnPageDuTitre == 0 ? QStringLiteral("Notes") : QStringLiteral("Notes (suite)");
    TitreFeuille(moPage.Style()).Peindre(moPage.Peintre(), oTitre, 0, moPage.Y(), moPage.Largeur());
    mnPageDuTitre = moPage.Numero();
    moPage.Descendre(mfTitre);
}

double NotesFeuille::Base() const
{
    return mfLigne - moPage.Style().Mm(1.2);
}

void NotesFeuille::PeindreRegle() const
{
    const double fRegle = moPage.Y() + Base() + moPage.Style().Mm(0.6);
    moPage.Peintre().setPen(moPage.Style().Trait(0.2));
    moPage.Peintre().drawLine(QPointF(0, fRegle), QPointF(moPage.Largeur(), fRegle));
}
