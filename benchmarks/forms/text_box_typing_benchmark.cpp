// Typing a long note into the forms' text box: every character lays the text out again, moves
// the caret into view and draws the field, so the cost of one character grows with the text.
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/standard_controls.h"
#include "platform/forms/text_box.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include <benchmark/benchmark.h>

using namespace plat;

namespace {

// 10 000 characters in words of four letters.
std::string note()
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "abcd ";
    return text;
}

void TypeTenThousandCharactersIntoATextBox(benchmark::State& state)
{
    backend::HeadlessSession session{{1024, 768}};
    forms::registerStandardControls();
    forms::Form form("Bench", std::filesystem::path());
    form.move(0, 0, win::twipsFromPixels(640), win::twipsFromPixels(480));
    form.show();
    auto& box = form.add<forms::TextBox>("box");
    box.move(win::twipsFromPixels(10), win::twipsFromPixels(10), win::twipsFromPixels(400), win::twipsFromPixels(300));
    box.setMultiLine(state.range(0) != 0);
    box.setScrollBars(state.range(0) != 0 ? 2 : 0);
    box.setFocus();
    session.settle();
    if (win::GetFocus() != box.hwnd())
        state.SkipWithError("the box has no focus");
    const std::string text = note();
    for (auto _ : state) {
        box.setText("");
        session.type(text);
        session.settle();
    }
    if (box.text() != text)
        state.SkipWithError("the box lost characters");
}
// 0: one line scrolled sideways; 1: wrapped lines with a vertical bar.
BENCHMARK(TypeTenThousandCharactersIntoATextBox)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
