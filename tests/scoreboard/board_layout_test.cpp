// The stored layout of the scoreboard: every caption, and the longest data the board shows, fits
// its control on one line, so that no Chinese text is cut.
#include "board_fixture.h"

#include "scoreboard/board_faces.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/record_view.h"

#include "controls/core/qel_label.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/resources_folder.h"
#include "platform/forms/label.h"
#include "platform/forms/property_bag.h"

#include <cstdlib>
#include <functional>
#include <map>

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

// The texts that shrink to fit start from the sizes the stored layout designed for them.
TEST(BoardFacesTest, TheFittedTextsStartFromTheirDesignedSizes)
{
    const plat::forms::FormLayout layout = plat::forms::readLayout(plat::forms::formLayoutPath("main"));
    const std::map<std::string, double> designed = {{"titxt", kTitlePoints}, {"ballname", kTeamNamePoints},
        {"ballnum", kSheetNamePoints}, {"onename", kLeaderPoints}, {"keylab", kKeyHintPoints}};
    std::map<std::string, int> seen;
    std::function<void(const std::vector<plat::forms::ControlLayout>&)> walk = [&](const auto& controls) {
        for (const plat::forms::ControlLayout& c : controls) {
            if (auto it = designed.find(c.name); it != designed.end()) {
                ++seen[c.name];
                EXPECT_EQ(c.properties.readProperty("Font", plat::forms::FontDesc{}).size, it->second) << c.name << "(" << c.index << ")";
            }
            walk(c.controls);
        }
    };
    walk(layout.controls);
    EXPECT_EQ(seen, (std::map<std::string, int>{{"ballname", 4}, {"ballnum", 2}, {"keylab", 2}, {"onename", 1}, {"titxt", 2}}));
}

// Whether two visible controls of one container may share pixels: a shadow and its text, the
// light behind a score and the score, the progress track and the label over it that takes its
// clicks, the play and pause buttons on one place, the seconds box in the gap of its unit label.
bool layeredOnPurpose(const Control& a, const Control& b)
{
    auto pair = [&](std::string_view x, std::string_view y) {
        return (a.name() == x && b.name() == y) || (a.name() == y && b.name() == x);
    };
    if (pair("backw", "ballnumber") || pair("lens", "Shape1") || pair("slab", "settxt"))
        return true;
    if (a.name() != b.name())
        return false;
    if (a.name() == "titxt")
        return true;
    if (a.name() == "a1")
        return (a.index() == 1 && b.index() == 2) || (a.index() == 2 && b.index() == 1);
    return (a.name() == "ballname" || a.name() == "ballnumber") && std::abs(a.index() - b.index()) == 2;
}

class BoardOverlapTest : public BoardTest {
protected:
    // The visible controls (lines aside) inside `within` (the whole board when null), checked
    // pairwise within each container; returns the number of pairs.
    int expectNoOverlaps(const Control* within)
    {
        std::map<const Control*, std::vector<const Control*>> byContainer;
        for (const Control* c : board->controls()) {
            if (!c->hwnd() || !session->windows().isVisible(c->hwnd()) || c->className() == "Line")
                continue;
            if (within && !session->windows().isAncestor(within->hwnd(), c->hwnd()))
                continue;
            byContainer[c->container()].push_back(c);
        }
        int pairs = 0;
        for (const auto& [container, children] : byContainer) {
            for (size_t i = 0; i < children.size(); ++i) {
                for (size_t j = i + 1; j < children.size(); ++j) {
                    const Control& a = *children[i];
                    const Control& b = *children[j];
                    ++pairs;
                    if (!layeredOnPurpose(a, b)) {
                        EXPECT_TRUE(a.pixelRect().intersect(b.pixelRect()).isEmpty())
                            << a.name() << "(" << a.index() << ") and " << b.name() << "(" << b.index() << ")";
                    }
                }
            }
        }
        return pairs;
    }
};

TEST_F(BoardOverlapTest, NothingOnTheBoardOverlaps)
{
    loadBoard();
    board->show();
    session->settle();
    EXPECT_GT(expectNoOverlaps(nullptr), 500);
}

TEST_F(BoardOverlapTest, NothingOnAPanelOverlaps)
{
    loadBoard();
    board->show();
    for (std::string_view name : {"frameplay", "balldate", "sysset", "helps", "look", "inshow"}) {
        Control& panel = *board->find(name);
        if (name == "balldate")
            panel.setHeight(kRecordListFrameHeight); // the record list open
        panel.setVisible(true);
        session->settle();
        EXPECT_GT(expectNoOverlaps(&panel), 0) << name;
        panel.setVisible(false);
    }
}

} // namespace
} // namespace scoreboard::test
