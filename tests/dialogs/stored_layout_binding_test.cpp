#include "board_dialog_fixture.h"

#include "dialogs/clock_dialog.h"
#include "dialogs/key_dialog.h"
#include "dialogs/period_dialog.h"
#include "dialogs/score_dialog.h"
#include "dialogs/teams_dialog.h"
#include "dialogs/title_dialog.h"

#include "controls/core/qel_label.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/label.h"
#include "platform/forms/resources_folder.h"
#include "scoreboard/board_form.h"
#include "scoreboard/command_bar.h"
#include "scoreboard/live_video.h"
#include "scoreboard/logo_chooser.h"
#include "scoreboard/main_operation.h"
#include "scoreboard/menu_row.h"
#include "scoreboard/options_panel.h"
#include "scoreboard/record_view.h"
#include "scoreboard/main_clock_board.h"
#include "scoreboard/music_player.h"

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace dialogs::test {
namespace {

// Every stored layout the build ships is loaded by its form, which binds the controls it uses
// once at its load: a control renamed in a layout, or one the code names wrongly, throws a
// ControlLookupError naming the form and the control, which fails here.
class StoredLayoutBindingTest : public BoardDialogTest {
protected:
    using Open = std::function<forms::Form&(StoredLayoutBindingTest&)>;

    template<class Dialog>
    static Open dialogOf()
    {
        return [](StoredLayoutBindingTest& t) -> forms::Form& { return t.openDialog<Dialog>(); };
    }

    const std::map<std::string, Open> forms_ = {
        {"main",
            [](StoredLayoutBindingTest& t) -> forms::Form& {
                if (t.board && t.board->isLoaded())
                    t.board->unload();
                return t.loadBoard();
            }},
        {"m1", dialogOf<TitleDialog>()},
        {"m2", dialogOf<ClockDialog>()},
        {"m3", dialogOf<TeamsDialog>()},
        {"m4", dialogOf<ScoreDialog>()},
        {"m5", dialogOf<PeriodDialog>()},
        {"m6", dialogOf<KeyDialog>()},
    };
};

TEST_F(StoredLayoutBindingTest, EveryShippedLayoutLoadsWithTheControlsItsFormUses)
{
    std::set<std::string> shipped;
    for (const auto& entry : std::filesystem::directory_iterator(forms::resourcesFolder() / "forms"))
        if (entry.path().extension() == ".json")
            shipped.insert(entry.path().stem().string());
    ASSERT_FALSE(shipped.empty());
    for (const std::string& name : shipped) {
        SCOPED_TRACE(name);
        auto open = forms_.find(name);
        ASSERT_NE(open, forms_.end()) << "a shipped layout no form of the program loads";
        if (dialogLoaded())
            dialog().unload();
        forms::Form* form = nullptr;
        EXPECT_NO_THROW(form = &open->second(*this));
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isLoaded());
        EXPECT_EQ(form->layoutFile(), forms::resourcesFolder() / "forms" / (name + ".json"));
    }
}

// A shipped layout in which one control (or one item of a control array) no longer has the name
// the code binds: the layout as it ships, that name changed in memory, written into the test's
// program folder for a form to load.
class RenamedControlTest : public BoardDialogTest {
protected:
    std::filesystem::path shippedLayoutRenaming(const std::string& form, const std::string& control, int index)
    {
        forms::FormLayout layout = forms::readLayout(forms::formLayoutPath(form));
        int renamed = 0;
        std::function<void(std::vector<forms::ControlLayout>&)> rename = [&](std::vector<forms::ControlLayout>& entries) {
            for (forms::ControlLayout& entry : entries) {
                if (entry.name == control && entry.index == index) {
                    entry.name += "Renamed";
                    ++renamed;
                }
                rename(entry.controls);
            }
        };
        rename(layout.controls);
        EXPECT_EQ(renamed, 1) << control << " " << index;
        const std::filesystem::path file = path(form + "-renamed.json");
        forms::writeLayout(layout, file);
        return file;
    }
};

TEST_F(RenamedControlTest, BindingAtLoadThrowsNamingTheFormAndTheControl)
{
    using Bind = std::function<void(const forms::Form&)>;
    struct Case {
        std::string form;
        std::string control;
        int index;
        Bind bind;
    };
    const Bind board = [](const forms::Form& f) { scoreboard::bindBoardControls(f); };
    const Bind clock = [](const forms::Form& f) { scoreboard::bindClockControls(f); };
    const Bind music = [](const forms::Form& f) { scoreboard::bindMusicControls(f); };
    const Bind commandBar = [](const forms::Form& f) { scoreboard::bindCommandBarControls(f); };
    const Bind menuRow = [](const forms::Form& f) { scoreboard::bindMenuRowControls(f); };
    const Bind operation = [](const forms::Form& f) { scoreboard::bindOperationControls(f); };
    const Bind records = [](const forms::Form& f) { scoreboard::bindRecordViewControls(f); };
    const Bind options = [](const forms::Form& f) { scoreboard::bindOptionsPanelControls(f); };
    const Bind logo = [](const forms::Form& f) { scoreboard::bindLogoChooserControls(f); };
    const Bind liveVideo = [](const forms::Form& f) { scoreboard::bindLiveVideoControls(f); };
    const Bind title = [](const forms::Form& f) { bindTitleDialogControls(f); };
    const Bind clockDialog = [](const forms::Form& f) { bindClockDialogControls(f); };
    const Bind teams = [](const forms::Form& f) { bindTeamsDialogControls(f); };
    const Bind score = [](const forms::Form& f) { bindScoreDialogControls(f); };
    const Bind period = [](const forms::Form& f) { bindPeriodDialogControls(f); };
    const Bind keys = [](const forms::Form& f) { bindKeyDialogControls(f); };
    const std::vector<Case> cases{
        {"main", "balltime", -1, board},
        {"main", "zailab", 2, board}, // an item the referee line reaches by its index
        {"main", "look", -1, board},
        {"main", "vtime", -1, clock},
        {"main", "Line11", 3, clock},
        {"main", "mf1", -1, music},
        {"main", "a1", 4, music},
        {"main", "on1", 6, commandBar}, // the exit item
        {"main", "ballnumfa", -1, commandBar},
        {"main", "lab", 9, menuRow},
        {"main", "Sh1", -1, menuRow},
        {"main", "v1", 3, operation},
        {"main", "balllist1", -1, records},
        {"main", "lookdate", -1, records},
        {"main", "sqel1", 7, options},
        {"main", "commopen", -1, logo},
        {"main", "videlook", -1, liveVideo},
        {"m1", "Cmmb2", -1, title},
        {"m1", "L1", 5, title}, // the count line, apart from the rows' captions 0 and 1
        {"m2", "T1", 1, clockDialog},
        {"m3", "Text1", 2, teams},
        {"m4", "OKcommd", -1, score},
        {"m5", "v1", -1, period},
        {"m6", "T1", 4, keys},
    };
    startSession(1024, 768);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control + " " + std::to_string(c.index));
        forms::Form form{c.form, shippedLayoutRenaming(c.form, c.control, c.index)};
        form.load();
        try {
            c.bind(form);
            ADD_FAILURE() << "bound without the control";
        } catch (const forms::ControlLookupError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("form " + c.form + " "), std::string::npos) << what;
            EXPECT_NE(what.find("\"" + c.control + "\""), std::string::npos) << what;
            if (c.index >= 0) {
                EXPECT_NE(what.find("index " + std::to_string(c.index)), std::string::npos) << what;
            }
        }
        form.unload();
    }
}

TEST_F(StoredLayoutBindingTest, TheBoardsControlsAreThereOnlyWhileItIsLoaded)
{
    EXPECT_EQ(scoreboard::boardControls(), nullptr) << "no board loaded: the routines change the state only";
    loadBoard();
    ASSERT_NE(scoreboard::boardControls(), nullptr);
    EXPECT_EQ(&scoreboard::boardControls()->balltime, &board->get<qel::qelLabel>("balltime"));
    board->unload();
    EXPECT_EQ(scoreboard::boardControls(), nullptr);
}

} // namespace
} // namespace dialogs::test
