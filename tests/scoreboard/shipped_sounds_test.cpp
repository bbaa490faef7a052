#include "program_folder_fixture.h"

#include "scoreboard/program_sound.h"
#include "scoreboard/shipped_sounds.h"

namespace scoreboard::test {
namespace {

class ShippedSoundsTest : public ProgramFolderTest {
protected:
    std::filesystem::path shipped() const { return dataHome() / "shipped"; }
};

TEST_F(ShippedSoundsTest, AFolderGetsTheSoundsItLacksAndKeepsItsOwn)
{
    writeBytes(shipped() / "sound/2.wav", "start");
    writeBytes(shipped() / "sound/yes.wav", "bell");
    writeBytes(shipped() / "sound/notes.txt", "not a sound");
    writeBytes(path("sound/yes.wav"), "the operator's own bell");
    EXPECT_EQ(restoreShippedSounds(shipped(), folder()), 1);
    EXPECT_EQ(tree(), (std::vector<std::string>{"sound/", "sound/2.wav", "sound/yes.wav"}));
    EXPECT_EQ(readBytes(path("sound/2.wav")), "start");
    EXPECT_EQ(readBytes(path("sound/yes.wav")), "the operator's own bell");
    EXPECT_EQ(restoreShippedSounds(shipped(), folder()), 0) << "nothing is missing any more";
}

TEST_F(ShippedSoundsTest, NothingToCopyFromOrIntoItself)
{
    EXPECT_EQ(restoreShippedSounds(shipped(), folder()), 0);
    EXPECT_TRUE(tree().empty()) << "no empty sound folder is made";
    writeBytes(path("sound/2.wav"), "start");
    EXPECT_EQ(restoreShippedSounds(folder(), folder()), 0);
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
