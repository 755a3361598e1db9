#ifndef VEXAL_MODEL_TEXTE_H
#define VEXAL_MODEL_TEXTE_H

#include <string>

// A value in half points as a French reader writes it: "5,5", "2", "-0,5".
std::string DemiPoints(double fValeur);

#endif
