#include "scoreboard/record_view.h"

#include "scoreboard/form_parts.h"
#include "scoreboard/match_record.h"

#include "controls/core/push_button_base.h"
#include "platform/forms/form.h"
#include "platform/forms/list_view.h"
#include "platform/forms/message_box.h"
#include "platform/media/alpha_image.h"
#include "platform/system/file_backup.h"
#include "platform/system/file_system.h"

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr int kColumns = int(kRecordKeys.size());
constexpr std::string_view kTitle = "提示";
constexpr std::string_view kErrorTitle = "错误提示";

qel::PushButtonBase* buttonOf(const forms::Form& form, std::string_view name, int index = -1)
{
    return dynamic_cast<qel::PushButtonBase*>(findPart(form, name, index));
}

void clickButton(const forms::Form& form, std::string_view name, int index)
{
    if (auto* button = buttonOf(form, name, index); button && button->Click)
        button->Click();
}

} // namespace

RecordView::RecordView(forms::Form& main, RecordViewHooks hooks)
    : m_main(main)
    , m_hooks(std::move(hooks))
{
}

void RecordView::connect()
{
    if (auto* button = buttonOf(m_main, "lookdate"))
        button->Click = [this] { lookdateClick(); };
    if (auto* button = buttonOf(m_main, "backer"))
        button->Click = [this] { backerClick(); };
    forEachItem(m_main, "qelcom", [this](forms::Control& item, int index) {
        if (auto* button = dynamic_cast<qel::PushButtonBase*>(&item))
            button->Click = [this, index] { qelcomClick(index); };
    });
    if (forms::ListView* records = list()) {
        records->onClick = [this] { listClick(); };
        records->onItemClick = [this](forms::ListItem&) { listClick(); };
        records->onGotFocus = [this] { setTimerOn(m_main, "Timer6", false); };
        records->onLostFocus = [this] { setTimerOn(m_main, "Timer6", true); };
    }
    if (auto* logo = dynamic_cast<plat::media::AlphaImage*>(findPart(m_main, "mainlogo")))
        logo->onClick = [this] { mainlogoClick(); };
}

forms::ListView* RecordView::list() const { return dynamic_cast<forms::ListView*>(findPart(m_main, "balllist1")); }

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
    forms::ListView* records = list();
    if (records) {
        records->listItems().clear();
        if (snapshot) {
            for (const StoredMatch& match : snapshot->matches) {
                forms::ListItem& row = records->listItems().add(match.fields[0]);
                for (int column = 1; column < kColumns; ++column)
                    row.setSubItem(column, match.fields[size_t(column)]);
            }
        }
    }
    m_listedBytes = snapshot ? std::optional<std::string>(std::move(snapshot->bytes)) : std::nullopt;
    m_heldWhole = !snapshot || snapshot->heldWhole;
    showDeleteButtonState();
}

std::vector<StoredMatch> RecordView::listedMatches() const
{
    std::vector<StoredMatch> matches;
    forms::ListView* records = list();
    if (!records)
        return matches;
    for (int row = 1; row <= records->listItems().count(); ++row) {
        const forms::ListItem* item = records->listItems().item(row);
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
    hidePart(m_main, "lookdate");
    setTimerOn(m_main, "Timer6", false);
    hidePart(m_main, "balldate");
    setFrameHeight(kRecordListFrameHeight);
    balldateinput();
    showPart(m_main, "balldate");
}

void closeRecordList(forms::Form& main)
{
    forms::Control* frame = findPart(main, "balldate");
    forms::Control* clockPanel = findPart(main, "showtime");
    if (!frame || !clockPanel || frame->height() == clockPanel->height())
        return; // not open
    frame->setHeight(clockPanel->height());
    showPart(main, "lookdate");
    setTimerOn(main, "Timer6", true);
}

void RecordView::backerClick()
{
    hidePart(m_main, "balldate");
    closeRecordList(m_main);
    showPart(m_main, "balldate");
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
    forms::ListView* records = list();
    // With no row chosen there is nothing to delete, and the archive stays as it is.
    if (!records || !records->selectedItem())
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
    forms::ListView* records = list();
    if (!records || records->listItems().count() == 0)
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
    forms::ListView* records = list();
    if (auto* remove = buttonOf(m_main, "qelcom", 0))
        remove->setEnabled(records && records->listItems().count() > 0);
}

void RecordView::mainlogoClick()
{
    clickButton(m_main, "on1", 1);
    if (forms::Control* clockPanel = findPart(m_main, "showtime"))
        setFrameHeight(clockPanel->height());
    setTimerOn(m_main, "Timer8", false);
}

void RecordView::setFrameHeight(double height)
{
    if (forms::Control* frame = findPart(m_main, "balldate"))
        frame->setHeight(height);
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
