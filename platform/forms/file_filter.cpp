#include "platform/forms/file_filter.h"
#include "platform/system/utf8.h"

namespace plat::forms {

static std::string trimmed(std::string_view s)
{
    size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return {};
    size_t b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

std::vector<FileFilterEntry> parseFileFilter(std::string_view filter)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size() && !filter.empty()) {
        size_t bar = filter.find('|', start);
        parts.emplace_back(filter.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    std::vector<FileFilterEntry> out;
    for (size_t i = 0; i < parts.size(); i += 2) {
        FileFilterEntry e;
        e.description = parts[i];
        if (i + 1 < parts.size()) {
            std::string_view patterns = parts[i + 1];
            size_t from = 0;
            while (from <= patterns.size()) {
                size_t semi = patterns.find(';', from);
                std::string p = trimmed(patterns.substr(from, semi == std::string_view::npos ? std::string_view::npos : semi - from));
                if (!p.empty())
                    e.patterns.push_back(p);
                if (semi == std::string_view::npos)
                    break;
                from = semi + 1;
            }
        }
        if (!e.description.empty() || !e.patterns.empty())
            out.push_back(std::move(e));
    }
    return out;
}

static char32_t fold(char32_t c) { return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c; }

static bool match(std::u32string_view name, std::u32string_view pattern)
{
    // Iterative wildcard match with one back-tracking point for the last "*".
    size_t n = 0, p = 0, star = std::u32string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == U'?' || fold(pattern[p]) == fold(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == U'*') {
            star = p++;
            mark = n;
        } else if (star != std::u32string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

bool matchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*.*" || pattern == "*")
        return true;
    return match(sys::decodeUtf8(name), sys::decodeUtf8(pattern));
}

bool matchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns)
{
    if (patterns.empty())
        return true;
    for (const std::string& p : patterns)
        if (matchesPattern(name, p))
            return true;
    return false;
}

} // namespace plat::forms
