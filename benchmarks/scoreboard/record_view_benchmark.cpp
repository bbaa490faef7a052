// The match-record view: reading an archive of many matches into the record list (what "查看历史比赛"
// and "刷新" do), and the rewrite of the archive after one deletion.
#include "scoreboard/control_set.h"
#include "scoreboard/main_form.h"
#include "scoreboard/main_panels.h"
#include "scoreboard/match_archive.h"
#include "scoreboard/match_record.h"

#include "platform/backend/session.h"
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct ArchiveFolder {
    ArchiveFolder()
    {
        folder = std::filesystem::temp_directory_path() / ("record_view_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "date");
        ::setenv("BALL_HOME", folder.c_str(), 1);
        scoreboard::registerProgramControls();
    }
    ~ArchiveFolder() { std::filesystem::remove_all(folder); }

    static void writeMatches(int count)
    {
        std::vector<scoreboard::StoredMatch> matches;
        for (int i = 0; i < count; ++i)
            matches.push_back({{"2026-03-01 09:05:" + std::to_string(i % 60), "春季杯 第" + std::to_string(i) + "场", "红队", "VS",
                "蓝队", "20:18", "18:20", "22:20", "20:22", "80:80", i % 2 ? "加时赛" : ""}});
        scoreboard::writeArchive(scoreboard::matchArchivePath(), matches);
    }

    // An archive of about `megabytes` MB; returns the number of matches in it.
    static int writeMegabytes(int megabytes)
    {
        constexpr int kSample = 1000;
        writeMatches(kSample);
        const auto sampleBytes = std::filesystem::file_size(scoreboard::matchArchivePath());
        const int count = int(double(megabytes) * 1024 * 1024 * kSample / double(sampleBytes));
        writeMatches(count);
        return count;
    }
    std::filesystem::path folder;
};

void BM_ListTheArchive(benchmark::State& state)
{
    ArchiveFolder home;
    ArchiveFolder::writeMatches(int(state.range(0)));
    plat::backend::HeadlessSession session;
    scoreboard::MainForm board;
    board.load();
    board.show();
    session.settle();
    for (auto _ : state) {
        board.balldateinput();
        session.settle();
    }
    board.unload();
}
BENCHMARK(BM_ListTheArchive)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// Archives as large as years of matches (50 MB is some 350 000): the list fills in linear time.
void BM_ListAnArchiveOfMegabytes(benchmark::State& state)
{
    ArchiveFolder home;
    const int matches = ArchiveFolder::writeMegabytes(int(state.range(0)));
    plat::backend::HeadlessSession session;
    scoreboard::MainForm board;
    board.load();
    board.show();
    session.settle();
    for (auto _ : state) {
        board.balldateinput();
        session.settle();
    }
    state.counters["matches"] = matches;
    board.unload();
}
BENCHMARK(BM_ListAnArchiveOfMegabytes)->Arg(1)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RewriteTheArchive(benchmark::State& state)
{
    ArchiveFolder home;
    ArchiveFolder::writeMatches(int(state.range(0)));
    plat::backend::HeadlessSession session;
    scoreboard::MainForm board;
    board.load();
    board.balldateinput();
    for (auto _ : state)
        board.balldateoutput();
    board.unload();
}
BENCHMARK(BM_RewriteTheArchive)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
