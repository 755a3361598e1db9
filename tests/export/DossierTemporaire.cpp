#include "DossierTemporaire.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

DossierTemporaire::DossierTemporaire()
{
    std::mt19937 oHasard(std::random_device{}());
    do
        moChemin = fs::temp_directory_path() / ("vexal-export-" + std::to_string(oHasard()));
    while (!fs::create_directory(moChemin));
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code oErreur;
    // A folder a test made read-only would keep its entries from being removed.
    fs::recursive_directory_iterator oEntree(moChemin, oErreur);
    for (const fs::recursive_directory_iterator oFin; oEntree != oFin; oEntree.increment(oErreur))
    {
        if (oEntree->is_directory(oErreur) && !oEntree->is_symlink(oErreur))
            fs::permissions(oEntree->path(), fs::perms::owner_all, fs::perm_options::add, oErreur);
    }
    fs::remove_all(moChemin, oErreur);
}

DossierCourant::DossierCourant(const fs::path& oDossier)
    : moAncien(fs::current_path())
{
    fs::current_path(oDossier);
}

DossierCourant::~DossierCourant()
{
    std::error_code oErreur;
    fs::current_path(moAncien, oErreur);
}

std::string LireFichier(const fs::path& oFichier)
{
    std::ifstream oFlux(oFichier, std::ios::binary);
    if (!oFlux)
        throw std::runtime_error("cannot read " + oFichier.string());
    return std::string(std::istreambuf_iterator<char>(oFlux), std::istreambuf_iterator<char>());
}

void EcrireFichier(const fs::path& oFichier, const std::string& oContenu)
{
    std::ofstream oFlux(oFichier, std::ios::binary);
    oFlux << oContenu;
    if (!oFlux.flush())
        throw std::runtime_error("cannot write " + oFichier.string());
}

std::map<std::string, std::string> EtatDuDossier(const fs::path& oDossier)
{
    std::map<std::string, std::string> oEtat;
    for (const fs::directory_entry& oEntree : fs::recursive_directory_iterator(oDossier))
    {
        const fs::file_status oStatut = oEntree.symlink_status();
        std::ostringstream oDescription;
        oDescription << static_cast<int>(oStatut.type()) << ' ' << static_cast<int>(oStatut.permissions());
        if (fs::is_regular_file(oStatut))
            oDescription << ' ' << oEntree.last_write_time().time_since_epoch().count() << ' '
                         << LireFichier(oEntree.path());
        oEtat[oEntree.path().lexically_relative(oDossier).string()] = oDescription.str();
    }
    return oEtat;
}

bool DroitsRespectes(const fs::path& oDossierDeSonde)
{
    fs::create_directory(oDossierDeSonde);
    fs::permissions(oDossierDeSonde, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path oSonde = oDossierDeSonde / "sonde";
    std::FILE* poFichier = std::fopen(oSonde.string().c_str(), "w");
    if (poFichier != nullptr)
        std::fclose(poFichier);
    fs::permissions(oDossierDeSonde, fs::perms::owner_all);
    fs::remove_all(oDossierDeSonde);
    return poFichier == nullptr;
}
