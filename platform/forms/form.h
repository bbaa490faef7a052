#pragma once
#include "platform/forms/control.h"
#include "platform/forms/control_array.h"
#include "platform/forms/font_desc.h"
#include "platform/forms/layout_error.h"
#include "platform/forms/picture_ref.h"
#include "platform/gfx/surface.h"
#include "platform/window/types.h"
#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <vector>

namespace plat::forms {

class PropertyBag;
struct ControlLayout;
struct FormLayout;

enum class ShowMode { Modeless = 0, Modal = 1 };

// A control asked for by a name, index or class the form does not have.
class ControlLookupError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A top-level window with controls. Program forms derive from it, override the virtual
// event handlers, and connect their controls' events in onLoad().
//
// load() (also done by the first show()) creates the window hidden, then every control
// of the stored layout in order, each reading its stored properties, then runs onLoad().
// unload() asks onQueryUnload and onUnload, either of which may refuse, and then destroys
// the window and every control; the form can be loaded again afterwards.
class ToolTip;

class Form {
public:
    // The stored layout is resources/forms/<name>.json.
    explicit Form(std::string name);
    // An explicit layout file; an empty path means the form has no stored layout and builds
    // its controls in code (add<T>()).
    Form(std::string name, std::filesystem::path layoutFile);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    const std::filesystem::path& layoutFile() const { return m_layoutFile; }

    // --- life cycle ---
    // Throws LayoutError when the stored layout is missing or broken (nothing stays loaded then).
    void load();
    bool isLoaded() const { return m_hwnd != 0; }
    // Modal: runs a nested loop until the form is hidden or unloaded.
    void show(ShowMode mode = ShowMode::Modeless);
    void hide();
    // Returns false when onQueryUnload or onUnload refused.
    bool unload();
    // The close request (the close box, or code): WM_CLOSE to the form's window.
    void close();
    bool isModal() const { return m_modalDepth > 0; }
    bool visible() const;
    win::HWND hwnd() const { return m_hwnd; }

    // --- the form's own properties ---
    const std::string& caption() const { return m_caption; }
    // Also the window's title on the desktop.
    void setCaption(std::string caption);
    const PictureRef& icon() const { return m_icon; }
    void setIcon(PictureRef icon) { m_icon = std::move(icon); }
    uint32_t backColor() const { return m_backColor; }
    void setBackColor(uint32_t color);
    const FontDesc& font() const { return m_font; }
    void setFont(const FontDesc& font) { m_font = font; }
    bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }
    // 0 normal, 1 minimised, 2 maximised (the screen's size).
    int windowState() const;
    void setWindowState(int state);
    // The main window is the one the backend minimises for WindowState 1.
    bool isMainWindow() const { return m_mainWindow; }
    void setMainWindow(bool on) { m_mainWindow = on; }
    // 0 manual, 1 centre on the owner, 2 centre on the screen, 3 the system's default place.
    int startUpPosition() const { return m_startUpPosition; }
    void setStartUpPosition(int position) { m_startUpPosition = position; }
    // False in a designer host: the controls' ambient UserMode.
    bool designMode() const { return m_designMode; }
    void setDesignMode(bool on) { m_designMode = on; }

    // Position and size in twips on the screen.
    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void move(double left, double top) { move(left, top, m_width, m_height); }
    void move(double left, double top, double width, double height);
    double scaleWidth() const { return m_width; }
    double scaleHeight() const { return m_height; }
    // The form's persistent image (its background; controls have their own windows).
    gfx::Surface& image();

    // --- controls ---
    // Every control in creation order (containers before what they contain).
    const std::vector<Control*>& controls() const { return m_order; }
    // By name without regard to case; find(name) finds a control outside an array.
    Control* find(std::string_view name) const;
    Control* find(std::string_view name, int index) const;
    // The control that owns a window (or one of its windows), if any.
    Control* controlOf(win::HWND hwnd) const;

    template<class T>
    T& get(std::string_view name) const
    {
        return cast<T>(find(name), name, -1);
    }
    template<class T>
    T& get(std::string_view name, int index) const
    {
        return cast<T>(find(name, index), name, index);
    }
    template<class T>
    ControlArray<T> array(std::string_view name) const
    {
        std::vector<std::pair<int, T*>> items;
        for (Control* c : m_order)
            if (c->index() >= 0 && sameName(c->name(), name))
                items.emplace_back(c->index(), &cast<T>(c, name, c->index()));
        if (items.empty())
            throw ControlLookupError("form \"" + m_name + "\" has no control array \"" + std::string(name) + "\"");
        std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return ControlArray<T>(std::string(name), std::move(items));
    }

    // Places a new control (it takes its defaults through initProperties). The form must be loaded.
    template<class T>
    T& add(std::string name, Control* container = nullptr, int index = -1)
    {
        auto control = std::make_unique<T>();
        T& ref = *control;
        addControl(std::move(control), std::move(name), index, container, nullptr);
        return ref;
    }
    Control& addControl(std::unique_ptr<Control> control, std::string name, int index, Control* container,
        PropertyBag* storedProperties, const PropertyBag* extender = nullptr);

    // The tooltip of the form's controls (null while the form is not loaded).
    ToolTip* toolTip() const { return m_toolTip.get(); }

    // The stored layout of the form as it stands (for a designer host, or to save).
    FormLayout layout() const;

    // --- the form's stored properties ---
    virtual void readProperties(PropertyBag& bag);
    virtual void writeProperties(PropertyBag& bag) const;

protected:
    virtual void onLoad() {}
    // A non-zero cancel refuses the unload (and the close request).
    virtual void onQueryUnload(int& cancel) { (void)cancel; }
    // While onQueryUnload runs: true when the unload comes from the close request (the window
    // manager's close, WM_CLOSE) rather than from the program's own unload().
    bool closeRequested() const { return m_closeRequested; }
    virtual void onUnload(int& cancel) { (void)cancel; }
    virtual void onResize() {}
    // The display took a new size (WM_DISPLAYCHANGE).
    virtual void onDisplayChange() {}
    virtual void onActivate() {}
    // With keyPreview these see every key before the focused control; setting the code to 0
    // consumes the key. Without keyPreview they see only keys sent to the form itself.
    virtual void onKeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void onKeyUp(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void onKeyPress(int& keyAscii) { (void)keyAscii; }
    // During onKeyDown: the key was down already, so this is its auto-repeat.
    bool keyRepeats() const { return m_keyRepeats; }
    // Mouse on the form itself, twips.
    virtual void onClick() {}
    virtual void onDblClick() {}
    virtual void onMouseDown(int button, int shift, double x, double y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void onMouseUp(int button, int shift, double x, double y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void onMouseMove(int button, int shift, double x, double y) { (void)button, (void)shift, (void)x, (void)y; }

    // The form window's procedure; derived forms may handle more and pass the rest on.
    virtual win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

private:
    static bool sameName(std::string_view a, std::string_view b);
    template<class T>
    T& cast(Control* c, std::string_view name, int index) const
    {
        if (!c)
            throw ControlLookupError(describeMissing(name, index));
        if (T* t = dynamic_cast<T*>(c))
            return *t;
        throw ControlLookupError(describeControl(*c) + " is a " + c->className() + ", not a " + typeName(typeid(T)));
    }
    std::string describeMissing(std::string_view name, int index) const;
    static std::string typeName(const std::type_info& type);
    std::string describeControl(const Control& c) const;

    void createWindow();
    void createControls(const std::vector<ControlLayout>& entries, Control* container);
    void destroyEverything();
    void drawBackground();
    void placeOnScreen();
    bool filterMessage(win::MSG& msg);
    bool handleKey(win::UINT message, int& code);

    std::string m_name;
    std::filesystem::path m_layoutFile;
    win::HWND m_hwnd = 0;
    int m_filterId = 0;
    int m_modalDepth = 0;
    bool m_unloading = false;
    bool m_closeRequested = false;
    bool m_leftDown = false;

    std::vector<std::unique_ptr<Control>> m_owned;
    std::vector<Control*> m_order;
    std::unordered_map<win::HWND, Control*> m_byWindow;
    std::unique_ptr<ToolTip> m_toolTip;

    std::string m_caption;
    PictureRef m_icon;
    uint32_t m_backColor = 0x8000000Fu; // button face
    FontDesc m_font;
    bool m_keyPreview = false;
    bool m_keyRepeats = false;
    int m_windowState = 0;
    bool m_mainWindow = false;
    int m_startUpPosition = 0;
    bool m_designMode = false;
    double m_left = 0, m_top = 0, m_width = 4800, m_height = 3600;
    double m_restoreLeft = 0, m_restoreTop = 0, m_restoreWidth = 0, m_restoreHeight = 0;
};

} // namespace plat::forms
