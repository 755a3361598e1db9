#ifndef VEXAL_TESTS_EXPORT_DOSSIERTEMPORAIRE_H
#define VEXAL_TESTS_EXPORT_DOSSIERTEMPORAIRE_H

#include <filesystem>
#include <map>
#include <string>

// A folder of its own for one test, removed with everything in it, read-only folders included.
class DossierTemporaire
{
public:
    DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;
    ~DossierTemporaire();

    const std::filesystem::path& GetChemin() const { return moChemin; }

private:
    std::filesystem::path moChemin;
};

// Runs the test from another folder, so that whatever a relative name would create lands there.
class DossierCourant
{
public:
    explicit DossierCourant(const std::filesystem::path& oDossier);
    DossierCourant(const DossierCourant&) = delete;
    DossierCourant& operator=(const DossierCourant&) = delete;
    ~DossierCourant();

private:
    std::filesystem::path moAncien;
};

// Every byte of a file, read without any translation.
std::string LireFichier(const std::filesystem::path& oFichier);
void EcrireFichier(const std::filesystem::path& oFichier, const std::string& oContenu);

// What a folder holds, by relative name: the kind, permissions, content and modification time of
// each entry. Two equal states mean nothing in the folder was created, removed or touched.
std::map<std::string, std::string> EtatDuDossier(const std::filesystem::path& oDossier);

// Whether permission bits stop this process from writing; they do not stop a superuser.
bool DroitsRespectes(const std::filesystem::path& oDossierDeSonde);

#endif
