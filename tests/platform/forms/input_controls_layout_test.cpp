#include "input_controls_fixture.h"
#include "platform/forms/form_layout.h"
#include "tests/support/temp_folder.h"
#include <unistd.h>

namespace plat::forms::testing {

using namespace plat::win;

// The input controls go into a stored layout and come back from it, by their class names.
TEST_F(InputControlsTest, TheInputControlsRoundTripThroughAStoredLayout)
{
    auto& box = place<TextBox>("T1", gfx::Rect::fromSize(10, 10, 40, 21), 0);
    box.setText("12");
    box.setMaxLength(2);
    box.setAlignment(2);
    auto& list = place<ListBox>("zailist", gfx::Rect::fromSize(10, 40, 120, 80));
    list.addItem("张三");
    list.addItem("李四");
    auto& combo = place<ComboBox>("C1", gfx::Rect::fromSize(140, 10, 120, 20));
    combo.setStyle(2);
    for (const char* s : {"第一节", "第二节"})
        combo.addItem(s);
    auto& view = place<ListView>("L1", gfx::Rect::fromSize(140, 40, 200, 80));
    view.setView(ListView::lvwReport);
    view.columnHeaders().add("姓名", 1200);
    view.columnHeaders().add("球号", 800, 1);
    auto& chooser = form.add<CommonDialog>("Caddmp3");
    chooser.setFilter("音乐(*.mp3)|*.mp3");
    chooser.setFlags(524800);

    const TempFolder scratch("forms-inputs-XXXXXX");
    auto file = scratch / "inputs.json";
    writeLayout(form.layout(), file);
    Form copy("Copy", file);
    copy.load();
    auto& box2 = copy.get<TextBox>("T1", 0);
    EXPECT_EQ(box2.text(), "12");
    EXPECT_EQ(box2.maxLength(), 2);
    EXPECT_EQ(box2.alignment(), 2);
    auto& list2 = copy.get<ListBox>("zailist");
    EXPECT_EQ(list2.listCount(), 2);
    EXPECT_EQ(list2.list(1), "李四");
    auto& combo2 = copy.get<ComboBox>("C1");
    EXPECT_EQ(combo2.style(), 2);
    EXPECT_EQ(combo2.list(1), "第二节");
    auto& view2 = copy.get<ListView>("L1");
    EXPECT_EQ(view2.view(), ListView::lvwReport);
    ASSERT_EQ(view2.columnHeaders().count(), 2);
    EXPECT_EQ(view2.columnHeaders().item(2)->text(), "球号");
    EXPECT_EQ(view2.columnHeaders().item(2)->alignment(), 1);
    auto& chooser2 = copy.get<CommonDialog>("Caddmp3");
    EXPECT_EQ(chooser2.filter(), "音乐(*.mp3)|*.mp3");
    EXPECT_EQ(chooser2.flags(), 524800);
    EXPECT_EQ(chooser2.hwnd(), 0u); // it has no window
    EXPECT_EQ(GetWindowRect(view2.hwnd()), GetWindowRect(view.hwnd()));
}

} // namespace plat::forms::testing
