#pragma once
#include "scoreboard/live_video.h"
#include "scoreboard/logo_chooser.h"
#include "scoreboard/options_panel.h"
#include "scoreboard/record_view.h"

namespace plat::forms {
class Form;
}

namespace scoreboard {

// The panels of `main` that the command bar opens beside the board: the match-record view, the
// options panel with its logo chooser, and the live mode of the media panel. Made once the
// form's controls are there, connected at once, kept while the form is loaded.
class MainPanels {
public:
    // What each panel asks of the rest of the form (the options panel's notice is required);
    // the logo's choice is optional, the open dialog when empty.
    struct Hooks {
        OptionsPanelHooks options;
        RecordViewHooks records;
        std::function<std::optional<std::string>()> chooseLogo;
    };

    MainPanels(plat::forms::Form& main, Hooks hooks);

    RecordView& records() { return m_records; }
    OptionsPanel& options() { return m_options; }
    LogoChooser& logo() { return m_logo; }
    LiveVideo& liveVideo() { return m_liveVideo; }

private:
    RecordView m_records;
    LogoChooser m_logo;
    OptionsPanel m_options;
    LiveVideo m_liveVideo;
};

} // namespace scoreboard
