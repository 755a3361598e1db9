#ifndef VEXAL_IMPRESSION_NOTESFEUILLE_H
#define VEXAL_IMPRESSION_NOTESFEUILLE_H

#include "RubriqueFeuille.h"

#include <QStringList>

class Page;

// The player's notes on ruled lines, wrapped to the page's width, going on over as many pages as they need, broken
// between two lines and never inside one; the lines left empty down to the foot of the last page, or down to what
// follows when it fits below the notes, take handwriting.
class NotesFeuille
{
public:
    NotesFeuille(const QStringList& oParagraphes, Page& oPage);

    // fSuite: the height of what comes after the notes.
    void Peindre(double fSuite);

private:
    void PeindreRegle() const;
    // From the top of a line to where its text stands.
    double Base() const;
    // The room the empty lines may take on this page.
    double Libre(double fSuite) const;

    const QStringList& moParagraphes;
    Page& moPage;
    RubriqueFeuille moRubrique;
    double mfLigne;
};

#endif
