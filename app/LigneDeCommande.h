#ifndef VEXAL_APP_LIGNEDECOMMANDE_H
#define VEXAL_APP_LIGNEDECOMMANDE_H

// The program as the command line asks for it:
//   vexal                                   the start window
//   vexal FICHIER.vexal                     the start window and that character's sheet
//   vexal --export SORTIE.txt FICHIER.vexal the character's text export, with no window and no display
//   vexal --pdf SORTIE.pdf FICHIER.vexal    the character's printed sheet as a PDF, likewise
// A file that cannot be read or is refused ends the program with exit code 1 and the reason on stderr.
int Lancer(int& argc, char** argv);

#endif
