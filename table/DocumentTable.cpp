#include "DocumentTable.h"

#include "DocumentPersonnage.h"
#include "Documents.h"
#include "NomFichier.h"

#include <QLockFile>

#include <algorithm>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

std::string Octets(const QString& oNom)
{
    return NomFichier::Octets(oNom).toStdString();
}
}

DocumentTable::DocumentTable(QObject* poParent)
    : QObject(poParent)
{
    connect(&moGuet, &QFileSystemWatcher::fileChanged, this, &DocumentTable::FichierEcrit);
}

DocumentTable::~DocumentTable() = default;

QString DocumentTable::Extension()
{
    return QString::fromLatin1(FichierTable::kExtension + 1);
}

QString DocumentTable::Ouvrir(const QString& oNom, std::unique_ptr<QLockFile> poVerrou)
{
    const QString oFichier = NomFichier::Canonique(oNom);
    std::string oErreur;
    const std::optional<Table> oTable = FichierTable::Ouvrir(Octets(oFichier).c_str(), oErreur);
    if (!oTable)
        return Texte(oErreur);
    for (const PersonnageTable& oPersonnage : moPersonnages)
    {
        if (oPersonnage.mpoDocument)
            disconnect(oPersonnage.mpoDocument.get(), nullptr, this, nullptr);
    }
    if (!moGuet.files().isEmpty())
        moGuet.removePaths(moGuet.files());
    moPersonnages.clear();
    for (const std::string& oEcrit : oTable->moPersonnages)
    {
        const QString oPersonnage = NomFichier::DepuisOctets(
            QByteArray::fromStdString(FichierTable::Chemin(Octets(oFichier), oEcrit)));
        moPersonnages.push_back({oEcrit, NomFichier::Canonique(oPersonnage), nullptr, {}});
        Lire(moPersonnages.back());
    }
    moNom = Texte(oTable->moNom);
    moLien.Attacher(oFichier, std::move(poVerrou), EmpreinteDe(Octets(oFichier).c_str()), std::nullopt);
    SetModifie(false);
    emit PersonnagesChange();
    emit FichierChange(oFichier);
    return {};
}

QString DocumentTable::Enregistrer(const QString& oNom, std::unique_ptr<QLockFile> poVerrou,
                                   QString* poAvertissement)
{
    const QString oFichier = NomFichier::Canonique(oNom);
    const std::string oTableOctets = Octets(oFichier);
    Table oTable{moNom.toStdString(), {}};
    for (const PersonnageTable& oPersonnage : moPersonnages)
    {
        // A name as the file wrote it stays, as long as it still leads to the same character from here.
        const std::string& oEcrit = oPersonnage.moNomEcrit;
        const bool bGarde = !oEcrit.empty()
            && NomFichier::Canonique(NomFichier::DepuisOctets(QByteArray::fromStdString(
                   FichierTable::Chemin(oTableOctets, oEcrit))))
                == oPersonnage.moFichier;
        oTable.moPersonnages.push_back(bGarde ? oEcrit : FichierTable::NomDans(oTableOctets, Octets(oPersonnage.moFichier)));
    }
    std::string oErreur;
    std::string oAvertissement;
    if (!FichierTable::Enregistrer(oTable, oTableOctets.c_str(), oErreur, &oAvertissement))
        return Texte(oErreur);
    if (poAvertissement != nullptr)
        *poAvertissement = Texte(oAvertissement);
    for (std::size_t n = 0; n < moPersonnages.size(); ++n)
        moPersonnages[n].moNomEcrit = oTable.moPersonnages[n];
    const bool bAutre = oFichier != moLien.Nom();
    if (bAutre && !poVerrou)
        poVerrou = std::move(LienFichier::Verrouiller(oFichier).mpoFichier);
    moLien.Attacher(oFichier, std::move(poVerrou), EmpreinteDe(oTableOctets.c_str()), std::nullopt);
    SetModifie(false);
    if (bAutre)
        emit FichierChange(oFichier);
    return {};
}

void DocumentTable::SetNom(const QString& oNom)
{
    if (oNom == moNom)
        return;
    moNom = oNom;
    SetModifie(true);
}

void DocumentTable::Ajouter(const QStringList& oFichiers)
{
    bool bAjoute = false;
    for (const QString& oNom : oFichiers)
    {
        const QString oFichier = NomFichier::Canonique(oNom);
        const bool bPresent = std::any_of(moPersonnages.begin(), moPersonnages.end(),
                                          [&](const PersonnageTable& o) { return o.moFichier == oFichier; });
        if (bPresent || oFichier.isEmpty())
            continue;
        moPersonnages.push_back({{}, oFichier, nullptr, {}});
        Lire(moPersonnages.back());
        bAjoute = true;
    }
    if (!bAjoute)
        return;
    SetModifie(true);
    emit PersonnagesChange();
}

void DocumentTable::Retirer(int nPersonnage)
{
    if (nPersonnage < 0 || static_cast<std::size_t>(nPersonnage) >= moPersonnages.size())
        return;
    const PersonnageTable& oPersonnage = moPersonnages[static_cast<std::size_t>(nPersonnage)];
    if (oPersonnage.mpoDocument)
        disconnect(oPersonnage.mpoDocument.get(), nullptr, this, nullptr);
    moGuet.removePath(oPersonnage.moFichier);
    moPersonnages.erase(moPersonnages.begin() + nPersonnage);
    SetModifie(true);
    emit PersonnagesChange();
}

void DocumentTable::Lire(PersonnageTable& oPersonnage)
{
    if (oPersonnage.mpoDocument)
        disconnect(oPersonnage.mpoDocument.get(), nullptr, this, nullptr);
    oPersonnage.moRaison.clear();
    oPersonnage.mpoDocument = Documents::Pour(oPersonnage.moFichier);
    if (!oPersonnage.mpoDocument)
    {
        std::shared_ptr<DocumentPersonnage> poDocument = Documents::Nouveau();
        // Another program may have the file open: the table shows it all the same, and says so when it must write.
        oPersonnage.moRaison =
            poDocument->Ouvrir(oPersonnage.moFichier, std::move(LienFichier::Verrouiller(oPersonnage.moFichier).mpoFichier));
        if (oPersonnage.moRaison.isEmpty())
            oPersonnage.mpoDocument = std::move(poDocument);
    }
    if (EmpreinteDe(Octets(oPersonnage.moFichier).c_str()).mbExiste)
        moGuet.addPath(oPersonnage.moFichier);
    if (oPersonnage.mpoDocument)
        Suivre(oPersonnage);
}

void DocumentTable::Suivre(PersonnageTable& oPersonnage)
{
    DocumentPersonnage* poDocument = oPersonnage.mpoDocument.get();
    const auto Change = [this, poDocument] {
        if (const int nPlace = Place(poDocument); nPlace >= 0)
            emit PersonnageChange(nPlace);
    };
    connect(poDocument, &DocumentPersonnage::Change, this, Change);
    // Saved elsewhere, the character is another file's: the table's file is read again.
    connect(poDocument, &DocumentPersonnage::FichierChange, this, [this, poDocument] {
        const int nPlace = Place(poDocument);
        if (nPlace < 0)
            return;
        Lire(moPersonnages[static_cast<std::size_t>(nPlace)]);
        emit PersonnageChange(nPlace);
    });
}

void DocumentTable::FichierEcrit(const QString& oFichier)
{
    // A file replaced by a rename is another file to the watch, which must be told of it again.
    if (EmpreinteDe(Octets(oFichier).c_str()).mbExiste)
        moGuet.addPath(oFichier);
    for (std::size_t n = 0; n < moPersonnages.size(); ++n)
    {
        PersonnageTable& oPersonnage = moPersonnages[n];
        if (oPersonnage.moFichier != oFichier)
            continue;
        DocumentPersonnage* poDocument = oPersonnage.mpoDocument.get();
        // Changes not yet saved here are the player's: the save will ask before replacing the file.
        if (poDocument != nullptr && (poDocument->EstModifie() || !poDocument->ChangeSurDisque()))
            continue;
        if (poDocument != nullptr)
        {
            oPersonnage.moRaison = poDocument->Ouvrir(oFichier, nullptr);
            if (oPersonnage.moRaison.isEmpty())
                continue;
            disconnect(poDocument, nullptr, this, nullptr);
            oPersonnage.mpoDocument.reset();
        }
        else
            Lire(oPersonnage);
        emit PersonnageChange(static_cast<int>(n));
    }
}

int DocumentTable::Place(const DocumentPersonnage* poDocument) const
{
    const auto oTrouve = std::find_if(moPersonnages.begin(), moPersonnages.end(),
                                      [poDocument](const PersonnageTable& o) { return o.mpoDocument.get() == poDocument; });
    return oTrouve == moPersonnages.end() ? -1 : static_cast<int>(oTrouve - moPersonnages.begin());
}

void DocumentTable::SetModifie(bool bModifie)
{
    if (bModifie == mbModifie)
        return;
    mbModifie = bModifie;
    emit ModifieChange(bModifie);
}
