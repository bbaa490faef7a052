#include "controls_fixture.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "controls/core/register_core_controls.h"
#include "platform/forms/form_layout.h"
#include "platform/gfx/system_colors.h"

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::forms::FontDesc;

using CommandPersistenceTest = ControlsTest;

TEST_F(CommandPersistenceTest, EmptyStoredDataGivesTheDefaults)
{
    FontDesc formFont;
    formFont.name = "Arial";
    formFont.size = 12;
    form.setFont(formFont);
    qelCommand& k = place<qelCommand>("k", 0, 0, 100, 30);
    EXPECT_EQ(k.BackColor1(), 0xFBFBFBu);
    EXPECT_EQ(k.BackColor2(), 0xDCDCDCu);
    EXPECT_EQ(k.BackColorPushed1(), 0xC8C8C8u);
    EXPECT_EQ(k.BackColorPushed2(), 0xEBEBEBu);
    EXPECT_EQ(k.BackGradient(), 2);
    EXPECT_EQ(k.Caption(), "Caption");
    EXPECT_EQ(k.Font(), formFont) << "the ambient font";
    EXPECT_EQ(k.ForeColor(), 0x733C00u);
    EXPECT_EQ(k.TextPosition(), 2);
    EXPECT_TRUE(k.Enabled());
    EXPECT_EQ(k.BorderColor(), 0x733C00u);
    EXPECT_TRUE(k.BreakCorner());
    EXPECT_TRUE(k.Picture().isEmpty());
    EXPECT_EQ(k.PictureAlignment(), 0);
    EXPECT_TRUE(k.DisplayPicture());
    EXPECT_EQ(k.PictureOffsetX(), 0);
    EXPECT_EQ(k.PictureOffsetY(), 0);
    EXPECT_TRUE(k.GrayPictureWhenDisabled());
    EXPECT_TRUE(k.DrawFocus());
    EXPECT_TRUE(k.DrawMouseInRect());
    EXPECT_EQ(k.DisabledBackColor(), 0xE7E7E7u);
    EXPECT_FALSE(k.UnRefreshControl());
    EXPECT_TRUE(k.UseMnemonic());
    EXPECT_TRUE(k.EnterRepeats());
    EXPECT_TRUE(k.ImageCurrent()) << "drawn once after reading";
    EXPECT_TRUE(k.Subclassed());

    PropertyBag written;
    k.writeProperties(written);
    EXPECT_TRUE(written.empty()) << "values equal to their defaults are not stored";
}

TEST_F(CommandPersistenceTest, ANewInstanceTakesTheAmbientFaceNameAndDoesNotRepaint)
{
    FontDesc formFont;
    formFont.name = "黑体";
    formFont.size = 20;
    form.setFont(formFont);
    qelCommand& k = placeNew<qelCommand>("k", 0, 0, 100, 30);
    EXPECT_EQ(k.Font().name, "黑体");
    EXPECT_EQ(k.Font().size, FontDesc{}.size) << "size and style stay";
    EXPECT_EQ(k.Caption(), "Caption");
    EXPECT_FALSE(k.ImageCurrent()) << "no repaint follows the defaults";
    EXPECT_FALSE(k.Subclassed());
}

TEST_F(CommandPersistenceTest, EveryPropertyIsWrittenInItsOrderAndReadBack)
{
    qelCommand& k = place<qelCommand>("k", 0, 0, 100, 30);
    FontDesc font;
    font.name = "Tahoma";
    font.setBold(true);
    k.setUnRefreshControl(true);
    k.setBackColor1(1);
    k.setBackColor2(2);
    k.setBackColorPushed1(3);
    k.setBackColorPushed2(4);
    k.setBackGradient(0);
    k.setCaption("开始");
    k.setFont(font);
    k.setForeColor(5);
    k.setTextPosition(1);
    k.setEnabled(false);
    k.setBorderColor(6);
    k.setBreakCorner(false);
    k.setPicture(plat::forms::PictureRef{"img/none.png"});
    k.setPictureAlignment(1);
    k.setDisplayPicture(false);
    k.setPictureOffsetX(15);
    k.setPictureOffsetY(-15);
    k.setGrayPictureWhenDisabled(false);
    k.setDrawFocus(false);
    k.setDrawMouseInRect(false);
    k.setDisabledBackColor(7);
    k.setUseMnemonic(false);
    k.setEnterRepeats(false);

    PropertyBag bag;
    k.writeProperties(bag);
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"unrefreshcontrol", "backcolor1", "backcolor2", "backcolorpushed1",
                              "backcolorpushed2", "backgradient", "caption", "font", "forecolor", "textposition", "enabled",
                              "bordercolor", "breakcorner", "picture", "picturealignment", "displaypicture", "pictureoffsetx",
                              "pictureoffsety", "graypicturewhendisabled", "drawfocus", "drawmouseinrect", "disabledbackcolor",
                              "usemnemonic", "enterrepeats"}));

    qelCommand& r = place<qelCommand>("r", 0, 40, 100, 30, bag);
    EXPECT_TRUE(r.UnRefreshControl());
    EXPECT_EQ(r.BackColor1(), 1u);
    EXPECT_EQ(r.BackColor2(), 2u);
    EXPECT_EQ(r.BackColorPushed1(), 3u) << "the pushed colours come back from their own keys";
    EXPECT_EQ(r.BackColorPushed2(), 4u);
    EXPECT_EQ(r.BackGradient(), 0);
    EXPECT_EQ(r.Caption(), "开始");
    EXPECT_EQ(r.Font(), font);
    EXPECT_EQ(r.ForeColor(), 5u);
    EXPECT_EQ(r.TextPosition(), 1);
    EXPECT_FALSE(r.Enabled());
    EXPECT_EQ(r.BorderColor(), 6u);
    EXPECT_FALSE(r.BreakCorner());
    EXPECT_EQ(r.PictureSource().path, "img/none.png");
    EXPECT_TRUE(r.Picture().isEmpty()) << "a picture file that does not load gives no picture";
    EXPECT_EQ(r.PictureAlignment(), 1);
    EXPECT_FALSE(r.DisplayPicture());
    EXPECT_EQ(r.PictureOffsetX(), 15);
    EXPECT_EQ(r.PictureOffsetY(), -15);
    EXPECT_FALSE(r.GrayPictureWhenDisabled());
    EXPECT_FALSE(r.DrawFocus());
    EXPECT_FALSE(r.DrawMouseInRect());
    EXPECT_EQ(r.DisabledBackColor(), 7u);
    EXPECT_FALSE(r.UseMnemonic());
    EXPECT_FALSE(r.EnterRepeats());
}

TEST_F(CommandPersistenceTest, AStoredPushedLookSurvivesAReload)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, uint32_t>> stored;
        uint32_t pushed1, pushed2;
    } cases[] = {
        {"nothing stored", {}, 0xC8C8C8, 0xEBEBEB},
        {"only BackColor1 stored: it presses in it", {{"BackColor1", 0xFF}}, 0xFF, 0xEBEBEB},
        {"both face colours stored", {{"BackColor1", 0xFF}, {"BackColor2", 0}}, 0xFF, 0},
        {"pushed colours stored", {{"BackColorPushed1", 0xFF}, {"BackColorPushed2", 0xFF00}}, 0xFF, 0xFF00},
        {"pushed colours before the face colours", {{"BackColor1", 1}, {"BackColor2", 2}, {"BackColorPushed1", 3},
                                                    {"BackColorPushed2", 4}}, 3, 4},
    };
    int i = 0;
    for (const Case& c : cases) {
        PropertyBag bag;
        for (const auto& [key, value] : c.stored)
            bag.writeProperty(key, value, value + 1); // stored whatever the value
        qelCommand& k = place<qelCommand>("k" + std::to_string(i++), 0, 0, 100, 30, bag);
        EXPECT_EQ(k.BackColorPushed1(), c.pushed1) << c.what;
        EXPECT_EQ(k.BackColorPushed2(), c.pushed2) << c.what;
    }

    // A pushed colour is left out only where reading gives it back.
    qelCommand& w = place<qelCommand>("w", 0, 0, 100, 30);
    w.setBackColor1(0xFF);
    w.setBackColorPushed1(0xC8C8C8);
    w.setBackColorPushed2(0xEBEBEB);
    PropertyBag bag;
    w.writeProperties(bag);
    qelCommand& r = place<qelCommand>("r", 0, 40, 100, 30, bag);
    EXPECT_EQ(r.BackColorPushed1(), 0xC8C8C8u);
    EXPECT_EQ(r.BackColorPushed2(), 0xEBEBEBu);
}

TEST_F(CommandPersistenceTest, ASystemColourIsStoredAsItsValueOnceDrawn)
{
    PropertyBag bag;
    bag.writeProperty("ForeColor", plat::gfx::systemColorCode(plat::gfx::ColorBtnText), uint32_t(0));
    qelCommand& k = place<qelCommand>("k", 0, 0, 100, 30, bag);
    EXPECT_EQ(k.ForeColor(), plat::gfx::systemColor(plat::gfx::ColorBtnText));
}

TEST(CoreControlsRegistry, StoredLayoutsPlaceTheControls)
{
    plat::backend::HeadlessSession session;
    registerCoreControls();
    EXPECT_EQ(plat::forms::ControlRegistry::global().create("qelCommand")->className(), "qelCommand");
    EXPECT_EQ(plat::forms::ControlRegistry::global().create("qelLabel")->className(), "qelLabel");

    const char* dir = std::getenv("SCOREBOARD_SOURCE_DIR");
    std::filesystem::path root = dir && *dir ? dir : SCOREBOARD_SOURCE_DIR;
    plat::forms::Form f("Buttons", root / "tests/controls/core/layouts/buttons.json");
    f.load();
    auto& ok = f.get<qelCommand>("ok");
    EXPECT_EQ(ok.Caption(), "应用");
    EXPECT_EQ(ok.BackColorPushed1(), 0xFFu);
    EXPECT_TRUE(ok.Subclassed());
    auto& lab = f.get<qelLabel>("lab");
    EXPECT_EQ(lab.Caption(), "裁判数量");
    EXPECT_TRUE(lab.AutoSize()) << "written as \"Autosize\", read as \"AutoSize\"";
    EXPECT_EQ(lab.BorderStyle(), 1);
}

} // namespace
} // namespace qel::testing
