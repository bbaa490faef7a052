#include "scoreboard/main_form.h"
#include "scoreboard/match_reset.h"
#include "scoreboard/match_state.h"
#include "scoreboard/option_file.h"
#include "scoreboard/settings_store.h"

#include "platform/window/api.h"

#include <algorithm>
#include <cstdio>

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr double kScreenWidthTwips = 1024 * 15;
constexpr double kScreenHeightTwips = 768 * 15;

forms::Label& addText(forms::Form& form, std::string name, double top, double height, double points)
{
    forms::Label& label = form.add<forms::Label>(std::move(name));
    label.move(0, top, kScreenWidthTwips, height);
    label.setAlignment(2);
    label.setBackStyle(0);
    label.setForeColor(0x00FFFF);
    forms::FontDesc font;
    font.name = "黑体";
    font.size = points;
    font.setBold(true);
    label.setFont(font);
    return label;
}

} // namespace

MainForm::MainForm()
    : Form("main", {})
{
    setCaption("篮球比赛计分系统");
    setBackColor(0x000000);
    move(0, 0, kScreenWidthTwips, kScreenHeightTwips);
    setMainWindow(true);
}

MainForm::~MainForm()
{
    if (scoreboardView() == this)
        setScoreboardView(nullptr);
}

void MainForm::onLoad()
{
    m_title = &addText(*this, "titxt", 1200, 1200, 36);
    m_clock = &addText(*this, "balltime", 3000, 2400, 72);
    forms::FontDesc clockFont = m_clock->font();
    clockFont.name = "DS-Digital";
    m_clock->setFont(clockFont);
    m_clock->setForeColor(0x0000FF);
    m_scores = &addText(*this, "ballnumber", 6600, 1800, 48);
    setScoreboardView(this);
    prepareMatchAtLoad();
    m_title->setCaption(user().matchTitle);
    ResetClockDisplay();
    ShowScores();
}

void MainForm::ShowScores()
{
    if (!m_scores)
        return;
    const MatchState& s = user();
    m_scores->setCaption(s.teamNameA + "  " + std::to_string(s.scoreA) + " : " + std::to_string(s.scoreB) + "  " + s.teamNameB);
}

void MainForm::ResetClockDisplay()
{
    if (!m_clock)
        return;
    const int32_t seconds = std::max<int32_t>(0, user().clockSeconds);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", int(seconds / 60), int(seconds % 60));
    m_clock->setCaption(text);
}

void MainForm::systemopen()
{
    load();
    readOptionFile();
}

void MainForm::onUnload(int& cancel)
{
    (void)cancel;
    SaveConfigDb();
    if (scoreboardView() == this)
        setScoreboardView(nullptr);
    m_title = m_clock = m_scores = nullptr;
    plat::win::PostQuitMessage(0);
}

} // namespace scoreboard
