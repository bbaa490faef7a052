#pragma once
#include "controls/core/drawn_control.h"
#include "platform/forms/property_bag.h"
#include <string>
#include <vector>

namespace qel::testing {

// A drawn control that logs its events and every message its previous window procedure sees,
// and counts its redraws. It answers WM_USER + 7 with 4242 from the previous procedure.
class Recorder : public DrawnControl {
public:
    static constexpr plat::win::UINT kAnswered = plat::win::WM_USER + 7;
    static constexpr plat::win::LRESULT kAnswer = 4242;

    std::vector<std::string> log;
    int redraws = 0;

    Recorder()
    {
        auto mouse = [this](const char* name) {
            return [this, name](int& Button, int& Shift, int& Control, int& x, int& y) {
                log.push_back(std::string(name) + " " + std::to_string(Button) + " " + std::to_string(Shift) + " "
                    + std::to_string(Control) + " " + std::to_string(x) + " " + std::to_string(y));
            };
        };
        MouseDown = mouse("MouseDown");
        MouseUp = mouse("MouseUp");
        MouseDblClick = mouse("MouseDblClick");
        MouseMove = mouse("MouseMove");
        MouseHover = [this] { log.push_back("MouseHover"); };
        MouseLeave = [this] { log.push_back("MouseLeave"); };
        MouseWheel = [this](int& Sens) { log.push_back("MouseWheel " + std::to_string(Sens)); };
        KeyDown = [this](int& KeyCode, int& Shift) { log.push_back("KeyDown " + std::to_string(KeyCode) + " " + std::to_string(Shift)); };
        KeyUp = [this](int& KeyCode, int& Shift) { log.push_back("KeyUp " + std::to_string(KeyCode) + " " + std::to_string(Shift)); };
        KeyPress = [this](int& KeyAscii) { log.push_back("KeyPress " + std::to_string(KeyAscii)); };
    }

    std::string className() const override { return "Recorder"; }

    uint32_t Colour() const { return m_colour; }
    void setColour(uint32_t c)
    {
        m_colour = c;
        PropertyChanged();
    }
    void Refresh()
    {
        if (m_unRefreshControl)
            return;
        ++redraws;
        setSurfaceBackColor(TranslateColor(m_colour));
        m_imageCurrent = true;
        ShowImage();
    }

    void initProperties() override
    {
        BeginLoading();
        setColour(0xFF);
        EndInitialising();
    }
    void readProperties(plat::forms::PropertyBag& bag) override
    {
        BeginLoading();
        setColour(bag.readProperty("Colour", uint32_t(0xFF)));
        EndReading();
    }

    // Only the messages a test cares for, without the constant stream of moves.
    std::vector<std::string> without(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const auto& s : log)
            if (s.rfind(prefix, 0) != 0)
                out.push_back(s);
        return out;
    }

protected:
    void Redraw() override { Refresh(); }
    plat::win::LRESULT windowProc(plat::win::HWND h, plat::win::UINT m, plat::win::WPARAM w, plat::win::LPARAM l) override
    {
        if (m == kAnswered || (m >= plat::win::WM_MOUSEMOVE && m <= plat::win::WM_MOUSEWHEEL) || m == plat::win::WM_MOUSEHOVER
            || m == plat::win::WM_MOUSELEAVE)
            log.push_back("previous " + std::to_string(m));
        plat::win::LRESULT r = DrawnControl::windowProc(h, m, w, l);
        return m == kAnswered ? kAnswer : r;
    }

private:
    uint32_t m_colour = 0xFF;
};

} // namespace qel::testing
