#include "scoreboard/stored_layouts.h"

#include "platform/forms/form_layout.h"
#include "platform/forms/resources_folder.h"

namespace scoreboard {

std::optional<plat::forms::LayoutError> firstUnreadableLayout()
{
    for (const char* form : { "main", "m1", "m2", "m3", "m4", "m5", "m6" }) {
        const std::filesystem::path file = plat::forms::formLayoutPath(form);
        try {
            (void)plat::forms::readLayout(file);
        } catch (const plat::forms::LayoutError& error) {
            return error;
        } catch (const std::exception& error) {
            return plat::forms::LayoutError(file.string(), "", error.what());
        }
    }
    return std::nullopt;
}

std::string unreadableLayoutText(const plat::forms::LayoutError& error)
{
    std::string text = "窗体布局文件无法读取,程序无法运行!\n" + error.file();
    if (!error.entry().empty())
        text += "\n" + error.entry();
    return text + "\n" + error.problem();
}

} // namespace scoreboard
