#include "music_player_fixture.h"

#include "platform/forms/common_dialog.h"
#include "platform/forms/message_box.h"
#include "platform/forms/open_file_dialog.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/window/virtual_keys.h"

namespace scoreboard::test {
namespace {

// Files added through the menu's open dialog, answered with typed names and keys.
class MusicMenuTest : public MusicPlayerTest {
protected:
    void SetUp() override
    {
        MusicPlayerTest::SetUp();
        source = folder() / "incoming";
        std::filesystem::create_directories(source);
    }

    // Opens the dialog by the menu's "添加" in the folder `from`, types `answer` into its name
    // box and presses Enter (or Esc when the answer is empty).
    void addFiles(const std::string& answer, const std::filesystem::path& from)
    {
        std::filesystem::current_path(from);
        whenIdle({
            [&] {
                ASSERT_NE(plat::forms::OpenFileDialog::current(), nullptr);
                dialogFilter = answer.empty() ? "" : "shown";
                if (answer.empty()) {
                    queueKey(plat::win::VK_ESCAPE);
                    return;
                }
                queueText(answer);
                queueKey(plat::win::VK_RETURN);
            },
        });
        clickOn(control<qel::qelLabel>("mc", 0));
        session->backend().setIdleHandler(nullptr);
    }

    std::vector<std::string> pending()
    {
        auto& names = control<forms::ListBox>("List1");
        std::vector<std::string> out;
        for (int i = 0; i < names.listCount(); ++i)
            out.push_back(names.list(i));
        return out;
    }
    std::vector<std::string> listed()
    {
        std::vector<std::string> out;
        for (int i = 0; i < list().listCount(); ++i)
            out.push_back(list().list(i));
        return out;
    }
    std::string copyText() { return control<forms::Label>("copylab").caption(); }
    bool copyPanelShown() { return control<qel::qelFrame>("mp3aframe").visible(); }

    std::filesystem::path source;
    std::string dialogFilter;
};

TEST_F(MusicMenuTest, ThreeChosenFilesAreListedWholeAndCopiedTwoSecondsLater)
{
    start({{"theme.mp3", 200}});
    for (const char* name : {"a.mp3", "bb.mp3", "ccc.mp3"})
        writeBytes(source / name, std::string("tune ") + name);
    addFiles("\"a.mp3\" \"bb.mp3\" \"ccc.mp3\"", source);

    auto& chooser = control<forms::CommonDialog>("Caddmp3");
    EXPECT_EQ(chooser.filter(), "音乐(*.mp3)|*.mp3");
    EXPECT_EQ(chooser.flags(), 524800);
    EXPECT_EQ(pending(), (std::vector<std::string>{"a.mp3", "bb.mp3", "ccc.mp3"}));
    EXPECT_EQ(player->copySourceFolder(), source.string() + "/");
    EXPECT_TRUE(copyPanelShown());
    EXPECT_EQ(copyText(), "文件总数:3");
    EXPECT_FALSE(std::filesystem::exists(path("music/a.mp3")));

    session->advance(1999);
    EXPECT_FALSE(std::filesystem::exists(path("music/a.mp3")));
    session->advance(1);
    for (const char* name : {"a.mp3", "bb.mp3", "ccc.mp3"})
        EXPECT_EQ(readBytes(path("music") / name), std::string("tune ") + name) << name;
    EXPECT_EQ(copyText(), "已经复制完闭！");
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.mp3", "bb.mp3", "ccc.mp3", "theme.mp3"}));
    EXPECT_EQ(control<qel::qelLabel>("mp3numlab").Caption(), "共:4首");
    EXPECT_EQ(user().currentMp3, "theme.mp3");
    EXPECT_FALSE(control<forms::Timer>("Timer13").enabled());
    EXPECT_TRUE(copyPanelShown());

    session->advance(1000);
    EXPECT_FALSE(copyPanelShown());
    EXPECT_FALSE(control<forms::Timer>("Timer14").enabled());
    // Nothing was loaded or played by the reload.
    EXPECT_EQ(fake->setURLCount, 0);
}

TEST_F(MusicMenuTest, OneFileTypedWithItsFullPathIsCopiedUnderItsName)
{
    start({});
    writeBytes(source / "solo.mp3", "solo");
    addFiles((source / "solo.mp3").string(), folder());
    EXPECT_EQ(pending(), (std::vector<std::string>{"solo.mp3"}));
    session->advance(2000);
    EXPECT_EQ(readBytes(path("music/solo.mp3")), "solo");
    EXPECT_EQ(listed(), (std::vector<std::string>{"solo.mp3"}));
    EXPECT_EQ(user().currentMp3, "solo.mp3");
}

// A name copied from a system of the GBK code page is shown in it, in the list, the copy panel
// and the notices, and its file is found by its bytes; an upper-case extension is a music file
// as much as the dialog lists it: what is copied is listed and plays.
TEST_F(MusicMenuTest, NamesInTheCodePageAndUpperCaseExtensionsAreCopiedListedAndPlayed)
{
    start({});
    writeBytes(source / "\xB1\xC8\xB7\xD6.mp3", "score tune"); // 比分.mp3 in GBK
    writeBytes(source / "ANTHEM.MP3", "anthem");
    addFiles("\"ANTHEM.MP3\" \"比分.mp3\"", source);
    EXPECT_EQ(pending(), (std::vector<std::string>{"ANTHEM.MP3", "比分.mp3"}));
    session->advance(2000);
    EXPECT_EQ(copyText(), "已经复制完闭！");
    EXPECT_EQ(readBytes(path("music/ANTHEM.MP3")), "anthem");
    EXPECT_EQ(readBytes(path("music/比分.mp3")), "score tune");
    EXPECT_EQ(listed(), (std::vector<std::string>{"ANTHEM.MP3", "比分.mp3"}));
    EXPECT_EQ(control<qel::qelLabel>("mp3numlab").Caption(), "共:2首");

    list().setListIndex(1);
    clickOn(control<AlphaImage>("a1", 1));
    EXPECT_EQ(fake->URL(), path("music/比分.mp3").string());
    EXPECT_EQ(user().currentMp3, "比分.mp3");
}

// A pattern typed into the dialog lists every file; the copy still takes only what the music
// list would show, and says which it did not copy.
TEST_F(MusicMenuTest, WhatTheListWouldNotShowIsNotCopied)
{
    start({});
    writeBytes(source / "\xB1\xC8\xB7\xD6.wav", "wave"); // 比分.wav in GBK
    std::filesystem::current_path(source);
    whenIdle({
        [&] {
            queueText("*.*");
            queueKey(plat::win::VK_RETURN);
        },
        [&] {
            plat::forms::OpenFileDialog::current()->nameBox().setText("比分.wav");
            queueKey(plat::win::VK_RETURN);
        },
    });
    clickOn(control<qel::qelLabel>("mc", 0));
    session->backend().setIdleHandler(nullptr);
    EXPECT_EQ(pending(), (std::vector<std::string>{"比分.wav"}));
    session->advance(2000);
    EXPECT_EQ(copyText(), "已经复制完闭！ 未复制(同一文件或无法读写): 比分.wav");
    EXPECT_TRUE(listed().empty());
}

TEST_F(MusicMenuTest, CancellingCopiesNothing)
{
    start({});
    addFiles("", source);
    EXPECT_TRUE(pending().empty());
    EXPECT_FALSE(copyPanelShown());
    EXPECT_FALSE(control<forms::Timer>("Timer13").enabled());
    session->advance(3000);
    EXPECT_EQ(tree(), (std::vector<std::string>{"incoming/", "music/"}));
}

TEST_F(MusicMenuTest, AFileOfTheSameNameInTheMusicFolderIsReplaced)
{
    start({{"a.mp3", 200}});
    writeBytes(path("music/a.mp3"), "the old tune");
    writeBytes(source / "a.mp3", "another");
    writeBytes(source / "b.mp3", "new");
    addFiles("\"a.mp3\" \"b.mp3\"", source);
    session->advance(2000);
    EXPECT_EQ(readBytes(path("music/a.mp3")), "another");
    EXPECT_EQ(readBytes(path("music/b.mp3")), "new");
    EXPECT_EQ(copyText(), "已经复制完闭！");
    EXPECT_EQ(tree(), (std::vector<std::string>{"incoming/", "incoming/a.mp3", "incoming/b.mp3", "music/", "music/a.mp3",
                          "music/b.mp3"}))
        << "no partial copy left behind";
}

TEST_F(MusicMenuTest, FilesChosenFromTheMusicFolderItselfStayWhole)
{
    start({{"a.mp3", 200}});
    writeBytes(path("music/a.mp3"), "whole");
    addFiles("a.mp3", path("music"));
    session->advance(2000);
    EXPECT_EQ(readBytes(path("music/a.mp3")), "whole");
    EXPECT_EQ(copyText(), "已经复制完闭！ 未复制(同一文件或无法读写): a.mp3") << "the same file is not copied onto itself";
}

TEST_F(MusicMenuTest, NamesThatReachOutsideTheMusicFolderAreRefused)
{
    start({});
    writeBytes(source / "a.mp3", "a");
    writeBytes(folder() / "evil.mp3", "evil");
    addFiles("\"a.mp3\" \"../evil.mp3\"", source);
    EXPECT_EQ(pending(), (std::vector<std::string>{"a.mp3"}));
    session->advance(2000);
    EXPECT_EQ(tree(), (std::vector<std::string>{"evil.mp3", "incoming/", "incoming/a.mp3", "music/", "music/a.mp3"}));
}

TEST_F(MusicMenuTest, DeleteAsksAndRemovesTheSelectedFileOnYesOnly)
{
    start({{"a.mp3", 200}, {"b.mp3", 200}});
    clickEntry(1);
    struct Case {
        int answer;
        bool kept;
    };
    for (Case c : {Case{plat::forms::vbNo, true}, Case{plat::forms::vbYes, false}}) {
        std::string text, title;
        whenIdle({[&] {
            plat::forms::MessageBoxForm* box = plat::forms::MessageBoxForm::current();
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->title();
            box->choose(c.answer);
        }});
        clickOn(control<qel::qelLabel>("mc", 1));
        session->backend().setIdleHandler(nullptr);
        EXPECT_EQ(text, "是否删除b.mp3文件?");
        EXPECT_EQ(title, "提示");
        EXPECT_EQ(std::filesystem::exists(path("music/b.mp3")), c.kept);
        session->advance(1000); // the next press is no double click
    }
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.mp3"}));
    EXPECT_EQ(control<qel::qelLabel>("mp3numlab").Caption(), "共:1首");
}

} // namespace
} // namespace scoreboard::test
