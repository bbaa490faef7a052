#include "controls/pages/prop_v_scroll.h"
#include "controls/pages/scroll_bar_design.h"

namespace qel {

PageSpec propVScroll::Design() { return ScrollBarDesign("propVScroll", "qelVScroll", "ScrollHeight"); }

propVScroll::propVScroll() : PropertyPage(Design()) {}

} // namespace qel
