#ifndef VEXAL_FICHIER_FICHIERTABLE_H
#define VEXAL_FICHIER_FICHIERTABLE_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The table of a campaign: its name and its characters' files, each named as the table file writes it: relative to
// the table's folder, or absolute.
struct Table
{
    std::string moNom;
    std::vector<std::string> moPersonnages;
};

bool operator==(const Table& oGauche, const Table& oDroite);

// A table file ends in .vexal-table and holds the table as UTF-8 JSON: the format's name and version, the table's
// name, then its characters.
namespace FichierTable
{
constexpr const char* kFormat = "vexal-table";
constexpr int kVersion = 1;
constexpr const char* kExtension = ".vexal-table";
// Thousands of characters' names; a larger file is not a table.
constexpr std::size_t kTailleMax = 1024 * 1024;

std::string Ecrire(const Table& oTable);
// The table the text holds, or nothing and why: not JSON, another format or a newer version, a key missing, unknown,
// twice or of the wrong kind, a character's name empty or twice.
std::optional<Table> Lire(const std::string& oTexte, std::string& oErreur);
// The table of a regular file, or nothing and why.
std::optional<Table> Ouvrir(const char* fileName, std::string& oErreur);
// Replaces the file whole with the table, or leaves it as it was and says why; the version replaced stays beside it
// as "<name>~", or poAvertissement, when given, says why not.
bool Enregistrer(const Table& oTable, const char* fileName, std::string& oErreur,
                 std::string* poAvertissement = nullptr);

// The file a character's name leads to from the table file oTable: an absolute name as it stands, another from the
// table's folder.
std::string Chemin(const std::string& oTable, const std::string& oPersonnage);
// The character's file as the table file oTable names it: from the table's folder when it lies within it or beside
// it, else whole. Both names are absolute.
std::string NomDans(const std::string& oTable, const std::string& oFichier);
}

#endif
