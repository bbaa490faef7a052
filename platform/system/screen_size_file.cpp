#include "platform/system/screen_size_file.h"

#include "platform/system/conversions.h"
#include "platform/system/program_folder.h"
#include "platform/system/text_reader.h"

namespace plat::sys {

std::optional<DisplaySize> readScreenSizeFile(const std::filesystem::path& file)
{
    std::optional<TextReader> reader = TextReader::open(file);
    if (!reader)
        return std::nullopt;
    std::optional<int16_t> size[2];
    for (auto& value : size) {
        if (std::optional<std::string> text = reader->readValue())
            value = integerPartAsInteger(*text);
    }
    if (!size[0] || !size[1] || *size[0] <= 0 || *size[1] <= 0)
        return std::nullopt;
    return DisplaySize { *size[0], *size[1] };
}

std::filesystem::path screenSizeFilePath() { return programPath("config.ini"); }

} // namespace plat::sys
