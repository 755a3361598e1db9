#ifndef VEXAL_IMPRESSION_FLUXCOLONNES_H
#define VEXAL_IMPRESSION_FLUXCOLONNES_H

#include "ContenuFeuille.h"

#include <cstddef>
#include <optional>
#include <vector>

class Page;

// The talents and powers in two columns: left, then right, then the next page. Where all that is left fits on the
// page, the two columns share it evenly. A heading always stands above a row of its own group, and a group that
// goes on in another column is headed again there, so that no row is ever read under the wrong heading, and takes
// at least two of its rows there: its last row alone would look like a group of its own.
class FluxColonnes
{
public:
    FluxColonnes(const std::vector<GroupeFeuille>& oGroupes, Page& oPage);

    void Peindre();

private:
    // A row, with its group's heading when it is the group's first: the two are never parted.
    struct Bloc
    {
        const GroupeFeuille* mpoGroupe;
        std::size_t mnLigne;
    };

    double HauteurBloc(std::size_t nBloc) const;
    // The last row of a group that has others before it, which may not start a column.
    bool Veuve(std::size_t nBloc) const;
    // The height of a column holding the blocks from nDebut to nFin, with a repeated heading where needed.
    double HauteurColonne(std::size_t nDebut, std::size_t nFin) const;
    // The end of the longest column from nDebut within fHauteur, one row shorter when the next would start with a
    // group's last row.
    std::size_t Remplir(std::size_t nDebut, double fHauteur) const;
    // Where the right column starts when every block left fits in two even columns within fHauteur.
    std::optional<std::size_t> Partager(std::size_t nDebut, double fHauteur) const;
    double PeindreColonne(std::size_t nDebut, std::size_t nFin, double fX, double fY) const;
    void PeindreTitre(const GroupeFeuille& oGroupe, bool bSuite, double fX, double fY) const;
    void PeindreLigne(const GroupeFeuille& oGroupe, std::size_t nLigne, double fX, double fY) const;

    Page& moPage;
    std::vector<Bloc> moBlocs;
    double mfLargeur;
    double mfEcart;
    double mfTitre;
    double mfLigne;
    double mfColonneNiveau;
    double mfColonneValeur;
};

#endif
