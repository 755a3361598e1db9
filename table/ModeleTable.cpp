#include "ModeleTable.h"

#include "DocumentPersonnage.h"
#include "DocumentTable.h"
#include "TextePlain.h"
#include "journal/Journal.h"
#include "model/Personnage.h"
#include "model/Texte.h"

#include <QBrush>
#include <QColor>
#include <QFileInfo>
#include <QFont>

#include <algorithm>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

// Every name held by at least one of the characters, in name order.
template <class Noms>
std::vector<std::string> Union(const DocumentTable& oTable, Noms fNoms)
{
    std::vector<std::string> oUnion;
    for (const PersonnageTable& oPersonnage : oTable.GetPersonnages())
    {
        if (!oPersonnage.mpoDocument || !oPersonnage.mpoDocument->GetEtat())
            continue;
        for (const Niveau& oNiveau : fNoms(*oPersonnage.mpoDocument->GetEtat()))
            oUnion.push_back(oNiveau.moNom);
    }
    std::sort(oUnion.begin(), oUnion.end());
    oUnion.erase(std::unique(oUnion.begin(), oUnion.end()), oUnion.end());
    return oUnion;
}
}

ModeleTable::ModeleTable(const DocumentTable& oTable, QObject* poParent)
    : QAbstractTableModel(poParent),
      moTable(oTable),
      moLignes(Lignes())
{
    Meilleurs();
    connect(&oTable, &DocumentTable::PersonnagesChange, this, &ModeleTable::Reprendre);
    connect(&oTable, &DocumentTable::PersonnageChange, this, &ModeleTable::Suivre);
}

int ModeleTable::rowCount(const QModelIndex& oParent) const
{
    return oParent.isValid() ? 0 : static_cast<int>(moLignes.size());
}

int ModeleTable::columnCount(const QModelIndex& oParent) const
{
    return oParent.isValid() ? 0 : static_cast<int>(moTable.GetPersonnages().size());
}

QVariant ModeleTable::data(const QModelIndex& oCase, int nRole) const
{
    if (!oCase.isValid() || oCase.row() >= rowCount() || oCase.column() >= columnCount())
        return {};
    const Ligne& oLigne = moLignes[static_cast<std::size_t>(oCase.row())];
    const Personnage* poPerso = PersonnageDe(oCase.column());
    const std::optional<double> fValeur = poPerso ? Valeur(oLigne, *poPerso) : std::nullopt;
    const std::optional<double>& fMeilleur = moMeilleurs[static_cast<std::size_t>(oCase.row())];
    const bool bMeilleur = fValeur && fMeilleur && *fValeur == *fMeilleur;
    switch (nRole)
    {
    case Qt::DisplayRole:
        return Texte(oLigne, oCase.column());
    case Qt::ToolTipRole:
        return oLigne.meSorte == Sorte::Attribution ? TextePlain::Bulle(Texte(oLigne, oCase.column())) : QVariant();
    case kValeur:
        return fValeur ? QVariant(*fValeur) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(oLigne.meSorte == Sorte::Attribution ? Qt::AlignLeft | Qt::AlignVCenter
                                                                        : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
    {
        if (!bMeilleur)
            return {};
        QFont oPolice;
        oPolice.setBold(true);
        return oPolice;
    }
    case Qt::BackgroundRole:
        return bMeilleur ? QVariant(QBrush(QColor(255, 236, 170))) : QVariant();
    default:
        return {};
    }
}

QVariant ModeleTable::headerData(int nSection, Qt::Orientation eSens, int nRole) const
{
    if (eSens == Qt::Vertical)
    {
        if (nRole != Qt::DisplayRole || nSection < 0 || nSection >= rowCount())
            return {};
        return Libelle(moLignes[static_cast<std::size_t>(nSection)]);
    }
    if (nSection < 0 || nSection >= columnCount())
        return {};
    const PersonnageTable& oPersonnage = moTable.GetPersonnages()[static_cast<std::size_t>(nSection)];
    if (nRole == Qt::DisplayRole)
        return Entete(nSection);
    if (nRole == Qt::ToolTipRole)
        return TextePlain::Bulle(oPersonnage.moRaison.isEmpty()
                                     ? oPersonnage.moFichier
                                     : tr("%1\n%2").arg(oPersonnage.moFichier, oPersonnage.moRaison));
    return {};
}

std::vector<ModeleTable::Ligne> ModeleTable::Lignes() const
{
    std::vector<Ligne> oLignes{{Sorte::PATotal}, {Sorte::PARestant}, {Sorte::PASecondaire}};
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
        oLignes.push_back({Sorte::Caracteristique, static_cast<CARACT>(nCaract), {}});
    oLignes.push_back({Sorte::PP});
    for (std::string& oNom : Union(moTable, [](const EtatPersonnage& o) -> const auto& { return o.moTalents; }))
        oLignes.push_back({Sorte::Talent, AUCUNE, std::move(oNom)});
    for (std::string& oNom : Union(moTable, [](const EtatPersonnage& o) -> const auto& { return o.moPouvoirs; }))
        oLignes.push_back({Sorte::Pouvoir, AUCUNE, std::move(oNom)});
    oLignes.push_back({Sorte::Attribution});
    return oLignes;
}

void ModeleTable::Suivre(int nPersonnage)
{
    std::vector<Ligne> oLignes = Lignes();
    const bool bMemes = std::equal(oLignes.begin(), oLignes.end(), moLignes.begin(), moLignes.end(),
                                   [](const Ligne& a, const Ligne& b) {
                                       return a.meSorte == b.meSorte && a.meCaract == b.meCaract && a.moNom == b.moNom;
                                   });
    if (!bMemes)
    {
        Reprendre();
        return;
    }
    // The best of a row may move to another character.
    Meilleurs();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, nPersonnage, nPersonnage);
}

void ModeleTable::Reprendre()
{
    beginResetModel();
    moLignes = Lignes();
    Meilleurs();
    endResetModel();
}

const Personnage* ModeleTable::PersonnageDe(int nColonne) const
{
    const PersonnageTable& oPersonnage = moTable.GetPersonnages()[static_cast<std::size_t>(nColonne)];
    return oPersonnage.mpoDocument ? oPersonnage.mpoDocument->GetPerso() : nullptr;
}

std::optional<double> ModeleTable::Valeur(const Ligne& oLigne, const Personnage& oPerso) const
{
    switch (oLigne.meSorte)
    {
    case Sorte::PATotal:
        return oPerso.GetPATotal();
    case Sorte::PARestant:
        return oPerso.GetPA();
    case Sorte::PASecondaire:
        return oPerso.GetPASecondaire();
    case Sorte::Caracteristique:
        return oPerso.GetCaract(oLigne.meCaract);
    case Sorte::PP:
        return oPerso.GetPPValue();
    case Sorte::Talent:
        if (const Talent* poTalent = oPerso.TrouverTalent(oLigne.moNom))
            return oPerso.Score(*poTalent);
        return std::nullopt;
    case Sorte::Pouvoir:
        if (const Pouvoir* poPouvoir = oPerso.TrouverPouvoir(oLigne.moNom))
            return poPouvoir->GetNiveau();
        return std::nullopt;
    case Sorte::Attribution:
        break;
    }
    return std::nullopt;
}

QString ModeleTable::Texte(const Ligne& oLigne, int nColonne) const
{
    const PersonnageTable& oPersonnage = moTable.GetPersonnages()[static_cast<std::size_t>(nColonne)];
    const Personnage* poPerso = PersonnageDe(nColonne);
    if (poPerso == nullptr)
        return {};
    if (oLigne.meSorte == Sorte::Attribution)
    {
        const Attribution& oDerniere = oPersonnage.mpoDocument->GetJournal()->back();
        const QString oDate = oDerniere.moDate.empty() ? tr("date inconnue") : ::Texte(oDerniere.moDate);
        return tr("%1 : %2 (%3 PA)").arg(oDate, ::Texte(oDerniere.moRaison)).arg(oDerniere.mnPA);
    }
    const std::optional<double> fValeur = Valeur(oLigne, *poPerso);
    return fValeur ? ::Texte(DemiPoints(*fValeur)) : QString();
}

QString ModeleTable::Libelle(const Ligne& oLigne) const
{
    switch (oLigne.meSorte)
    {
    case Sorte::PATotal:
        return tr("Total PA");
    case Sorte::PARestant:
        return tr("PA restant");
    case Sorte::PASecondaire:
        return tr("PA secondaire");
    case Sorte::Caracteristique:
        return QString::fromUtf8(NomCaracteristique(oLigne.meCaract));
    case Sorte::PP:
        return tr("PP");
    case Sorte::Talent:
    case Sorte::Pouvoir:
        return ::Texte(oLigne.moNom);
    case Sorte::Attribution:
        break;
    }
    return tr("Dernière attribution");
}

QString ModeleTable::Entete(int nColonne) const
{
    const PersonnageTable& oPersonnage = moTable.GetPersonnages()[static_cast<std::size_t>(nColonne)];
    const QString oFichier = QFileInfo(oPersonnage.moFichier).fileName();
    const Personnage* poPerso = PersonnageDe(nColonne);
    if (poPerso == nullptr)
        return tr("%1\nillisible").arg(oFichier);
    const QString oNom = poPerso->GetNom().empty() ? oFichier : ::Texte(poPerso->GetNom());
    const QString oCamp = poPerso->GetCamp() == ANGE ? tr("Ange") : tr("Démon");
    const QString oSuperieur = poPerso->GetSuperieur().empty() ? tr("sans supérieur") : ::Texte(poPerso->GetSuperieur());
    return tr("%1\n%2, %3\nGrade %4").arg(oNom, oCamp, oSuperieur).arg(poPerso->GetGrade());
}

void ModeleTable::Meilleurs()
{
    moMeilleurs.assign(moLignes.size(), std::nullopt);
    for (std::size_t nLigne = 0; nLigne < moLignes.size(); ++nLigne)
    {
        std::optional<double> fMoindre;
        for (int nColonne = 0; nColonne < columnCount(); ++nColonne)
        {
            const Personnage* poPerso = PersonnageDe(nColonne);
            const std::optional<double> fValeur = poPerso ? Valeur(moLignes[nLigne], *poPerso) : std::nullopt;
            if (!fValeur)
                continue;
            if (!moMeilleurs[nLigne] || *fValeur > *moMeilleurs[nLigne])
                moMeilleurs[nLigne] = fValeur;
            if (!fMoindre || *fValeur < *fMoindre)
                fMoindre = fValeur;
        }
        // Alone, or all alike, nobody stands out.
        if (moMeilleurs[nLigne] == fMoindre)
            moMeilleurs[nLigne].reset();
    }
}

void FiltreTable::SetTexte(const QString& oTexte)
{
    moTexte = Simple(oTexte.trimmed());
    invalidateRowsFilter();
}

QString FiltreTable::Simple(const QString& oTexte)
{
    QString oSimple;
    for (const QChar c : oTexte.normalized(QString::NormalizationForm_D))
    {
        if (c.category() != QChar::Mark_NonSpacing)
            oSimple += c;
    }
    return oSimple.toCaseFolded();
}

bool FiltreTable::filterAcceptsRow(int nLigne, const QModelIndex&) const
{
    return moTexte.isEmpty()
        || Simple(sourceModel()->headerData(nLigne, Qt::Vertical).toString()).contains(moTexte);
}
