#ifndef VEXAL_IMPRESSION_NOTESFEUILLE_H
#define VEXAL_IMPRESSION_NOTESFEUILLE_H

#include <QStringList>

class Page;

// The player's notes on ruled lines, wrapped to the page's width, going on over as many pages as they need, broken
// between two lines and never inside one; the lines left empty down to the foot of the last page take handwriting.
class NotesFeuille
{
public:
    NotesFeuille(const QStringList& oParagraphes, Page& oPage);

    void Peindre();

private:
    // Makes room for one more line, below a heading on each page the notes reach.
    void PlacerLigne();
    void PeindreRegle() const;
    // From the top of a line to where its text stands.
    double Base() const;

    const QStringList& moParagraphes;
    Page& moPage;
    double mfTitre;
    double mfLigne;
    int mnPageDuTitre = 0;
};

#endif
