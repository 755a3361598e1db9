#ifndef VEXAL_DOCUMENT_FICHIERSRECENTS_H
#define VEXAL_DOCUMENT_FICHIERSRECENTS_H

#include <QStringList>

// The character files last opened or saved, newest first, kept in the user's settings from one run to the next.
// Names are those of NomFichier, bytes kept.
namespace FichiersRecents
{
constexpr int kNombre = 8;

// Those that still exist.
QStringList Liste();
void Noter(const QString& oNom);
}

#endif
