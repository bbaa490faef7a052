#pragma once
#include "platform/gfx/geometry.h"
#include "platform/window/types.h"
#include <string>

namespace plat::forms {

class Form;
class PropertyBag;

// Base of every control placed on a form. It holds the extender: what the form knows of
// each control whatever its class (name, index, position and size in twips relative to its
// container, visibility, tab order, tag and tooltip). A control inside a container has its
// window inside the container's window, so it moves, shows, hides and clips with it.
class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual std::string className() const = 0;

    // --- extender ---
    const std::string& name() const { return m_name; }
    int index() const { return m_index; } // -1 outside a control array

    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setLeft(double twips) { move(twips, m_top, m_width, m_height); }
    void setTop(double twips) { move(m_left, twips, m_width, m_height); }
    void setWidth(double twips) { move(m_left, m_top, twips, m_height); }
    void setHeight(double twips) { move(m_left, m_top, m_width, twips); }
    void move(double left, double top) { move(left, top, m_width, m_height); }
    void move(double left, double top, double width, double height);

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    // A custom-drawn control keeps its window enabled and only redraws (see UserControl).
    virtual bool enabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled);
    const std::string& tag() const { return m_tag; }
    void setTag(std::string tag) { m_tag = std::move(tag); }
    const std::string& toolTipText() const { return m_toolTipText; }
    void setToolTipText(std::string text) { m_toolTipText = std::move(text); }
    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int tabIndex);
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop);

    // The container the control sits in; null when it sits on the form itself.
    Control* container() const { return m_container; }
    Form* form() const { return m_form; }
    void setFocus();
    // 0 brings the control to the front of its siblings, 1 sends it to the back.
    void zOrder(int position = 0);
    // The control's window; 0 for a control without one (a timer) or before it is placed.
    win::HWND hwnd() const { return m_hwnd; }

    // --- containers ---
    virtual bool isContainer() const { return false; }
    // The window that contained controls' windows go into.
    virtual win::HWND clientWindow() const { return m_hwnd; }

    // --- persistence ---
    // A new instance takes its defaults; a stored one reads its properties.
    virtual void initProperties() {}
    virtual void readProperties(PropertyBag& bag) { (void)bag; }
    virtual void writeProperties(PropertyBag& bag) const { (void)bag; }

    // Position and size in pixels relative to the container's window.
    gfx::Rect pixelRect() const;

protected:
    // Whether the control has a window at all (a timer has none).
    virtual bool hasWindow() const { return true; }
    // Whether Tab can stop on the control (labels, images, lines and shapes cannot).
    virtual bool canTakeFocus() const { return false; }
    // Creates the window; the default makes a plain child window running windowProc.
    virtual win::HWND createWindow(win::HWND parent, const gfx::Rect& pixels);
    // The control's own window procedure; the default is the window core's default.
    virtual win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Called once the window exists and the extender values are applied, before the properties.
    virtual void onPlaced() {}
    // A container loaded from a stored layout hears when everything stored inside it is placed.
    virtual void onContainedControlsPlaced() {}
    // Called after the window (if any) is gone; the control is about to be deleted.
    virtual void onRemoved() {}

    // A procedure value that calls windowProc of this control.
    win::WndProc ownProcedure();

private:
    friend class Form;
    struct Placement {
        std::string name;
        int index = -1;
        Control* container = nullptr;
    };
    void place(Form& form, const Placement& placement);
    void unplace();
    void applyExtender(const PropertyBag& extender, int defaultTabIndex);
    void writeExtender(PropertyBag& extender, int defaultTabIndex) const;

    std::string m_name;
    int m_index = -1;
    Form* m_form = nullptr;
    Control* m_container = nullptr;
    win::HWND m_hwnd = 0;
    double m_left = 0, m_top = 0, m_width = 1215, m_height = 495;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_tag;
    std::string m_toolTipText;
    int m_tabIndex = 0;
    bool m_tabStop = true;
};

} // namespace plat::forms
