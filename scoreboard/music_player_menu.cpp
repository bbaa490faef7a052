// The music player's menu: files added through the open dialog and copied into the music
// folder two seconds later, the selected file deleted, the list reloaded.
#include "scoreboard/dosk.h"
#include "scoreboard/music_list_loader.h"
#include "scoreboard/music_player.h"

#include "controls/core/qel_frame.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/common_dialog_flags.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/list_box.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"
#include "platform/system/file_system.h"

#include <algorithm>

namespace scoreboard {

namespace forms = plat::forms;
namespace sys = plat::sys;

namespace {

const std::string kMusicFilter = "音乐(" + std::string(kMusicFilePattern) + ")|" + std::string(kMusicFilePattern);

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// A name that stays inside the folder it is joined to: no folder part, not "." or "..".
// NUL characters the dialog text carried along are dropped. The dialog gives a name as it is on
// disk; it is kept as it is shown (a name that is not UTF-8 read in the code page), and found by
// its bytes again when it is copied.
std::string plainFileName(std::string name)
{
    name.erase(std::remove(name.begin(), name.end(), '\0'), name.end());
    if (name.empty() || name == "." || name == ".." || std::any_of(name.begin(), name.end(), isSeparator))
        return {};
    return sys::shownFileName(name);
}

std::string countText(int count) { return "文件总数:" + std::to_string(count); }

} // namespace

void MusicPlayer::menu(int index)
{
    showMenuLine(false);
    switch (index) {
    case 0: addFiles(); break;
    case 1: deleteSelected(); break;
    case 2: mp3new(); break;
    default: break;
    }
}

// The files chosen are listed in List1; the copy panel opens and Timer13 copies them.
void MusicPlayer::addFiles()
{
    m_copySourceFolder.clear();
    forms::CommonDialog* chooser = &m_controls.Caddmp3;
    forms::ListBox* pending = &m_controls.List1;
    chooser->setFileName("");
    chooser->setFilter(kMusicFilter);
    chooser->setFlags(forms::cdlOFNExplorer | forms::cdlOFNAllowMultiselect);
    bool chosen = false;
    try {
        chosen = chooser->showOpen();
    } catch (const forms::CommonDialogCancelled&) {
        chosen = false;
    }
    pending->clear();
    if (chosen && !chooser->fileName().empty()) {
        const FileSelection selection = ParseMultiSelect(chooser->fileName() + '\0');
        m_copySourceFolder = selection.folder;
        for (const std::string& chosenName : selection.names) {
            const std::string name = plainFileName(chosenName);
            if (!name.empty())
                pending->addItem(name);
        }
    }
    if (pending->listCount() > 0) {
        auto& panel = m_controls.mp3aframe;
        panel.setVisible(true);
        panel.zOrder(0);
        m_controls.Timer13.setEnabled(true);
    }
    m_controls.copylab.setCaption(countText(pending->listCount()));
}

void MusicPlayer::deleteSelected()
{
    const std::string text = m_controls.mp3list.text();
    if (text.empty())
        return;
    if (forms::msgBox("是否删除" + text + "文件?", forms::vbYesNo, "提示") != forms::vbYes)
        return;
    const std::string name = plainFileName(text);
    if (!name.empty())
        sys::deleteFile(trackPath(name));
    mp3new();
}

// A file of the same name in the music folder is replaced. The copy goes to a file of its own
// first and is renamed over the old one, so the track playing keeps its data and a failed
// copy leaves the old file whole. A file chosen from the music folder itself is left alone, and
// one the music list would not show is not copied.
bool MusicPlayer::copyOne(const std::string& name)
{
    if (!isMusicFileName(name))
        return false;
    const std::filesystem::path source = sys::entryPath(m_copySourceFolder, name);
    const std::filesystem::path target = trackPath(name);
    std::error_code error;
    if (std::filesystem::equivalent(source, target, error))
        return false;
    return sys::copyFile(source, target, sys::CopyMode::Overwrite);
}

void MusicPlayer::copyTick()
{
    const forms::ListBox* pending = &m_controls.List1;
    forms::Label* progress = &m_controls.copylab;
    const int count = pending->listCount();
    std::vector<std::string> notCopied;
    for (int i = 0; i < count; ++i) {
        const std::string name = pending->list(i);
        progress->setCaption(countText(count) + "     正在复制 " + name + " 中，请稍后....");
        const bool copied = copyOne(name);
        if (!copied)
            notCopied.push_back(name);
        progress->setCaption(countText(count) + (copied ? "     成功复制 " : "     未能复制 ") + name);
    }
    std::string done = "已经复制完闭！";
    if (!notCopied.empty()) {
        done += " 未复制(同一文件或无法读写):";
        for (const std::string& name : notCopied)
            done += " " + name;
    }
    progress->setCaption(done);
    mp3new();
    m_controls.Timer14.setEnabled(true);
    m_controls.Timer13.setEnabled(false);
}

void MusicPlayer::copyPanelTick()
{
    m_controls.mp3aframe.setVisible(false);
    m_controls.Timer14.setEnabled(false);
}

} // namespace scoreboard
