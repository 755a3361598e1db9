#ifndef VEXAL_SHEET_COMMANDESFICHIER_H
#define VEXAL_SHEET_COMMANDESFICHIER_H

#include "disque/FichierAtomique.h"

#include <QObject>
#include <QString>

#include <memory>

struct CopieOrpheline;
class DocumentPersonnage;
class Fiche;
class QAction;
class QLockFile;
class QMenu;
struct SortieFeuille;
class QWidget;

namespace Ui
{
class VEXALFiche;
}

// The sheet's commands on files, each with its dialogs and questions: open (and the files last used), save, save
// as, undo and redo, export, PDF, web page and print, with their buttons and shortcuts, the sharing folder, and the
// question before the character goes. The document does the work; what is still being typed is handed on before any
// of them.
class CommandesFichier : public QObject
{
    Q_OBJECT

public:
    explicit CommandesFichier(Fiche& oFiche);

    // The undo and redo buttons follow this document's steps from now on.
    void Lier(DocumentPersonnage& oDocument);

    // Whether the character may go: it has nothing unsaved, or the player, asked, saved it or let it go.
    bool PeutAbandonner();
    // Asks for a character or a table file, and takes it.
    bool Ouvrir();
    // A table goes to its own window; a character comes on the sheet, once the one there may go.
    bool Prendre(const QString& oFichier);
    // A file that another VEXAL has open is only opened if the player says so.
    bool OuvrirFichier(const QString& oFichier);
    bool Recuperer(CopieOrpheline& oCopie);
    bool Enregistrer();
    bool EnregistrerSous();
    void Exporter();
    void Pdf();
    void PageWeb();
    // The folder where each save also writes the character's web page; no folder chosen clears it.
    void ChoisirPartage();
    void Imprimer();

signals:
    // Before a command: what is being typed becomes an edit.
    void Valider();
    void Annonce(const QString& oTexte, bool bRefus = false);
    // The player chose a table file, which the sheet does not show.
    void TableChoisie(const QString& oFichier);

private:
    void Installer(Ui::VEXALFiche& oForme);
    // The lock of a file to open or to save to; false when another program has it open and the player keeps away.
    // A lock of no use is noted in moSansVerrou.
    bool Verrouiller(const QString& oFichier, std::unique_ptr<QLockFile>& poVerrou, bool bEnregistrer);
    bool EnregistrerDans(const QString& oFichier);
    void MontrerRecents(QMenu* poMenu);
    // The character's name as a file name with this extension, in the folder last used.
    QString NomPropose(const QString& oExtension) const;
    // The sheet written as a PDF or a web page, to a file the player names.
    void EcrireFeuille(const SortieFeuille& oSortie);
    // The character's web page written to the sharing folder, when one is chosen; why not, or empty.
    QString Partager() const;
    Remplacement HorsDuPersonnage() const;

    // The document the sheet shows now.
    DocumentPersonnage& Document() const;

    QWidget& moFenetre;
    Fiche& moFiche;
    QAction* mpoAnnuler = nullptr;
    QAction* mpoRetablir = nullptr;
    QList<QMetaObject::Connection> moLiensPile;
    QString moSansVerrou;  // why the file last opened or saved to has no lock
};

#endif
