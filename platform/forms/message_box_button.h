#pragma once
#include "platform/forms/user_control.h"
#include <functional>
#include <string>

namespace plat::forms {

// The push button of our message boxes: a raised face with its caption, pushed while the
// left button is held on it, a focus frame while it has the focus, and a dark outline as
// the default button.
class MessageBoxButton : public UserControl {
public:
    std::string className() const override { return "MessageBoxButton"; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    bool isDefault() const { return m_default; }
    void setDefault(bool on);
    int result() const { return m_result; }
    void setResult(int result) { m_result = result; }

    // A left click released over the button, or Space while it has the focus.
    std::function<void()> onClick;

protected:
    void onPlaced() override { redraw(); }
    void onResize() override { redraw(); }
    void onGotFocus() override { redraw(); }
    void onLostFocus() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyUp(int& keyCode, int shift) override;
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void redraw();
    void click();

    std::string m_caption;
    bool m_default = false;
    bool m_pushed = false;
    bool m_mouseDown = false;
    bool m_spaceDown = false;
    int m_result = 0;
};

} // namespace plat::forms
