#include "scoreboard/record_view.h"

#include "scoreboard/control_binding.h"
#include "scoreboard/match_record.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "platform/forms/form.h"
#include "platform/forms/column_header.h"
#include "platform/forms/list_view.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/system/file_backup.h"
#include "platform/system/date_time.h"
#include "platform/system/file_system.h"

#include <algorithm>

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr int kColumns = int(kRecordKeys.size());
constexpr std::string_view kTitle = "提示";
constexpr std::string_view kErrorTitle = "错误提示";

// Two matches of one day differ only by the time of their start: the date column shows the whole
// start time, however wide the font draws its digits; the title column, the widest, gives up the
// room, so the columns still fill the list as they did.
void fitStartTimeColumn(forms::ListView& records)
{
    forms::ColumnHeader* date = records.columnHeaders().item(1);
    forms::ColumnHeader* title = records.columnHeaders().item(2);
    if (!date || !title)
        return;
    const std::string pattern = plat::sys::dateTimeText({2000, 12, 30, 23, 59, 59});
    double wanted = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        std::string text = pattern;
        std::replace_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }, digit);
        wanted = std::max(wanted, records.columnWidthToShow(text, 1));
    }
    const double more = wanted - date->width();
    if (more <= 0)
        return;
    date->setWidth(wanted);
    title->setWidth(std::max(0.0, title->width() - more));
}

} // namespace

RecordListControls bindRecordListControls(const forms::Form& form)
{
    return RecordListControls{
        .showtime = form.get<qel::qelFrame>("showtime"),
        .balldate = form.get<qel::qelFrame>("balldate"),
        .lookdate = form.get<qel::qelCommand>("lookdate"),
        .Timer6 = form.get<forms::Timer>("Timer6"),
    };
}

RecordViewControls bindRecordViewControls(const forms::Form& form)
{
    return RecordViewControls{
        .frame = bindRecordListControls(form),
        .on1 = bindItems<qel::qelCommand>(form, "on1", 1, 1),
        .mainlogo = form.get<plat::media::AlphaImage>("mainlogo"),
        .balllist1 = form.get<forms::ListView>("balllist1"),
        .qelcom = bindItems<qel::qelCommand>(form, "qelcom", 0, 2),
        .backer = form.get<qel::qelCommand>("backer"),
        .Timer8 = form.get<forms::Timer>("Timer8"),
    };
}

RecordView::RecordView(forms::Form& main, RecordViewHooks hooks)
    : m_controls(bindRecordViewControls(main))
    , m_hooks(std::move(hooks))
{
    fitStartTimeColumn(m_controls.balllist1);
}

void RecordView::connect()
{
    const RecordViewControls& c = m_controls;
    c.frame.lookdate.Click = [this] { lookdateClick(); };
    c.backer.Click = [this] { backerClick(); };
    for (auto [index, button] : c.qelcom)
        button.Click = [this, index = index] { qelcomClick(index); };
    forms::ListView& records = c.balllist1;
    records.onClick = [this] { listClick(); };
    records.onItemClick = [this](forms::ListItem&) { listClick(); };
    records.onGotFocus = [&c] { c.frame.Timer6.setEnabled(false); };
    records.onLostFocus = [&c] { c.frame.Timer6.setEnabled(true); };
    c.mainlogo.onClick = [this] { mainlogoClick(); };
}

void RecordView::balldateinput()
{
    const std::filesystem::path archive = matchArchivePath();
    if (!plat::sys::fileExists(archive)) {
        const std::filesystem::path folder = archive.parent_path();
        if (!folder.empty() && !plat::sys::folderExists(folder))
            plat::sys::makeFolder(folder);
        writeArchive(archive, {});
    }
    std::optional<ArchiveSnapshot> snapshot = readArchive(archive);
    forms::ListView& records = m_controls.balllist1;
    records.listItems().clear();
    if (snapshot) {
        for (const StoredMatch& match : snapshot->matches) {
            forms::ListItem& row = records.listItems().add(match.fields[0]);
            for (int column = 1; column < kColumns; ++column)
                row.setSubItem(column, match.fields[size_t(column)]);
        }
    }
    m_listedBytes = snapshot ? std::optional<std::string>(std::move(snapshot->bytes)) : std::nullopt;
    m_heldWhole = !snapshot || snapshot->heldWhole;
    showDeleteButtonState();
}

std::vector<StoredMatch> RecordView::listedMatches() const
{
    std::vector<StoredMatch> matches;
    const forms::ListView& records = m_controls.balllist1;
    for (int row = 1; row <= records.listItems().count(); ++row) {
        const forms::ListItem* item = records.listItems().item(row);
        StoredMatch match;
        match.fields[0] = item->text();
        for (int column = 1; column < kColumns; ++column)
            match.fields[size_t(column)] = item->subItem(column);
        matches.push_back(std::move(match));
    }
    return matches;
}

bool RecordView::balldateoutput()
{
    const std::filesystem::path archive = matchArchivePath();
    if (!keepWhatTheListCannotShow(archive) || !writeArchive(archive, listedMatches()))
        return false;
    m_listedBytes = archiveBytes(archive);
    m_heldWhole = true;
    return true;
}

bool RecordView::keepWhatTheListCannotShow(const std::filesystem::path& archive) const
{
    // Lines outside the records would go with a rewrite: the archive as it is is kept beside it.
    return m_heldWhole || !plat::sys::fileExists(archive) || plat::sys::keepBackup(archive);
}

bool RecordView::archiveAsListed()
{
    const std::optional<std::string> now = archiveBytes(matchArchivePath());
    if (m_listedBytes && now == m_listedBytes)
        return true;
    balldateinput();
    message(m_listedBytes ? kArchiveChangedMessage : kArchiveUnreadableMessage, m_listedBytes ? kTitle : kErrorTitle);
    return false;
}

void RecordView::lookdateClick()
{
    const RecordListControls& c = m_controls.frame;
    c.lookdate.setVisible(false);
    c.Timer6.setEnabled(false);
    c.balldate.setVisible(false);
    setFrameHeight(kRecordListFrameHeight);
    balldateinput();
    c.balldate.setVisible(true);
}

void closeRecordList(const RecordListControls& c)
{
    if (c.balldate.height() == c.showtime.height())
        return; // not open
    c.balldate.setHeight(c.showtime.height());
    c.lookdate.setVisible(true);
    c.Timer6.setEnabled(true);
}

void RecordView::backerClick()
{
    m_controls.frame.balldate.setVisible(false);
    closeRecordList(m_controls.frame);
    m_controls.frame.balldate.setVisible(true);
}

void RecordView::qelcomClick(int index)
{
    switch (index) {
    case 0:
        deleteSelected();
        break;
    case 1:
        clearAll();
        break;
    case 2:
        balldateinput();
        break;
    default:
        break;
    }
}

void RecordView::deleteSelected()
{
    forms::ListView* records = &m_controls.balllist1;
    // With no row chosen there is nothing to delete, and the archive stays as it is.
    if (!records->selectedItem())
        return;
    const int k = records->selectedItem()->index();
    if (!confirm(kDeleteQuestion))
        return;
    if (!archiveAsListed())
        return;
    records->listItems().remove(k);
    if (k - 1 > 1)
        records->setSelectedItem(records->listItems().item(k - 2));
    if (!balldateoutput()) {
        message(kArchiveUnwritableMessage, kErrorTitle);
        balldateinput();
    }
    showDeleteButtonState();
}

void RecordView::clearAll()
{
    forms::ListView* records = &m_controls.balllist1;
    if (records->listItems().count() == 0)
        return;
    if (!confirm(kClearQuestion))
        return;
    if (!archiveAsListed())
        return;
    const std::filesystem::path archive = matchArchivePath();
    if (!keepWhatTheListCannotShow(archive) || !clearArchive(archive)) {
        message(kArchiveUnwritableMessage, kErrorTitle);
        return;
    }
    records->listItems().clear();
    m_listedBytes = archiveBytes(archive);
    m_heldWhole = true;
    showDeleteButtonState();
}

void RecordView::listClick() { showDeleteButtonState(); }

void RecordView::showDeleteButtonState()
{
    m_controls.qelcom[0].setEnabled(m_controls.balllist1.listItems().count() > 0);
}

void RecordView::mainlogoClick()
{
    if (qel::qelCommand& matchMode = m_controls.on1[1]; matchMode.Click)
        matchMode.Click();
    setFrameHeight(m_controls.frame.showtime.height());
    m_controls.Timer8.setEnabled(false);
}

void RecordView::setFrameHeight(double height)
{
    m_controls.frame.balldate.setHeight(height);
}

bool RecordView::confirm(std::string_view text) const
{
    if (m_hooks.confirm)
        return m_hooks.confirm(text, kTitle);
    return forms::msgBox(std::string(text), forms::vbOKCancel, std::string(kTitle)) == forms::vbOK;
}

void RecordView::message(std::string_view text, std::string_view title) const
{
    if (m_hooks.message) {
        m_hooks.message(text, title);
        return;
    }
    forms::msgBox(std::string(text), title == kErrorTitle ? forms::vbExclamation : forms::vbInformation, std::string(title));
}

} // namespace scoreboard
