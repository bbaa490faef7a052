#include "forms_fixture.h"
#include "platform/forms/standard_controls.h"

namespace plat::forms::testing {

using namespace plat::win;

// Draws its face in onPaint and counts what it is told.
class Painted : public UserControl {
public:
    std::string className() const override { return "Painted"; }
    int paints = 0;
    int resizes = 0;

protected:
    void onPaint() override
    {
        ++paints;
        dc().fillRect(image().rect(), gfx::rgb(0, 0, 255));
        refreshImage();
    }
    void onResize() override { ++resizes; }
};

class Host : public Form {
public:
    Host() : Form("Host", std::filesystem::path()) {}
    Painted* painted = nullptr;

protected:
    void onLoad() override
    {
        painted = &add<Painted>("painted");
        painted->move(300, 300, 1500, 750); // pixels (20, 20), 100 x 50
    }
};

using UserControlTest = FormsTest;

TEST_F(UserControlTest, PaintsThroughItsBaseProcedureIntoItsPersistentImage)
{
    Host form;
    form.show();
    session.settle();
    EXPECT_EQ(form.painted->paints, 1); // shown for the first time
    EXPECT_EQ(sys().screen().colorAt(30, 30), gfx::rgb(0, 0, 255));
    EXPECT_EQ(form.painted->scaleWidth(), 1500);
    EXPECT_EQ(form.painted->scaleHeight(), 750);
    int resizes = form.painted->resizes;
    form.painted->setWidth(3000);
    EXPECT_EQ(form.painted->resizes, resizes + 1);
    EXPECT_EQ(form.painted->scaleWidth(), 3000);
    InvalidateRect(form.painted->hwnd());
    session.settle();
    EXPECT_EQ(form.painted->paints, 2);
    EXPECT_EQ(sys().screen().colorAt(115, 30), gfx::rgb(0, 0, 255));
}

TEST_F(UserControlTest, AProcedureInstalledInFrontSeesEveryMessageFirstAndPassesItOn)
{
    Host form;
    form.show();
    session.settle();
    ASSERT_EQ(form.painted->paints, 1);
    std::vector<UINT> order;
    WndProc previous;
    previous = SetWindowProc(form.painted->hwnd(), makeWndProc([&](HWND h, UINT m, WPARAM w, LPARAM l) {
        order.push_back(m);
        return CallWindowProc(previous, h, m, w, l);
    }));
    InvalidateRect(form.painted->hwnd());
    session.settle();
    EXPECT_EQ(form.painted->paints, 2);
    EXPECT_NE(std::find(order.begin(), order.end(), UINT(WM_PAINT)), order.end());
    // Restored on teardown, the base procedure runs alone again.
    SetWindowProc(form.painted->hwnd(), previous);
    order.clear();
    InvalidateRect(form.painted->hwnd());
    session.settle();
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(form.painted->paints, 3);
}

TEST_F(UserControlTest, ItsEnabledIsItsOwnAndAClickGivesItTheFocus)
{
    Host form;
    form.show();
    form.painted->setEnabled(false);
    EXPECT_FALSE(form.painted->enabled());
    EXPECT_TRUE(IsWindowEnabled(form.painted->hwnd())); // mouse messages keep arriving
    SetFocus(form.hwnd());
    session.click(30, 30);
    EXPECT_EQ(GetFocus(), form.painted->hwnd());
}

TEST_F(UserControlTest, AmbientUserModeIsFalseInADesignerHost)
{
    Host form;
    form.setDesignMode(true);
    FontDesc font;
    font.name = "Arial";
    font.size = 14.25;
    form.setFont(font);
    form.load();
    Ambient a = form.painted->ambient();
    EXPECT_FALSE(a.userMode);
    EXPECT_EQ(a.font, font);
    EXPECT_EQ(a.displayName, "painted");
    EXPECT_EQ(&form.painted->extender(), static_cast<Control*>(form.painted));
}

TEST_F(UserControlTest, EventsOfArrayItemsGetTheirIndexThroughThePerItemConnection)
{
    registerStandardControls();
    Form form("Arrays", std::filesystem::path());
    form.load();
    for (int i = 0; i < 3; ++i) {
        auto& label = form.add<Label>("lab", nullptr, i);
        label.move(150 + i * 1500, 150, 1200, 300); // pixels (10 + 100 i, 10), 80 x 20
    }
    std::vector<int> clicked;
    for (auto item : form.array<Label>("lab"))
        item.control.onClick = [&clicked, index = item.index] { clicked.push_back(index); };
    form.show();
    session.click(215, 15);
    session.advance(1000);
    session.click(15, 15);
    EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
}

} // namespace plat::forms::testing
