#ifndef VEXAL_IMPRESSION_JOURNALFEUILLE_H
#define VEXAL_IMPRESSION_JOURNALFEUILLE_H

#include "ContenuFeuille.h"
#include "Paragraphe.h"
#include "RubriqueFeuille.h"

#include <cstddef>
#include <memory>
#include <vector>

class Page;

// The awards one below the other, every other one on a band: the date and the PA in columns as wide as their widest,
// then the reason and, below it in small, what the award bought, both wrapped to the room left. An award goes on
// over the next page only when no page holds it whole, and then between two of its lines.
class JournalFeuille
{
public:
    JournalFeuille(const std::vector<AttributionFeuille>& oAttributions, Page& oPage);

    // The height of the whole journal with its heading; nothing without awards.
    double Hauteur() const;
    void Peindre();

private:
    struct Ligne
    {
        const Paragraphe* mpoParagraphe;
        int mnLigne;
        double mfHauteur;
    };

    // An award's text, line by line, and the height of its band.
    struct Rangee
    {
        std::vector<std::unique_ptr<Paragraphe>> moParagraphes;
        std::vector<Ligne> moLignes;
        double mfHauteur = 0;
    };

    void Ajouter(Rangee& oRangee, const QString& oTexte, const QFont& oPolice, double fLargeur) const;
    void PeindreRangee(std::size_t nRangee);

    const std::vector<AttributionFeuille>& moAttributions;
    Page& moPage;
    RubriqueFeuille moRubrique;
    std::vector<Rangee> moRangees;
    double mfRetrait;
    double mfAir;
    double mfFinPA = 0;
    double mfTexte = 0;
};

#endif
