#pragma once
#include "platform/backend/session.h"
#include "platform/forms/control_registry.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/user_control.h"
#include "platform/window/api.h"
#include "tests/support/source_resources.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plat::forms::testing {

// A custom-drawn control that records what its host tells it.
class Probe : public UserControl {
public:
    std::string className() const override { return "Probe"; }

    std::string caption = "Caption";
    int16_t value = 2;
    uint32_t color = 0x733C00;
    bool initialised = false;
    bool propertiesRead = false;
    std::vector<std::string> events;

    void initProperties() override { initialised = true; }
    void readProperties(PropertyBag& bag) override
    {
        propertiesRead = true;
        caption = bag.readProperty("Caption", "Caption");
        value = bag.readProperty("Value", int16_t(2));
        color = bag.readProperty("Color", uint32_t(0x733C00));
    }
    void writeProperties(PropertyBag& bag) const override
    {
        bag.writeProperty("Caption", caption, "Caption");
        bag.writeProperty("Value", value, 2);
        bag.writeProperty("Color", color, 0x733C00);
    }

protected:
    void onKeyDown(int& keyCode, int shift) override { events.push_back("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift)); }
    void onKeyUp(int& keyCode, int) override { events.push_back("KeyUp " + std::to_string(keyCode)); }
    void onKeyPress(int& keyAscii) override { events.push_back("KeyPress " + std::to_string(keyAscii)); }
    void onGotFocus() override { events.push_back("GotFocus"); }
    void onLostFocus() override { events.push_back("LostFocus"); }
    void onResize() override { events.push_back("Resize"); }
};

// A custom-drawn control that holds others, as a frame does.
class Panel : public UserControl {
public:
    Panel() { setContainerControl(true); }
    std::string className() const override { return "Panel"; }
};

inline std::filesystem::path sourceDir()
{
    if (const char* s = std::getenv("SCOREBOARD_SOURCE_DIR"); s && *s)
        return s;
    return SCOREBOARD_SOURCE_DIR;
}

inline std::filesystem::path testLayout(const std::string& file) { return sourceDir() / "tests/platform/forms/layouts" / file; }

class FormsTest : public ::testing::Test {
protected:
    FormsTest()
    {
        ControlRegistry::global().add<Probe>("Probe");
        ControlRegistry::global().add<Panel>("Panel");
    }

    test_support::SourceResources resources;
    backend::HeadlessSession session{{1024, 768}};

    // The window at a point of the screen.
    win::HWND at(int x, int y) { return win::WindowFromPoint({x, y}); }
};

} // namespace plat::forms::testing
