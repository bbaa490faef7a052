// A full 1024 × 768 screen put together back to front from 100 window images, each clipped to
// what is left of the screen for it: the blits a compositor runs for one full redraw.
#include "platform/gfx/blit.h"
#include "platform/gfx/draw.h"
#include "platform/gfx/region.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace plat::gfx;

namespace {

struct Window {
    Point at;
    Surface image;
    Region shape; // in screen coordinates; empty = the window's rectangle
    enum class Kind { Opaque, Keyed, Blended } kind = Kind::Opaque;
};

// One full-screen back window and 99 windows of 150 × 110 to 330 × 250 spread over the screen,
// overlapping; a quarter with rounded corners, some see-through by colour key, a few blended.
std::vector<Window> makeScene()
{
    std::vector<Window> windows;
    windows.push_back({{0, 0}, Surface(1024, 768, opaque(rgb(30, 60, 90))), {}, Window::Kind::Opaque});
    for (int i = 1; i < 100; ++i) {
        int w = 150 + (i * 37) % 180, h = 110 + (i * 53) % 140;
        Point at{(i * 97) % (1024 - w), (i * 61) % (768 - h)};
        Window win{at, Surface(w, h, opaque(rgb(i * 2, 255 - i * 2, (i * 7) & 255))), {}, Window::Kind::Opaque};
        if (i % 4 == 0)
            win.shape = Region::roundRect(0, 0, w, h, 7, 7).offset(at.x, at.y);
        if (i % 5 == 0) {
            win.kind = Window::Kind::Keyed;
            fillRect(win.image, {10, 10, w - 10, h - 10}, opaque(rgb(255, 0, 255)), Clip(win.image.rect()));
        }
        if (i % 17 == 0) {
            win.kind = Window::Kind::Blended;
            for (uint32_t& p : win.image.pixels())
                p = (p & 0x00FFFFFFu) | 0x80000000u;
        }
        windows.push_back(std::move(win));
    }
    return windows;
}

void compose(Surface& screen, const std::vector<Window>& windows, const Rect& dirty)
{
    for (const Window& w : windows) {
        const Rect bounds = Rect::fromSize(w.at.x, w.at.y, w.image.width(), w.image.height()).intersect(dirty);
        if (bounds.isEmpty())
            continue;
        const Region* shape = w.shape.isEmpty() ? nullptr : &w.shape;
        const Clip clip(bounds, shape);
        switch (w.kind) {
        case Window::Kind::Opaque:
            blit(screen, w.at, w.image, w.image.rect(), clip);
            break;
        case Window::Kind::Keyed:
            blitKeyed(screen, w.at, w.image, w.image.rect(), rgb(255, 0, 255), clip);
            break;
        case Window::Kind::Blended:
            alphaBlend(screen, w.at, w.image, w.image.rect(), clip);
            break;
        }
    }
}

} // namespace

static void ComposeFullScreenFrom100Windows(benchmark::State& state)
{
    Surface screen(1024, 768);
    const std::vector<Window> windows = makeScene();
    for (auto _ : state) {
        compose(screen, windows, screen.rect());
        benchmark::DoNotOptimize(screen.pixels().data());
    }
    state.counters["windows"] = double(windows.size());
}
BENCHMARK(ComposeFullScreenFrom100Windows)->Unit(benchmark::kMicrosecond);

// Only the clock's area changed: the same scene redrawn inside one 800 × 330 dirty rectangle.
static void ComposeClockSizedDirtyRect(benchmark::State& state)
{
    Surface screen(1024, 768);
    const std::vector<Window> windows = makeScene();
    const Rect dirty = Rect::fromSize(112, 88, 800, 330);
    for (auto _ : state) {
        compose(screen, windows, dirty);
        benchmark::DoNotOptimize(screen.pixels().data());
    }
}
BENCHMARK(ComposeClockSizedDirtyRect)->Unit(benchmark::kMicrosecond);

// The plain copy alone: 100 opaque full-size window images without shapes.
static void CopyFullScreenSurfaces(benchmark::State& state)
{
    Surface screen(1024, 768);
    Surface image(1024, 768, opaque(rgb(1, 2, 3)));
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            blit(screen, {0, 0}, image, image.rect(), Clip(screen.rect()));
        benchmark::DoNotOptimize(screen.pixels().data());
    }
}
BENCHMARK(CopyFullScreenSurfaces)->Unit(benchmark::kMillisecond);

// Building a rounded window shape and its border, as a frame does when it is resized.
static void RoundRegionAndFrame(benchmark::State& state)
{
    Surface s(1015, 275);
    for (auto _ : state) {
        Region r = Region::roundRect(0, 0, 1015, 275, 7, 7);
        frameRegion(s, r, opaque(rgb(255, 128, 128)), 1, 1, Clip(s.rect()));
        benchmark::DoNotOptimize(s.pixels().data());
    }
}
BENCHMARK(RoundRegionAndFrame)->Unit(benchmark::kMicrosecond);
