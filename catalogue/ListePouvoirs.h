#ifndef VEXAL_CATALOGUE_LISTEPOUVOIRS_H
#define VEXAL_CATALOGUE_LISTEPOUVOIRS_H

#include "model/Pouvoir.h"
#include "model/Regles.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Whether a power's level may be raised once bought.
enum Evolution
{
    VARIABLE,
    INVARIABLE
};

// One row of a power table; an empty superior leaves the power open to every superior.
struct LignePouvoir
{
    std::string_view moNom;
    int mnCout;
    Evolution meEvolution;
    std::string_view moSuperieur;
};

constexpr std::string_view Ouvert{};

// The powers that one character may buy: the general ones plus those of its side.
class ListePouvoirs
{
public:
    using Map = std::map<std::string, Pouvoir*>;

    explicit ListePouvoirs(PERSO eCote);
    ListePouvoirs(const ListePouvoirs&) = delete;
    ListePouvoirs& operator=(const ListePouvoirs&) = delete;
    ~ListePouvoirs();

    void InitListeDesPouvoirsGeneral();
    void InitListeDesPouvoirsAnges();
    void InitListeDesPouvoirsDemons();
    // This catalogue's own map, by name; a caller looks names up with find, which adds nothing.
    Map* GetInstancePouvoirs() { return &moListeDesPouvoirs; }
    void DetruireListeDesPouvoirs();

private:
    void Charger(const LignePouvoir* poDebut, const LignePouvoir* poFin);

    Map moListeDesPouvoirs;
    std::vector<std::unique_ptr<Pouvoir>> moRecords;  // owns what the map points to
};

#endif
