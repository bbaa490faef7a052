#include "scoreboard/drive/drive_runner.h"
#include "platform/backend/headless_backend.h"
#include "platform/forms/form.h"
#include "platform/forms/form_directory.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/picture.h"
#include "platform/window/window_system.h"
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

namespace scoreboard::drive {

using plat::win::InputEvent;

DriveRunner::DriveRunner(plat::win::WindowSystem& windows, plat::backend::HeadlessBackend& backend, std::vector<Step> steps,
    std::ostream& out, std::ostream& err)
    : m_windows(windows)
    , m_backend(backend)
    , m_steps(std::move(steps))
    , m_out(out)
    , m_err(err)
{
}

bool DriveRunner::next()
{
    if (m_failed || m_next >= m_steps.size()) {
        noteWaitingForm();
        return false;
    }
    const Step& step = m_steps[m_next++];
    if (!run(step)) {
        m_failed = true;
        return false;
    }
    return true;
}

void DriveRunner::noteWaitingForm()
{
    m_waitingForm.clear();
    for (const plat::forms::Form* form : plat::forms::loadedForms()) {
        if (form->isModal() && form->visible())
            m_waitingForm = form->caption().empty() ? form->name() : form->name() + " \"" + form->caption() + "\"";
    }
}

bool DriveRunner::fail(const Step& step, const std::string& message)
{
    m_err << "line " << step.line << ": " << message << "\n";
    return false;
}

plat::forms::Form* DriveRunner::targetForm() const
{
    if (!m_formName.empty())
        return plat::forms::findLoadedForm(m_formName);
    return plat::forms::formOfWindow(m_windows.activeWindow());
}

plat::forms::Control* DriveRunner::findControl(const Step& step, std::string& error) const
{
    plat::forms::Form* form = targetForm();
    if (!form) {
        error = m_formName.empty() ? "no form is active" : "form \"" + m_formName + "\" is not loaded";
        return nullptr;
    }
    plat::forms::Control* c = step.index >= 0 ? form->find(step.control, step.index) : form->find(step.control);
    if (!c) {
        error = "form \"" + form->name() + "\" has no control \"" + step.control + (step.index >= 0 ? "(" + std::to_string(step.index) + ")" : "") + "\"";
        return nullptr;
    }
    return c;
}

void DriveRunner::clickAt(int x, int y, int button, int times)
{
    m_windows.queueInput({InputEvent::Kind::MouseMove, x, y});
    for (int i = 0; i < times; ++i) {
        m_windows.queueInput({InputEvent::Kind::ButtonDown, x, y, button});
        m_windows.queueInput({InputEvent::Kind::ButtonUp, x, y, button});
    }
}

void DriveRunner::keyStep(int vk, bool down, bool up)
{
    if (down) {
        InputEvent e{InputEvent::Kind::KeyDown};
        e.value = vk;
        m_windows.queueInput(e);
        // Keys that type a character bring it, as the keyboard's text entry would.
        int ch = 0;
        if (vk >= 'A' && vk <= 'Z')
            ch = vk - 'A' + 'a';
        else if ((vk >= '0' && vk <= '9') || vk == ' ')
            ch = vk;
        if (ch) {
            InputEvent c{InputEvent::Kind::Char};
            c.value = ch;
            m_windows.queueInput(c);
        }
    }
    if (up) {
        InputEvent e{InputEvent::Kind::KeyUp};
        e.value = vk;
        m_windows.queueInput(e);
    }
}

static std::string numberText(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 1e15) {
        std::ostringstream s;
        s << static_cast<long long>(v);
        return s.str();
    }
    std::ostringstream s;
    s << v;
    return s.str();
}

// A colour as the runtime's Hex shows it, "&HFF00".
static std::string hexColor(uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%X", v);
    return buf;
}

// A colour as a layout stores it, "&H00BBGGRR&": one to eight hexadecimal digits between "&H" and "&".
static bool storedColor(std::string_view s, uint32_t& color)
{
    if (s.size() < 4 || s.size() > 11 || !s.starts_with("&H") || !s.ends_with('&'))
        return false;
    std::string_view digits = s.substr(2, s.size() - 3);
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), color, 16);
    return error == std::errc() && end == digits.data() + digits.size();
}

std::string DriveRunner::propertyText(plat::forms::Control& c, const std::string& prop, bool& known) const
{
    known = true;
    // Property names fold to lower case as the property bag keeps them.
    std::string p = plat::forms::PropertyBag::keyOf(prop);
    if (p == "visible")
        return c.visible() ? "True" : "False";
    if (p == "enabled")
        return c.enabled() ? "True" : "False";
    if (p == "left")
        return numberText(c.left());
    if (p == "top")
        return numberText(c.top());
    if (p == "width")
        return numberText(c.width());
    if (p == "height")
        return numberText(c.height());
    if (p == "name")
        return c.name();
    if (p == "index")
        return std::to_string(c.index());
    if (p == "tag")
        return c.tag();
    if (p == "tooltiptext")
        return c.toolTipText();
    if (p == "class")
        return c.className();

    plat::forms::PropertyBag bag;
    bag.setKeepDefaults(true);
    c.writeProperties(bag);
    const auto& data = bag.data();
    auto it = data.find(plat::forms::PropertyBag::keyOf(prop));
    if (it == data.end()) {
        known = false;
        return {};
    }
    const auto& v = *it;
    if (v.is_boolean())
        return v.get<bool>() ? "True" : "False";
    if (v.is_number())
        return numberText(v.get<double>());
    if (v.is_string()) {
        std::string s = v.get<std::string>();
        uint32_t color = 0;
        if (storedColor(s, color))
            return hexColor(color);
        return s;
    }
    if (v.is_object() && v.contains("name"))
        return v["name"].get<std::string>();
    return v.dump();
}

bool DriveRunner::run(const Step& step)
{
    using K = Step::Kind;
    switch (step.kind) {
    case K::Wait:
        m_backend.setTarget(m_backend.clock().nowUs() + step.number * 1000);
        return true;
    case K::Key:
        keyStep(int(step.number), true, true);
        return true;
    case K::KeyDown:
        keyStep(int(step.number), true, false);
        return true;
    case K::KeyUp:
        keyStep(int(step.number), false, true);
        return true;
    case K::Type:
        m_windows.queueText(step.text);
        return true;
    case K::Click:
    case K::DblClick:
    case K::RClick:
    case K::Press:
    case K::Release:
    case K::Hover: {
        std::string error;
        plat::forms::Control* c = findControl(step, error);
        if (!c)
            return fail(step, error);
        if (!c->hwnd() || !m_windows.isVisible(c->hwnd()))
            return fail(step, "control \"" + step.control + "\" is not shown");
        plat::gfx::Rect r = m_windows.screenRect(c->hwnd());
        const int x = r.left + r.width() / 2, y = r.top + r.height() / 2;
        if (step.kind == K::Hover) {
            m_windows.queueInput({InputEvent::Kind::MouseMove, x, y});
        } else if (step.kind == K::Press) {
            m_windows.queueInput({InputEvent::Kind::MouseMove, x, y});
            m_windows.queueInput({InputEvent::Kind::ButtonDown, x, y, 1});
        } else if (step.kind == K::Release) {
            m_windows.queueInput({InputEvent::Kind::ButtonUp, x, y, 1});
        } else {
            clickAt(x, y, step.kind == K::RClick ? 2 : 1, step.kind == K::DblClick ? 2 : 1);
        }
        return true;
    }
    case K::Show: {
        std::string error;
        plat::forms::Control* c = findControl(step, error);
        if (!c)
            return fail(step, error);
        std::string label = step.control + (step.index >= 0 ? "(" + std::to_string(step.index) + ")" : "");
        for (const auto& prop : step.props) {
            bool known = false;
            std::string text = propertyText(*c, prop, known);
            if (!known)
                return fail(step, "control \"" + label + "\" has no property \"" + prop + "\"");
            m_out << label << "." << prop << "=" << text << "\n";
        }
        m_out.flush();
        return true;
    }
    case K::Form:
        if (!plat::forms::findLoadedForm(step.text))
            return fail(step, "form \"" + step.text + "\" is not loaded");
        m_formName = step.text;
        return true;
    case K::Shot: {
        const std::filesystem::path file(step.text);
        std::error_code error;
        if (std::filesystem::is_directory(file, error))
            return fail(step, "shot wants a file name: \"" + step.text + "\" is a folder");
        const std::filesystem::path folder = file.parent_path();
        if (!folder.empty() && !std::filesystem::is_directory(folder, error))
            return fail(step, "shot cannot write \"" + step.text + "\": there is no folder \"" + folder.string() + "\"");
        if (!plat::gfx::savePng(m_windows.screen(), step.text))
            return fail(step, "cannot write \"" + step.text + "\"");
        return true;
    }
    }
    return fail(step, "unknown step");
}

} // namespace scoreboard::drive
