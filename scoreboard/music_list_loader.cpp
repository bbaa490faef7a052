#include "scoreboard/music_list_loader.h"
#include "scoreboard/board_form.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_label.h"
#include "platform/forms/file_filter.h"
#include "platform/forms/list_box.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

namespace scoreboard {

namespace sys = plat::sys;

std::filesystem::path musicFolderPath() { return sys::programPath("music"); }

bool isMusicFileName(std::string_view shownName) { return plat::forms::matchesPattern(shownName, kMusicFilePattern); }

void LoadMusicList(const std::filesystem::path& folder)
{
    if (!sys::folderExists(folder))
        sys::makeFolder(musicFolderPath());
    const BoardControls* board = boardControls();
    auto* list = board ? &board->mp3list : nullptr;
    if (list) {
        for (const std::string& name : sys::listFiles(folder))
            if (const std::string shown = sys::shownFileName(name); isMusicFileName(shown))
                list->addItem(shown);
    }
    const int count = list ? list->listCount() : 0;
    std::string& current = user().currentMp3;
    if (current.empty() && count >= 1) {
        current = list->list(0);
        list->setListIndex(0);
    } else if (!current.empty() && count >= 1) {
        for (int i = 0; i < count; ++i)
            if (list->list(i) == current) {
                list->setListIndex(i);
                break;
            }
    } else {
        current.clear();
    }
    if (board)
        board->mp3numlab.setCaption("共:" + std::to_string(count) + "首");
}

} // namespace scoreboard
