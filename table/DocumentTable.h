#ifndef VEXAL_TABLE_DOCUMENTTABLE_H
#define VEXAL_TABLE_DOCUMENTTABLE_H

#include "LienFichier.h"
#include "fichier/FichierTable.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class DocumentPersonnage;

// One character of the table: the file its name leads to, and the document that holds it, or why none can.
struct PersonnageTable
{
    std::string moNomEcrit;  // as the table file wrote it; empty for a character added since
    QString moFichier;       // absolute, every link resolved
    std::shared_ptr<DocumentPersonnage> mpoDocument;
    QString moRaison;
};

// The table of a campaign, apart from any window: the characters a game master follows, each the very document any
// other view of it shows, and the table file they are kept in, with its lock. A character's file written by another
// program is read again, unless this program holds changes to it not yet saved.
class DocumentTable : public QObject
{
    Q_OBJECT

public:
    explicit DocumentTable(QObject* poParent = nullptr);
    ~DocumentTable() override;

    const std::vector<PersonnageTable>& GetPersonnages() const { return moPersonnages; }
    const QString& GetNom() const { return moNom; }
    // The table file; empty for a table never saved.
    const QString& GetFichier() const { return moLien.Nom(); }
    bool EstModifie() const { return mbModifie; }
    // Somebody else wrote the table file since this program read or wrote it.
    bool ChangeSurDisque() const { return moLien.ChangeSurDisque(); }
    // A table file's extension, without its dot.
    static QString Extension();

    // The table of the file, each of its characters read; or why not, and then nothing changes. oQui names another
    // program that has the file open, when one has.
    QString Ouvrir(const QString& oFichier, std::unique_ptr<QLockFile> poVerrou);
    // Writes the table to the file, which it is tied to from then on; or why not. What went wrong on the side is told
    // in poAvertissement.
    QString Enregistrer(const QString& oFichier, std::unique_ptr<QLockFile> poVerrou = nullptr,
                        QString* poAvertissement = nullptr);
    void SetNom(const QString& oNom);
    // Each file not at the table yet joins it, read, as a character at the end.
    void Ajouter(const QStringList& oFichiers);
    void Retirer(int nPersonnage);
    // The player let the table's changes go.
    void Lacher() { SetModifie(false); }

signals:
    // The characters are others: some came or went.
    void PersonnagesChange();
    // One character was read again or changed in a view.
    void PersonnageChange(int nPersonnage);
    void ModifieChange(bool bModifie);
    void FichierChange(const QString& oFichier);

private:
    // The character's document: the one any view holds already, or one read from its file.
    void Lire(PersonnageTable& oPersonnage);
    // Follows the character's document: its edits, its file going elsewhere.
    void Suivre(PersonnageTable& oPersonnage);
    void FichierEcrit(const QString& oFichier);
    int Place(const DocumentPersonnage* poDocument) const;
    void SetModifie(bool bModifie);

    std::vector<PersonnageTable> moPersonnages;
    QString moNom;
    LienFichier moLien;
    QFileSystemWatcher moGuet;
    bool mbModifie = false;
};

#endif
