#include "common_dialog_fixture.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/label.h"
#include "platform/forms/open_file_dialog.h"
#include "platform/forms/text_box.h"

namespace plat::forms::testing {

using namespace plat::win;

class OpenFileDialogTest : public CommonDialogTest {
protected:
    OpenFileDialogTest()
    {
        for (const char* name : {"a.mp3", "bb.mp3", "ccc.MP3", "d.wma", ".hidden.mp3"})
            touch(folder / name);
        touch(folder / "album" / "e.mp3");
        dialog->setFilter("音乐(*.mp3)|*.mp3|所有文件(*.*)|*.*");
        dialog->setInitDir(folder.string());
    }
    OpenFileDialog& open() { return *OpenFileDialog::current(); }
    std::vector<std::string> listed()
    {
        std::vector<std::string> out;
        for (int i = 0; i < open().fileList().listCount(); ++i)
            out.push_back(open().fileList().list(i));
        return out;
    }
    std::vector<std::string> seen;
};

TEST_F(OpenFileDialogTest, ListsTheFoldersAndTheFilesOfTheFilterAndADoubleClickChooses)
{
    whenIdle({
        [&] {
            seen = listed();
            EXPECT_EQ(open().title(), "打开");
            EXPECT_EQ(open().folder(), folder);
            // The folder shows whole in its tooltip; its end at least in the field.
            EXPECT_EQ(open().folderLabel().toolTipText(), folder.string());
            std::string caption = open().folderLabel().caption();
            std::string tail = folder.string().substr(folder.string().size() - 12);
            EXPECT_EQ(caption.substr(caption.size() - tail.size()), tail);
            EXPECT_EQ(GetFocus(), open().nameBox().hwnd());
            queueClick(entry(open().fileList(), open().entryOf("bb.mp3")), true);
        },
    });
    ASSERT_TRUE(dialog->showOpen());
    // Folders first, then the files whose names end in .mp3 whatever the case; no hidden files.
    EXPECT_EQ(seen, (std::vector<std::string>{"[..]", "[album]", "a.mp3", "bb.mp3", "ccc.MP3"}));
    EXPECT_EQ(dialog->fileName(), (folder / "bb.mp3").string());
    EXPECT_EQ(dialog->fileTitle(), "bb.mp3");
    EXPECT_EQ(dialog->filterIndex(), 1);
    // The chosen file's folder became the current folder.
    EXPECT_EQ(std::filesystem::current_path(), folder);
    EXPECT_EQ(OpenFileDialog::current(), nullptr);
}

TEST_F(OpenFileDialogTest, AMultipleSelectionGivesTheFolderAndTheNamesBetweenNulCharacters)
{
    dialog->setFlags(cdlOFNExplorer | cdlOFNAllowMultiselect); // 524800
    EXPECT_EQ(dialog->flags(), 524800);
    std::string shown;
    whenIdle({
        [&] { queueClick(entry(open().fileList(), open().entryOf("a.mp3"))); },
        [&] { queueShiftClick(entry(open().fileList(), open().entryOf("ccc.MP3"))); },
        [&] {
            shown = open().nameBox().text();
            queueClick(centre(open().openButton()));
        },
    });
    ASSERT_TRUE(dialog->showOpen());
    EXPECT_EQ(shown, "\"a.mp3\" \"bb.mp3\" \"ccc.MP3\"");
    EXPECT_EQ(dialog->fileName(), folder.string() + std::string("\0a.mp3\0bb.mp3\0ccc.MP3", 21));
    EXPECT_EQ(dialog->fileTitle(), "");
    // Split as the program's parser does: the part after the current folder.
    std::string dir = std::filesystem::current_path().string();
    std::string rest = dialog->fileName().substr(dir.size());
    EXPECT_EQ(rest[0], '\0');
}

TEST_F(OpenFileDialogTest, OneFileOfAMultipleSelectionDialogIsItsFullPath)
{
    dialog->setFlags(cdlOFNExplorer | cdlOFNAllowMultiselect);
    whenIdle({
        [&] { queueClick(entry(open().fileList(), open().entryOf("a.mp3"))); },
        [&] { queueShiftClick(entry(open().fileList(), open().entryOf("ccc.MP3")), VK_CONTROL); }, // Ctrl: ccc too
        [&] {
            pause(600);
            queueShiftClick(entry(open().fileList(), open().entryOf("ccc.MP3")), VK_CONTROL); // and off again
        },
        [&] { queueKey(VK_RETURN); },
    });
    ASSERT_TRUE(dialog->showOpen());
    EXPECT_EQ(dialog->fileName(), (folder / "a.mp3").string());
}

TEST_F(OpenFileDialogTest, CancelLeavesTheFileNameAndRaisesTheErrorWhenAskedTo)
{
    dialog->setFileName("");
    whenIdle({[&] { queueKey(VK_ESCAPE); }});
    EXPECT_FALSE(dialog->showOpen());
    EXPECT_EQ(dialog->fileName(), "");
    EXPECT_EQ(std::filesystem::current_path(), before);
    // The cancel button and the close box cancel too.
    whenIdle({[&] { queueClick(centre(open().cancelButton())); }});
    EXPECT_FALSE(dialog->showOpen());
    whenIdle({[&] {
        gfx::Rect box = open().closeBox();
        gfx::Point o = ClientToScreen(open().hwnd(), {0, 0});
        queueClick({o.x + (box.left + box.right) / 2, o.y + (box.top + box.bottom) / 2});
    }});
    EXPECT_FALSE(dialog->showOpen());
    // With CancelError the cancel is an error (number 32755).
    dialog->setCancelError(true);
    whenIdle({[&] { queueKey(VK_ESCAPE); }});
    try {
        dialog->showOpen();
        ADD_FAILURE() << "no error raised";
    } catch (const CommonDialogCancelled& e) {
        EXPECT_EQ(e.number(), 32755);
    }
}

TEST_F(OpenFileDialogTest, FoldersOpenAndTypedNamesPatternsAndFilterChoicesApply)
{
    std::vector<std::string> inAlbum, afterUp, wma, all;
    whenIdle({
        [&] { queueClick(entry(open().fileList(), open().entryOf("album")), true); },
        [&] {
            inAlbum = listed();
            queueClick(entry(open().fileList(), 0), true); // [..]
        },
        [&] {
            afterUp = listed();
            queueClick(centre(open().nameBox()));
            queueText("*.wma");
            queueKey(VK_RETURN);
        },
        [&] {
            wma = listed();
            open().typeBox().setListIndex(1); // 所有文件
        },
        [&] {
            all = listed();
            pause(600);
            queueClick(centre(open().nameBox()));
            queueKey(VK_HOME, true, true);
            queueKey(VK_SHIFT, true, false);
            queueKey(VK_END);
            queueKey(VK_SHIFT, false, true);
            queueText("album");
            queueKey(VK_RETURN); // a folder's name opens it
        },
        [&] {
            EXPECT_EQ(open().folder(), folder / "album");
            EXPECT_EQ(open().nameBox().text(), "");
            queueText("e.mp3");
            queueKey(VK_RETURN);
        },
    });
    ASSERT_TRUE(dialog->showOpen());
    EXPECT_EQ(inAlbum, (std::vector<std::string>{"[..]", "e.mp3"}));
    EXPECT_EQ(afterUp[1], "[album]");
    EXPECT_EQ(wma, (std::vector<std::string>{"[..]", "[album]", "d.wma"}));
    EXPECT_EQ(all, (std::vector<std::string>{"[..]", "[album]", "a.mp3", "bb.mp3", "ccc.MP3", "d.wma"}));
    EXPECT_EQ(dialog->fileName(), (folder / "album" / "e.mp3").string());
    EXPECT_EQ(dialog->filterIndex(), 2);
}

// Folders and files copied from a system of the GBK code page keep their bytes on disk. The
// dialog shows them in the code page, drawn exactly as the same names in UTF-8 are, and chooses
// them by their bytes: from the list, several at once, or typed into the name box.
TEST_F(OpenFileDialogTest, NamesThatAreNotUtf8AreShownInTheCodePageAndChosenByTheirBytes)
{
    const std::string music = "\xD2\xF4\xC0\xD6", score = "\xB1\xC8\xB7\xD6.mp3"; // 音乐, 比分.mp3
    for (const auto& [side, folderName, fileName] : {std::tuple{"gbk", music, score}, std::tuple{"utf8", std::string("音乐"), std::string("比分.mp3")}}) {
        std::filesystem::create_directories(folder / side / folderName);
        touch(folder / side / folderName / fileName);
        touch(folder / side / folderName / "a.mp3");
    }
    dialog->setFlags(cdlOFNExplorer | cdlOFNAllowMultiselect | cdlOFNFileMustExist);
    auto listPixels = [&] {
        std::vector<gfx::Color> pixels;
        const gfx::Rect r = screenRectOf(open().fileList());
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels.push_back(screenAt(x, y));
        return pixels;
    };
    std::vector<std::string> folders, files;
    std::vector<gfx::Color> gbkPixels, utf8Pixels;
    std::string folderShown, shown;

    dialog->setInitDir((folder / "gbk").string());
    whenIdle({
        [&] {
            folders = listed();
            queueClick(entry(open().fileList(), open().entryOf("音乐")), true);
        },
        [&] {
            files = listed();
            folderShown = open().folderLabel().toolTipText();
            queueClick(entry(open().fileList(), open().entryOf("a.mp3")));
        },
        [&] { queueShiftClick(entry(open().fileList(), open().entryOf("比分.mp3")), VK_CONTROL); },
        [&] {
            shown = open().nameBox().text();
            queueClick(centre(open().openButton()));
        },
    });
    ASSERT_TRUE(dialog->showOpen());
    EXPECT_EQ(folders, (std::vector<std::string>{"[..]", "[音乐]"}));
    EXPECT_EQ(files, (std::vector<std::string>{"[..]", "a.mp3", "比分.mp3"}));
    EXPECT_EQ(folderShown, (folder / "gbk" / "音乐").string());
    EXPECT_EQ(shown, "\"a.mp3\" \"比分.mp3\"");
    EXPECT_EQ(dialog->fileName(), (folder / "gbk" / music).string() + '\0' + "a.mp3" + '\0' + score);
    EXPECT_EQ(std::filesystem::current_path(), folder / "gbk" / music);

    // The same names in UTF-8 look the same.
    for (auto [shownFolder, pixels] : {std::pair{folder / "gbk" / music, &gbkPixels}, std::pair{folder / "utf8" / "音乐", &utf8Pixels}}) {
        dialog->setInitDir(shownFolder.string());
        whenIdle({
            [&, pixels = pixels] {
                *pixels = listPixels();
                queueKey(VK_ESCAPE);
            },
        });
        EXPECT_FALSE(dialog->showOpen());
    }
    EXPECT_FALSE(gbkPixels.empty());
    EXPECT_EQ(gbkPixels, utf8Pixels);

    // Typed as it is shown, a single file.
    dialog->setFlags(cdlOFNFileMustExist);
    dialog->setInitDir((folder / "gbk" / music).string());
    whenIdle({
        [&] {
            queueText("比分.mp3");
            queueKey(VK_RETURN);
        },
    });
    ASSERT_TRUE(dialog->showOpen());
    EXPECT_EQ(dialog->fileName(), (folder / "gbk" / music / score).string());
    EXPECT_EQ(dialog->fileTitle(), score);
}

TEST_F(OpenFileDialogTest, AMissingFileIsRefusedWhenItMustExist)
{
    dialog->setFlags(cdlOFNFileMustExist | cdlOFNNoChangeDir);
    std::string message;
    whenIdle({
        [&] {
            queueText("nothing.mp3");
            queueKey(VK_RETURN);
        },
        [&] {
            ASSERT_NE(MessageBoxForm::current(), nullptr);
            message = MessageBoxForm::current()->text();
            queueKey(VK_RETURN); // OK
        },
        [&] {
            EXPECT_TRUE(open().visible());
            open().nameBox().setText("a.mp3");
            queueKey(VK_RETURN);
        },
    });
    ASSERT_TRUE(dialog->showOpen());
    EXPECT_NE(message.find("nothing.mp3"), std::string::npos);
    EXPECT_EQ(dialog->fileName(), (folder / "a.mp3").string());
    // cdlOFNNoChangeDir: the current folder stays.
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(OpenFileDialogTest, ATypedNameMustBeOfTheChosenTypeAsTheListedOnesAre)
{
    touch(folder / "hostname");
    struct Case {
        std::string typed;
        bool refused;
    };
    const Case cases[] = {
        {"d.wma", true},
        {(folder / "hostname").string(), true},
        {"\"a.mp3\" \"d.wma\"", true},
        {"ccc.MP3", false}, // letters match without regard to case, as in the list
    };
    for (const Case& c : cases) {
        std::string message;
        bool refusedThenOpen = false;
        whenIdle({
            [&] {
                queueText(c.typed);
                queueKey(VK_RETURN);
            },
            [&] {
                if (!MessageBoxForm::current())
                    return; // chosen
                message = MessageBoxForm::current()->text();
                queueKey(VK_RETURN); // OK
            },
            [&] {
                if (!OpenFileDialog::current())
                    return;
                refusedThenOpen = open().visible();
                queueKey(VK_ESCAPE);
            },
        });
        dialog->setFileName("");
        dialog->setFlags(cdlOFNExplorer | cdlOFNAllowMultiselect | cdlOFNNoChangeDir);
        const bool chosen = dialog->showOpen();
        EXPECT_EQ(chosen, !c.refused) << c.typed;
        EXPECT_EQ(refusedThenOpen, c.refused) << c.typed;
        if (c.refused) {
            EXPECT_NE(message.find("音乐(*.mp3)"), std::string::npos) << c.typed << ": " << message;
        }
    }
}

TEST(OpenFileDialogNames, QuotedNamesSplit)
{
    struct Case {
        const char* text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"", {}},
        {"  a.mp3 ", {"a.mp3"}},
        {"one two.mp3", {"one two.mp3"}},
        {"\"a.mp3\" \"b c.mp3\"", {"a.mp3", "b c.mp3"}},
        {"\"a.mp3\"\"b.mp3\"", {"a.mp3", "b.mp3"}},
        {"\"unclosed.mp3", {"unclosed.mp3"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpenFileDialog::splitNames(c.text), c.names) << c.text;
}

} // namespace plat::forms::testing

namespace plat::forms::testing {

TEST(FileFilter, ChoicesAndPatterns)
{
    auto f = parseFileFilter("音乐(*.mp3)|*.mp3|声音|*.wav; *.mp3|所有文件(*.*)|*.*");
    ASSERT_EQ(f.size(), size_t(3));
    EXPECT_EQ(f[0].description, "音乐(*.mp3)");
    EXPECT_EQ(f[0].patterns, (std::vector<std::string>{"*.mp3"}));
    EXPECT_EQ(f[1].patterns, (std::vector<std::string>{"*.wav", "*.mp3"}));
    EXPECT_TRUE(parseFileFilter("").empty());
    auto unfinished = parseFileFilter("只有说明");
    ASSERT_EQ(unfinished.size(), size_t(1));
    EXPECT_TRUE(unfinished[0].patterns.empty());
    EXPECT_TRUE(matchesAnyPattern("anything", unfinished[0].patterns));

    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.mp3", "*.mp3", true},    {"A.MP3", "*.mp3", true},       {"a.mp3x", "*.mp3", false}, {"mp3", "*.mp3", false},
        {"noext", "*.*", true},      {"第一首.mp3", "*.mp3", true},  {"ab.txt", "a?.txt", true}, {"abc.txt", "a?.txt", false},
        {"x.tar.gz", "*.gz", true},  {"a.mp3", "a*3", true},         {"", "*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

} // namespace plat::forms::testing
