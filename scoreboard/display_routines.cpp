#include "scoreboard/display_routines.h"
#include "scoreboard/board_faces.h"
#include "scoreboard/board_form.h"
#include "scoreboard/fitted_caption.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"
#include "platform/media/alpha_image.h"
#include "platform/system/file_system.h"
#include "platform/system/text_functions.h"

#include <cstdlib>

namespace scoreboard {

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;

std::string twoDigits(int32_t value) { return (value < 10 ? "0" : "") + std::to_string(value); }

void setLabel(std::string_view name, int index, const std::string& text)
{
    if (auto* label = boardControl<qel::qelLabel>(name, index))
        label->setCaption(text);
}

void setCommandBarVisible(bool visible)
{
    for (int i = 0; i <= 3; ++i)
        if (auto* button = boardControl<qel::qelCommand>("v1", i))
            button->setVisible(visible);
}

void showReferee(int index, const std::string& text)
{
    if (auto* label = boardControl<plat::forms::Label>("zailab", index)) {
        label->setCaption(text);
        label->setVisible(true);
    }
}

void hideReferee(int index)
{
    if (auto* label = boardControl<plat::forms::Label>("zailab", index))
        label->setVisible(false);
}

} // namespace

std::string clockText(int32_t seconds)
{
    const int32_t whole = std::abs(seconds);
    const int32_t minutes = whole / 60;
    return (seconds < 0 ? "-" : "") + twoDigits(minutes) + ":" + twoDigits(whole - minutes * 60);
}

std::string periodPointText(int32_t points)
{
    return points >= 0 && points < 10 ? "0" + std::to_string(points) : std::to_string(points);
}

std::string ShowClock(int32_t seconds)
{
    std::string text = clockText(seconds);
    setLabel("balltime", -1, text);
    return text;
}

std::string ShowClockTenths(int32_t seconds)
{
    std::string text = std::to_string(seconds) + "." + std::to_string(user().clockTenths);
    setLabel("balltime", -1, text);
    return text;
}

void ResetClockDisplay()
{
    MatchState& state = user();
    if (state.clockSeconds >= 60) {
        ShowClock(state.clockSeconds);
    } else {
        state.clockTenths = 0;
        setLabel("balltime", -1, std::to_string(state.clockSeconds) + "." + std::to_string(state.clockTenths));
        state.clockTenths = 1;
    }
    if (auto* clock = boardControl<qel::qelLabel>("balltime"))
        clock->setForeColor(state.clockSeconds <= 9 ? kRed : kGreen);
}

void ShowMatchTitle()
{
    showFitted({boardControl<qel::qelLabel>("titxt", 0), boardControl<qel::qelLabel>("titxt", 1)}, user().matchTitle, kTitlePoints);
}

void ShowTeamNames()
{
    auto name = [](int index) { return boardControl<qel::qelLabel>("ballname", index); };
    showFitted({name(0), name(2)}, user().teamNameA, kTeamNamePoints);
    showFitted({name(1), name(3)}, user().teamNameB, kTeamNamePoints);
}

void ShowScores()
{
    const std::string a = std::to_string(user().scoreA);
    const std::string b = std::to_string(user().scoreB);
    setLabel("ballnumber", 0, a);
    setLabel("ballnumber", 2, a);
    setLabel("ballnumber", 1, b);
    setLabel("ballnumber", 3, b);
}

void ShowPeriod()
{
    if (auto* period = boardControl<plat::forms::Label>("ballmakenum"))
        period->setCaption(std::to_string(user().periodNumber));
}

void ShowPeriodTable()
{
    const MatchState& state = user();
    for (int i = 0; i < 8; ++i)
        setLabel("balldatenum", i, periodPointText(state.periodPoints[size_t(i)]));
    setLabel("balldatenum", 8, periodPointText(state.scoreA));
    setLabel("balldatenum", 9, periodPointText(state.scoreB));
}

void ShowReferees()
{
    const MatchState& state = user();
    const std::string chief(kChiefRefereeWord);
    const std::string assistant(kAssistantRefereeWord);
    if (!state.refereeName1.empty() && state.refereeCount < 4) {
        if (state.refereeCount == 1) {
            showReferee(1, chief + state.refereeName1);
            hideReferee(0);
            hideReferee(2);
            return;
        }
        showReferee(0, assistant + state.refereeName1);
    } else {
        hideReferee(0);
    }
    if (!state.refereeName2.empty() && state.refereeCount > 1)
        showReferee(1, chief + state.refereeName2);
    else
        hideReferee(1);
    if (!state.refereeName3.empty() && state.refereeCount > 2)
        showReferee(2, assistant + state.refereeName3);
    else
        hideReferee(2);
}

void ShowCommandBar() { setCommandBarVisible(true); }
void HideCommandBar() { setCommandBarVisible(false); }

void LoadLogo()
{
    const std::string& path = user().logoPath;
    if (path.empty() || !plat::sys::fileExists(path))
        return;
    for (std::string_view name : {"mainlogo", "logopng", "testpng"})
        if (auto* picture = boardControl<plat::media::AlphaImage>(name))
            picture->loadFromFile(path);
}

int16_t TextWidthUnits(std::string_view text) { return int16_t(plat::sys::ansiWidth(text)); }

} // namespace scoreboard
