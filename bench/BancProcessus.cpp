#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
constexpr int kAttenteMaxMs = 60000;

struct Mesure
{
    double fSecondes;
    double fPicKo;
};

// Every program runs on the same platform, and Qt itself ends it after its first frame (see PremiereImage).
void PreparerEnvironnement()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_PLUGIN_PATH", VEXAL_GREFFONS, 1);
    setenv("QT_QPA_GENERIC_PLUGINS", "premiereimage", 1);
}

// Runs a program as a process of its own, from its start to its end; its chatter goes nowhere.
// Null when it could not start, failed or hung.
const char* Lancer(const char* oProgramme, Mesure& oMesure)
{
    posix_spawn_file_actions_t oActions;
    posix_spawn_file_actions_init(&oActions);
    posix_spawn_file_actions_addopen(&oActions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&oActions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* const oArguments[] = {const_cast<char*>(oProgramme), nullptr};

    const auto oDebut = std::chrono::steady_clock::now();
    pid_t nPid = 0;
    const int nErreur = posix_spawn(&nPid, oProgramme, &oActions, nullptr, oArguments, environ);
    posix_spawn_file_actions_destroy(&oActions);
    if (nErreur != 0)
        return "the program could not start";

    bool bPendu = false;
    // Through syscall: the C library's own wrapper has no C linkage in C++ here.
    const int nPidFd = static_cast<int>(syscall(SYS_pidfd_open, nPid, 0));
    if (nPidFd >= 0)
    {
        pollfd oAttente{nPidFd, POLLIN, 0};
        bPendu = poll(&oAttente, 1, kAttenteMaxMs) != 1;
        close(nPidFd);
    }
    if (bPendu)
        kill(nPid, SIGKILL);
    int nStatut = 0;
    rusage oUsage{};
    wait4(nPid, &nStatut, 0, &oUsage);
    const auto oFin = std::chrono::steady_clock::now();

    if (bPendu)
        return "the program never painted its first frame";
    if (!WIFEXITED(nStatut) || WEXITSTATUS(nStatut) != 0)
        return "the program failed";
    oMesure.fSecondes = std::chrono::duration<double>(oFin - oDebut).count();
    oMesure.fPicKo = static_cast<double>(oUsage.ru_maxrss);
    return nullptr;
}

// Time from the start of the process to its first frame and its end; PicKo is its peak resident memory.
void BM_Processus(benchmark::State& oEtat, const char* oProgramme)
{
    PreparerEnvironnement();
    double fPics = 0;
    for (auto _ : oEtat)
    {
        Mesure oMesure{};
        if (const char* oErreur = Lancer(oProgramme, oMesure))
        {
            oEtat.SkipWithError(oErreur);
            break;
        }
        oEtat.SetIterationTime(oMesure.fSecondes);
        fPics += oMesure.fPicKo;
    }
    oEtat.counters["PicKo"] = benchmark::Counter(fPics, benchmark::Counter::kAvgIterations);
}
}

BENCHMARK_CAPTURE(BM_Processus, vexal, VEXAL_PROGRAMME)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Processus, minimal, VEXAL_MINIMAL)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Processus, minimal_lignes, VEXAL_MINIMAL_LIGNES)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Processus, fiche_remplie, VEXAL_FICHE_REMPLIE)->UseManualTime()->Unit(benchmark::kMillisecond);
