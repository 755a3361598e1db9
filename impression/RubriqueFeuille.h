#ifndef VEXAL_IMPRESSION_RUBRIQUEFEUILLE_H
#define VEXAL_IMPRESSION_RUBRIQUEFEUILLE_H

#include <QString>

class Page;

// A section as wide as the page that may go on over several: its heading stands above its first line on each page
// it reaches, with "(suite)" after the first, and is never left alone at the foot of one.
class RubriqueFeuille
{
public:
    RubriqueFeuille(QString oTitre, Page& oPage);

    double HauteurTitre() const { return mfTitre; }
    // Makes room for fHauteur more of the section, below its heading when this page has none yet.
    void Placer(double fHauteur);

private:
    QString moTitre;
    Page& moPage;
    double mfTitre;
    int mnPageDuTitre = 0;
};

#endif
