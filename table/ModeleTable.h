#ifndef VEXAL_TABLE_MODELETABLE_H
#define VEXAL_TABLE_MODELETABLE_H

#include "enregistrements/Regles.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <optional>
#include <string>
#include <vector>

class DocumentTable;
class Personnage;
struct Attribution;

// The characters of a table side by side, a column each, as their documents hold them: a row for each figure (PA,
// characteristics, PP), then for each talent and power at least one of them holds, then for the last award. The
// best value of a row stands out. A character that could not be read keeps its column, with why.
class ModeleTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    // A row's figure as a number, for the best of the row, with Qt::UserRole.
    static constexpr int kValeur = Qt::UserRole;

    explicit ModeleTable(const DocumentTable& oTable, QObject* poParent = nullptr);

    int rowCount(const QModelIndex& oParent = {}) const override;
    int columnCount(const QModelIndex& oParent = {}) const override;
    QVariant data(const QModelIndex& oCase, int nRole = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation eSens, int nRole = Qt::DisplayRole) const override;

private:
    enum class Sorte
    {
        PATotal,
        PARestant,
        PASecondaire,
        Caracteristique,
        PP,
        Talent,
        Pouvoir,
        Attribution
    };

    struct Ligne
    {
        Sorte meSorte;
        CARACT meCaract = AUCUNE;
        std::string moNom = {};  // a talent's or a power's
    };

    // The rows for the characters there are now; the talents and powers in name order.
    std::vector<Ligne> Lignes() const;
    void Suivre(int nPersonnage);
    void Reprendre();
    const Personnage* PersonnageDe(int nColonne) const;
    std::optional<double> Valeur(const Ligne& oLigne, const Personnage& oPerso) const;
    QString Texte(const Ligne& oLigne, int nColonne) const;
    QString Libelle(const Ligne& oLigne) const;
    QString Entete(int nColonne) const;
    // The best value of each row, found again when a character changes.
    void Meilleurs();

    const DocumentTable& moTable;
    std::vector<Ligne> moLignes;
    std::vector<std::optional<double>> moMeilleurs;
};

// The rows whose name holds what the player typed, whatever its case and accents: "volonte" finds "Volonté".
class FiltreTable : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetTexte(const QString& oTexte);
    // The text as the filter compares it: lower case, no accent.
    static QString Simple(const QString& oTexte);

protected:
    bool filterAcceptsRow(int nLigne, const QModelIndex& oParent) const override;

private:
    QString moTexte;
};

#endif
