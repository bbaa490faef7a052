#include "platform/forms/list_text.h"

namespace plat::forms {

std::string joinListText(const ListEntries& entries)
{
    std::string out;
    for (const auto& e : entries.entries())
        out += e.text + "\r\n";
    return out;
}

std::vector<std::string> splitListText(std::string_view text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            out.emplace_back(text.substr(start));
            break;
        }
        out.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return out;
}

} // namespace plat::forms
