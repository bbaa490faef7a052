#pragma once
#include "controls/pages/property_page.h"
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// The pages a control class names in its class description, in tab order (none for a class
// without pages: qelTextBox, qelTimer, qelMouseKeyEvents, the embedded bars).
std::vector<std::string> PagesOfClass(std::string_view className);
// A new page of that name; null for a name no page has.
std::unique_ptr<PropertyPage> CreatePage(std::string_view pageName);

} // namespace qel
