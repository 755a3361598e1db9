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
}

BENCHMARK(BM_CreerDemon)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Exporter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Enregistrer)->Unit(benchmark::kMicrosecond);
