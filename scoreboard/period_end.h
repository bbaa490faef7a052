#pragma once
#include <cstdint>
#include <string_view>

namespace scoreboard {

// What the end of a period changes on the scoreboard form `main`.
class PeriodEndBoard {
public:
    virtual ~PeriodEndBoard() = default;

    virtual void placePeriodReport() = 0;                                        // `look` at its place
    virtual void setZeroMarkColor(uint32_t color) = 0;                           // borders of `showtime`, `qelf1`, `line8`, `Line11` 2 and 3
    virtual void setReportLines(std::string_view first, std::string_view second) = 0; // `vlook1` 0 and 1
    virtual void showOvertimeLabels(bool visible) = 0;                           // `addtimelab` 0 and 1
    virtual void ResetClockDisplay() = 0;
    virtual void ShowPeriod() = 0;
    virtual void setClockColor(uint32_t color) = 0;                              // `balltime`
    virtual void setStartButtonCaption(std::string_view text) = 0;               // `ok`
    virtual void showPeriodReport() = 0;                                         // `look` shown
    virtual void startReportCountdown() = 0;                                     // `Timer4`
    virtual void bringClockPanelToFront() = 0;                                   // `showtime`
    virtual void inshowfame() = 0;                                               // the notice box with `noticeText`
};

// The notice when the record of a finished match could not be added to the archive.
inline constexpr std::string_view kRecordNotSavedNotice = "比赛记录保存失败!";

// The end of a period: the report with its two lines, the points of the period booked, the next
// period, an overtime after a level fourth period or overtime, or the end of the match with its
// record appended to the archive. The clock then shows the next period's full time, stopped.
void EndOfPeriod(PeriodEndBoard& board);

} // namespace scoreboard
