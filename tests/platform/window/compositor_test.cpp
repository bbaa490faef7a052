#include "window_fixture.h"

namespace plat::win::testing {

using Compositor = WindowTest;

constexpr gfx::Color kRed = gfx::rgb(255, 0, 0);
constexpr gfx::Color kBlue = gfx::rgb(0, 0, 255);
constexpr gfx::Color kGreen = gfx::rgb(0, 255, 0);

static HWND filled(HWND parent, gfx::Rect r, gfx::Color c)
{
    HWND h = CreateWindow("box", parent, r);
    WindowImage(h).fill(gfx::opaque(c));
    ImageChanged(h);
    return h;
}

TEST_F(Compositor, DrawsBackToFrontClippedToTheParent)
{
    HWND back = filled(0, gfx::Rect::fromSize(10, 10, 100, 100), kRed);
    filled(back, gfx::Rect::fromSize(90, 90, 50, 50), kBlue); // sticks out of its parent
    session.settle();
    const auto& s = session.windows().screen();
    EXPECT_EQ(s.colorAt(15, 15), kRed);
    EXPECT_EQ(s.colorAt(105, 105), kBlue);
    EXPECT_EQ(s.colorAt(115, 115), 0u); // clipped: outside the parent
    EXPECT_EQ(s.colorAt(5, 5), 0u);
}

TEST_F(Compositor, ColorKeySeesThroughAndRegionsCutCorners)
{
    filled(0, gfx::Rect::fromSize(0, 0, 200, 200), kGreen);
    HWND label = filled(0, gfx::Rect::fromSize(0, 0, 100, 100), kRed);
    WindowImage(label).fillRect(gfx::Rect::fromSize(0, 0, 50, 100), gfx::opaque(kBlue));
    SetWindowBlend(label, Blend::ColorKey, kBlue);
    HWND round = filled(0, gfx::Rect::fromSize(100, 100, 100, 100), kRed);
    SetWindowRgn(round, gfx::Region::roundRect(0, 0, 101, 101, 40, 40));
    session.settle();
    const auto& s = session.windows().screen();
    EXPECT_EQ(s.colorAt(10, 10), kGreen);  // key colour: the window behind shows
    EXPECT_EQ(s.colorAt(60, 10), kRed);
    EXPECT_EQ(s.colorAt(100, 100), kGreen); // outside the round corner
    EXPECT_EQ(s.colorAt(150, 150), kRed);
}

TEST_F(Compositor, HidingAndMovingRecomposeOnlyWhatChanged)
{
    HWND a = filled(0, gfx::Rect::fromSize(0, 0, 50, 50), kRed);
    session.settle();
    int presents = session.backend().presentCount();
    session.settle();
    EXPECT_EQ(session.backend().presentCount(), presents); // idle: nothing to present
    ShowWindow(a, false);
    session.settle();
    EXPECT_EQ(session.windows().screen().colorAt(10, 10), 0u);
    ShowWindow(a, true);
    MoveWindow(a, 100, 0, 50, 50);
    session.settle();
    EXPECT_EQ(session.windows().screen().colorAt(10, 10), 0u);
    EXPECT_EQ(session.windows().screen().colorAt(110, 10), kRed);
}

} // namespace plat::win::testing
