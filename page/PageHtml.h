#ifndef VEXAL_PAGE_PAGEHTML_H
#define VEXAL_PAGE_PAGEHTML_H

#include "journal/Journal.h"

#include <string>

class Personnage;

// The character as one web page, in UTF-8: everything the printed sheet says (name, side, superior, grade, points,
// characteristics, the derived figures, talents and powers by group, notes, the journal), with its style inline and
// no script to run, then the character file itself, which the program opens back.
std::string TextePage(const Personnage& oPerso, const Journal& oJournal);

#endif
