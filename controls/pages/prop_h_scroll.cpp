#include "controls/pages/prop_h_scroll.h"
#include "controls/pages/scroll_bar_design.h"

namespace qel {

PageSpec propHScroll::Design() { return ScrollBarDesign("propHScroll", "qelHScroll", "ScrollWidth"); }

propHScroll::propHScroll() : PropertyPage(Design()) {}

} // namespace qel
