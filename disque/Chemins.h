#ifndef VEXAL_DISQUE_CHEMINS_H
#define VEXAL_DISQUE_CHEMINS_H

#include <string>

std::string CheminCanonique(const std::string& oNom);

#endif
