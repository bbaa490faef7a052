// On a real desktop the text fields' Copy, Cut and Paste use the desktop's clipboard: what the
// operator copies in the program pastes into other programs, and a name copied elsewhere (a
// spreadsheet's cell, with its line break) pastes into a field.
#include "input_controls_fixture.h"
#include "platform/forms/text_box.h"
#include "tests/support/sdl_desktop.h"
#include "tests/support/temp_folder.h"

#include <fstream>
#include <iterator>

namespace plat::forms::testing {
namespace {

std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(DesktopClipboard, TextGoesBothWaysBetweenAFieldAndOtherPrograms)
{
    test_support::SdlDesktop desktop;
    if (!desktop.missing().empty())
        GTEST_SKIP() << desktop.missing();
    ASSERT_TRUE(desktop.open()) << "no SDL window on a private Xvfb";
    const TempFolder folder("desktop-clipboard-XXXXXX");

    registerStandardControls();
    CodeForm form;
    form.show();
    TextBox& box = form.add<TextBox>("box");
    box.move(300, 300, 3000, 330);
    box.setText("");
    box.setFocus();
    ASSERT_TRUE(desktop.waitForWindow());

    // Typed on the keyboard, copied with Ctrl+A and Ctrl+C, read by another program.
    ASSERT_EQ(desktop.run({"/usr/bin/xdotool", "type", "Team A"}), 0);
    ASSERT_TRUE(desktop.pumpUntil([&] { return box.text() == "Team A"; })) << box.text();
    ASSERT_EQ(desktop.run({"/usr/bin/xdotool", "key", "ctrl+a", "ctrl+c"}), 0);
    const std::filesystem::path out = folder / "out.txt";
    ASSERT_EQ(desktop.run({"/bin/sh", "-c", "xclip -o -selection clipboard > '" + out.string() + "'"}), 0);
    EXPECT_EQ(readAll(out), "Team A");

    // Cut empties the field and leaves the text on the desktop's clipboard.
    ASSERT_EQ(desktop.run({"/usr/bin/xdotool", "key", "ctrl+a", "ctrl+x"}), 0);
    ASSERT_TRUE(desktop.pumpUntil([&] { return box.text().empty(); })) << box.text();
    ASSERT_EQ(desktop.run({"/bin/sh", "-c", "xclip -o -selection clipboard > '" + out.string() + "'"}), 0);
    EXPECT_EQ(readAll(out), "Team A");

    // A cell copied in a spreadsheet: another program owns the clipboard, and the paste takes
    // the name without its line break.
    const std::filesystem::path cell = folder / "cell.txt";
    std::ofstream(cell, std::ios::binary) << "北京首钢\n";
    delivery::ChildProcess owner({"/bin/sh", "-c", "exec xclip -quiet -i -selection clipboard '" + cell.string() + "' > /dev/null"},
        delivery::Environment().set("DISPLAY", desktop.display()));
    ASSERT_TRUE(owner.started());
    ASSERT_TRUE(desktop.pumpUntil([&] {
        desktop.run({"/bin/sh", "-c", "xclip -o -selection clipboard > '" + out.string() + "' 2>/dev/null"});
        return readAll(out) == "北京首钢\n";
    })) << "xclip never took the clipboard";
    box.setText("old name");
    ASSERT_EQ(desktop.run({"/usr/bin/xdotool", "key", "ctrl+a", "ctrl+v"}), 0);
    EXPECT_TRUE(desktop.pumpUntil([&] { return box.text() == "北京首钢"; })) << box.text();
}

} // namespace
} // namespace plat::forms::testing
