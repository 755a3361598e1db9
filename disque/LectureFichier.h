#ifndef VEXAL_DISQUE_LECTUREFICHIER_H
#define VEXAL_DISQUE_LECTUREFICHIER_H

#include <cstddef>
#include <optional>
#include <string>

// The bytes of a regular file, or nothing and why in French. Anything else (a folder, a pipe, a device) is refused at
// once, without waiting on it. At most nTailleMax + 1 bytes are read: one byte more tells the file is larger.
std::optional<std::string> LireFichier(const char* fileName, std::size_t nTailleMax, std::string& oRaison);

// What tells one version of a file from another without reading it: which file the name leads to, its size and the
// time it was last written. Two equal footprints mean nobody wrote the file in between.
struct Empreinte
{
    bool mbExiste = false;
    unsigned long long mnAppareil = 0;
    unsigned long long mnNoeud = 0;
    long long mnTaille = 0;
    long long mnSecondes = 0;
    long long mnNanosecondes = 0;
};

bool operator==(const Empreinte& oGauche, const Empreinte& oDroite);
inline bool operator!=(const Empreinte& oGauche, const Empreinte& oDroite)
{
    return !(oGauche == oDroite);
}

Empreinte EmpreinteDe(const char* fileName);

#endif
