#ifndef VEXAL_EXPORT_SCOREAFFICHE_H
#define VEXAL_EXPORT_SCOREAFFICHE_H

#include <string>

// A score as the sheet shows it: the whole part, truncated toward zero, then "+" for exactly one half
// more ("3+" for 3.5); any other fraction is dropped ("3" for 3.25).
std::string ScoreAffiche(double fValue);

#endif
