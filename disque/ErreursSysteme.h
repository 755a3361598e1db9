#ifndef VEXAL_DISQUE_ERREURSSYSTEME_H
#define VEXAL_DISQUE_ERREURSSYSTEME_H

#include <string>

// What went wrong with a file, in French, from the system's error number: never the system's own English.
std::string RaisonSysteme(int nErreur);

// The folder that holds a file, as the player named it: "." for a bare name.
std::string DossierDe(const std::string& oFichier);

// Why a file could not be reached for this error: a missing file and a missing folder are not the same trouble.
std::string RaisonAcces(const std::string& oFichier, int nErreur);

#endif
