#include "dialog_fixture.h"

#include "dialogs/period_dialog.h"

#include "controls/core/qel_command.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/label.h"

namespace dialogs::test {
namespace {

namespace forms = plat::forms;
using scoreboard::user;

class PeriodDialogTest : public DialogTest {
protected:
    PeriodDialog& openAt(int16_t period, bool overtime = false)
    {
        user().periodNumber = period;
        user().inOvertime = overtime;
        scoreboard::ShowPeriod();
        for (int i : {0, 1})
            control<forms::Label>("addtimelab", i).setVisible(overtime);
        PeriodDialog& dialog = open<PeriodDialog>();
        list = &dialog.get<forms::ComboBox>("C1");
        digit = &dialog.get<qel::qelLabel>("v1");
        return dialog;
    }
    void choose(const std::string& word)
    {
        for (int i = 0; i < list->listCount(); ++i)
            if (list->list(i) == word)
                list->setListIndex(i);
        session->settle();
    }
    void apply(PeriodDialog& dialog) { clickOn(dialog.get<qel::qelCommand>("qelCommand1")); }
    bool overtimeNoticesShown() { return control<forms::Label>("addtimelab", 0).visible() || control<forms::Label>("addtimelab", 1).visible(); }
    std::string boardPeriod() { return control<forms::Label>("ballmakenum").caption(); }

    forms::ComboBox* list = nullptr;
    qel::qelLabel* digit = nullptr;
};

TEST_F(PeriodDialogTest, LoadShowsTheWordAndTheDigitOfThePeriod)
{
    struct Case {
        int16_t period;
        std::string word, digit;
    };
    const std::vector<Case> cases = {
        {1, "第一节", "1"}, {2, "第二节", "2"}, {3, "第三节", "3"}, {4, "第四节", "4"}, {5, "第四节", "5"}, {0, "第四节", "0"},
    };
    for (const Case& c : cases) {
        PeriodDialog& dialog = openAt(c.period);
        EXPECT_EQ(dialog.caption(), "节次设置");
        ASSERT_EQ(list->listCount(), 4);
        EXPECT_EQ(list->list(0), "第一节");
        EXPECT_EQ(list->list(3), "第四节");
        EXPECT_EQ(list->text(), c.word) << c.period;
        EXPECT_EQ(digit->Caption(), c.digit) << c.period;
        dialog.unload();
    }
}

TEST_F(PeriodDialogTest, ChoosingAWordSetsTheDigit)
{
    PeriodDialog& dialog = openAt(2);
    for (const auto& [word, shown] : std::vector<std::pair<std::string, std::string>>{
             {"第三节", "3"}, {"第一节", "1"}, {"第四节", "4"}, {"第二节", "2"}}) {
        choose(word);
        EXPECT_EQ(digit->Caption(), shown) << word;
    }
    EXPECT_EQ(user().periodNumber, 2); // only on apply
    dialog.unload();
}

TEST_F(PeriodDialogTest, ApplySetsThePeriodAndBelowFourEndsTheOvertime)
{
    struct Case {
        int16_t before;
        bool overtime;
        std::string word;
        int16_t after;
        bool overtimeAfter;
    };
    const std::vector<Case> cases = {
        {2, false, "第一节", 1, false},
        {4, true, "第三节", 3, false},
        {4, true, "第四节", 4, true}, // period 4 leaves an overtime running
        {1, false, "第四节", 4, false},
        {5, false, "", 5, false},     // no new choice keeps an odd period
    };
    for (const Case& c : cases) {
        PeriodDialog& dialog = openAt(c.before, c.overtime);
        if (!c.word.empty())
            choose(c.word);
        apply(dialog);
        EXPECT_FALSE(dialog.isLoaded());
        EXPECT_EQ(user().periodNumber, c.after) << c.before << " " << c.word;
        EXPECT_EQ(user().inOvertime, c.overtimeAfter) << c.before << " " << c.word;
        EXPECT_EQ(overtimeNoticesShown(), c.overtimeAfter) << c.before << " " << c.word;
        EXPECT_EQ(boardPeriod(), std::to_string(c.after));
    }
}

TEST_F(PeriodDialogTest, CancelKeepsThePeriod)
{
    PeriodDialog& dialog = openAt(4, true);
    choose("第一节");
    clickOn(dialog.get<qel::qelCommand>("qelCommand2"));
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(user().periodNumber, 4);
    EXPECT_TRUE(user().inOvertime);
    EXPECT_TRUE(overtimeNoticesShown());
}

TEST_F(PeriodDialogTest, ThePeriodCanBeChosenWithTheKeysInTheDroppedList)
{
    PeriodDialog& dialog = openAt(1);
    clickOn(*list);
    ASSERT_TRUE(list->droppedDown());
    press(plat::win::VK_DOWN);
    press(plat::win::VK_DOWN);
    press(plat::win::VK_RETURN);
    EXPECT_EQ(list->text(), "第三节");
    EXPECT_EQ(digit->Caption(), "3");
    apply(dialog);
    EXPECT_EQ(user().periodNumber, 3);
}

TEST_F(PeriodDialogTest, OpenedModallyItReturnsOnceApplied)
{
    user().periodNumber = 1;
    whileModal(showPeriodDialog, {
        [&] { dialogForm("m5")->get<forms::ComboBox>("C1").setListIndex(1); },
        [&] { clickOn(dialogForm("m5")->get<qel::qelCommand>("qelCommand1")); },
    });
    EXPECT_EQ(dialogForm("m5"), nullptr);
    EXPECT_EQ(user().periodNumber, 2);
    EXPECT_EQ(boardPeriod(), "2");
}

} // namespace
} // namespace dialogs::test
