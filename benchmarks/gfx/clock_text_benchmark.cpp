// The clock label redraws its caption every tenth of a second while the clock runs: clear the
// label's image and draw the 270 pt text centred, as the label's refresh does.
#include "platform/gfx/device_context.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/text_layout.h"

#include <benchmark/benchmark.h>

using namespace plat::gfx;

namespace {

FontRequest clockFont()
{
    FontRequest r;
    r.face = "DS-Digital";
    r.points = 270;
    r.bold = true;
    return r;
}

void redraw(DeviceContext& dc, const char* text)
{
    dc.clear(0x000000);
    Rect r{1, 1, 795, 328};
    dc.drawText(text, r, DT_CENTER);
}

} // namespace

// Glyphs come from the cache (every redraw after the first).
static void ClockTextRedraw(benchmark::State& state)
{
    static const char* texts[] = {"59.9", "59.8", "59.7", "12:00"};
    const char* text = texts[state.range(0)];
    Surface label(800, 330);
    DeviceContext dc(label);
    dc.setFont(Font::open(clockFont()));
    dc.setTextColor(0x00FF00);
    dc.setBackMode(BackMode::Transparent);
    redraw(dc, text);
    for (auto _ : state) {
        redraw(dc, text);
        benchmark::DoNotOptimize(label.pixels().data());
    }
}
BENCHMARK(ClockTextRedraw)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

// Only the text, without clearing the 800 × 330 image first.
static void ClockTextGlyphsOnly(benchmark::State& state)
{
    Surface label(800, 330);
    DeviceContext dc(label);
    dc.setFont(Font::open(clockFont()));
    dc.setTextColor(0x00FF00);
    dc.setBackMode(BackMode::Transparent);
    Rect r{1, 1, 795, 328};
    dc.drawText("59.9", r, DT_CENTER);
    for (auto _ : state) {
        Rect rr = r;
        dc.drawText("59.9", rr, DT_CENTER);
        benchmark::DoNotOptimize(label.pixels().data());
    }
}
BENCHMARK(ClockTextGlyphsOnly)->Unit(benchmark::kMicrosecond);

// A face opened afresh for every redraw: the four glyphs rendered by FreeType each time.
static void ClockTextColdGlyphs(benchmark::State& state)
{
    Surface label(800, 330);
    for (auto _ : state) {
        auto face = FontLibrary::instance().openUncached(clockFont());
        DeviceContext dc(label);
        dc.setFont(Font(face, clockFont()));
        dc.setTextColor(0x00FF00);
        dc.setBackMode(BackMode::Transparent);
        redraw(dc, "59.9");
        benchmark::DoNotOptimize(label.pixels().data());
    }
}
BENCHMARK(ClockTextColdGlyphs)->Unit(benchmark::kMicrosecond);
