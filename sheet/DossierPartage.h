#ifndef VEXAL_SHEET_DOSSIERPARTAGE_H
#define VEXAL_SHEET_DOSSIERPARTAGE_H

#include <QString>

// The folder where each save of a character also writes its web page, for the other players to read; kept in the
// user's settings from one run to the next. Names are those of NomFichier, bytes kept.
namespace DossierPartage
{
// Empty when none is chosen.
QString Lire();
// An empty name clears it.
void Changer(const QString& oDossier);
}

#endif
