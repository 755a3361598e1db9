#ifndef VEXAL_FENETRETABLE_COMMANDESTABLE_H
#define VEXAL_FENETRETABLE_COMMANDESTABLE_H

#include <QObject>
#include <QString>

class DocumentTable;
class FenetreTable;

// The table's commands on its file, each with its dialogs and questions, as the sheet has them: open, save, save as
// (the lock of the file, with the player's leave when another VEXAL has it open), and the question before the
// table's changes go.
class CommandesTable : public QObject
{
    Q_OBJECT

public:
    explicit CommandesTable(FenetreTable& oFenetre);

    // Whether the table may go: it has nothing unsaved, or the player, asked, saved it or let it go.
    bool PeutAbandonner();
    bool Ouvrir();
    // Opens the table of the file in place of the one shown, or says why not and leaves it as it was.
    bool OuvrirFichier(const QString& oFichier);
    bool Enregistrer();
    bool EnregistrerSous();

signals:
    // What a command did, or why it did nothing.
    void Annonce(const QString& oTexte);

private:
    bool EnregistrerDans(const QString& oFichier);
    // Warns of a file the command could not read or write, and says so on the status line too.
    void Refuser(const QString& oTitre, const QString& oTexte, const QString& oAnnonce);
    DocumentTable& Table() const;

    FenetreTable& moFenetre;
};

#endif
