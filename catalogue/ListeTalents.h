#ifndef VEXAL_CATALOGUE_LISTETALENTS_H
#define VEXAL_CATALOGUE_LISTETALENTS_H

#include "enregistrements/Regles.h"
#include "enregistrements/Talent.h"

#include <map>
#include <string>

namespace Tables
{
struct LigneTalent;
}

// The talents that one character may acquire, with the links from general talents to their speciality.
class ListeTalents
{
public:
    using Map = std::map<std::string, Talent*>;
    // What a speciality's name adds to its general talent's: "Combat(Spe)".
    static constexpr const char* SuffixeSpecialite = "(Spe)";

    ListeTalents();
    ListeTalents(const ListeTalents&) = delete;
    ListeTalents& operator=(const ListeTalents&) = delete;
    ~ListeTalents();

    void InitListeDesTalents();
    // This catalogue's own map, by name; a caller looks names up with find, which adds nothing. The map owns
    // its records: one a caller files there is deleted with the others, one it takes out is the caller's.
    Map* GetInstanceTalents() { return &moListeDesTalents; }
    const Map* GetInstanceTalents() const { return &moListeDesTalents; }
    void DetruireListeDesTalents();

private:
    void Charger(const Tables::LigneTalent* poDebut, const Tables::LigneTalent* poFin);

    Map moListeDesTalents;
};

#endif
