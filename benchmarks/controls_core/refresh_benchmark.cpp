// The full redraw of the drawn controls: every property setter runs one, so a form that sets
// a dozen captions and colours pays a dozen of these.
#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include <benchmark/benchmark.h>

namespace {

using plat::forms::PropertyBag;

template<class T>
T& placeOn(plat::forms::Form& form, int w, int h)
{
    PropertyBag extender, stored;
    extender.writeProperty("Width", double(w * 15), -1.0);
    extender.writeProperty("Height", double(h * 15), -1.0);
    return dynamic_cast<T&>(form.addControl(std::make_unique<T>(), "c", -1, nullptr, &stored, &extender));
}

// A command-bar button (100 × 30) and a large gradient panel-sized button (400 × 300).
void BM_CommandRefresh(benchmark::State& state)
{
    plat::backend::HeadlessSession session;
    plat::forms::Form form("bench", "");
    form.move(0, 0, 1024 * 15, 768 * 15);
    form.load();
    auto& button = placeOn<qel::qelCommand>(form, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        button.Refresh(true);
    state.SetLabel(std::to_string(state.range(0)) + "x" + std::to_string(state.range(1)));
}
BENCHMARK(BM_CommandRefresh)->Args({100, 30})->Args({400, 300});

// A scoreboard display label: a large font, redrawn on every clock tick.
void BM_LabelCaptionChange(benchmark::State& state)
{
    plat::backend::HeadlessSession session;
    plat::forms::Form form("bench", "");
    form.move(0, 0, 1024 * 15, 768 * 15);
    form.load();
    auto& label = placeOn<qel::qelLabel>(form, 300, 60);
    plat::forms::FontDesc font;
    font.name = "黑体";
    font.size = 36;
    label.setFont(font);
    int i = 0;
    for (auto _ : state)
        label.setCaption(std::to_string(i++ % 1000));
}
BENCHMARK(BM_LabelCaptionChange);

} // namespace
