#pragma once
#include "controls/pages/page_spec.h"

namespace qel {

// The rows of the scroll-bar pages: the horizontal bar's page edits ScrollWidth where the
// vertical bar's (and the list box's bar page) edits ScrollHeight.
PageSpec ScrollBarDesign(const std::string& name, const std::string& pageClass, const std::string& thumbMember);

} // namespace qel
