#include "PersonnagePlein.h"
#include "fichier/FichierPersonnage.h"
#include "model/Demon.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{
// A demon built with its own catalogues, then destroyed.
void BM_CreerDemon(benchmark::State& oEtat)
{
    for (auto _ : oEtat)
    {
        Demon oDemon;
        benchmark::DoNotOptimize(oDemon.GetPA());
    }
}

// The full character written to a file of its own, which each write replaces; fEcrire says whether it wrote it.
template <class Ecriture>
void Ecrire(benchmark::State& oEtat, const char* oExtension, Ecriture fEcrire)
{
    Demon oDemon;
    RemplirPersonnage(oDemon);
    const std::filesystem::path oFichier =
        std::filesystem::temp_directory_path() / ("vexal-banc-" + std::to_string(getpid()) + oExtension);
    for (auto _ : oEtat)
    {
        if (!fEcrire(oDemon, oFichier.c_str()))
        {
            oEtat.SkipWithError("the file was not written");
            break;
        }
    }
    std::filesystem::remove(oFichier);
}

// The full character's text export.
void BM_Exporter(benchmark::State& oEtat)
{
    Ecrire(oEtat, ".txt", [](Demon& oDemon, const char* oFichier) { return oDemon.Export(oFichier); });
}

// The full character saved to its character file.
void BM_Enregistrer(benchmark::State& oEtat)
{
    Ecrire(oEtat, FichierPersonnage::kExtension, [](const Demon& oDemon, const char* oFichier) {
        std::string oErreur;
        return FichierPersonnage::Enregistrer(oDemon, Journaux::Commencer(oDemon.GetEtat(), ""), oFichier, oErreur);
    });
}

// The full character's file opened, after as many awards as the argument, the creation included: the text read, the
// character built and checked against the rules, and each picture of its journal with it.
void BM_Ouvrir(benchmark::State& oEtat)
{
    Demon oDemon;
    RemplirPersonnage(oDemon);
    Journal oJournal = Journaux::Commencer(oDemon.GetEtat(), "");
    for (int n = 1; n < oEtat.range(0); ++n)
        Journaux::Accorder(oDemon, oJournal, "", 1, "Séance " + std::to_string(n));
    const std::filesystem::path oFichier = std::filesystem::temp_directory_path()
        / ("vexal-banc-" + std::to_string(getpid()) + FichierPersonnage::kExtension);
    std::string oErreur;
    if (!FichierPersonnage::Enregistrer(oDemon, oJournal, oFichier.c_str(), oErreur))
    {
        oEtat.SkipWithError(("the file was not written: " + oErreur).c_str());
        return;
    }
    for (auto _ : oEtat)
    {
        if (!FichierPersonnage::Ouvrir(oFichier.c_str(), oErreur))
        {
            oEtat.SkipWithError(("the file does not open: " + oErreur).c_str());
            break;
        }
    }
    oEtat.counters["Octets"] = static_cast<double>(std::filesystem::file_size(oFichier));
    std::filesystem::remove(oFichier);
}
}

BENCHMARK(BM_CreerDemon)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Exporter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Enregistrer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ouvrir)->Arg(1)->Arg(30)->Arg(300)->Unit(benchmark::kMicrosecond);
