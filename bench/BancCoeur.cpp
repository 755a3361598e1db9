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

// The character of a long session: total PA at 999, every talent of its catalogue and every power it may hold.
void Remplir(Personnage& oPerso)
{
    oPerso.AddPATotal(999 - oPerso.GetPATotal());
    for (const auto& [oNom, poTalent] : *oPerso.GetListeDesTalents())
        oPerso.AjouterTalentBase(oNom, poTalent->GetPriorite(), poTalent->GetCaractBase());
    for (const auto& oEntree : *oPerso.GetListeDesPouvoirs())
        oPerso.AjouterPouvoirBase(oEntree.first);
}

// The full character written to its text file, which each export replaces.
void BM_Exporter(benchmark::State& oEtat)
{
    Demon oDemon;
    Remplir(oDemon);
    const std::filesystem::path oFichier =
        std::filesystem::temp_directory_path() / ("vexal-banc-" + std::to_string(getpid()) + ".txt");
    for (auto _ : oEtat)
    {
        if (!oDemon.Export(oFichier.c_str()))
        {
            oEtat.SkipWithError("the export was not written");
            break;
        }
    }
    std::filesystem::remove(oFichier);
}
}

BENCHMARK(BM_CreerDemon)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Exporter)->Unit(benchmark::kMicrosecond);
