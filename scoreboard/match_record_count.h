#pragma once
#include <filesystem>
#include <optional>

namespace scoreboard {

// The number of match records an archive file holds: one for each value that starts with
// "比赛时间=", read as the record view reads the archive. A missing file holds none.
int countMatchRecords(const std::filesystem::path& archive);

// The count of date\balldate.db for a status line that asks every second: the file is read
// again only when its size or modification time changed.
class MatchRecordCounter {
public:
    int count();

private:
    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> m_stamp;
    int m_count = 0;
};

} // namespace scoreboard
