#include "dialog_fixture.h"

#include "dialogs/key_config_file.h"
#include "dialogs/key_dialog.h"

#include "scoreboard/score_keys.h"
#include "scoreboard/settings_store.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"

namespace dialogs::test {
namespace {

namespace forms = plat::forms;
using scoreboard::user;
using Keys = KeyDialog::Keys;

struct Message {
    std::string text, title;
    bool operator==(const Message&) const = default;
};

class KeyDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        std::filesystem::create_directories(path("date"));
        // Message boxes are written down and answered with OK.
        session->backend().setIdleHandler([this] {
            forms::MessageBoxForm* box = forms::MessageBoxForm::current();
            if (!box)
                return false;
            messages.push_back({box->text(), box->title()});
            box->choose(forms::vbOK);
            return true;
        });
    }

    KeyDialog& openWith(const Keys& keys)
    {
        scoreboard::MatchState& s = user();
        s.keyStartPause = keys[0];
        s.keyAddA = keys[1];
        s.keySubA = keys[2];
        s.keyAddB = keys[3];
        s.keySubB = keys[4];
        return open<KeyDialog>();
    }
    static Keys keysInForce()
    {
        const scoreboard::MatchState& s = user();
        return {s.keyStartPause, s.keyAddA, s.keySubA, s.keyAddB, s.keySubB};
    }
    static std::vector<std::string> boxes(const KeyDialog& dialog)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < KeyDialog::kActionCount; ++i)
            texts.push_back(dialog.get<forms::TextBox>("T1", i).text());
        return texts;
    }
    void pressIn(KeyDialog& dialog, int index, int vk)
    {
        clickOn(dialog.get<forms::TextBox>("T1", index));
        press(vk);
    }
    void clickButton(KeyDialog& dialog, const char* name) { clickOn(dialog.get<qel::qelCommand>(name)); }

    static constexpr Keys kOwnKeys = {13, 81, 87, 79, 80}; // Enter, Q, W, O, P
    std::vector<Message> messages;
};

TEST_F(KeyDialogTest, LoadNamesTheKeysInForce)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    EXPECT_EQ(dialog.caption(), "常用快捷键设置");
    EXPECT_EQ(dialog.get<qel::qelFrame>("Frame1").Caption(), "比赛快捷键");
    EXPECT_EQ(dialog.editedKeys(), KeyDialog::kDefaultKeys);
    EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"回车键", "1 键", "F1 键", "2 键", "F2 键"}));
    dialog.unload();

    KeyDialog& own = openWith({13, 65, 99, 186, 0});
    EXPECT_EQ(boxes(own), (std::vector<std::string>{"回车键", " A 键", "3 数字键", "键码 186", ""}));
}

TEST_F(KeyDialogTest, APressedKeyIsTakenForItsBoxAndNeverTyped)
{
    struct Case {
        int vk;
        std::string shown;
        int16_t code;
    };
    const std::vector<Case> cases = {
        {'Q', "Q 键", 81}, {'A', " A 键", 65}, {'7', "7 键", 55}, {plat::win::VK_NUMPAD0 + 3, "3 数字键", 99},
        {plat::win::VK_F12, "F12 键", 123}, {plat::win::VK_F1 + 15, "F16 键", 127}, {plat::win::VK_ESCAPE, "ESC 键", 27},
        {plat::win::VK_SHIFT, "SHIFT 键", 16}, {plat::win::VK_DELETE, "DEL 键", 46}, {plat::win::VK_ADD, "+ 数字键", 107},
        {plat::win::VK_BACK, "BACKSPACE 键", 8},
        // Keys the name table does not know are taken all the same.
        {186, "键码 186", 186}, {plat::win::VK_LWIN, "键码 91", 91},
    };
    for (const Case& c : cases) {
        KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
        pressIn(dialog, KeyDialog::SubB, c.vk);
        EXPECT_EQ(boxes(dialog)[4], c.shown) << "key " << c.vk;
        EXPECT_EQ(dialog.editedKeys()[4], c.code) << "key " << c.vk;
        EXPECT_EQ(keysInForce(), KeyDialog::kDefaultKeys); // only on apply
        dialog.unload();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(KeyDialogTest, EnterSpaceAndTheArrowsChangeNothingTabMovesOn)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    for (int vk : {plat::win::VK_RETURN, plat::win::VK_SPACE, plat::win::VK_LEFT, plat::win::VK_UP, plat::win::VK_RIGHT,
             plat::win::VK_DOWN}) {
        pressIn(dialog, KeyDialog::AddA, vk);
        EXPECT_EQ(dialog.editedKeys(), KeyDialog::kDefaultKeys) << "key " << vk;
        EXPECT_EQ(boxes(dialog)[1], "1 键") << "key " << vk;
    }
    pressIn(dialog, KeyDialog::AddA, plat::win::VK_TAB);
    EXPECT_EQ(dialog.editedKeys(), KeyDialog::kDefaultKeys);
    EXPECT_EQ(plat::win::GetFocus(), dialog.get<forms::TextBox>("T1", KeyDialog::SubA).hwnd());
    EXPECT_TRUE(messages.empty());
}

TEST_F(KeyDialogTest, TheSignalKeysF5ToF7AreRefusedWithAMessage)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    for (int vk : {plat::win::VK_F5, plat::win::VK_F6, plat::win::VK_F7})
        pressIn(dialog, KeyDialog::AddB, vk);
    EXPECT_EQ(messages, std::vector<Message>(3, Message{"特殊键,已被系统启动！", "提示"}));
    EXPECT_EQ(dialog.editedKeys(), KeyDialog::kDefaultKeys);
    EXPECT_EQ(boxes(dialog)[3], "2 键");
}

TEST_F(KeyDialogTest, AKeyTakenFromAnotherActionLeavesThatActionWithoutAKey)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    pressIn(dialog, KeyDialog::AddB, '1'); // team A's +1
    EXPECT_EQ(dialog.editedKeys(), (Keys{13, 0, 112, 49, 113}));
    EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"回车键", "", "F1 键", "1 键", "F2 键"}));

    // Pressed again in the same box, the key stays where it is.
    pressIn(dialog, KeyDialog::AddB, '1');
    EXPECT_EQ(dialog.editedKeys(), (Keys{13, 0, 112, 49, 113}));
}

TEST_F(KeyDialogTest, SKeyReleasesOnlyTheFirstOtherActionHoldingTheCode)
{
    KeyDialog& dialog = openWith({13, 49, 49, 50, 49}); // a hand-edited file may bind one key twice
    dialog.sKey(49, 2);
    EXPECT_EQ(dialog.editedKeys(), (Keys{13, 0, 49, 50, 49}));
    dialog.sKey(49, 2);
    EXPECT_EQ(dialog.editedKeys(), (Keys{13, 0, 49, 50, 0}));
    dialog.sKey(50, 3);
    EXPECT_EQ(dialog.editedKeys(), (Keys{13, 0, 49, 50, 0}));
    EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"回车键", "", "1 键", "2 键", ""}));
}

TEST_F(KeyDialogTest, ApplyPutsTheKeysInForceAndWritesTheFileByteForByte)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    pressIn(dialog, KeyDialog::AddA, 'Q');
    pressIn(dialog, KeyDialog::SubA, 'W');
    pressIn(dialog, KeyDialog::AddB, 'O');
    pressIn(dialog, KeyDialog::SubB, 'P');
    pressIn(dialog, KeyDialog::StartPause, 'S');
    clickButton(dialog, "qel1");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(keysInForce(), (Keys{83, 81, 87, 79, 80}));
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=81\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n");
    EXPECT_TRUE(messages.empty());

    // The next start reads the four score keys back; the start key is Enter again.
    user() = scoreboard::MatchState{};
    user().keyStartPause = 13;
    scoreboard::LoadKeyConfigDb();
    EXPECT_EQ(keysInForce(), (Keys{13, 81, 87, 79, 80}));
}

// The scoreboard's key handler on a board that only counts.
class CountingBoard final : public scoreboard::ScoringBoard {
public:
    bool periodReportVisible() const override { return false; }
    void startPause() override { ++startPauses; }
    void ShowScores() override {}
    void setScoreSoundTimer(bool) override {}
    bool typingFieldFocused() const override { return false; }
    int startPauses = 0;
};

TEST_F(KeyDialogTest, TheAppliedKeysScoreAndTheOldOnesNoLonger)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    pressIn(dialog, KeyDialog::AddA, 'Q');
    pressIn(dialog, KeyDialog::SubB, 'P');
    pressIn(dialog, KeyDialog::StartPause, 'S');
    clickButton(dialog, "qel1");

    user().optScoreKeys = true;
    user().scoreA = user().scoreB = 5;
    CountingBoard board;
    scoreboard::ScoreKeys keys(board);
    struct Case {
        int vk;
        int16_t scoreA, scoreB;
        int startPauses;
    };
    const std::vector<Case> cases = {
        {'Q', 6, 5, 0}, {'1', 6, 5, 0}, {'P', 6, 4, 0}, {plat::win::VK_F1 + 1, 6, 4, 0}, {'2', 6, 5, 0},
        {'S', 6, 5, 1}, {plat::win::VK_RETURN, 6, 5, 1},
    };
    for (const Case& c : cases) {
        keys.keyDown(c.vk);
        keys.keyUp(c.vk);
        EXPECT_EQ(user().scoreA, c.scoreA) << "key " << c.vk;
        EXPECT_EQ(user().scoreB, c.scoreB) << "key " << c.vk;
        EXPECT_EQ(board.startPauses, c.startPauses) << "key " << c.vk;
    }
}

TEST_F(KeyDialogTest, ApplyRefusesWhileAnActionHasNoUsableKey)
{
    struct Case {
        Keys keys;
        int badBox;
    };
    const std::vector<Case> cases = {
        {{13, 0, 112, 50, 113}, 1},     // released, or never set
        {{13, 49, 112, 49, 113}, 3},    // two actions on one key
        {{13, 49, 112, 50, 255}, 4},    // codes outside 1 to 254
        {{-3, 49, 112, 50, 113}, 0},
        {{13, 49, 300, 50, 113}, 2},
        {{49, 49, 112, 50, 113}, 1},    // the start key counts too
    };
    writeBytes(path("date/keyconfig.db"), "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
    for (const Case& c : cases) {
        messages.clear();
        KeyDialog& dialog = openWith(c.keys);
        clickButton(dialog, "qel1");
        EXPECT_EQ(messages, (std::vector<Message>{Message{"快捷键未设置好!", ""}})) << "bad box " << c.badBox;
        ASSERT_TRUE(dialog.visible());
        EXPECT_EQ(plat::win::GetFocus(), dialog.get<forms::TextBox>("T1", c.badBox).hwnd());
        EXPECT_EQ(keysInForce(), c.keys);
        dialog.unload();
    }
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
}

TEST_F(KeyDialogTest, AReleasedKeyIsRefusedUntilTheActionGetsAnother)
{
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    pressIn(dialog, KeyDialog::AddB, '1');
    clickButton(dialog, "qel1");
    EXPECT_EQ(messages, (std::vector<Message>{Message{"快捷键未设置好!", ""}}));
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(keysInForce(), KeyDialog::kDefaultKeys);
    EXPECT_FALSE(std::filesystem::exists(path("date/keyconfig.db")));

    press('Z'); // the box of team A's +1 has the focus
    EXPECT_EQ(boxes(dialog)[1], "Z 键");
    clickButton(dialog, "qel1");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(keysInForce(), (Keys{13, 90, 112, 49, 113}));
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=90\r\nAoutkey=112\r\nBonkey=49\r\nBoutkey=113\r\n");
}

TEST_F(KeyDialogTest, DefaultsAreShownAndOnlyApplyPutsThemInForce)
{
    const std::string file = "Aonkey=81\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n";
    writeBytes(path("date/keyconfig.db"), file);
    for (const char* closing : {"qel2", "qel1"}) {
        KeyDialog& dialog = openWith(kOwnKeys);
        EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"回车键", "Q 键", "W 键", "O 键", "P 键"}));
        clickButton(dialog, "mocommad");
        EXPECT_EQ(keysInForce(), kOwnKeys);
        EXPECT_EQ(dialog.editedKeys(), KeyDialog::kDefaultKeys);
        EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"回车键", "1 键", "F1 键", "2 键", "F2 键"}));
        clickButton(dialog, closing);
        EXPECT_FALSE(dialog.isLoaded());
        if (std::string(closing) == "qel2") {
            EXPECT_EQ(keysInForce(), kOwnKeys);
            EXPECT_EQ(readBytes(path("date/keyconfig.db")), file);
        } else {
            EXPECT_EQ(keysInForce(), KeyDialog::kDefaultKeys);
            EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
        }
    }
}

// A key file written by hand with a code the reader refuses (300), in a form it does not write
// (&H51), or with a line of no key, is kept as keyconfig.db.bak before 应用 rewrites it; one as
// the program writes it keeps no copy.
TEST_F(KeyDialogTest, ApplyKeepsAKeyFileWithValuesWrittenByHand)
{
    const std::string own = "Aonkey=81\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n";
    for (const auto& [file, kept] : std::vector<std::pair<std::string, bool>>{ { "Aonkey=300\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n", true },
             { "Aonkey=&H51\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n", true }, { own + "# the operator's\r\n", true }, { own, false } }) {
        SCOPED_TRACE(file);
        std::filesystem::remove(path("date/keyconfig.db.bak"));
        writeBytes(path("date/keyconfig.db"), file);
        KeyDialog& dialog = openWith(kOwnKeys);
        clickButton(dialog, "qel1");
        EXPECT_FALSE(dialog.isLoaded());
        EXPECT_EQ(readBytes(path("date/keyconfig.db")), own);
        EXPECT_EQ(std::filesystem::exists(path("date/keyconfig.db.bak")), kept);
        if (kept) {
            EXPECT_EQ(readBytes(path("date/keyconfig.db.bak")), file);
        }
    }
}

TEST_F(KeyDialogTest, CancelAndTheCloseBoxKeepTheKeysAndTheFile)
{
    for (bool closeBox : {false, true}) {
        KeyDialog& dialog = openWith(kOwnKeys);
        pressIn(dialog, KeyDialog::AddA, 'M');
        if (closeBox)
            dialog.close();
        else
            clickButton(dialog, "qel2");
        session->settle();
        EXPECT_FALSE(dialog.isLoaded());
        EXPECT_EQ(keysInForce(), kOwnKeys);
        EXPECT_FALSE(std::filesystem::exists(path("date/keyconfig.db")));
    }
}

TEST_F(KeyDialogTest, AFileThatCannotBeWrittenLeavesTheKeysInForce)
{
    std::filesystem::create_directories(path("date/keyconfig.db")); // a folder in the file's place
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    pressIn(dialog, KeyDialog::AddA, 'Q');
    clickButton(dialog, "qel1");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(user().keyAddA, 81);
    EXPECT_TRUE(std::filesystem::is_directory(path("date/keyconfig.db")));
    EXPECT_TRUE(messages.empty());
}

TEST_F(KeyDialogTest, AMissingDataFolderIsMadeAgainForTheFile)
{
    std::filesystem::remove_all(path("date"));
    KeyDialog& dialog = openWith(KeyDialog::kDefaultKeys);
    clickButton(dialog, "qel1");
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
}

TEST_F(KeyDialogTest, TheKeyNamesAreTheBoardsOwn)
{
    struct Case {
        int16_t code;
        std::string name;
    };
    const std::vector<Case> cases = {
        {13, "回车键"}, {32, "空格键"}, {18, "Alt键"}, {65, " A 键"}, {66, "B 键"}, {0, ""}, {7, "键码 7"},
        {145, "键码 145"}, {200, "键码 200"}, {255, ""}, {110, ".数字键"}, {111, "/数字键"}, {144, "NUM LOCK 键"},
        {10, "键码 10"}, {127, "F16 键"}, {128, "键码 128"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyDialog::ballkey(c.code), c.name) << c.code;
}

TEST_F(KeyDialogTest, OpenedModallyItReturnsOnceApplied)
{
    session->backend().setIdleHandler(nullptr);
    user().keyAddA = 49, user().keySubA = 112, user().keyAddB = 50, user().keySubB = 113;
    whileModal(showKeyDialog, {
        [&] { clickOn(dialogForm("m6")->get<forms::TextBox>("T1", KeyDialog::AddA)); },
        [&] { session->key('K'); },
        [&] { clickOn(dialogForm("m6")->get<qel::qelCommand>("qel1")); },
    });
    EXPECT_EQ(dialogForm("m6"), nullptr);
    EXPECT_EQ(user().keyAddA, 75);
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=75\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
}

TEST(KeyConfigDbLines, FourLinesInTheReadersOrder)
{
    scoreboard::MatchState s;
    s.keyStartPause = 83;
    s.keyAddA = 49;
    s.keySubA = 112;
    s.keyAddB = 50;
    s.keySubB = 113;
    EXPECT_EQ(keyConfigDbLines(s), (std::vector<std::string>{"Aonkey=49", "Aoutkey=112", "Bonkey=50", "Boutkey=113"}));
}

} // namespace
} // namespace dialogs::test
