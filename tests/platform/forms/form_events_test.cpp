#include "forms_fixture.h"
#include "platform/forms/standard_controls.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms::testing {

using namespace plat::win;

// A form built in code with two probes, recording its own events.
class KeyForm : public Form {
public:
    KeyForm() : Form("KeyForm", std::filesystem::path()) {}
    std::vector<std::string> events;
    int refuseQuery = 0;
    int refuseUnload = 0;
    int swallowKey = 0;

    Probe* a = nullptr;
    Probe* b = nullptr;

protected:
    void onLoad() override
    {
        a = &add<Probe>("a");
        a->move(150, 150, 1500, 450);
        b = &add<Probe>("b");
        b->move(150, 750, 1500, 450);
        events.push_back("Load");
    }
    void onKeyDown(int& keyCode, int shift) override
    {
        events.push_back("Form KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
        if (keyCode == swallowKey)
            keyCode = 0;
    }
    void onKeyUp(int& keyCode, int) override { events.push_back("Form KeyUp " + std::to_string(keyCode)); }
    void onKeyPress(int& keyAscii) override { events.push_back("Form KeyPress " + std::to_string(keyAscii)); }
    void onQueryUnload(int& cancel) override
    {
        events.push_back(closeRequested() ? "QueryUnload (close request)" : "QueryUnload");
        cancel = refuseQuery;
    }
    void onUnload(int& cancel) override
    {
        events.push_back("Unload");
        cancel = refuseUnload;
    }
    void onResize() override { events.push_back("Resize"); }
};

using FormEvents = FormsTest;

TEST_F(FormEvents, KeyPreviewSeesEveryKeyFirstAndCanConsumeIt)
{
    KeyForm form;
    form.setKeyPreview(true);
    form.swallowKey = VK_F5;
    form.show();
    ASSERT_EQ(GetFocus(), form.a->hwnd());
    form.a->events.clear();
    form.events.clear();

    session.key(VK_F5); // consumed on its way down; its release still comes through
    EXPECT_EQ(form.a->events, (std::vector<std::string>{"KeyUp 116"}));
    form.a->events.clear();

    session.keyDown(VK_SHIFT);
    session.key('A');
    session.keyUp(VK_SHIFT);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Form KeyDown 116 0", "Form KeyUp 116", "Form KeyDown 16 1", "Form KeyDown 65 1",
                               "Form KeyUp 65", "Form KeyUp 16"}));
    EXPECT_EQ(form.a->events, (std::vector<std::string>{"KeyDown 16 1", "KeyDown 65 1", "KeyUp 65", "KeyUp 16"}));

    // Without the preview the form hears nothing of keys meant for a control.
    form.setKeyPreview(false);
    form.events.clear();
    session.key(VK_F5);
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(form.a->events.back(), "KeyUp 116");
}

TEST_F(FormEvents, KeyPreviewCanChangeTheCharacterTheControlGets)
{
    class Upper : public KeyForm {
    protected:
        void onKeyPress(int& keyAscii) override
        {
            if (keyAscii >= 'a' && keyAscii <= 'z')
                keyAscii -= 32;
            if (keyAscii == '!')
                keyAscii = 0;
        }
    } form;
    form.setKeyPreview(true);
    form.show();
    form.a->events.clear();
    session.type("a!");
    EXPECT_EQ(form.a->events, (std::vector<std::string>{"KeyPress 65"}));
}

TEST_F(FormEvents, TabAndShiftTabMoveTheFocusInsteadOfReachingTheControl)
{
    KeyForm form;
    form.show();
    form.a->events.clear();
    session.key(VK_TAB);
    EXPECT_EQ(GetFocus(), form.b->hwnd());
    EXPECT_EQ(form.a->events, (std::vector<std::string>{"LostFocus"}));
    EXPECT_EQ(form.b->events.back(), "GotFocus");
    session.keyDown(VK_SHIFT);
    session.key(VK_TAB);
    session.keyUp(VK_SHIFT);
    EXPECT_EQ(GetFocus(), form.a->hwnd());
    form.b->setTabIndex(0);
    form.a->setTabIndex(1);
    session.key(VK_TAB); // tab order follows TabIndex
    EXPECT_EQ(GetFocus(), form.b->hwnd());
    form.a->setTabStop(false);
    session.key(VK_TAB);
    EXPECT_EQ(GetFocus(), form.b->hwnd());
}

TEST_F(FormEvents, ACloseRequestCanBeRefusedByEitherHandler)
{
    KeyForm form;
    form.show();
    form.events.clear();
    form.refuseQuery = 1;
    form.close();
    session.settle();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload (close request)"}));

    form.refuseQuery = 0;
    form.refuseUnload = -1;
    PostMessage(form.hwnd(), WM_CLOSE, 0, 0); // as the close box sends it
    session.settle();
    EXPECT_TRUE(form.isLoaded());
    // The program's own unload is told apart from the close request.
    form.events.clear();
    EXPECT_FALSE(form.unload());
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload", "Unload"}));

    form.refuseUnload = 0;
    form.events.clear();
    HWND window = form.hwnd();
    form.close();
    session.settle();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload (close request)", "Unload"}));
    EXPECT_TRUE(form.controls().empty());

    // Used again, it loads afresh.
    form.events.clear();
    form.show();
    EXPECT_EQ(form.events.front(), "Load");
    EXPECT_EQ(form.controls().size(), 2u);
}

TEST_F(FormEvents, AControlsHandlerMayUnloadItsOwnForm)
{
    class Closing : public Probe {
    protected:
        void onKeyDown(int& keyCode, int shift) override
        {
            form()->unload();
            events.push_back("still here " + std::to_string(keyCode + shift)); // the object outlives the call
        }
    };
    Form form("Closing", std::filesystem::path());
    form.load();
    auto& c = form.add<Closing>("c");
    form.show();
    EXPECT_EQ(GetFocus(), c.hwnd());
    session.key(VK_RETURN);
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormEvents, WindowStateMinimisesTheMainWindowThroughTheBackendAndMaximisesToTheScreen)
{
    KeyForm form;
    form.setMainWindow(true);
    form.show();
    form.events.clear();
    form.setWindowState(1);
    EXPECT_TRUE(session.backend().isMinimized());
    EXPECT_EQ(form.windowState(), 1);
    form.setWindowState(0);
    EXPECT_FALSE(session.backend().isMinimized());
    form.setWindowState(2);
    EXPECT_EQ(GetWindowRect(form.hwnd()), gfx::Rect::fromSize(0, 0, 1024, 768));
    EXPECT_EQ(form.width(), 1024 * 15);
    form.setWindowState(0);
    EXPECT_EQ(form.width(), 4800);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Resize", "Resize", "Resize", "Resize"}));
}

TEST_F(FormEvents, AFormCentredOnTheScreenAndItsBackground)
{
    Form form("Centred", std::filesystem::path());
    form.setStartUpPosition(2);
    form.move(0, 0, 3000, 1500);
    form.setBackColor(0x00FF00);
    form.show();
    EXPECT_EQ(GetWindowRect(form.hwnd()), gfx::Rect::fromSize(412, 334, 200, 100));
    session.settle();
    EXPECT_EQ(sys().screen().colorAt(500, 380), 0x00FF00u);
}

TEST_F(FormEvents, MouseOnTheFormItselfInTwips)
{
    class Clicked : public Form {
    public:
        Clicked() : Form("Clicked", std::filesystem::path()) {}
        std::vector<std::string> events;

    protected:
        void onMouseDown(int button, int shift, double x, double y) override
        {
            events.push_back("Down " + std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(int(x)) + ","
                + std::to_string(int(y)));
        }
        void onMouseUp(int button, int, double, double) override { events.push_back("Up " + std::to_string(button)); }
        void onClick() override { events.push_back("Click"); }
        void onDblClick() override { events.push_back("DblClick"); }
    } form;
    form.move(1500, 1500, 3000, 3000); // at (100, 100) pixels
    form.show();
    session.keyDown(VK_CONTROL);
    session.click(110, 120, 2);
    session.keyUp(VK_CONTROL);
    session.click(110, 120);
    session.click(110, 120);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Down 2 2 150,300", "Up 2", "Down 1 0 150,300", "Up 1", "Click", "DblClick", "Up 1"}));
}

TEST(FormLifetime, AFormMayOutliveTheWindowSystem)
{
    registerStandardControls();
    auto session = std::make_unique<backend::HeadlessSession>(gfx::Size{640, 480});
    Form form("Outliving", std::filesystem::path());
    form.load();
    form.add<Timer>("t").setInterval(10);
    form.add<Probe>("p");
    form.show();
    session.reset(); // the window system takes the windows with it
    EXPECT_FALSE(form.isLoaded());
}

} // namespace plat::forms::testing
