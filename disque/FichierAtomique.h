#ifndef VEXAL_DISQUE_FICHIERATOMIQUE_H
#define VEXAL_DISQUE_FICHIERATOMIQUE_H

#include <string>

// What a replacement must respect besides the content.
struct Remplacement
{
    // The file the content was made from: whatever name leads to it, it is never the one replaced.
    std::string moSource;
    // The replaced file stays beside the new one as "<name>~", one step back.
    bool mbCopieDeSecours = false;
    // When given, says in French why the replaced file could not be kept as "<name>~" although the new content was
    // written; left as it was otherwise.
    std::string* mpoAvertissement = nullptr;
};

// Makes fileName hold exactly oContenu, or leaves the disk as it was. The bytes go to a new private file beside the
// target; every write is checked and the file is synced to the disk before it takes the target's place with its
// permissions. A link is followed, so the file it leads to is the one replaced. A name that exists and is not a
// regular file, or is the source, is refused. Returns true only when the target holds the new content; otherwise
// says why in French in poRaison, when given. A program killed in the middle may leave a temporary file, which the
// next replacement of the same target or NettoyerTemporaires removes.
bool RemplacerFichier(const char* fileName, const std::string& oContenu, std::string* poRaison = nullptr,
                      const Remplacement& oOptions = {});

// Removes the temporary files that replacements of fileName (and of its "<name>~") left behind when their program
// was stopped: ".<name>.<8 hex digits>.tmp" beside the file a link leads to, regular files that no living program
// holds. Anything else named like them, a link or a folder, is left alone.
void NettoyerTemporaires(const char* fileName);

#endif
