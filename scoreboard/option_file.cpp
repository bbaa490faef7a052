#include "scoreboard/option_file.h"
#include "scoreboard/scoreboard_view.h"
#include "scoreboard/settings_store.h"

#include "platform/system/text_reader.h"

#include <optional>

namespace scoreboard {

namespace {

constexpr size_t kStopMusicPosition = 5;
constexpr size_t kScoreButtonsPosition = 4;
constexpr size_t kBacklightPosition = 6;

} // namespace

bool& optionSwitch(MatchState& state, size_t position)
{
    switch (position) {
    case 0: return state.optTenSecondBeep;
    case 1: return state.optEndBell;
    case 2: return state.optScoreSound;
    case 3: return state.optScoreKeys;
    case 4: return state.optScoreButtons;
    case 5: return state.optStopMusicOnStart;
    case 6: return state.optScoreBacklight;
    default: return state.optCloseVideoOnStart;
    }
}

std::array<std::string, 8> readOptionValues()
{
    std::array<std::string, 8> values;
    std::optional<plat::sys::TextReader> reader = plat::sys::TextReader::open(systemDbPath());
    if (!reader)
        return values;
    for (std::string& value : values) {
        std::optional<std::string> read = reader->readValue();
        if (!read)
            break;
        value = std::move(*read);
    }
    return values;
}

void applyOptionValues(const std::array<std::string, 8>& values)
{
    MatchState& state = user();
    for (size_t position = 0; position < values.size(); ++position) {
        const std::string key(kOptionKeys[position]);
        optionSwitch(state, position) = position == kStopMusicPosition ? values[position] == key + "=True"
                                                                       : values[position] != key + "=False";
        ScoreboardView* view = scoreboardView();
        if (view && position == kScoreButtonsPosition) {
            if (state.optScoreButtons)
                view->ShowCommandBar();
            else
                view->HideCommandBar();
        }
        if (view && position == kBacklightPosition)
            view->showScoreBacklight(state.optScoreBacklight);
    }
}

void readOptionFile() { applyOptionValues(readOptionValues()); }

} // namespace scoreboard
