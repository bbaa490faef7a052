// The bars redraw themselves whole on every step, and the text box synchronises its bars on
// every paint of its field: both run once per key or mouse step.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_text_box.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/window/api.h"
#include <benchmark/benchmark.h>

namespace {

using plat::forms::PropertyBag;

// A loaded form covering the screen, for the controls of one benchmark.
struct BenchForm : plat::forms::Form {
    BenchForm() : Form("bench", "")
    {
        move(0, 0, 1024 * 15, 768 * 15);
        load();
    }
};

template<class T>
T& placeOn(plat::forms::Form& form, int w, int h, PropertyBag stored = {})
{
    PropertyBag extender;
    extender.writeProperty("Width", double(w * 15), -1.0);
    extender.writeProperty("Height", double(h * 15), -1.0);
    return dynamic_cast<T&>(form.addControl(std::make_unique<T>(), "c", -1, nullptr, &stored, &extender));
}

// Shows the form and gives the box's field in use the focus; false when it did not take it.
bool focusField(plat::forms::Form& form, qel::qelTextBox& box, plat::backend::HeadlessSession& session)
{
    form.show();
    box.Text1(box.ActiveElement()).setFocus();
    session.settle();
    return box.Text1(box.ActiveElement()).hwnd() == plat::win::GetFocus();
}

// One arrow step: Value, UpdateThumb and the whole picture.
void BM_ScrollBarStep(benchmark::State& state)
{
    plat::backend::HeadlessSession session;
    BenchForm form;
    auto& bar = placeOn<qel::qelHScroll>(form, 300, 17);
    int i = 0;
    for (auto _ : state)
        bar.setValue(qel::Whole(i++ % 100));
}
BENCHMARK(BM_ScrollBarStep);

// One typed character in a multi-line box of 200 lines with line numbers: the field's layout and
// drawing, the text-change step and the synchronisation of both bars.
void BM_TextBoxTypedCharacter(benchmark::State& state)
{
    plat::backend::HeadlessSession session;
    BenchForm form;
    PropertyBag stored;
    stored.writeProperty("MultiLine", true, false);
    stored.writeProperty("LegendType", int32_t(2), int32_t(0));
    auto& box = placeOn<qel::qelTextBox>(form, 400, 300, stored);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i) + " of the match notes\r\n";
    box.setText(text);
    if (!focusField(form, box, session))
        state.SkipWithError("the field has no focus");
    for (auto _ : state) {
        session.type("x");
        session.key(0x08);
    }
}
BENCHMARK(BM_TextBoxTypedCharacter);

// Typing 10 000 characters, in words of four letters, into the single-line box and into the
// wrapping one: each character goes through the field's layout, drawing and the text-change
// step, whose cost grows with the text.
void BM_TextBoxTypingTenThousandCharacters(benchmark::State& state)
{
    plat::backend::HeadlessSession session;
    BenchForm form;
    PropertyBag stored;
    stored.writeProperty("MultiLine", state.range(0) != 0, false);
    stored.writeProperty("ScrollBars", int32_t(state.range(0) != 0 ? 2 : 0), int32_t(3));
    auto& box = placeOn<qel::qelTextBox>(form, 400, 300, stored);
    if (!focusField(form, box, session))
        state.SkipWithError("the field has no focus");
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "abcd ";
    for (auto _ : state) {
        box.setText("");
        session.type(text);
        session.settle();
    }
    if (box.Text() != text)
        state.SkipWithError("the box lost characters");
}
// 0: one line scrolled sideways; 1: wrapped lines with a vertical bar.
BENCHMARK(BM_TextBoxTypingTenThousandCharacters)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
