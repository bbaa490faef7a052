#pragma once
#include "tests/controls/core/controls_fixture.h"
#include "platform/window/api.h"
#include <string>
#include <vector>

namespace qel::testing {

// The core controls' fixture (a headless session with one shown form at the screen's top-left
// corner) with the screen position of a control's window at hand.
class ExtraTest : public ControlsTest {
protected:
    static plat::gfx::Point screenOf(plat::win::HWND h, int x = 0, int y = 0)
    {
        const plat::gfx::Rect r = plat::win::GetScreenRect(h);
        return {r.left + x, r.top + y};
    }
    void clickAt(plat::win::HWND h, int x, int y, int button = 1)
    {
        const plat::gfx::Point p = screenOf(h, x, y);
        session.mouseMove(p.x, p.y);
        session.click(p.x, p.y, button);
        session.settle();
    }
};

inline std::string joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& e : v)
        s += (s.empty() ? "" : ", ") + e;
    return s;
}

} // namespace qel::testing
