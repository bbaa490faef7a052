#include "input_controls_fixture.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/text_box.h"
#include "platform/gfx/system_colors.h"
#include "tests/support/screenshot_folder.h"

namespace plat::forms::testing {

using namespace plat::win;

// A form with every input control in its usual states, saved as a picture and checked.
TEST_F(InputControlsTest, GalleryOfTheInputControls)
{
    auto caption = [&](const std::string& text, gfx::Rect r) {
        auto& l = place<Label>("caption", r, int(form.controls().size()));
        l.setCaption(text);
    };
    caption("文本框:", gfx::Rect::fromSize(10, 14, 60, 16));
    auto& plain = place<TextBox>("plain", gfx::Rect::fromSize(80, 10, 180, 21));
    plain.setText("");
    plain.setFocus();
    session.type("篮球比赛 2024"); // typed, as an input method sends it
    auto& selected = place<TextBox>("selected", gfx::Rect::fromSize(80, 36, 180, 21));
    selected.setText("选中的文字 selected");
    auto& password = place<TextBox>("password", gfx::Rect::fromSize(80, 62, 180, 21));
    password.setPasswordChar("*");
    password.setText("secret");
    auto& centred = place<TextBox>("centred", gfx::Rect::fromSize(80, 88, 60, 28));
    centred.setAlignment(2);
    centred.setMaxLength(2);
    centred.setForeColor(0x00C000);
    FontDesc big;
    big.size = 14;
    centred.setFont(big);
    centred.setText("59");
    auto& disabled = place<TextBox>("disabled", gfx::Rect::fromSize(150, 88, 110, 21));
    disabled.setText("不可用");
    disabled.setEnabled(false);
    auto& memo = place<TextBox>("memo", gfx::Rect::fromSize(10, 124, 250, 80));
    memo.setMultiLine(true);
    memo.setScrollBars(2);
    memo.setText("第一行 first line\r\n第二行 a longer second line that wraps at the width of the box\r\nthird\r\nfourth\r\nfifth\r\nsixth");
    caption("列表框:", gfx::Rect::fromSize(280, 14, 60, 16));
    auto& list = place<ListBox>("list", gfx::Rect::fromSize(340, 10, 140, 110));
    for (int i = 1; i <= 12; ++i)
        list.addItem("第" + std::to_string(i) + "首 track" + std::to_string(i) + ".mp3");
    list.setListIndex(2);
    auto& multi = place<ListBox>("multi", gfx::Rect::fromSize(490, 10, 140, 60));
    multi.setMultiSelect(2);
    for (const char* s : {"张三", "李四", "王五"})
        multi.addItem(s);
    multi.setSelected(0, true);
    multi.setSelected(2, true);
    caption("组合框:", gfx::Rect::fromSize(280, 134, 60, 16));
    auto& combo = place<ComboBox>("combo", gfx::Rect::fromSize(340, 130, 140, 20));
    for (const char* s : {"第一节", "第二节", "第三节", "第四节"})
        combo.addItem(s);
    combo.setText("第二节");
    auto& dropList = place<ComboBox>("dropList", gfx::Rect::fromSize(490, 130, 140, 20));
    dropList.setStyle(2);
    for (int i = 0; i <= 100; ++i)
        dropList.addItem(std::to_string(i));
    dropList.setListIndex(7);
    caption("列表视图:", gfx::Rect::fromSize(10, 274, 80, 16));
    auto& records = place<ListView>("records", gfx::Rect::fromSize(10, 294, 620, 120));
    records.setView(ListView::lvwReport);
    records.setFullRowSelect(true);
    records.setGridLines(true);
    records.setHideSelection(false);
    const std::pair<const char*, double> columns[] = {{"比赛日期", 2081}, {"比赛主题", 3400}, {"球队", 1640}, {"-", 521},
        {"球队", 1640}, {"第一节", 939}, {"第二节", 939}, {"第三节", 939}, {"第四节", 939}, {"总比分", 1040}, {"备注", 1000}};
    for (auto [text, width] : columns)
        records.columnHeaders().add(text, width);
    const char* rows[][11] = {
        {"2024-05-01 19:30", "春季联赛", "红队", "VS", "蓝队", "20:18", "15:22", "25:19", "18:20", "78:79", ""},
        {"2024-05-08 19:30", "春季联赛第二轮", "飞鹰", "VS", "猛虎", "22:20", "19:19", "21:23", "24:16", "86:78", "加时"},
        {"2024-05-15 20:00", "友谊赛 Friendly match with a long title", "Eagles", "VS", "Tigers", "10:12", "14:9", "11:11",
            "16:15", "51:47", "备注"},
    };
    for (const auto& r : rows) {
        ListItem& item = records.listItems().add(r[0]);
        for (int i = 1; i < 11; ++i)
            item.setSubItem(i, r[i]);
    }
    records.listItems().item(2)->setSelected(true);
    selected.setFocus();
    selected.setSelStart(0);
    selected.setSelLength(5);
    caption("文本框: 单行、选中、密码、居中、不可用、多行; 列表框: 单选、多选; 组合框: 可输入、下拉列表", gfx::Rect::fromSize(10, 440, 620, 16));
    session.settle();
    dropList.showDropDown(true);
    session.settle();
    const test_support::ScreenshotFolder shots;
    const gfx::Surface shot = shots.save(sys().screen(), "input_controls.png");
    ASSERT_EQ(shot.pixels(), sys().screen().pixels());

    using test_support::pixelsOfColor;
    const gfx::Color highlight = gfx::systemColor(gfx::ColorHighlight);
    // The selected words of the box with the focus show highlighted; the typed box has no selection.
    EXPECT_GT(pixelsOfColor(shot, screenRectOf(selected), highlight), 300);
    EXPECT_EQ(pixelsOfColor(shot, screenRectOf(plain), highlight), 0);
    // Each list shows its chosen rows highlighted: one in the single list, two apart in the
    // multiple one.
    auto bands = [&](gfx::Rect r) {
        int n = 0;
        bool in = false;
        for (int y = r.top; y < r.bottom; ++y) {
            const bool row = test_support::mostlyOfColor(shot, {r.left, y, r.right - 18, y + 1}, highlight);
            n += row && !in;
            in = row;
        }
        return n;
    };
    EXPECT_EQ(bands(screenRectOf(list)), 1);
    EXPECT_EQ(bands(screenRectOf(multi)), 2);
    // The centred green digits stand in the middle of their box.
    const gfx::Rect c = screenRectOf(centred);
    long sumX = 0, greens = 0;
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x) {
            const gfx::Color p = shot.colorAt(x, y);
            if (gfx::greenOf(p) > 150 && gfx::redOf(p) < 100 && gfx::blueOf(p) < 100)
                sumX += x, ++greens;
        }
    ASSERT_GT(greens, 20);
    EXPECT_NEAR(double(sumX) / double(greens), (c.left + c.right) / 2.0, 3.0);
}

} // namespace plat::forms::testing
