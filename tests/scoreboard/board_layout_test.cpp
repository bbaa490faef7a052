// The stored layout of the scoreboard: every caption, and the longest data the board shows, fits
// its control on one line, so that no Chinese text is cut.
#include "board_fixture.h"

#include "scoreboard/display_routines.h"

#include "controls/core/qel_label.h"
#include "platform/forms/fonts.h"
#include "platform/forms/label.h"
#include "platform/forms/property_bag.h"

namespace scoreboard::test {
namespace {

using plat::forms::Control;
using plat::forms::PropertyBag;

// The room a class leaves around its caption, in pixels.
int captionMargin(const std::string& className)
{
    if (className == "qelCheck")
        return 20; // the box glyph
    if (className == "qelCommand" || className == "qelToggleButton")
        return 4;
    return 2;
}

struct Caption {
    std::string text;
    plat::forms::FontDesc font;
    bool wraps = false;
};

std::optional<Caption> captionOf(const Control& c)
{
    PropertyBag bag;
    bag.setKeepDefaults(true);
    c.writeProperties(bag);
    if (!bag.contains("Caption") || !bag.contains("Font"))
        return std::nullopt;
    Caption caption;
    caption.text = bag.readProperty("Caption", "");
    caption.font = bag.readProperty("Font", plat::forms::FontDesc{});
    caption.wraps = bag.readProperty("WordWrap", false);
    return caption;
}

// The widest line of a caption in pixels.
int widthOf(const Caption& caption)
{
    return plat::forms::openFont(caption.font).textSize(caption.text).width;
}

using BoardLayoutTest = BoardTest;

TEST_F(BoardLayoutTest, EveryDesignedCaptionFitsItsControl)
{
    loadBoard();
    int checked = 0;
    for (const Control* c : board->controls()) {
        std::optional<Caption> caption = captionOf(*c);
        if (!caption || caption->text.empty() || caption->wraps)
            continue;
        ++checked;
        EXPECT_LE(widthOf(*caption) + captionMargin(c->className()), c->pixelRect().width())
            << c->name() << "(" << c->index() << ") \"" << caption->text << "\"";
    }
    EXPECT_GT(checked, 50);
}

TEST_F(BoardLayoutTest, TheLongestDataFitsTheDisplays)
{
    loadBoard();
    MatchState& s = user();
    s.matchTitle = "全国大学生篮球联赛总决赛"; // twelve Chinese characters, the title dialog's limit
    s.teamNameA = "北京体育大学";           // six, the teams dialog's limit
    s.teamNameB = "上海交通大学";
    s.scoreA = 999;
    s.scoreB = 888;
    s.clockSeconds = 5999;
    s.refereeName1 = "欧阳娜娜";
    s.refereeName2 = "司马相如";
    s.refereeName3 = "诸葛孔明";
    s.refereeCount = 3;
    ShowMatchTitle();
    ShowTeamNames();
    ShowScores();
    ResetClockDisplay();
    ShowReferees();
    for (const auto& [name, index] : std::vector<std::pair<std::string, int>>{{"titxt", 1}, {"ballname", 0}, {"ballname", 1},
             {"ballnumber", 0}, {"ballnumber", 1}, {"balltime", -1}, {"zailab", 0}, {"zailab", 1}, {"zailab", 2}}) {
        const Control& c = index < 0 ? *board->find(name) : *board->find(name, index);
        const std::optional<Caption> caption = captionOf(c);
        ASSERT_TRUE(caption) << name;
        EXPECT_LE(widthOf(*caption), c.pixelRect().width()) << name << "(" << index << ") \"" << caption->text << "\"";
    }
}

} // namespace
} // namespace scoreboard::test
