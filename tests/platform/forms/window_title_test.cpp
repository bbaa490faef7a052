// What the desktop hears of the program's forms: the title of its window, and a new display mode.
#include "forms_fixture.h"

#include "platform/forms/message_box.h"

namespace plat::forms::testing {
namespace {

using WindowTitle = FormsTest;

class CaptionedForm : public Form {
public:
    explicit CaptionedForm(std::string caption)
        : Form("Captioned", {})
    {
        setCaption(std::move(caption));
        move(0, 0, 3000, 2000);
    }
    int displayChanges = 0;

protected:
    void onDisplayChange() override { ++displayChanges; }
};

TEST_F(WindowTitle, TheWindowCarriesTheCaptionOfTheTopmostShownForm)
{
    CaptionedForm board("Ostrevan"), dialog("比赛主题设置"), untitled("");
    struct Step {
        const char* what;
        std::function<void()> act;
        std::string title;
    };
    const std::vector<Step> steps{
        {"the board shows", [&] { board.show(); }, "Ostrevan"},
        {"a dialog over it", [&] { dialog.show(); }, "比赛主题设置"},
        {"its caption changes", [&] { dialog.setCaption("节次设置"); }, "节次设置"},
        {"a window without a caption over both", [&] { untitled.show(); }, "节次设置"},
        {"the dialog goes", [&] { dialog.unload(); }, "Ostrevan"},
        {"the board's caption changes", [&] { board.setCaption("Final"); }, "Final"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        session.settle();
        EXPECT_EQ(session.backend().title(), step.title);
    }
}

TEST_F(WindowTitle, EveryShownFormHearsOfANewDisplayMode)
{
    CaptionedForm shown("a"), hidden("b");
    shown.show();
    hidden.load();
    session.displayChanged({800, 600});
    EXPECT_EQ(shown.displayChanges, 1);
    EXPECT_EQ(hidden.displayChanges, 1) << "a loaded form hears it whether shown or not";
}

} // namespace
} // namespace plat::forms::testing
