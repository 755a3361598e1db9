#ifndef VEXAL_APP_LIGNEDECOMMANDE_H
#define VEXAL_APP_LIGNEDECOMMANDE_H

// The program as the command line asks for it:
//   vexal                                   the start window
//   vexal FICHIER.vexal                     the start window and that character's sheet
//   vexal TABLE.vexal-table                 the start window and that table's window
//   vexal --export SORTIE.txt FICHIER.vexal the character's text export, with no window and no display
//   vexal --pdf SORTIE.pdf FICHIER.vexal    the character's printed sheet as a PDF, likewise
//   vexal --pdf SORTIE.pdf TABLE.vexal-table
//                                           the table's grid, then each of its characters' printed sheets, likewise
//   vexal --accorder PA --raison TEXTE [--date AAAA-MM-JJ] FICHIER...
//                                           one award to every character named, each file a character or a table:
//                                           all of them get it, saved, or none does
//   vexal --html SORTIE.html FICHIER.vexal  the character's web page, likewise
// FICHIER may be a character's web page as well, read as the character file it carries.
// Without a window, a file that cannot be read or is refused, or an output that cannot be written (or that is the
// character's own file), ends the program with exit code 1 and the reason on stderr; with a window, the reason is
// shown and the start window stays. A command line the program cannot follow ends it with exit code 2, the reason
// and the usage on stderr, before anything is read or written. At start, the recovery copies a stopped program left
// are offered back.
int Lancer(int& argc, char** argv);

#endif
