#pragma once
#include "platform/forms/list_entries.h"
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {

// The List property of a stored layout: the entries' texts, one per line, lines ended by
// CR LF. An empty text stands for no entries.
std::string joinListText(const ListEntries& entries);
std::vector<std::string> splitListText(std::string_view text);

} // namespace plat::forms
