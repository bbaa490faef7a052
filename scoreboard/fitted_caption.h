#pragma once
#include "platform/forms/font_desc.h"
#include "platform/gfx/geometry.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace plat::forms {
class Label;
}
namespace qel {
class qelLabel;
}

namespace scoreboard {

// The face size, `designed` or smaller (in quarter points, down to a readable least), at which
// one line of `text` fits a room of that many pixels whole: its advance and its ink across, and
// its ink from the top of the line down to the lowest descender.
double fittingPoints(const plat::forms::FontDesc& designed, std::string_view text, plat::gfx::Size room);

// Shows `text` on the board's labels whole: at the designed size when it fits, else in the same
// face made smaller. A label and its shadow are given together and keep one size, the one that
// fits both. A missing label (null) is skipped.
void showFitted(std::initializer_list<qel::qelLabel*> labels, const std::string& text, double designedPoints);
void showFitted(plat::forms::Label* label, const std::string& text, double designedPoints);

} // namespace scoreboard
