#pragma once
#include "scoreboard/match_archive.h"

#include "platform/forms/control_array.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plat::forms {
class Form;
class ListView;
class Timer;
}
namespace plat::media {
class AlphaImage;
}
namespace qel {
class qelCommand;
class qelFrame;
}

namespace scoreboard {

// The controls of `main` that open and close the record list.
struct RecordListControls {
    qel::qelFrame& showtime; // the clock panel, whose height the closed frame has
    qel::qelFrame& balldate;
    qel::qelCommand& lookdate;
    plat::forms::Timer& Timer6;
};

// The controls of `main` the record view works, bound once when it is made.
struct RecordViewControls {
    RecordListControls frame;
    plat::forms::ControlArray<qel::qelCommand> on1; // item 1, match mode, is what the logo does
    plat::media::AlphaImage& mainlogo;
    plat::forms::ListView& balllist1;
    plat::forms::ControlArray<qel::qelCommand> qelcom; // 0 delete, 1 clear, 2 reload
    qel::qelCommand& backer;
    plat::forms::Timer& Timer8;
};

// Bind them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
RecordListControls bindRecordListControls(const plat::forms::Form& form);
RecordViewControls bindRecordViewControls(const plat::forms::Form& form);

// What the record view asks of the operator; both optional, message boxes when not given.
struct RecordViewHooks {
    // A question with OK and Cancel; true for OK.
    std::function<bool(std::string_view text, std::string_view title)> confirm;
    // A message with OK only.
    std::function<void(std::string_view text, std::string_view title)> message;
};

// The height of `balldate` while the record list shows: from the clock panel's top down to the
// board's bottom strip, so the command bar stays uncovered.
inline constexpr double kRecordListFrameHeight = 8850;

// Closes the record list if it is open: `balldate` back to the clock panel's height, "查看历史比赛" shown and
// the focus keeper on again. Another panel brought in front does it too, so that the list does not
// stay over the team names and scores below that panel.
void closeRecordList(const RecordListControls& controls);

inline constexpr std::string_view kDeleteQuestion = "是否要删除该数据?";
inline constexpr std::string_view kClearQuestion = "是否清空全部数据?";
inline constexpr std::string_view kArchiveChangedMessage = "比赛记录已有变化，已重新读取，请重新选择。";
inline constexpr std::string_view kArchiveUnreadableMessage = "无法读取比赛记录文件，记录未作改动。";
inline constexpr std::string_view kArchiveUnwritableMessage = "无法写入比赛记录文件，记录未作改动。";

// The match-record view of `main`, in the frame `balldate`: "查看历史比赛" enlarges the frame and
// lists date\balldate.db in `balllist1`; "删除", "全部清空" and "刷新" (`qelcom` 0 to 2) change or
// reload it; "返回" and the scoreboard logo put the frame back.
//
// The list is what the operator sees of the archive, so the archive is rewritten from it only
// while it still holds what the list was read from: a record appended meanwhile (a match ended)
// or a file that could not be read makes the view read it again instead. A rewrite goes through a
// temporary file, and an archive that holds more than the list shows (lines outside any record,
// text that does not decode) is first copied to date\balldate.db.bak, by a delete and by
// "全部清空" alike.
class RecordView {
public:
    RecordView(plat::forms::Form& main, RecordViewHooks hooks = {});

    // Connects the view's controls and `mainlogo`.
    void connect();

    // (Re)loads the archive into the list; a missing archive is made empty first.
    void balldateinput();
    // Rewrites the archive from the list; false when it could not be written.
    bool balldateoutput();

    // The handlers.
    void lookdateClick();
    void backerClick();
    void qelcomClick(int index);
    void listClick();
    void mainlogoClick();

private:
    std::vector<StoredMatch> listedMatches() const;
    // The archive still holds what the list was loaded from; if not, it is read again and the
    // operator told.
    bool archiveAsListed();
    // Copies the archive to its .bak when a rewrite would drop what the list does not show.
    bool keepWhatTheListCannotShow(const std::filesystem::path& archive) const;
    void deleteSelected();
    void clearAll();
    void showDeleteButtonState();
    void setFrameHeight(double height);
    bool confirm(std::string_view text) const;
    void message(std::string_view text, std::string_view title) const;

    RecordViewControls m_controls;
    RecordViewHooks m_hooks;
    // The archive's bytes as the list was read from them; none when it could not be read.
    std::optional<std::string> m_listedBytes;
    bool m_heldWhole = true;
};

} // namespace scoreboard
