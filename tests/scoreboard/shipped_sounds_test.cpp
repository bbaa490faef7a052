#include "program_folder_fixture.h"

#include "scoreboard/program_sound.h"
#include "scoreboard/shipped_sounds.h"

namespace scoreboard::test {
namespace {

class ShippedSoundsTest : public ProgramFolderTest {
protected:
    std::filesystem::path shipped() const { return dataHome() / "shipped"; }
};

// What a data folder may hold of a sound, and what it holds after the start.
TEST_F(ShippedSoundsTest, EverySoundThatIsNotTheShippedOneIsRestoredWhole)
{
    struct Case {
        const char* name;
        const char* held; // nullptr: no file
        bool copied;
    } cases[] = {
        { "missing", nullptr, true },
        { "left empty by a full disk", "", true },
        { "cut short", "bel", true },
        { "the same size, other bytes", "bulb", true },
        { "the shipped one", "bell", false },
    };
    writeBytes(shipped() / "sound/yes.wav", "bell");
    writeBytes(shipped() / "sound/notes.txt", "not a sound");
    for (const Case& c : cases) {
        std::filesystem::remove_all(folder() / "sound");
        if (c.held)
            writeBytes(path("sound/yes.wav"), c.held);
        const SoundsRestored restored = restoreShippedSounds(shipped(), folder());
        EXPECT_EQ(restored.copied, c.copied ? 1 : 0) << c.name;
        EXPECT_TRUE(restored.unwritten.empty()) << c.name;
        EXPECT_EQ(tree(), (std::vector<std::string>{ "sound/", "sound/yes.wav" })) << c.name << ": no temporary file is left";
        EXPECT_EQ(readBytes(path("sound/yes.wav")), "bell") << c.name;
        EXPECT_EQ(restoreShippedSounds(shipped(), folder()).copied, 0) << c.name << ": nothing is left to restore";
    }
}

TEST_F(ShippedSoundsTest, ASoundThatCannotBeWrittenIsNamedAndTheOthersStillCome)
{
    writeBytes(shipped() / "sound/2.wav", "start");
    writeBytes(shipped() / "sound/yes.wav", "bell");
    std::filesystem::create_directories(path("sound/2.wav/in the way"));
    const SoundsRestored restored = restoreShippedSounds(shipped(), folder());
    EXPECT_EQ(restored.copied, 1);
    EXPECT_EQ(restored.unwritten, (std::vector<std::filesystem::path>{ path("sound/2.wav") }));
    EXPECT_EQ(readBytes(path("sound/yes.wav")), "bell");
}

TEST_F(ShippedSoundsTest, NothingToCopyFromOrIntoItself)
{
    EXPECT_EQ(restoreShippedSounds(shipped(), folder()).copied, 0);
    EXPECT_TRUE(tree().empty()) << "no empty sound folder is made";
    writeBytes(path("sound/2.wav"), "start");
    EXPECT_EQ(restoreShippedSounds(folder(), folder()).copied, 0);
}

TEST_F(ShippedSoundsTest, AMissingSoundIsToldOnceOnStandardError)
{
    ::testing::internal::CaptureStderr();
    playProgramSound("sound\\nbaf.wav");
    playProgramSound("sound\\nbaf.wav");
    const std::string told = ::testing::internal::GetCapturedStderr();
    const std::string file = path("sound/nbaf.wav").string();
    ASSERT_NE(told.find(file), std::string::npos) << told;
    EXPECT_EQ(told.find(file, told.find(file) + 1), std::string::npos) << "once: " << told;
}

} // namespace
} // namespace scoreboard::test
