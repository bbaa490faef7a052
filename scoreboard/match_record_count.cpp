#include "scoreboard/match_record_count.h"
#include "scoreboard/match_record.h"

#include "platform/system/text_functions.h"
#include "platform/system/text_reader.h"

#include <system_error>

namespace scoreboard {

int countMatchRecords(const std::filesystem::path& archive)
{
    std::optional<plat::sys::TextReader> reader = plat::sys::TextReader::open(archive);
    if (!reader)
        return 0;
    int records = 0;
    while (std::optional<std::string> value = reader->readValue())
        if (plat::sys::leftText(*value, 5) == "比赛时间=")
            ++records;
    return records;
}

int MatchRecordCounter::count()
{
    const std::filesystem::path archive = matchArchivePath();
    std::error_code error;
    Stamp stamp;
    stamp.exists = std::filesystem::is_regular_file(archive, error);
    if (stamp.exists) {
        stamp.size = std::filesystem::file_size(archive, error);
        stamp.modified = std::filesystem::last_write_time(archive, error);
    }
    if (m_stamp != stamp) {
        m_stamp = stamp;
        m_count = stamp.exists ? countMatchRecords(archive) : 0;
    }
    return m_count;
}

} // namespace scoreboard
