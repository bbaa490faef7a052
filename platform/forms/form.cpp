#include "platform/forms/form.h"
#include "platform/forms/colors.h"
#include "platform/forms/control_registry.h"
#include "platform/forms/form_directory.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/resources_folder.h"
#include "platform/forms/tool_tip.h"
#include "platform/forms/user_control.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"
#include <cstdlib>
#include <cxxabi.h>
#include <utility>

namespace plat::forms {

using namespace plat::win;

Form::Form(std::string name)
    : m_name(std::move(name))
    , m_layoutFile(formLayoutPath(m_name))
{
    enterFormDirectory(this);
}

Form::Form(std::string name, std::filesystem::path layoutFile)
    : m_name(std::move(name))
    , m_layoutFile(std::move(layoutFile))
{
    enterFormDirectory(this);
}

Form::~Form()
{
    leaveFormDirectory(this);
    if (WindowSystem::current() && m_hwnd) {
        destroyEverything();
    } else if (m_filterId && WindowSystem::current()) {
        sys().removeMessageFilter(m_filterId);
    }
    m_owned.clear();
}

bool Form::sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && PropertyBag::keyOf(a) == PropertyBag::keyOf(b);
}

// --- life cycle ---

void Form::load()
{
    if (isLoaded())
        return;
    if (!m_owned.empty())
        destroyEverything(); // what an outside destruction of the window left behind

    // A form without a stored layout keeps the properties its code gave it.
    FormLayout layout;
    if (!m_layoutFile.empty()) {
        layout = readLayout(m_layoutFile);
        try {
            readProperties(layout.properties);
        } catch (const PropertyError& e) {
            throw LayoutError(m_layoutFile.string(), "properties", e.what());
        }
    }
    createWindow();
    try {
        createControls(layout.controls, nullptr);
    } catch (...) {
        destroyEverything();
        throw;
    }
    m_toolTip = std::make_unique<ToolTip>(*this);
    m_filterId = sys().addMessageFilter([this](MSG& msg) { return filterMessage(msg); });
    if (int stored = std::exchange(m_windowState, 0); stored != 0)
        setWindowState(stored);
    onLoad();
}

void Form::setCaption(std::string caption)
{
    m_caption = std::move(caption);
    if (m_hwnd && WindowSystem::current())
        sys().setWindowTitle(m_hwnd, m_caption);
}

void Form::createWindow()
{
    gfx::Rect r = gfx::Rect::fromSize(pixelsFromTwips(m_left), pixelsFromTwips(m_top), std::max(0, pixelsFromTwips(m_width)),
        std::max(0, pixelsFromTwips(m_height)));
    m_hwnd = CreateWindow("Form", 0, r, false, makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) { return windowProc(h, m, w, l); }));
    SetFocusable(m_hwnd, true);
    sys().setWindowTitle(m_hwnd, m_caption);
    drawBackground();
}

void Form::createControls(const std::vector<ControlLayout>& entries, Control* container)
{
    const std::string file = m_layoutFile.string();
    for (const ControlLayout& entry : entries) {
        if (find(entry.name, entry.index))
            throw LayoutError(file, entry.entry, "a second control named \"" + entry.name + "\""
                    + (entry.index >= 0 ? " with index " + std::to_string(entry.index) : std::string()));
        for (Control* c : m_order)
            if (sameName(c->name(), entry.name) && (c->index() < 0) != (entry.index < 0))
                throw LayoutError(file, entry.entry, "\"" + entry.name + "\" is used both for a control array and for a single control");
        std::unique_ptr<Control> control = ControlRegistry::global().create(entry.className);
        if (!control)
            throw LayoutError(file, entry.entry, "unknown control class \"" + entry.className + "\"");
        if (!entry.controls.empty() && !control->isContainer())
            throw LayoutError(file, entry.entry, "a " + entry.className + " cannot contain other controls");
        Control* placed = nullptr;
        try {
            PropertyBag properties = entry.properties;
            placed = &addControl(std::move(control), entry.name, entry.index, container, &properties, &entry.extender);
        } catch (const LayoutError&) {
            throw;
        } catch (const std::exception& e) {
            throw LayoutError(file, entry.entry, e.what());
        }
        createControls(entry.controls, placed);
        if (!entry.controls.empty())
            placed->onContainedControlsPlaced();
    }
}

Control& Form::addControl(std::unique_ptr<Control> control, std::string name, int index, Control* container,
    PropertyBag* storedProperties, const PropertyBag* extender)
{
    if (!isLoaded())
        throw std::logic_error("controls can be placed only on a loaded form (" + m_name + ")");
    if (container && (container->form() != this || !container->isContainer()))
        throw std::logic_error("\"" + container->name() + "\" is not a container of form " + m_name);
    Control& c = *control;
    int defaultTabIndex = int(m_order.size());
    m_owned.push_back(std::move(control));
    m_order.push_back(&c);
    // The extender comes first, so the window is made at its place and size.
    c.applyExtender(extender ? *extender : PropertyBag(), defaultTabIndex);
    c.place(*this, {std::move(name), index, container});
    if (c.hwnd())
        m_byWindow[c.hwnd()] = &c;
    if (storedProperties)
        c.readProperties(*storedProperties);
    else
        c.initProperties();
    // A control that keeps Enabled among its own properties has just set it from them; an
    // Enabled stored only with the extender must still hold.
    if (extender && extender->contains("Enabled") && !(storedProperties && storedProperties->contains("Enabled")))
        c.setEnabled(extender->readProperty("Enabled", true));
    return c;
}

void Form::show(ShowMode mode)
{
    load();
    if (mode == ShowMode::Modal && visible())
        throw std::logic_error("form " + m_name + " is already shown and cannot be shown modally");
    HWND focusBefore = GetFocus();
    bool wasVisible = visible();
    if (!wasVisible)
        placeOnScreen();
    ShowWindow(m_hwnd, true);
    BringWindowToTop(m_hwnd);
    sys().setActive(m_hwnd);
    HWND focus = GetFocus();
    if (!focus || sys().topLevelOf(focus) != m_hwnd) {
        HWND first = sys().nextInTabOrder(m_hwnd, true);
        SetFocus(first ? first : m_hwnd);
    }
    if (!wasVisible)
        onActivate();
    if (mode != ShowMode::Modal)
        return;
    ++m_modalDepth;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{m_modalDepth};
    HWND modal = m_hwnd;
    RunModalLoop(modal, [this, modal] { return m_hwnd != modal || !IsWindowVisible(modal); });
    // The window that had the focus before gets it back.
    HWND now = GetFocus();
    bool lost = !now || !IsWindow(now) || !IsWindowVisible(now) || sys().topLevelOf(now) == modal;
    if (lost && focusBefore && IsWindow(focusBefore) && IsWindowVisible(focusBefore))
        SetFocus(focusBefore);
}

void Form::hide()
{
    load();
    ShowWindow(m_hwnd, false);
}

bool Form::visible() const { return m_hwnd && IsWindowVisible(m_hwnd); }

bool Form::unload()
{
    if (!isLoaded())
        return true;
    if (m_unloading)
        return false;
    int cancel = 0;
    onQueryUnload(cancel);
    m_closeRequested = false;
    // onQueryUnload may have asked a question, and something answered meanwhile may have
    // unloaded the form already.
    if (cancel || !isLoaded())
        return !isLoaded();
    onUnload(cancel);
    if (cancel || !isLoaded())
        return !isLoaded();
    destroyEverything();
    return true;
}

void Form::close()
{
    if (isLoaded())
        SendMessage(m_hwnd, WM_CLOSE, 0, 0);
}

void Form::destroyEverything()
{
    m_unloading = true;
    if (m_filterId && WindowSystem::current())
        sys().removeMessageFilter(m_filterId);
    m_filterId = 0;
    m_toolTip.reset();
    HWND h = m_hwnd;
    if (h && WindowSystem::current())
        DestroyWindow(h);
    m_hwnd = 0;
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it)
        (*it)->unplace();
    m_order.clear();
    m_byWindow.clear();
    // A control's event handler may be what is unloading the form: the objects go once the
    // current message is done.
    if (WindowSystem::current() && !m_owned.empty()) {
        auto graveyard = std::make_shared<std::vector<std::unique_ptr<Control>>>(std::move(m_owned));
        sys().postTask([graveyard] { graveyard->clear(); });
    }
    m_owned.clear();
    m_unloading = false;
}

// --- properties ---

void Form::setBackColor(uint32_t color)
{
    m_backColor = color;
    drawBackground();
}

void Form::drawBackground()
{
    if (!m_hwnd)
        return;
    WindowImage(m_hwnd).fill(gfx::opaque(resolveColor(m_backColor)));
    ImageChanged(m_hwnd);
}

gfx::Surface& Form::image() { return WindowImage(m_hwnd); }

void Form::move(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = std::max(0.0, width);
    m_height = std::max(0.0, height);
    if (m_hwnd)
        MoveWindow(m_hwnd, pixelsFromTwips(m_left), pixelsFromTwips(m_top), std::max(0, pixelsFromTwips(m_width)),
            std::max(0, pixelsFromTwips(m_height)));
}

void Form::placeOnScreen()
{
    if (m_startUpPosition != 1 && m_startUpPosition != 2)
        return;
    if (m_windowState == 2)
        return;
    gfx::Size screen = sys().screenSize();
    move((twipsFromPixels(screen.width) - m_width) / 2, (twipsFromPixels(screen.height) - m_height) / 2);
}

int Form::windowState() const
{
    if (m_mainWindow && m_hwnd && WindowSystem::current() && sys().backend().isMinimized())
        return 1;
    if (m_windowState == 1 && m_mainWindow)
        return 0; // restored from outside
    return m_windowState;
}

void Form::setWindowState(int state)
{
    if (state < 0 || state > 2)
        return;
    int before = windowState();
    if (!m_hwnd) {
        m_windowState = state;
        return;
    }
    if (before == 2 && state != 2)
        move(m_restoreLeft, m_restoreTop, m_restoreWidth, m_restoreHeight);
    if (state == 2 && before != 2) {
        m_restoreLeft = m_left, m_restoreTop = m_top, m_restoreWidth = m_width, m_restoreHeight = m_height;
        gfx::Size screen = sys().screenSize();
        m_windowState = 2;
        move(0, 0, twipsFromPixels(screen.width), twipsFromPixels(screen.height));
    }
    if (m_mainWindow)
        sys().backend().setMinimized(state == 1);
    m_windowState = state;
    if (before != state && before != 2 && state != 2)
        onResize(); // to and from maximised the window's new size raised it already
}

void Form::readProperties(PropertyBag& bag)
{
    m_caption = bag.readProperty("Caption", "");
    m_icon = bag.readProperty("Icon", PictureRef{});
    m_backColor = bag.readProperty("BackColor", kColorButtonFace);
    m_font = bag.readProperty("Font", FontDesc{});
    m_keyPreview = bag.readProperty("KeyPreview", false);
    m_startUpPosition = bag.readProperty("StartUpPosition", 0);
    m_left = bag.readProperty("Left", 0.0);
    m_top = bag.readProperty("Top", 0.0);
    m_width = std::max(0.0, bag.readProperty("Width", 4800.0));
    m_height = std::max(0.0, bag.readProperty("Height", 3600.0));
    m_windowState = bag.readProperty("WindowState", 0);
    if (m_windowState < 0 || m_windowState > 2)
        throw PropertyError("WindowState", "must be 0, 1 or 2, found " + std::to_string(m_windowState));
}

void Form::writeProperties(PropertyBag& bag) const
{
    bag.writeProperty("Caption", m_caption, "");
    bag.writeProperty("Icon", m_icon, PictureRef{});
    bag.writeProperty("BackColor", m_backColor, kColorButtonFace);
    bag.writeProperty("Font", m_font, FontDesc{});
    bag.writeProperty("KeyPreview", m_keyPreview, false);
    bag.writeProperty("StartUpPosition", m_startUpPosition, 0);
    bag.writeProperty("Left", m_windowState == 2 ? m_restoreLeft : m_left, 0.0);
    bag.writeProperty("Top", m_windowState == 2 ? m_restoreTop : m_top, 0.0);
    bag.writeProperty("Width", m_windowState == 2 ? m_restoreWidth : m_width, -1.0);
    bag.writeProperty("Height", m_windowState == 2 ? m_restoreHeight : m_height, -1.0);
    bag.writeProperty("WindowState", m_windowState, 0);
}

// --- controls ---

Control* Form::find(std::string_view name) const { return find(name, -1); }

Control* Form::find(std::string_view name, int index) const
{
    for (Control* c : m_order)
        if (c->index() == index && sameName(c->name(), name))
            return c;
    return nullptr;
}

Control* Form::controlOf(HWND hwnd) const
{
    while (hwnd && hwnd != m_hwnd) {
        if (auto it = m_byWindow.find(hwnd); it != m_byWindow.end())
            return it->second;
        hwnd = GetParent(hwnd);
    }
    return nullptr;
}

std::string Form::describeControl(const Control& c) const
{
    std::string s = "control \"" + c.name() + "\"";
    if (c.index() >= 0)
        s += "(" + std::to_string(c.index()) + ")";
    return s + " of form " + m_name;
}

std::string Form::typeName(const std::type_info& type)
{
    int status = 0;
    char* readable = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::string name = status == 0 && readable ? readable : type.name();
    std::free(readable);
    if (auto colon = name.rfind("::"); colon != std::string::npos)
        name = name.substr(colon + 2);
    return name;
}

std::string Form::describeMissing(std::string_view name, int index) const
{
    std::string s = "form " + m_name + " has no control \"" + std::string(name) + "\"";
    if (index >= 0)
        s += " with index " + std::to_string(index);
    return s;
}

FormLayout Form::layout() const
{
    FormLayout out;
    out.name = m_name;
    writeProperties(out.properties);
    // Controls in creation order, each under its container.
    std::unordered_map<const Control*, std::vector<size_t>> path; // position of each control in the tree
    for (size_t i = 0; i < m_order.size(); ++i) {
        const Control* c = m_order[i];
        ControlLayout entry;
        entry.className = c->className();
        entry.name = c->name();
        entry.index = c->index();
        c->writeExtender(entry.extender, int(i));
        c->writeProperties(entry.properties);
        std::vector<ControlLayout>* list = &out.controls;
        std::vector<size_t> where;
        if (c->container()) {
            where = path[c->container()];
            for (size_t p : where) {
                ControlLayout& parent = (*list)[p];
                list = &parent.controls;
            }
        }
        where.push_back(list->size());
        path[c] = where;
        list->push_back(std::move(entry));
    }
    return out;
}

// --- messages ---

LRESULT Form::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto twipsX = [&] { return twipsFromPixels(loWordSigned(lParam)); };
    auto twipsY = [&] { return twipsFromPixels(hiWordSigned(lParam)); };
    auto button = [&](WPARAM w) { return (w & MK_LBUTTON) ? 1 : (w & MK_RBUTTON) ? 2 : (w & MK_MBUTTON) ? 4 : 0; };
    switch (msg) {
    case WM_CLOSE:
        // The close request: refused when the form's handlers say so.
        m_closeRequested = true;
        unload();
        m_closeRequested = false;
        return 0;
    case WM_DESTROY:
        if (hwnd == m_hwnd && !m_unloading) {
            // Destroyed from outside (the window system going down): nothing is left to destroy.
            if (m_filterId && WindowSystem::current())
                sys().removeMessageFilter(m_filterId);
            m_filterId = 0;
            m_toolTip.reset();
            m_hwnd = 0;
        }
        return 0;
    case WM_SIZE:
        drawBackground();
        onResize();
        return 0;
    case WM_DISPLAYCHANGE:
        onDisplayChange();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        int b = msg == WM_LBUTTONDOWN ? 1 : msg == WM_RBUTTONDOWN ? 2 : 4;
        if (b == 1)
            m_leftDown = true;
        onMouseDown(b, mouseShiftWithAlt(wParam), twipsX(), twipsY());
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        int b = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
        bool click = b == 1 && m_leftDown;
        if (b == 1)
            m_leftDown = false;
        onMouseUp(b, mouseShiftWithAlt(wParam), twipsX(), twipsY());
        if (click && m_hwnd)
            onClick();
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        m_leftDown = false;
        onDblClick();
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(button(wParam), mouseShiftWithAlt(wParam), twipsX(), twipsY());
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

bool Form::handleKey(UINT message, int& code)
{
    switch (message) {
    case WM_KEYDOWN:
        onKeyDown(code, currentShiftState());
        break;
    case WM_KEYUP:
        onKeyUp(code, currentShiftState());
        break;
    case WM_CHAR:
        onKeyPress(code);
        break;
    }
    return code == 0;
}

// Input passes here before it is dispatched: mouse messages for the tooltip; keys for this
// form's windows for the key preview, then Tab and Shift+Tab, which move the focus instead
// of reaching the control.
bool Form::filterMessage(MSG& msg)
{
    if (m_toolTip && msg.message >= WM_MOUSEMOVE && msg.message <= WM_MOUSEWHEEL)
        m_toolTip->observe(msg);
    if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_CHAR)
        return false;
    if (!m_hwnd || !msg.hwnd || sys().topLevelOf(msg.hwnd) != m_hwnd)
        return false;
    bool toForm = msg.hwnd == m_hwnd;
    if (m_keyPreview || toForm) {
        int code = int(msg.wParam);
        m_keyRepeats = msg.message == WM_KEYDOWN && (uint32_t(msg.lParam) & (1u << 30)) != 0;
        bool consumed = handleKey(msg.message, code);
        if (consumed || !m_hwnd || !IsWindow(msg.hwnd))
            return true;
        msg.wParam = WPARAM(code);
        if (toForm)
            return true;
    }
    bool tab = (msg.message == WM_CHAR && msg.wParam == 9) || (msg.message != WM_CHAR && msg.wParam == VK_TAB);
    if (tab && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        if (msg.message == WM_KEYDOWN)
            sys().moveFocus(msg.hwnd, GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    return false;
}

} // namespace plat::forms
