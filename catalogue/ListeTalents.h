#ifndef VEXAL_CATALOGUE_LISTETALENTS_H
#define VEXAL_CATALOGUE_LISTETALENTS_H

#include "model/Regles.h"
#include "model/Talent.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class Sorte
{
    Talent,
    Langue
};

struct LigneTalent
{
    std::string_view moNom;
    Sorte meSorte;
    PRIORITE mePriorite;
    CARACT meCaract;
};

// The talents that one character may acquire, with the links from general talents to their speciality.
class ListeTalents
{
public:
    using Map = std::map<std::string, Talent*>;

    ListeTalents();
    ListeTalents(const ListeTalents&) = delete;
    ListeTalents& operator=(const ListeTalents&) = delete;
    ~ListeTalents();

    void InitListeDesTalents();
    // This catalogue's own map, by name; a caller looks names up with find, which adds nothing.
    Map* GetInstanceTalents() { return &moListeDesTalents; }
    void DetruireListeDesTalents();

private:
    void Charger(const LigneTalent* poDebut, const LigneTalent* poFin);

    Map moListeDesTalents;
    std::vector<std::unique_ptr<Talent>> moRecords;  // owns what the map points to
};

#endif
