#include "NotesFeuille.h"

#include "Page.h"
#include "Paragraphe.h"
#include "StyleFeuille.h"

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
      moRubrique(QStringLiteral("Notes"), oPage),
      mfLigne(oPage.Style().Interligne(oPage.Style().moTexte) * kInterligne)
{
}

void NotesFeuille::Peindre(double fSuite)
{
    const StyleFeuille& oStyle = moPage.Style();
    // Without notes, the heading and its lines only take the room left, if there is enough to write in.
    if (moParagraphes.isEmpty() && Libre(fSuite) < moRubrique.HauteurTitre() + kLignesVidesMin * mfLigne)
        return;
    const double fRetrait = oStyle.Mm(kRetraitMm);
    for (const QString& oTexte : moParagraphes)
    {
        const Paragraphe oParagraphe(oTexte, oStyle.moTexte, oStyle.Appareil(), moPage.Largeur() - 2 * fRetrait);
        for (int nLigne = 0; nLigne < oParagraphe.NombreDeLignes(); ++nLigne)
        {
            moRubrique.Placer(mfLigne);
            PeindreRegle();
            const double fHaut = moPage.Y() + Base() - oParagraphe.Ascendante(nLigne);
            oParagraphe.PeindreLigne(moPage.Peintre(), nLigne, QPointF(fRetrait, fHaut));
            moPage.Descendre(mfLigne);
        }
    }
    if (moParagraphes.isEmpty())
        moRubrique.Placer(mfLigne);
    while (Libre(fSuite) >= mfLigne)
    {
        PeindreRegle();
        moPage.Descendre(mfLigne);
    }
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

// What follows stands at the foot of this page when it fits there, else it starts on the next one.
double NotesFeuille::Libre(double fSuite) const
{
    const double fReste = moPage.Reste();
    return fReste >= fSuite ? fReste - fSuite : fReste;
}
