#include "launcher/screen_record.h"
#include "launcher/launcher_files.h"

#include "platform/system/conversions.h"
#include "platform/system/text_reader.h"

#include <algorithm>

namespace launcher {

namespace sys = plat::sys;

std::optional<sys::DisplaySize> readRecordedSize(const std::filesystem::path& file)
{
    std::optional<sys::TextReader> reader = sys::TextReader::open(file);
    if (!reader)
        return std::nullopt;
    std::optional<int16_t> size[2];
    for (auto& value : size) {
        if (std::optional<std::string> text = reader->readValue())
            value = sys::integerPartAsInteger(*text);
    }
    if (!size[0] || !size[1] || *size[0] <= 0 || *size[1] <= 0)
        return std::nullopt;
    return sys::DisplaySize { *size[0], *size[1] };
}

bool recordsScreenSize(sys::DisplaySize screen, const std::optional<sys::DisplaySize>& recorded, const sys::DisplayModes& display,
    bool boardRuns)
{
    const sys::DisplaySize switched { kScreenWidth, kScreenHeight };
    if (!boardRuns || screen != switched || !recorded || *recorded == switched)
        return true;
    if (recorded->width < kScreenWidth || recorded->height < kScreenHeight)
        return true;
    const std::vector<sys::DisplaySize> offered = display.modes();
    return std::find(offered.begin(), offered.end(), *recorded) == offered.end();
}

} // namespace launcher
