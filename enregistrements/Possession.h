#ifndef VEXAL_ENREGISTREMENTS_POSSESSION_H
#define VEXAL_ENREGISTREMENTS_POSSESSION_H

#include <memory>
#include <string>

// The maps of records hold them through plain pointers, which their users may read, file and take out: a map
// owns whatever it points to when it is emptied.
namespace Possession
{
// Files the record under the name; a record filed there before is deleted.
template <class Map, class Record>
void Classer(Map& oMap, const std::string& oNom, std::unique_ptr<Record> poRecord)
{
    typename Map::mapped_type& poClasse = oMap[oNom];
    delete poClasse;
    poClasse = poRecord.release();
}

// Files the record at oIci or after it, and says where it went: records given in name order, each from where the
// previous one went, walk the map once. A record filed there before is deleted.
template <class Map, class Record>
typename Map::iterator ClasserApres(Map& oMap, typename Map::iterator oIci, const std::string& oNom,
                                    std::unique_ptr<Record> poRecord)
{
    while (oIci != oMap.end() && oIci->first < oNom)
        ++oIci;
    if (oIci != oMap.end() && oIci->first == oNom)
    {
        delete oIci->second;
        oIci->second = poRecord.release();
        return oIci;
    }
    return oMap.emplace_hint(oIci, oNom, poRecord.release());
}

// Deletes every record of the map, whoever filed it, and empties the map.
template <class Map>
void Vider(Map& oMap)
{
    for (const auto& oEntree : oMap)
        delete oEntree.second;
    oMap.clear();
}
}

#endif
