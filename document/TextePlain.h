#ifndef VEXAL_SHEET_TEXTEPLAIN_H
#define VEXAL_SHEET_TEXTEPLAIN_H

#include <QString>

// Names, paths and reasons come from files and players: shown, they are text, never markup that would hide a line
// or show a false one.
namespace TextePlain
{
// A tool tip that shows oTexte as it stands, whatever it holds: a tool tip takes text that looks like markup for
// markup.
QString Bulle(const QString& oTexte);
}

#endif
