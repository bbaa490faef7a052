#pragma once
#include "platform/gfx/device_context.h"

namespace plat::forms {

enum class MessageIcon { None, Stop, Question, Exclamation, Information };

constexpr int kMessageIconSize = 32;

// Draws one of the message box icons, 32 x 32 pixels, with its top-left corner at `at`.
void drawMessageIcon(gfx::DeviceContext& dc, MessageIcon icon, gfx::Point at);

} // namespace plat::forms
