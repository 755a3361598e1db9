#ifndef VEXAL_RECUPERATION_VERSIONFICHIERS_H
#define VEXAL_RECUPERATION_VERSIONFICHIERS_H

#include "disque/LectureFichier.h"
#include "fichier/FichierPersonnage.h"

#include <string>

// What a file of this footprint holds, oTexte being the bytes read from it or written to it.
FichierPersonnage::VersionFichier VersionDe(const Empreinte& oEmpreinte, const std::string& oTexte);

// Whether the file named oNom (bytes) still holds what oVersion says: the same size and time, or else the same
// bytes. A file gone holds nothing of it.
bool TientEncore(const std::string& oNom, const FichierPersonnage::VersionFichier& oVersion);

#endif
