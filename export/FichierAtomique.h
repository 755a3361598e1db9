#ifndef VEXAL_EXPORT_FICHIERATOMIQUE_H
#define VEXAL_EXPORT_FICHIERATOMIQUE_H

#include <string>

// Makes fileName hold exactly oContenu, or leaves the disk as it was: the bytes go to a new file beside
// the target, which replaces the target only once every byte is written. A link is followed, so the
// file it leads to is the one replaced. A file of that name that is not a plain file, or that the
// user may not write, is refused. Returns true only when the target holds the new content; otherwise says why in
// poRaison, when given.
bool RemplacerFichier(const char* fileName, const std::string& oContenu, std::string* poRaison = nullptr);

// What went wrong with a file, in French, from the system's error number.
std::string RaisonSysteme(int nErreur);

#endif
