// Mouse moves through a window with two procedures installed in front of its own, as a
// subclassed control's window has: the cost of one move must stay far below a frame.
#include "platform/backend/session.h"
#include "platform/window/api.h"
#include <benchmark/benchmark.h>

using namespace plat;
using namespace plat::win;

static void MouseMovesThroughAThreeProcedureChain(benchmark::State& state)
{
    backend::HeadlessSession session{{1024, 768}};
    int64_t seen = 0;
    HWND h = CreateWindow("bench", 0, gfx::Rect::fromSize(0, 0, 400, 300), true, makeWndProc([&](HWND hw, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_MOUSEMOVE)
            ++seen;
        return DefWindowProc(hw, m, w, l);
    }));
    WndProc second, third;
    second = SetWindowProc(h, makeWndProc([&](HWND hw, UINT m, WPARAM w, LPARAM l) {
        TRACKMOUSEEVENT t{16, TME_HOVER | TME_LEAVE, hw, 1};
        if (m == WM_MOUSEMOVE)
            TrackMouseEvent(t);
        return CallWindowProc(second, hw, m, w, l);
    }));
    third = SetWindowProc(h, makeWndProc([&](HWND hw, UINT m, WPARAM w, LPARAM l) { return CallWindowProc(third, hw, m, w, l); }));

    for (auto _ : state) {
        for (int i = 0; i < 100000; ++i)
            session.windows().queueInput({InputEvent::Kind::MouseMove, 10 + (i & 255), 10 + ((i >> 8) & 127)});
        session.settle();
    }
    benchmark::DoNotOptimize(seen);
    state.SetItemsProcessed(state.iterations() * 100000);
    DestroyWindow(h);
}
BENCHMARK(MouseMovesThroughAThreeProcedureChain)->Unit(benchmark::kMillisecond);
