#ifndef VEXAL_SHEET_CHOIXFICHIER_H
#define VEXAL_SHEET_CHOIXFICHIER_H

#include <QString>

#include <memory>

class QLockFile;
class QWidget;

// What every window that opens or saves a file of this program does alike: the file types offered, the name
// proposed, the lock taken with the player's leave, and a name shown as the system writes it.
namespace ChoixFichier
{
QString FiltrePersonnages();
QString FiltreTables();
// Both kinds, and a character's web page, for a dialog that opens any.
QString FiltreOuvrir();
bool EstTable(const QString& oFichier);
// oNom as a file name, without what some system forbids in one; oSinon when oNom is empty.
QString NomDeFichier(QString oNom, const QString& oSinon);
// The same with oExtension (its dot included), in the folder last used.
QString NomPropose(const QString& oNom, const QString& oSinon, const QString& oExtension);
// The lock of a file to open or, with bEnregistrer, to save to; false when another VEXAL has it open and the player
// keeps away. Why a lock is of no use is said in oSansVerrou.
bool Verrouiller(QWidget* poFenetre, const QString& oFichier, std::unique_ptr<QLockFile>& poVerrou, bool bEnregistrer,
                 QString& oSansVerrou);
QString Montre(const QString& oFichier);
// Whether the player, asked, saves over a file somebody else wrote since it was opened or saved here.
bool RemplacerChangement(QWidget* poFenetre, const QString& oFichier);
}

#endif
