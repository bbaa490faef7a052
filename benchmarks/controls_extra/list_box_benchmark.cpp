// The list box at 100 000 items: its collection (appends, a block move at the front), the sort,
// filling, drawing one page, and scrolling by the bar's arrow and by dragging its thumb.
#include "controls/extra/cls_fast_collection.h"
#include "controls/extra/cls_sort.h"
#include "controls/extra/qel_list_box.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/window/api.h"
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <unistd.h>

namespace {

using plat::forms::PropertyBag;
using ItemRef = qel::clsFastCollection::ItemRef;

constexpr int kItems = 100000;

// Texts in a shuffled order, a few of them equal.
std::vector<std::string> shuffledTexts()
{
    std::vector<std::string> texts;
    texts.reserve(kItems);
    for (int i = 0; i < kItems; ++i)
        texts.push_back("player " + std::to_string((i * 7919) % (kItems - 100)));
    std::shuffle(texts.begin(), texts.end(), std::mt19937(42));
    return texts;
}

std::vector<ItemRef> itemsOf(const std::vector<std::string>& texts)
{
    std::vector<ItemRef> items;
    items.reserve(texts.size());
    for (const auto& t : texts) {
        auto item = std::make_shared<qel::qelListItem>();
        item->setText(t);
        items.push_back(std::move(item));
    }
    return items;
}

void BM_FastCollectionAppend(benchmark::State& state)
{
    const std::vector<ItemRef> items = itemsOf(shuffledTexts());
    for (auto _ : state) {
        qel::clsFastCollection list;
        for (const auto& item : items)
            list.Add(item);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_FastCollectionAppend)->Unit(benchmark::kMillisecond);

// One insert before the first of 100 000 elements and its removal: two block moves.
void BM_FastCollectionInsertAndRemoveAtTheFront(benchmark::State& state)
{
    const std::vector<ItemRef> items = itemsOf(shuffledTexts());
    qel::clsFastCollection list;
    for (const auto& item : items)
        list.Add(item);
    auto extra = std::make_shared<qel::qelListItem>();
    for (auto _ : state) {
        list.Add(extra, 1);
        list.Remove(1);
    }
}
BENCHMARK(BM_FastCollectionInsertAndRemoveAtTheFront)->Unit(benchmark::kMicrosecond);

void BM_SortList(benchmark::State& state)
{
    const std::vector<ItemRef> items = itemsOf(shuffledTexts());
    qel::clsFastCollection list;
    for (auto _ : state) {
        state.PauseTiming();
        list.Clear();
        for (const auto& item : items)
            list.Add(item);
        state.ResumeTiming();
        qel::clsSort().SortList(list, true);
    }
}
BENCHMARK(BM_SortList)->Unit(benchmark::kMillisecond);

// A shown form with a list of 600 x 400 pixels, loaded from a stored layout.
class ListBoxBench {
public:
    ListBoxBench()
    {
        form.move(0, 0, 1024 * 15, 768 * 15);
        form.load();
        PropertyBag stored;
        stored.writeProperty("Sorted", int32_t(0), -1);
        PropertyBag extender;
        extender.writeProperty("Left", 150.0, -1.0);
        extender.writeProperty("Top", 150.0, -1.0);
        extender.writeProperty("Width", 600.0 * 15, -1.0);
        extender.writeProperty("Height", 400.0 * 15, -1.0);
        list = &dynamic_cast<qel::qelListBox&>(form.addControl(std::make_unique<qel::qelListBox>(), "list", -1, nullptr, &stored, &extender));
        form.show();
        session.settle();
    }
    // The items as the host adds its own, with the drawing held off until the last.
    void fill(const std::vector<std::string>& texts)
    {
        list->setUnRefreshControl(true);
        for (const auto& t : texts)
            list->AddItem(t);
        list->setUnRefreshControl(false);
        list->Refresh();
    }
    plat::gfx::Rect bar() const { return plat::win::GetScreenRect(list->VS().hwnd()); }

    plat::backend::HeadlessSession session;
    plat::forms::Form form{"bench", ""};
    qel::qelListBox* list = nullptr;
};

void BM_ListBoxFillByAddItem(benchmark::State& state)
{
    const std::vector<std::string> texts = shuffledTexts();
    std::optional<ListBoxBench> bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset(); // the previous list goes outside the measured time
        bench.emplace();
        state.ResumeTiming();
        bench->fill(texts);
        benchmark::DoNotOptimize(bench->list->ListCount());
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_ListBoxFillByAddItem)->Unit(benchmark::kMillisecond)->Iterations(3);

// FillByFile of 100 000 lines, sorted at the end when AcceptAutoSort is on (range 1).
void BM_ListBoxFillByFile(benchmark::State& state)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / ("list_box_bench_" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream out(file, std::ios::binary);
        bool first = true;
        for (const auto& t : shuffledTexts()) {
            out << (first ? "" : "\r\n") << t;
            first = false;
        }
    }
    std::optional<ListBoxBench> bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset();
        bench.emplace();
        bench->list->setAcceptAutoSort(state.range(0) != 0);
        state.ResumeTiming();
        bench->list->FillByFile(file.string());
        benchmark::DoNotOptimize(bench->list->ListCount());
    }
    bench.reset();
    std::filesystem::remove(file);
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_ListBoxFillByFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// AddItem with AcceptAutoSort sorts after every item: the cost FillByFile avoids by sorting once.
void BM_ListBoxAddItemWithAutoSort(benchmark::State& state)
{
    std::vector<std::string> texts = shuffledTexts();
    texts.resize(size_t(state.range(0)));
    std::optional<ListBoxBench> bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset();
        bench.emplace();
        bench->list->setAcceptAutoSort(true);
        state.ResumeTiming();
        bench->fill(texts);
    }
    bench.reset();
}
BENCHMARK(BM_ListBoxAddItemWithAutoSort)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ListBoxSortItems(benchmark::State& state)
{
    ListBoxBench bench;
    bench.fill(shuffledTexts());
    int order = 0;
    for (auto _ : state) {
        bench.list->SortItems(order);
        order = 1 - order;
    }
}
BENCHMARK(BM_ListBoxSortItems)->Unit(benchmark::kMillisecond)->Iterations(4);

// One drawing of the page in the middle of the list.
void BM_ListBoxRefresh(benchmark::State& state)
{
    ListBoxBench bench;
    bench.fill(shuffledTexts());
    bench.list->setTopIndex(kItems / 2);
    for (auto _ : state)
        bench.list->Refresh();
}
BENCHMARK(BM_ListBoxRefresh)->Unit(benchmark::kMicrosecond);

// A press on the bar's lower arrow: the step, the bar's picture, and the list drawn one item on.
void BM_ListBoxArrowStep(benchmark::State& state)
{
    ListBoxBench bench;
    bench.fill(shuffledTexts());
    const plat::gfx::Rect bar = bench.bar();
    const int x = bar.left + 8, y = bar.bottom - 5;
    bench.session.mouseMove(x, y);
    bench.session.settle();
    for (auto _ : state) {
        bench.session.mouseDown(x, y);
        bench.session.mouseUp(x, y);
        bench.session.advance(600); // no double click
    }
    if (bench.list->TopIndex() < 2)
        state.SkipWithError("the arrow did not scroll");
}
BENCHMARK(BM_ListBoxArrowStep)->Unit(benchmark::kMicrosecond);

// One mouse move of a thumb drag, up and down the track: the list follows each move.
void BM_ListBoxThumbDragMove(benchmark::State& state)
{
    ListBoxBench bench;
    bench.fill(shuffledTexts());
    const plat::gfx::Rect bar = bench.bar();
    const int x = bar.left + 8;
    int y = bar.top + 20;
    bench.session.mouseMove(x, y);
    bench.session.mouseDown(x, y);
    int step = 1;
    for (auto _ : state) {
        if (y >= bar.bottom - 40 || y <= bar.top + 19)
            step = -step;
        y += step;
        bench.session.mouseMove(x, y);
        bench.session.settle();
    }
    bench.session.mouseUp(x, y);
    if (bench.list->TopIndex() != int32_t(qel::FloorOf(bench.list->VS().Value())))
        state.SkipWithError("the list lags behind the thumb");
}
BENCHMARK(BM_ListBoxThumbDragMove)->Unit(benchmark::kMicrosecond);

} // namespace
