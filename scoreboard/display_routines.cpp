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

void setCommandBarVisible(bool visible)
{
    if (const BoardControls* board = boardControls())
        for (int i = 0; i <= 3; ++i)
            board->v1[i].setVisible(visible);
}

void showReferee(const BoardControls& board, int index, const std::string& text)
{
    board.zailab[index].setCaption(text);
    board.zailab[index].setVisible(true);
}

void hideReferee(const BoardControls& board, int index) { board.zailab[index].setVisible(false); }

void showClockText(const std::string& text)
{
    if (const BoardControls* board = boardControls())
        board->balltime.setCaption(text);
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
    showClockText(text);
    return text;
}

std::string ShowClockTenths(int32_t seconds)
{
    std::string text = std::to_string(seconds) + "." + std::to_string(user().clockTenths);
    showClockText(text);
    return text;
}

void ResetClockDisplay()
{
    MatchState& state = user();
    if (state.clockSeconds >= 60) {
        ShowClock(state.clockSeconds);
    } else {
        state.clockTenths = 0;
        showClockText(std::to_string(state.clockSeconds) + "." + std::to_string(state.clockTenths));
        state.clockTenths = 1;
    }
    if (const BoardControls* board = boardControls())
        board->balltime.setForeColor(state.clockSeconds <= 9 ? kRed : kGreen);
}

void ShowMatchTitle()
{
    const BoardControls* board = boardControls();
    if (!board)
        return;
    showFitted({&board->titxt[0], &board->titxt[1]}, user().matchTitle, kTitlePoints);
}

void ShowTeamNames()
{
    const BoardControls* board = boardControls();
    if (!board)
        return;
    const auto& name = board->ballname;
    showFitted({&name[0], &name[2]}, user().teamNameA, kTeamNamePoints);
    showFitted({&name[1], &name[3]}, user().teamNameB, kTeamNamePoints);
}

void ShowScores()
{
    const BoardControls* board = boardControls();
    if (!board)
        return;
    const std::string a = std::to_string(user().scoreA);
    const std::string b = std::to_string(user().scoreB);
    for (int i : {0, 2})
        board->ballnumber[i].setCaption(a);
    for (int i : {1, 3})
        board->ballnumber[i].setCaption(b);
}

void ShowPeriod()
{
    if (const BoardControls* board = boardControls())
        board->ballmakenum.setCaption(std::to_string(user().periodNumber));
}

void ShowPeriodTable()
{
    const BoardControls* board = boardControls();
    if (!board)
        return;
    const MatchState& state = user();
    for (int i = 0; i < 8; ++i)
        board->balldatenum[i].setCaption(periodPointText(state.periodPoints[size_t(i)]));
    board->balldatenum[8].setCaption(periodPointText(state.scoreA));
    board->balldatenum[9].setCaption(periodPointText(state.scoreB));
}

void ShowReferees()
{
    const BoardControls* board = boardControls();
    if (!board)
        return;
    const MatchState& state = user();
    const std::string chief(kChiefRefereeWord);
    const std::string assistant(kAssistantRefereeWord);
    if (!state.refereeName1.empty() && state.refereeCount < 4) {
        if (state.refereeCount == 1) {
            showReferee(*board, 1, chief + state.refereeName1);
            hideReferee(*board, 0);
            hideReferee(*board, 2);
            return;
        }
        showReferee(*board, 0, assistant + state.refereeName1);
    } else {
        hideReferee(*board, 0);
    }
    if (!state.refereeName2.empty() && state.refereeCount > 1)
        showReferee(*board, 1, chief + state.refereeName2);
    else
        hideReferee(*board, 1);
    if (!state.refereeName3.empty() && state.refereeCount > 2)
        showReferee(*board, 2, assistant + state.refereeName3);
    else
        hideReferee(*board, 2);
}

void ShowCommandBar() { setCommandBarVisible(true); }
void HideCommandBar() { setCommandBarVisible(false); }

void LoadLogo()
{
    const std::string& path = user().logoPath;
    if (path.empty() || !plat::sys::fileExists(path))
        return;
    if (const BoardControls* board = boardControls())
        for (plat::media::AlphaImage* picture : {&board->mainlogo, &board->logopng, &board->testpng})
            picture->loadFromFile(path);
}

int16_t TextWidthUnits(std::string_view text) { return int16_t(plat::sys::ansiWidth(text)); }

} // namespace scoreboard
