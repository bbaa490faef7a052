#include "panels_fixture.h"

#include "scoreboard/match_archive.h"
#include "scoreboard/match_record.h"

#include "controls/core/qel_frame.h"
#include "platform/forms/message_box.h"
#include "platform/system/ansi_codec.h"
#include "platform/window/window_system.h"

#include <functional>

namespace scoreboard::test {
namespace {

namespace forms = plat::forms;

StoredMatch storedMatch(int n)
{
    const std::string day = "2026-03-0" + std::to_string(n);
    return StoredMatch{{day + " 09:05:07", "春季杯 第" + std::to_string(n) + "场", "Lions", "VS", "Tigers", "20:18", "18:20",
        "22:20", "20:2" + std::to_string(n), "80:7" + std::to_string(n), n % 2 ? "" : "加时赛"}};
}

std::vector<StoredMatch> storedMatches(std::initializer_list<int> numbers)
{
    std::vector<StoredMatch> matches;
    for (int n : numbers)
        matches.push_back(storedMatch(n));
    return matches;
}

std::string archiveOf(const std::vector<StoredMatch>& matches)
{
    std::string bytes;
    for (const std::string& line : archiveLines(matches))
        bytes += plat::sys::encodeAnsi(line) + "\r\n";
    return bytes;
}

class RecordViewTest : public PanelsTest {
protected:
    // Opens the score sheet and its record list, as the operator does.
    void openList()
    {
        showBoard();
        board->operation()->commandBar().click(CommandBar::ScoreSheet);
        session->settle();
        clickButton("lookdate");
    }

    void writeArchive(const std::vector<StoredMatch>& matches) { writeBytes(matchArchivePath(), archiveOf(matches)); }

    // The rows of the list as the archive would hold them.
    std::vector<StoredMatch> rows()
    {
        std::vector<StoredMatch> out;
        for (int row = 1; row <= list().listItems().count(); ++row) {
            const forms::ListItem& item = *list().listItems().item(row);
            StoredMatch m;
            m.fields[0] = item.text();
            for (int column = 1; column < 11; ++column)
                m.fields[size_t(column)] = item.subItem(column);
            out.push_back(m);
        }
        return out;
    }

    int selectedRow()
    {
        forms::ListItem* item = list().selectedItem();
        return item ? item->index() : 0;
    }

    std::string archive() { return readBytes(matchArchivePath()); }
};

TEST_F(RecordViewTest, TheListHasTheElevenColumnsOfTheRecord)
{
    showBoard();
    const forms::ColumnHeaders& columns = list().columnHeaders();
    ASSERT_EQ(columns.count(), 11);
    const char* headers[] = {"比赛日期", "比赛主题", "球队", "-", "球队", "第一节", "第二节", "第三节", "第四节", "总比分", "备注"};
    // As designed, but the date column as wide as the whole start time needs, which the title
    // column gives up: together they fill the list's 15105 twips as before.
    const double widths[] = {2081, 3400, 1640, 521, 1640, 939, 939, 939, 939, 1040, 1000};
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(columns.item(i)->text(), headers[i - 1]) << i;
    for (int i = 3; i <= 11; ++i)
        EXPECT_EQ(columns.item(i)->width(), widths[i - 1]) << i;
    const double wanted = list().columnWidthToShow("2026/12/28 23:58:58", 1);
    EXPECT_EQ(columns.item(1)->width(), std::max(wanted, 2081.0));
    EXPECT_EQ(columns.item(1)->width() + columns.item(2)->width(), 2081 + 3400);
}

// The date column shows the whole start time, so that two matches of one day can be told apart,
// and the list still shows every column without scrolling.
TEST_F(RecordViewTest, TheDateColumnShowsTheWholeStartTime)
{
    std::vector<StoredMatch> matches = storedMatches({1, 2});
    matches[0].fields[0] = "2026/12/11 10:58:07";
    matches[1].fields[0] = "2026/12/11 10:58:59";
    writeArchive(matches);
    openList();
    session->settle();
    forms::ListView& records = list();
    const plat::gfx::Rect screen = session->windows().screenRect(records.hwnd());
    const int dateWidth = int(records.columnHeaders().item(1)->width() / 15);
    auto datePixels = [&](int row) {
        const plat::gfx::Rect r = records.itemRect(*records.listItems().item(row));
        std::vector<uint32_t> pixels;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.left + dateWidth; ++x)
                pixels.push_back(session->windows().screen().pixel(screen.left + x, screen.top + y));
        return pixels;
    };
    EXPECT_NE(datePixels(1), datePixels(2)) << "the minutes and seconds show";
    for (int row : {1, 2})
        EXPECT_LE(records.columnWidthToShow(records.listItems().item(row)->text(), 1), records.columnHeaders().item(1)->width());
    double total = 0;
    for (int i = 1; i <= records.columnHeaders().count(); ++i)
        total += records.columnHeaders().item(i)->width();
    EXPECT_LE(total, records.width());
}

TEST_F(RecordViewTest, OpeningTheListOfAMissingArchiveMakesItEmpty)
{
    openList();
    EXPECT_EQ(list().listItems().count(), 0);
    ASSERT_TRUE(std::filesystem::exists(matchArchivePath()));
    EXPECT_EQ(archive(), "");
    EXPECT_FALSE(control<qel::qelCommand>("lookdate").visible());
    EXPECT_TRUE(control<qel::qelFrame>("balldate").visible());
    EXPECT_EQ(control<qel::qelFrame>("balldate").height(), 8850) << "down to the bottom strip";
    EXPECT_TRUE(control<qel::qelFrame>("allballdate").visible());
    EXPECT_FALSE(timerOn("Timer6")) << "the list keeps the focus";
    EXPECT_FALSE(control<qel::qelCommand>("qelcom", 0).Enabled()) << "nothing to delete";
}

TEST_F(RecordViewTest, TheListShowsEveryStoredMatchAsTheRecordAppendsIt)
{
    MatchState& state = user();
    state.matchStartTime = "2026-03-01 09:05:07";
    state.matchTitle = "Cup, final";
    state.teamNameA = "篮球社团A队";
    state.teamNameB = "B";
    state.periodPoints = {20, 18, 22, 20, 18, 20, 20, 22};
    state.scoreA = 80;
    state.scoreB = 80;
    state.inOvertime = true;
    ASSERT_TRUE(appendMatchRecord(state));
    state.matchTitle = "Cup";
    state.inOvertime = false;
    ASSERT_TRUE(appendMatchRecord(state));

    openList();
    ASSERT_EQ(list().listItems().count(), 2);
    const forms::ListItem& first = *list().listItems().item(1);
    EXPECT_EQ(first.text(), "2026-03-01 09:05:07");
    const char* expected[] = {"", "Cup, final", "篮球社团A队", "VS", "B", "20:18", "18:20", "22:20", "20:22", "80:80", "加时赛"};
    for (int column = 1; column < 11; ++column)
        EXPECT_EQ(first.subItem(column), expected[column]) << column;
    EXPECT_EQ(list().listItems().item(2)->subItem(1), "Cup");
    EXPECT_EQ(list().listItems().item(2)->subItem(10), "");
    EXPECT_EQ(list().selectedItem(), nullptr) << "no row is selected by the load";

    // A rewrite keeps the comma of the title.
    clickRow(2);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_EQ(plat::sys::decodeAnsi(archive()).find("比赛主题=Cup, final\r\n") != std::string::npos, true);
    EXPECT_EQ(rows().size(), 1u);
}

TEST_F(RecordViewTest, DeletingARowAsksThenRewritesTheArchiveAndSelectsTwoRowsUp)
{
    struct Case {
        int row;
        std::initializer_list<int> left;
        int selected; // afterwards, 0 for none
    };
    const Case cases[] = {{1, {2, 3, 4}, 0}, {2, {1, 3, 4}, 0}, {3, {1, 2, 4}, 1}, {4, {1, 2, 3}, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        writeArchive(storedMatches({1, 2, 3, 4}));
        if (!board)
            openList();
        else
            clickButton("qelcom", 2);
        ASSERT_EQ(list().listItems().count(), 4);
        clickRow(c.row);
        ASSERT_EQ(selectedRow(), c.row);
        questions.clear();
        answers = {true};
        clickButton("qelcom", 0);
        EXPECT_EQ(questions, (std::vector<std::string>{"提示: 是否要删除该数据?"}));
        EXPECT_EQ(rows(), storedMatches(c.left));
        EXPECT_EQ(selectedRow(), c.selected);
        EXPECT_EQ(archive(), archiveOf(storedMatches(c.left)));
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(std::filesystem::exists(archiveBackupPath(matchArchivePath()))) << "nothing needed keeping";
}

TEST_F(RecordViewTest, CancelOrNoSelectionDeletesNothing)
{
    writeArchive(storedMatches({1, 2}));
    const std::string before = archive();
    openList();
    clickButton("qelcom", 0);
    EXPECT_TRUE(questions.empty()) << "no row chosen: nothing to ask about";
    clickRow(2);
    answers = {false};
    clickButton("qelcom", 0);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(rows(), storedMatches({1, 2}));
    EXPECT_EQ(archive(), before);
}

TEST_F(RecordViewTest, DeletingTheLastRowLeavesAnEmptyArchive)
{
    writeArchive(storedMatches({1}));
    openList();
    clickRow(1);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_EQ(list().listItems().count(), 0);
    EXPECT_EQ(archive(), "");
    clickOn(list());
    EXPECT_FALSE(control<qel::qelCommand>("qelcom", 0).Enabled());
}

TEST_F(RecordViewTest, ClearingAllAsksAndLeavesOneEmptyLine)
{
    writeArchive(storedMatches({1, 2, 3}));
    openList();
    answers = {false};
    clickButton("qelcom", 1);
    EXPECT_EQ(questions, (std::vector<std::string>{"提示: 是否清空全部数据?"}));
    EXPECT_EQ(list().listItems().count(), 3);

    answers = {true};
    clickButton("qelcom", 1);
    EXPECT_EQ(list().listItems().count(), 0);
    EXPECT_EQ(archive(), "\r\n");

    // An archive of one empty line lists nothing, and clearing it again asks nothing.
    clickButton("qelcom", 2);
    EXPECT_EQ(list().listItems().count(), 0);
    questions.clear();
    clickButton("qelcom", 1);
    EXPECT_TRUE(questions.empty());
}

TEST_F(RecordViewTest, AMatchEndedSinceTheListWasReadIsNotLostByADeletion)
{
    writeArchive(storedMatches({1, 2}));
    openList();
    // The clock runs on behind the panels: a match ends and its record is appended.
    user().matchStartTime = "2026-03-09 20:00:00";
    user().matchTitle = "Evening";
    ASSERT_TRUE(appendMatchRecord(user()));
    const std::string withNewMatch = archive();

    clickRow(1);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_EQ(archive(), withNewMatch) << "nothing deleted from a list that was out of date";
    EXPECT_EQ(messages, (std::vector<std::string>{"提示: " + std::string(kArchiveChangedMessage)}));
    ASSERT_EQ(list().listItems().count(), 3) << "read again";
    EXPECT_EQ(list().listItems().item(3)->subItem(1), "Evening");

    // The same for clearing all.
    ASSERT_TRUE(appendMatchRecord(user()));
    answers = {true};
    clickButton("qelcom", 1);
    EXPECT_EQ(list().listItems().count(), 4);
    EXPECT_NE(archive(), "\r\n");

    // Once the list is current, the deletion goes through.
    clickRow(1);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_EQ(list().listItems().count(), 3);
    EXPECT_EQ(parseArchive(plat::sys::decodeAnsi(archive())).size(), 3u);
}

TEST_F(RecordViewTest, ADamagedArchiveIsListedAsFarAsItGoesAndKeptBesideTheRewrite)
{
    const std::string damaged = plat::sys::encodeAnsi("球队1=orphan\r\n") + archiveOf(storedMatches({1, 2}))
        + "\xFF\xFE garbage\r\n" + plat::sys::encodeAnsi("比赛时间=2026-03-09 20:00:00\r\n比赛主题=cut off\r\n");
    writeBytes(matchArchivePath(), damaged);
    openList();
    ASSERT_EQ(list().listItems().count(), 3);
    EXPECT_EQ(rows()[0], storedMatch(1));
    EXPECT_EQ(list().listItems().item(3)->subItem(1), "cut off");
    EXPECT_EQ(list().listItems().item(3)->subItem(3), "VS") << "as every record shows it, and as a rewrite keeps it";

    clickRow(2);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_EQ(readBytes(archiveBackupPath(matchArchivePath())), damaged) << "the damaged file kept whole";
    std::vector<StoredMatch> left{storedMatch(1), rows()[1]};
    EXPECT_EQ(archive(), archiveOf(left)) << "whole records only";
    EXPECT_EQ(rows(), left);

    // The rewritten archive is whole: a further deletion needs no copy.
    std::filesystem::remove(archiveBackupPath(matchArchivePath()));
    clickRow(1);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_FALSE(std::filesystem::exists(archiveBackupPath(matchArchivePath())));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordViewTest, ClearingAllOverLinesOutsideRecordsKeepsTheArchiveFirst)
{
    const std::string damaged = plat::sys::encodeAnsi("球队1=orphan\r\n") + archiveOf(storedMatches({1, 2})) + "garbage\r\n";
    writeBytes(matchArchivePath(), damaged);
    openList();
    answers = {true};
    ::testing::internal::CaptureStderr();
    clickButton("qelcom", 1);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(archive(), "\r\n");
    EXPECT_EQ(readBytes(archiveBackupPath(matchArchivePath())), damaged);
    EXPECT_NE(told.find(archiveBackupPath(matchArchivePath()).string()), std::string::npos) << told;
}

TEST_F(RecordViewTest, WhenTheArchiveCannotBeKeptItIsNotRewritten)
{
    const std::string damaged = archiveOf(storedMatches({1, 2})) + "garbage\r\n";
    writeBytes(matchArchivePath(), damaged);
    // Nothing can be put where the copy goes.
    std::filesystem::create_directories(archiveBackupPath(matchArchivePath()) / "in-the-way");
    openList();
    clickRow(1);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_EQ(archive(), damaged);
    EXPECT_EQ(messages, (std::vector<std::string>{"错误提示: " + std::string(kArchiveUnwritableMessage)}));
    EXPECT_EQ(rows(), storedMatches({1, 2})) << "the list shows the archive again";
}

TEST_F(RecordViewTest, AnArchiveThatCannotBeReadIsNeitherListedNorOverwritten)
{
    writeArchive(storedMatches({1, 2}));
    openList();
    ASSERT_EQ(list().listItems().count(), 2);
    // The archive goes away from under the list, and something unreadable takes its place.
    std::filesystem::remove(matchArchivePath());
    std::filesystem::create_directories(matchArchivePath());
    clickRow(1);
    answers = {true};
    clickButton("qelcom", 0);
    EXPECT_TRUE(std::filesystem::is_directory(matchArchivePath()));
    EXPECT_EQ(list().listItems().count(), 0);
    EXPECT_EQ(messages.size(), 1u);
    messages.clear();
    clickButton("qelcom", 1);
    EXPECT_TRUE(messages.empty()) << "nothing listed, nothing to clear";
}

TEST_F(RecordViewTest, RefreshReadsTheArchiveAgain)
{
    writeArchive(storedMatches({1}));
    openList();
    writeArchive(storedMatches({1, 2, 3}));
    EXPECT_EQ(list().listItems().count(), 1);
    clickButton("qelcom", 2);
    EXPECT_EQ(rows(), storedMatches({1, 2, 3}));
}

TEST_F(RecordViewTest, ClicksInTheListSetTheDeleteButtonAndItsFocusHoldsTheFocusKeeper)
{
    writeArchive(storedMatches({1}));
    openList();
    qel::qelCommand& remove = control<qel::qelCommand>("qelcom", 0);
    remove.setEnabled(false);
    clickRow(1);
    EXPECT_TRUE(remove.Enabled());
    EXPECT_FALSE(timerOn("Timer6"));
    control<qel::qelCommand>("ok").setFocus();
    session->settle();
    EXPECT_TRUE(timerOn("Timer6")) << "the list lost the focus";
    list().setFocus();
    session->settle();
    EXPECT_FALSE(timerOn("Timer6"));
}

TEST_F(RecordViewTest, BackPutsTheFrameBackToTheClockPanelsHeight)
{
    writeArchive(storedMatches({1, 2}));
    openList();
    clickButton("backer");
    const qel::qelFrame& frame = control<qel::qelFrame>("balldate");
    EXPECT_EQ(frame.height(), control<qel::qelFrame>("showtime").height());
    EXPECT_TRUE(frame.visible());
    EXPECT_TRUE(control<qel::qelCommand>("lookdate").visible());
    EXPECT_TRUE(timerOn("Timer6"));
    EXPECT_EQ(list().listItems().count(), 2) << "the list is left as it was";
}

TEST_F(RecordViewTest, TheLogoReturnsToMatchMode)
{
    openList();
    control<plat::forms::Timer>("Timer8").setEnabled(true);
    // The enlarged frame covers the top of the logo.
    const plat::gfx::Rect logo = session->windows().screenRect(control<plat::media::AlphaImage>("mainlogo").hwnd());
    session->click(logo.left + logo.width() / 2, logo.bottom - 4);
    session->settle();
    EXPECT_EQ(control<qel::qelFrame>("balldate").height(), control<qel::qelFrame>("showtime").height());
    EXPECT_FALSE(timerOn("Timer8"));
    EXPECT_TRUE(timerOn("Timer6")) << "match mode";
    EXPECT_TRUE(control<qel::qelFrame>("showtime").visible());
}

TEST_F(RecordViewTest, TheQuestionIsAMessageBoxWhenNoOneElseAnswers)
{
    writeArchive(storedMatches({1, 2}));
    showBoard();
    MainPanels::Hooks noAnswers;
    noAnswers.options.notice = [](std::string_view) { };
    panels = std::make_unique<MainPanels>(*board, std::move(noAnswers));
    board->operation()->commandBar().click(CommandBar::ScoreSheet);
    session->settle();
    clickButton("lookdate");
    clickRow(1);
    std::string asked;
    // Answers the box once it shows.
    int rounds = 0;
    std::function<void()> answer = [&] {
        forms::MessageBoxForm* box = forms::MessageBoxForm::current();
        if (!box) {
            if (++rounds < 1000)
                session->windows().postTask(answer);
            return;
        }
        asked = box->title() + ": " + box->text();
        box->choose(forms::vbOK);
    };
    session->windows().postTask(answer);
    clickButton("qelcom", 0);
    EXPECT_EQ(asked, "提示: 是否要删除该数据?");
    EXPECT_EQ(rows(), storedMatches({2}));
}

} // namespace
} // namespace scoreboard::test
