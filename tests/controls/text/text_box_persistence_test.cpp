// Stored properties of the text box: defaults, the order keys are read and written in, the
// element chosen after a load, and the title dialog's two boxes from its shipped layout.
#include "controls/core/register_core_controls.h"
#include "controls/text/register_text_controls.h"
#include "platform/forms/resources_folder.h"
#include "platform/forms/standard_controls.h"
#include "platform/gfx/system_colors.h"
#include "text_box_helpers.h"
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

namespace qel::testing {
namespace {

using namespace plat::win;

using TextBoxPersistenceTest = TextControlsTest;

TEST_F(TextBoxPersistenceTest, EmptyStoredDataGivesTheDefaults)
{
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 60);
    EXPECT_EQ(b.Text(), "");
    EXPECT_EQ(b.ForeColor(), 0u);
    EXPECT_EQ(b.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(b.Font(), form.font()) << "the ambient font";
    EXPECT_EQ(b.LegendFont(), form.font());
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Alignment(), 0);
    EXPECT_FALSE(b.UnRefreshControl());
    EXPECT_EQ(b.BorderColor(), 0xFF8080u);
    EXPECT_FALSE(b.Locked());
    EXPECT_EQ(b.MaxLength(), 0);
    EXPECT_FALSE(b.MultiLine());
    EXPECT_EQ(b.PassWordChar(), "");
    EXPECT_TRUE(b.DisplayBorder());
    EXPECT_EQ(b.ScrollBars(), 3);
    EXPECT_EQ(b.LegendText(), "");
    EXPECT_EQ(b.LegendAlignmentY(), 0);
    EXPECT_EQ(b.LegendAlignmentX(), 2);
    EXPECT_FALSE(b.LegendAutosize());
    EXPECT_EQ(b.LegendBackColor1(), 0xEDD0BFu);
    EXPECT_EQ(b.LegendBackColor2(), 0xEDD0BFu);
    EXPECT_EQ(b.LegendGradient(), 0);
    EXPECT_EQ(b.LegendForeColor(), plat::gfx::systemColor(plat::gfx::ColorHighlight)) << "&H8000000D, translated by the drawing";
    EXPECT_EQ(b.LegendType(), 0);
    EXPECT_EQ(b.LegendWidth(), 250);
    EXPECT_EQ(b.LegendOrientation(), 0);
    EXPECT_EQ(b.AuthorizedChars(), "");
    EXPECT_TRUE(b.Subclassed());

    PropertyBag written;
    b.writeProperties(written);
    EXPECT_EQ(written.keys(), std::vector<std::string>{"legendforecolor"}) << "only the translated colour differs from its default";
}

TEST_F(TextBoxPersistenceTest, ANewlyPlacedBoxTakesTheSameDefaults)
{
    qelTextBox& b = placeNew<qelTextBox>("box", 20, 20, 200, 60);
    EXPECT_EQ(b.ScrollBars(), 3);
    EXPECT_EQ(b.LegendWidth(), 250);
    EXPECT_EQ(b.LegendAlignmentX(), 2);
    EXPECT_FALSE(b.MultiLine());
    EXPECT_EQ(b.ActiveElement(), 0);
    EXPECT_FALSE(b.Subclassed()) << "a new instance is never subclassed";
    EXPECT_FALSE(b.VS().Subclassed());
}

TEST_F(TextBoxPersistenceTest, KeysAreWrittenInTheirOrderAndReadBack)
{
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 60);
    plat::forms::FontDesc big;
    big.size = 14;
    b.setText("t");
    b.setForeColor(1);
    b.setBackColor(2);
    b.setLegendFont(big);
    b.setFont(big);
    b.setEnabled(false);
    b.setAlignment(1);
    b.setUnRefreshControl(true);
    b.setBorderColor(3);
    b.setLocked(true);
    b.setMaxLength(9);
    b.setMultiLine(true);
    b.setPassWordChar("*");
    b.setDisplayBorder(false);
    b.setScrollBars(1);
    b.setLegendText("L");
    b.setLegendAlignmentY(1);
    b.setLegendAlignmentX(1);
    b.setLegendAutosize(true);
    b.setLegendBackColor1(4);
    b.setLegendBackColor2(5);
    b.setLegendGradient(1);
    b.setLegendForeColor(6);
    b.setLegendType(1);
    b.setLegendWidth(300);
    b.setLegendOrientation(1);
    b.setAuthorizedChars("t");
    PropertyBag written;
    b.writeProperties(written);
    EXPECT_EQ(written.keys(),
        (std::vector<std::string>{"text", "forecolor", "backcolor", "legendfont", "font", "enabled", "alignment", "unrefreshcontrol",
            "bordercolor", "locked", "maxlength", "multiline", "passwordchar", "displayborder", "scrollbars", "legendtext",
            "legendalignmenty", "legendalignmentx", "legendautosize", "legendbackcolor1", "legendbackcolor2", "legendgradient",
            "legendforecolor", "legendtype", "legendwidth", "legendorientation", "authorizedchars"}));

    qelTextBox& copy = place<qelTextBox>("copy", 20, 200, 200, 60, written);
    EXPECT_EQ(copy.Text(), "t");
    EXPECT_EQ(copy.Font(), big);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.MaxLength(), 9);
    EXPECT_TRUE(copy.MultiLine());
    EXPECT_EQ(copy.ActiveElement(), 2) << "MultiLine, then ScrollBars 1: the second rule decides";
    EXPECT_EQ(copy.PassWordChar(), "*");
    EXPECT_EQ(copy.LegendType(), 1);
    EXPECT_EQ(copy.AuthorizedChars(), "t");
}

TEST_F(TextBoxPersistenceTest, AfterALoadTheSecondRuleChoosesTheElement)
{
    const std::pair<int32_t, int> cases[] = {{0, 2}, {1, 2}, {2, 1}, {3, 2}};
    int y = 20;
    for (auto [bars, element] : cases) {
        qelTextBox& b = place<qelTextBox>("b" + std::to_string(bars), 20, y, 200, 60,
            BoxProps().set("MultiLine", true).set("ScrollBars", bars).bag);
        y += 70;
        EXPECT_EQ(b.ActiveElement(), element) << bars;
    }
}

// The title dialog as it ships (its stored layout in the program folder's resources): its two boxes
// come up with their stored properties, and the referee box takes four characters at most.
TEST_F(TextBoxPersistenceTest, TheTitleDialogsBoxesFromTheShippedLayout)
{
    plat::forms::registerStandardControls();
    registerCoreControls();
    registerTextControls();
    EXPECT_EQ(plat::forms::ControlRegistry::global().create("qelTextBox")->className(), "qelTextBox");
    const std::filesystem::path layout = plat::forms::formLayoutPath("m1");
    plat::forms::Form f("m1", layout);
    f.load();
    f.show();
    session.settle();
    auto& v1 = f.get<qelTextBox>("v1");
    EXPECT_EQ(v1.Text(), "");
    EXPECT_EQ(v1.Alignment(), 2);
    EXPECT_EQ(v1.ScrollBars(), 0);
    EXPECT_FALSE(v1.MultiLine());
    EXPECT_EQ(v1.LegendType(), 0);
    EXPECT_EQ(v1.Font().size, 12);
    EXPECT_EQ(v1.BorderColor(), 0xC56A31u);
    auto& zt1 = f.get<qelTextBox>("zt1");
    EXPECT_EQ(zt1.MaxLength(), 4);
    EXPECT_EQ(zt1.Font().size, 10.5);
    std::ifstream stored(layout);
    const auto json = nlohmann::json::parse(stored);
    size_t stored_controls = 0;
    std::function<void(const nlohmann::json&)> count = [&](const nlohmann::json& controls) {
        for (const auto& c : controls) {
            ++stored_controls;
            if (c.contains("controls"))
                count(c["controls"]);
        }
    };
    count(json["controls"]);
    EXPECT_EQ(f.controls().size(), stored_controls) << "the boxes' parts are none of the form's controls";

    // The dialog's use: Change of the referee box, a KeyPress that refuses keys in the title.
    auto clickInto = [&](qelTextBox& box) {
        const plat::gfx::Rect r = session.windows().screenRect(box.hwnd());
        session.click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        session.key(VK_END);
    };
    int changes = 0;
    zt1.Change = [&] { ++changes; };
    clickInto(zt1);
    session.type("张三李四王");
    EXPECT_EQ(zt1.Text(), "张三李四") << "MaxLength 4";
    EXPECT_EQ(changes, 4);
    v1.KeyPress = [&](int& KeyAscii) {
        if (KeyAscii != 8 && v1.Text().size() >= 11)
            KeyAscii = 0;
    };
    clickInto(v1);
    session.type("2026Mirelda!");
    EXPECT_EQ(v1.Text(), "2026Mirelda");
    session.key(VK_BACK);
    EXPECT_EQ(v1.Text(), "2026Mireld") << "backspace always passes";
}

} // namespace
} // namespace qel::testing
