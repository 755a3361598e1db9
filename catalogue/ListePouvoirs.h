#ifndef VEXAL_CATALOGUE_LISTEPOUVOIRS_H
#define VEXAL_CATALOGUE_LISTEPOUVOIRS_H

#include "enregistrements/Pouvoir.h"
#include "enregistrements/Regles.h"

#include <map>
#include <string>

namespace Tables
{
struct LignePouvoir;
}

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
    // This catalogue's own map, by name; a caller looks names up with find, which adds nothing. The map owns
    // its records: one a caller files there is deleted with the others, one it takes out is the caller's.
    Map* GetInstancePouvoirs() { return &moListeDesPouvoirs; }
    const Map* GetInstancePouvoirs() const { return &moListeDesPouvoirs; }
    void DetruireListeDesPouvoirs();

private:
    void Charger(const Tables::LignePouvoir* poDebut, const Tables::LignePouvoir* poFin);

    Map moListeDesPouvoirs;
};

#endif
