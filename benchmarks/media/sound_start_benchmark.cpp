// Time from a play call to the first samples of that sound handed to the audio device's
// callback, for a WAV that is already decoded. Run with SDL_AUDIODRIVER=dummy where there is
// no sound card; the dummy driver paces its callbacks like a real device.
#include "platform/media/sound_player.h"
#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace {

std::string soundPath(const char* name)
{
    const char* dir = std::getenv("SCOREBOARD_SOURCE_DIR");
    return std::string(dir && *dir ? dir : MEDIA_BENCH_SOURCE_DIR) + "/resources/sound/" + name;
}

void SoundStartLatency(benchmark::State& state)
{
    auto& player = plat::media::SoundPlayer::shared();
    const std::string horn = soundPath("yes.wav");
    if (!player.open() || !player.preload(horn)) {
        state.SkipWithError("no audio device or no sound file");
        return;
    }
    const double ticksPerSecond = double(SDL_GetPerformanceFrequency());
    std::mt19937 random(7);
    std::uniform_int_distribution<int> phase(0, 15000);
    double worst = 0;
    for (auto _ : state) {
        // Calls come at any moment of the device's period.
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        state.ResumeTiming();
        const uint64_t before = player.soundsStarted();
        const uint64_t start = SDL_GetPerformanceCounter();
        player.play(horn);
        while (player.soundsStarted() == before)
            std::this_thread::yield();
        double seconds = double(player.lastStartTicks() - start) / ticksPerSecond;
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_ms"] = worst * 1000;
    player.stop();
}

} // namespace

BENCHMARK(SoundStartLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
