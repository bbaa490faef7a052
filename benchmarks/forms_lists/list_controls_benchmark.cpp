// Filling the list controls as the program does when it opens a view: the match records into a
// report list of eleven columns, a folder's files into a list box, and typing into a text box.
// Each should take well under a frame for the sizes the program sees.
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/standard_controls.h"
#include "platform/forms/text_box.h"
#include "platform/window/twips.h"
#include <benchmark/benchmark.h>

using namespace plat;

namespace {

struct Screen {
    backend::HeadlessSession session{{1024, 768}};
    forms::Form form{"Bench", std::filesystem::path()};
    Screen()
    {
        forms::registerStandardControls();
        form.move(0, 0, 15300, 11000);
        form.show();
    }
    template<class T>
    T& place(int w, int h)
    {
        T& c = form.add<T>("c", nullptr, int(form.controls().size()));
        c.move(150, 150, win::twipsFromPixels(w), win::twipsFromPixels(h));
        return c;
    }
};

void FillTheMatchRecordList(benchmark::State& state)
{
    Screen s;
    auto& view = s.place<forms::ListView>(1007, 500);
    view.setView(forms::ListView::lvwReport);
    view.setFullRowSelect(true);
    view.setGridLines(true);
    for (double w : {2081, 3400, 1640, 521, 1640, 939, 939, 939, 939, 1040, 1000})
        view.columnHeaders().add("比赛", w);
    for (auto _ : state) {
        view.listItems().clear();
        for (int i = 0; i < state.range(0); ++i) {
            forms::ListItem& item = view.listItems().add("2024-05-01 19:30");
            item.setSubItem(1, "春季联赛第" + std::to_string(i) + "轮");
            for (int k = 2; k <= 10; ++k)
                item.setSubItem(k, std::to_string(k * 10) + ":" + std::to_string(i));
        }
        s.session.settle();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(FillTheMatchRecordList)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

void FillAListBoxWithAFolder(benchmark::State& state)
{
    Screen s;
    auto& list = s.place<forms::ListBox>(300, 400);
    for (auto _ : state) {
        list.clear();
        for (int i = 0; i < state.range(0); ++i)
            list.addItem("第" + std::to_string(i) + "首 track.mp3");
        list.setListIndex(0);
        s.session.settle();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(FillAListBoxWithAFolder)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

void TypeIntoATextBox(benchmark::State& state)
{
    Screen s;
    auto& box = s.place<forms::TextBox>(300, 22);
    box.setFocus();
    for (auto _ : state) {
        box.setText("");
        s.session.type("篮球比赛计分 scoreboard 2024");
    }
    state.SetItemsProcessed(state.iterations() * 24);
}
BENCHMARK(TypeIntoATextBox)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
