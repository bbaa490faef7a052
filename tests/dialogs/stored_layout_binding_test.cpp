#include "board_dialog_fixture.h"

#include "dialogs/clock_dialog.h"
#include "dialogs/key_dialog.h"
#include "dialogs/period_dialog.h"
#include "dialogs/score_dialog.h"
#include "dialogs/teams_dialog.h"
#include "dialogs/title_dialog.h"

#include "platform/forms/label.h"
#include "platform/forms/resources_folder.h"
#include "scoreboard/board_form.h"

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace dialogs::test {
namespace {

// Every stored layout the build ships is loaded by its form, which connects and fills the controls
// it uses by name: a control renamed in a layout, or one the code names wrongly, throws a
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

TEST_F(StoredLayoutBindingTest, AWrongNameOnTheLoadedBoardThrowsNamingTheFormAndTheControl)
{
    EXPECT_EQ(scoreboard::boardControl<forms::Label>("val"), nullptr) << "no board loaded: the routines change the state only";
    loadBoard();
    EXPECT_NE(scoreboard::boardControl<forms::Label>("val"), nullptr);
    for (const auto& [name, index] : std::vector<std::pair<std::string, int>>{{"nosuchlabel", -1}, {"zailab", 99}, {"balltime", -1}}) {
        SCOPED_TRACE(name);
        try {
            scoreboard::boardControl<forms::Label>(name, index); // balltime is a drawn label, not a Label
            ADD_FAILURE() << "no error";
        } catch (const forms::ControlLookupError& e) {
            EXPECT_NE(std::string(e.what()).find("main"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace dialogs::test
