#include "forms_fixture.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/resources_folder.h"
#include "tests/support/temp_folder.h"
#include <fstream>
#include <unistd.h>

namespace plat::forms::testing {

using namespace plat::win;

class NestedForm : public Form {
public:
    NestedForm() : Form("Nested", testLayout("nested.json")) {}
    std::vector<std::string> seenAtLoad;

protected:
    void onLoad() override
    {
        for (Control* c : controls())
            seenAtLoad.push_back(c->name() + (c->index() >= 0 ? "(" + std::to_string(c->index()) + ")" : ""));
    }
};

using FormLayoutTest = FormsTest;

TEST_F(FormLayoutTest, LoadCreatesEveryControlHiddenWithItsStoredPropertiesBeforeTheLoadHandler)
{
    NestedForm form;
    form.load();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.caption(), "Nested form");
    EXPECT_EQ(form.seenAtLoad, (std::vector<std::string>{"frame", "inner", "item(0)", "item(2)"}));

    auto& inner = form.get<Probe>("inner");
    EXPECT_TRUE(inner.propertiesRead);
    EXPECT_FALSE(inner.initialised);
    EXPECT_EQ(inner.caption, "内部");
    EXPECT_EQ(inner.value, 7);
    EXPECT_EQ(inner.color, 0x733C00u); // not stored: the default
    EXPECT_EQ(form.get<Probe>("item", 2).color, 0xFFu);
    EXPECT_EQ(form.get<Probe>("item", 0).tag(), "first");
    EXPECT_EQ(&inner, form.find("INNER")); // names do not depend on case
    EXPECT_EQ(inner.ambient().displayName, "inner");
    EXPECT_TRUE(inner.ambient().userMode);
}

TEST_F(FormLayoutTest, AControlInAContainerLivesInsideTheContainersWindow)
{
    NestedForm form;
    form.show();
    auto& frame = form.get<Panel>("frame");
    auto& inner = form.get<Probe>("inner");
    EXPECT_EQ(inner.container(), &frame);
    EXPECT_EQ(form.get<Probe>("item", 0).container(), nullptr);
    EXPECT_EQ(GetParent(inner.hwnd()), frame.hwnd());
    // form at (100, 50) px, frame at (20, 20) in it, inner at (10, 10) in the frame
    EXPECT_EQ(GetScreenRect(inner.hwnd()), gfx::Rect::fromSize(130, 80, 100, 50));
    EXPECT_EQ(at(135, 85), inner.hwnd());
    EXPECT_EQ(inner.scaleWidth(), 1500);

    frame.move(600, 600);
    EXPECT_EQ(GetScreenRect(inner.hwnd()), gfx::Rect::fromSize(150, 100, 100, 50));
    frame.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(inner.hwnd()));
    EXPECT_TRUE(inner.visible()); // its own property is unchanged
    frame.setVisible(true);
    // Clipped by the container: a part beyond the frame's edge is not hit.
    inner.move(2700, 150);
    EXPECT_EQ(at(330, 115), inner.hwnd());
    EXPECT_EQ(at(345, 115), form.hwnd());
}

TEST_F(FormLayoutTest, ControlArraysAndTypedLookupsFailClearly)
{
    NestedForm form;
    form.load();
    auto items = form.array<Probe>("Item");
    EXPECT_EQ(items.count(), 2u);
    EXPECT_EQ(items.lbound(), 0);
    EXPECT_EQ(items.ubound(), 2);
    EXPECT_EQ(items.find(1), nullptr);
    std::vector<int> indices;
    for (auto item : items)
        indices.push_back(item.control.index());
    EXPECT_EQ(indices, (std::vector<int>{0, 2}));

    auto message = [&](auto&& fn) {
        try {
            fn();
        } catch (const ControlLookupError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_NE(message([&] { form.get<Panel>("inner"); }).find("control \"inner\" of form Nested is a Probe, not a Panel"), std::string::npos);
    EXPECT_NE(message([&] { form.get<Probe>("nothing"); }).find("has no control \"nothing\""), std::string::npos);
    EXPECT_NE(message([&] { form.get<Probe>("item", 5); }).find("with index 5"), std::string::npos);
    EXPECT_NE(message([&] { form.array<Probe>("inner"); }).find("no control array \"inner\""), std::string::npos);
    EXPECT_THROW(items[1], std::out_of_range);
}

TEST_F(FormLayoutTest, TheLayoutWrittenBackReadsAsTheSameFormWithDefaultsLeftOut)
{
    NestedForm form;
    form.load();
    form.get<Probe>("inner").caption = "changed";
    FormLayout written = form.layout();
    FormLayout again = parseLayout(layoutText(written), "written");
    ASSERT_EQ(again.controls.size(), 3u);
    const ControlLayout& frame = again.controls[0];
    EXPECT_EQ(frame.className, "Panel");
    ASSERT_EQ(frame.controls.size(), 1u);
    const ControlLayout& inner = frame.controls[0];
    EXPECT_EQ(inner.name, "inner");
    EXPECT_EQ(inner.properties.readProperty("caption", ""), "changed");
    EXPECT_EQ(inner.properties.readProperty("Value", int16_t(2)), 7);
    EXPECT_FALSE(inner.properties.contains("Color"));
    EXPECT_EQ(inner.extender.readProperty("Left", 0.0), 150);
    EXPECT_FALSE(inner.extender.contains("Visible"));
    EXPECT_EQ(again.controls[2].index, 2);
    EXPECT_FALSE(again.controls[2].extender.readProperty("Visible", true));
    EXPECT_EQ(again.properties.readProperty("Caption", ""), "Nested form");
    EXPECT_EQ(again.properties.readProperty("BackColor", uint32_t(0)), 0xFFFFFFu);

    // Written to a file and loaded as a form, it gives the same controls.
    const TempFolder scratch("forms-layout-XXXXXX");
    auto file = scratch / "roundtrip.json";
    writeLayout(written, file);
    Form copy("Copy", file);
    copy.load();
    EXPECT_EQ(copy.get<Probe>("inner").caption, "changed");
    EXPECT_EQ(copy.get<Probe>("inner").container(), &copy.get<Panel>("frame"));
    EXPECT_EQ(copy.array<Probe>("item").count(), 2u);
}

// A broken or missing layout: the error names the file and the entry, and nothing stays loaded.
struct BrokenLayout {
    const char* text;  // null: no file at all
    const char* entry; // expected in the message
    const char* problem;
};

class BrokenLayoutTest : public FormsTest, public ::testing::WithParamInterface<BrokenLayout> {};

TEST_P(BrokenLayoutTest, GivesAClearErrorNamingTheFileAndTheEntry)
{
    const BrokenLayout& c = GetParam();
    const TempFolder scratch("forms-layout-XXXXXX");
    auto file = scratch / "broken.json";
    if (c.text)
        std::ofstream(file) << c.text;
    Form form("Broken", file);
    std::string message;
    try {
        form.load();
    } catch (const LayoutError& e) {
        message = e.what();
        EXPECT_EQ(e.file(), file.string());
    }
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find(c.entry), std::string::npos) << message;
    EXPECT_NE(message.find(c.problem), std::string::npos) << message;
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(sys().topLevels().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenLayoutTest,
    ::testing::Values(BrokenLayout{nullptr, "", "cannot be read"},
        BrokenLayout{"{ \"controls\": [ { \"class\": \"Probe\", \"name\": \"a\" }, ]", "", "not well-formed JSON at line 1"},
        BrokenLayout{"[1, 2]", "", "must be an object"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q", "properties": {"Value": 7E7777}} ]})", "", "not readable JSON"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "a"}, {"class": "Nothing", "name": "b"} ]})", "controls[1] (b)",
            "unknown control class \"Nothing\""},
        BrokenLayout{R"({"controls": [ {"class": "Probe"} ]})", "controls[0]", "needs a \"name\""},
        BrokenLayout{R"({"controls": [ {"name": "p", "class": "Panel", "controls": [ {"class": "Probe", "name": "q", "properties": {"Value": "seven"}} ]} ]})",
            "controls[0].controls[0] (q)", "property \"Value\": expected a whole number, found \"seven\""},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q", "properties": {"Value": 40000}} ]})", "controls[0] (q)", "out of range"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q", "extender": {"Left": "far"}} ]})", "controls[0] (q)",
            "property \"Left\": expected a number"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q", "controls": [ {"class": "Probe", "name": "r"} ]} ]})", "controls[0] (q)",
            "cannot contain other controls"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q"}, {"class": "Probe", "name": "Q"} ]})", "controls[1] (Q)",
            "a second control named"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q", "index": -1} ]})", "controls[0] (q)", "\"index\" must be"},
        BrokenLayout{R"({"controls": [ {"class": "Probe", "name": "q", "propertes": {}} ]})", "controls[0] (q)", "unknown key \"propertes\""},
        BrokenLayout{R"({"properties": {"Caption": 5}})", "properties", "property \"Caption\": expected a text"},
        BrokenLayout{R"({"properties": {"caption": "a", "CAPTION": "b"}})", "properties", "stored twice"}));

TEST(ResourcesFolder, TheEnvironmentComesFirstThenBesideTheProgramNeverTheDataFolder)
{
    const char* shipped = std::getenv("BALL_RESOURCES");
    const std::string kept = shipped ? shipped : "";
    ::setenv("BALL_RESOURCES", "/somewhere/res", 1);
    EXPECT_EQ(resourcesFolder(), std::filesystem::path("/somewhere/res"));
    EXPECT_EQ(formLayoutPath("main"), std::filesystem::path("/somewhere/res/forms/main.json"));
    ::unsetenv("BALL_RESOURCES");
    const TempFolder home("forms-home-XXXXXX");
    ::setenv("BALL_HOME", home.path().c_str(), 1);
    // Never the source tree: what ships beside the running program.
    EXPECT_EQ(resourcesFolder(), std::filesystem::read_symlink("/proc/self/exe").parent_path() / "resources");
    // Resources in the data folder, empty or not, never stand in for the shipped ones.
    std::filesystem::create_directories(home / "resources/forms");
    EXPECT_EQ(resourcesFolder(), std::filesystem::read_symlink("/proc/self/exe").parent_path() / "resources");
    ::unsetenv("BALL_HOME");
    if (shipped)
        ::setenv("BALL_RESOURCES", kept.c_str(), 1);
}

TEST(ResourcesFolder, TheTestsReadTheLayoutsAndPicturesTheBuildShips)
{
    const std::filesystem::path folder = resourcesFolder();
    EXPECT_NE(folder.string().find("/program/resources"), std::string::npos) << folder;
    for (const char* name : { "main", "m1", "m2", "m3", "m4", "m5", "m6" })
        EXPECT_TRUE(std::filesystem::is_regular_file(formLayoutPath(name))) << name;
    EXPECT_TRUE(std::filesystem::is_regular_file(resourcePath("img/court.png")));
}

} // namespace plat::forms::testing
