// Start-up of the built ball-drive to the board, on a fresh program folder, with the shipped logo
// and with an 8000 x 8000 logo in img/logo.png. The goal: the big logo costs at most half as much
// again as the shipped one, and the run's peak memory stays under 250 MB.
//   virtual clock: the start-up screen's three seconds pass at once, so the run is the work alone;
//   real clock:    what the operator waits for, the start-up screen included.
// The counter peak_MB is the largest resident size of the runs.
#include "tests/platform/gfx/blank_png.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

enum Logo { Shipped, Big };
enum Clock { Virtual, Real };

// One program folder per run: a first run of its own each time.
class Run {
public:
    explicit Run(Logo logo)
    {
        std::string pattern = (fs::temp_directory_path() / "startup-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_home = pattern;
        if (logo == Big)
            write(m_home / "img/logo.png", bigLogo());
        write(m_home / "script", "wait 3100\nform main\nshow titxt(1) Caption\n");
    }
    ~Run()
    {
        std::error_code ignored;
        fs::remove_all(m_home, ignored);
    }

    // The peak memory of the run in KB, or -1 when it failed.
    long start(Clock clock) const
    {
        std::vector<std::string> args{BALL_DRIVE, "--home", m_home.string()};
        if (clock == Real)
            args.push_back("--real-clock");
        args.push_back((m_home / "script").string());
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            return -1;
        int status = 0;
        rusage usage{};
        if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return -1;
        return usage.ru_maxrss;
    }

private:
    static const std::string& bigLogo()
    {
        static const std::string png = plat::gfx::test::plainPng(8000, 8000, 0x3366CC);
        return png;
    }
    static void write(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }

    fs::path m_home;
};

void BM_StartUpToTheBoard(benchmark::State& state)
{
    const Logo logo = Logo(state.range(0));
    const Clock clock = Clock(state.range(1));
    long peakKb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Run run(logo);
        state.ResumeTiming();
        const long kb = run.start(clock);
        if (kb < 0) {
            state.SkipWithError("ball-drive failed");
            break;
        }
        peakKb = std::max(peakKb, kb);
    }
    state.SetLabel(std::string(logo == Big ? "8000x8000 logo" : "shipped logo") + (clock == Real ? ", real clock" : ", virtual clock"));
    state.counters["peak_MB"] = double(peakKb) / 1024;
}

BENCHMARK(BM_StartUpToTheBoard)
    ->ArgsProduct({{Shipped, Big}, {Virtual}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_StartUpToTheBoard)
    ->ArgsProduct({{Shipped, Big}, {Real}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

} // namespace

BENCHMARK_MAIN();
