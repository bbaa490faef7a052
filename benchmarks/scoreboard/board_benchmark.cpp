// The scoreboard form: loading its stored layout of some 240 controls (parsing, creating and
// drawing every control, the fresh match on every display), which happens once behind the
// start-up screen; and one second of the idle board (status tick, focus keeper, the compositor),
// which should cost next to nothing.
#include "scoreboard/control_set.h"
#include "scoreboard/main_form.h"

#include "platform/backend/session.h"
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct ProgramFolder {
    ProgramFolder()
    {
        folder = std::filesystem::temp_directory_path() / ("board_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "date");
        ::setenv("BALL_HOME", folder.c_str(), 1);
        scoreboard::registerProgramControls();
    }
    ~ProgramFolder() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

void BM_LoadBoard(benchmark::State& state)
{
    ProgramFolder home;
    plat::backend::HeadlessSession session;
    scoreboard::MainForm board;
    for (auto _ : state) {
        board.load();
        board.show();
        session.settle();
        state.PauseTiming();
        board.unload();
        session.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadBoard)->Unit(benchmark::kMillisecond);

void BM_IdleBoardSecond(benchmark::State& state)
{
    ProgramFolder home;
    plat::backend::HeadlessSession session;
    scoreboard::MainForm board;
    board.load();
    board.show();
    session.advance(3000);
    for (auto _ : state)
        session.advance(1000);
    board.unload();
}
BENCHMARK(BM_IdleBoardSecond)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
