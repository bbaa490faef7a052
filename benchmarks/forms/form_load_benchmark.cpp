// Loading a form from its stored layout: parsing, creating every control and drawing it, as
// a dialog does each time it is opened. A dialog of some 60 controls should open well within
// a frame.
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/standard_controls.h"
#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

using namespace plat;

static std::filesystem::path writeLayout(int labels)
{
    forms::FormLayout layout;
    layout.name = "Bench";
    layout.properties.writeProperty("Width", 9000.0, 0.0);
    layout.properties.writeProperty("Height", 7000.0, 0.0);
    forms::ControlLayout box;
    box.className = "PictureBox";
    box.name = "box";
    box.extender.writeProperty("Width", 9000.0, 0.0);
    box.extender.writeProperty("Height", 7000.0, 0.0);
    for (int i = 0; i < labels; ++i) {
        forms::ControlLayout label;
        label.className = "Label";
        label.name = "lab";
        label.index = i;
        label.extender.writeProperty("Left", 150.0 + (i % 6) * 1450, 0.0);
        label.extender.writeProperty("Top", 150.0 + (i / 6) * 600, 0.0);
        label.extender.writeProperty("Width", 1400.0, 0.0);
        label.extender.writeProperty("Height", 450.0, 0.0);
        label.properties.writeProperty("Caption", "标签 " + std::to_string(i), "");
        label.properties.writeProperty("BackStyle", 0, 1);
        box.controls.push_back(std::move(label));
    }
    layout.controls.push_back(std::move(box));
    auto file = std::filesystem::temp_directory_path() / ("forms_bench_" + std::to_string(::getpid()) + ".json");
    forms::writeLayout(layout, file);
    return file;
}

static void LoadAndUnloadAStoredForm(benchmark::State& state)
{
    backend::HeadlessSession session{{1024, 768}};
    forms::registerStandardControls();
    auto file = writeLayout(int(state.range(0)));
    forms::Form form("Bench", file);
    for (auto _ : state) {
        form.load();
        form.show();
        session.settle();
        form.unload();
        session.settle();
    }
    std::filesystem::remove(file);
}
BENCHMARK(LoadAndUnloadAStoredForm)->Arg(60)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
