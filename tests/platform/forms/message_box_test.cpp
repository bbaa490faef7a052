#include "forms_fixture.h"
#include "platform/forms/message_box.h"
#include "platform/forms/message_box_button.h"
#include "platform/forms/standard_controls.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms::testing {

using namespace plat::win;

class MessageBoxTest : public FormsTest {
protected:
    MessageBoxTest() { registerStandardControls(); }
    ~MessageBoxTest() override { session.backend().setIdleHandler(nullptr); }

    // Once `afterMs` of the box being up have passed, the steps run one by one, each when the
    // loop has handled what the one before did.
    using Step = std::function<void(MessageBoxForm&)>;
    void whenShown(int64_t afterMs, std::vector<Step> steps)
    {
        session.backend().setTarget(sys().clock().nowUs() + afterMs * 1000);
        session.backend().setIdleHandler([this, steps, next = size_t(0)]() mutable {
            MessageBoxForm* box = MessageBoxForm::current();
            if (next == steps.size() || !box)
                return false;
            if (next == 0) {
                seenText = box->text();
                seenTitle = box->title();
                for (MessageBoxButton* b : box->buttons())
                    seenButtons.push_back(b->caption());
                focusAtStart = GetFocus();
                boxRect = GetScreenRect(box->hwnd());
            }
            steps[next++](*box);
            session.backend().setTarget(std::nullopt);
            return true;
        });
    }
    void whenShown(int64_t afterMs, Step step) { whenShown(afterMs, std::vector<Step>{std::move(step)}); }
    void press(int vk)
    {
        InputEvent down{InputEvent::Kind::KeyDown};
        down.value = vk;
        sys().queueInput(down);
        InputEvent up{InputEvent::Kind::KeyUp};
        up.value = vk;
        sys().queueInput(up);
    }
    void clickOn(HWND hwnd)
    {
        gfx::Rect r = GetScreenRect(hwnd);
        sys().queueInput({InputEvent::Kind::ButtonDown, r.left + 5, r.top + 5, 1});
        sys().queueInput({InputEvent::Kind::ButtonUp, r.left + 5, r.top + 5, 1});
    }

    std::string seenText, seenTitle;
    std::vector<std::string> seenButtons;
    HWND focusAtStart = 0;
    gfx::Rect boxRect;
};

// The calling form: a timer that counts and a probe that records any key it gets.
class Caller : public Form {
public:
    Caller() : Form("Caller", std::filesystem::path()) {}
    int ticks = 0;
    std::vector<std::string> keys;
    Probe* probe = nullptr;

protected:
    void onLoad() override
    {
        auto& timer = add<Timer>("tick");
        timer.setInterval(100);
        timer.onTimer = [this] { ++ticks; };
        probe = &add<Probe>("probe");
    }
    void onKeyDown(int& keyCode, int) override { keys.push_back("KeyDown " + std::to_string(keyCode)); }
    void onKeyPress(int& keyAscii) override { keys.push_back("KeyPress " + std::to_string(keyAscii)); }
};

TEST_F(MessageBoxTest, AModalBoxAnsweredByEnterWhileTheCallersTimerKeepsTicking)
{
    Caller caller;
    caller.setKeyPreview(true);
    caller.show();
    caller.probe->events.clear();
    whenShown(1000, [this](MessageBoxForm&) { press(VK_RETURN); });
    int64_t start = session.nowMs();
    int answer = msgBox("是否真的要退出?", vbOKCancel | vbQuestion, "系统提示");
    EXPECT_EQ(answer, vbOK);
    EXPECT_EQ(session.nowMs() - start, 1000);
    EXPECT_EQ(caller.ticks, 10); // every tick while the box was up
    EXPECT_EQ(seenText, "是否真的要退出?");
    EXPECT_EQ(seenTitle, "系统提示");
    EXPECT_EQ(seenButtons, (std::vector<std::string>{"确定", "取消"}));
    // The caller heard nothing of the Enter that answered the box, and has its focus back.
    EXPECT_TRUE(caller.keys.empty());
    EXPECT_EQ(GetFocus(), caller.probe->hwnd());
    EXPECT_EQ(MessageBoxForm::current(), nullptr);
    EXPECT_EQ(sys().topLevels().size(), 1u);
    session.advance(300);
    EXPECT_EQ(caller.ticks, 13);
}

TEST_F(MessageBoxTest, TheBoxIsCentredOnTheScreenWithTheDefaultButtonFocused)
{
    whenShown(10, [this](MessageBoxForm&) { press(VK_RETURN); });
    EXPECT_EQ(msgBox("比赛已经结束", vbYesNo | vbDefaultButton2 | vbExclamation, "提示"), vbNo);
    EXPECT_EQ(seenButtons, (std::vector<std::string>{"是", "否"}));
    EXPECT_NEAR(boxRect.left + boxRect.width() / 2, 512, 1);
    EXPECT_NEAR(boxRect.top + boxRect.height() / 2, 384, 1);
    EXPECT_GT(boxRect.width(), 100);
}

struct Answer {
    int style;
    std::vector<std::string> buttons;
    int escape;      // what Esc gives
    int tabAndEnter; // what Tab then Enter gives
};

class MessageBoxAnswers : public MessageBoxTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(MessageBoxAnswers, EscAndTabThenEnterGiveTheirButtons)
{
    const Answer& c = GetParam();
    whenShown(10, [this](MessageBoxForm&) { press(VK_ESCAPE); });
    EXPECT_EQ(msgBox("text", c.style, ""), c.escape);
    EXPECT_EQ(seenButtons, c.buttons);
    EXPECT_EQ(seenTitle, "");
    seenButtons.clear();
    whenShown(10, {[this](MessageBoxForm&) { press(VK_TAB); }, [this](MessageBoxForm&) { press(VK_RETURN); }});
    EXPECT_EQ(msgBox("text", c.style, "错误提示"), c.tabAndEnter);
}

INSTANTIATE_TEST_SUITE_P(Sets, MessageBoxAnswers,
    ::testing::Values(Answer{vbOKOnly | vbCritical, {"确定"}, vbOK, vbOK}, Answer{vbOKCancel | vbInformation, {"确定", "取消"}, vbCancel, vbCancel},
        Answer{vbYesNo, {"是", "否"}, vbNo, vbNo}, Answer{vbYesNoCancel | vbQuestion, {"是", "否", "取消"}, vbCancel, vbNo}));

TEST_F(MessageBoxTest, AClickOnAButtonOrTheCloseRequestAnswersIt)
{
    whenShown(10, [this](MessageBoxForm& box) { clickOn(box.buttons()[1]->hwnd()); });
    EXPECT_EQ(msgBox("text", vbYesNo), vbNo);
    whenShown(10, [this](MessageBoxForm& box) { clickOn(box.buttons()[0]->hwnd()); });
    EXPECT_EQ(msgBox("text", vbYesNo), vbYes);
    whenShown(10, [](MessageBoxForm& box) { PostMessage(box.hwnd(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(msgBox("text", vbOKCancel), vbCancel);
    whenShown(10, [this](MessageBoxForm&) { press(VK_SPACE); });
    EXPECT_EQ(msgBox("text", vbOKCancel | vbDefaultButton2), vbCancel);
}

TEST_F(MessageBoxTest, TheBoxDrawsItsTitleIconTextAndButtons)
{
    gfx::Surface shot;
    whenShown(10, [&](MessageBoxForm&) {
        sys().compose();
        shot = sys().screen();
        press(VK_RETURN);
    });
    msgBox("正在计时中...程序无法退出!", vbCritical, "错误提示");
    ASSERT_FALSE(shot.isEmpty());
    auto count = [&](gfx::Rect r, auto pred) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += pred(shot.colorAt(x, y));
        return n;
    };
    gfx::Rect title{boxRect.left + 2, boxRect.top + 2, boxRect.right - 2, boxRect.top + 22};
    gfx::Color caption = gfx::systemColor(gfx::ColorActiveCaption);
    EXPECT_GT(count(title, [&](gfx::Color c) { return c == caption; }), title.width() * title.height() / 2);
    EXPECT_GT(count(title, [&](gfx::Color c) { return c != caption; }), 20); // the title's letters
    gfx::Rect icon = gfx::Rect::fromSize(boxRect.left + 12, boxRect.top + 34, 32, 32);
    EXPECT_GT(count(icon, [](gfx::Color c) { return c == gfx::rgb(204, 0, 0); }), 300); // the red stop disc
    gfx::Rect text{icon.right + 12, icon.top, boxRect.right - 12, icon.bottom};
    EXPECT_GT(count(text, [](gfx::Color c) { return c == 0; }), 50); // black text
}

} // namespace plat::forms::testing
