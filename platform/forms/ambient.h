#pragma once
#include "platform/forms/font_desc.h"
#include <string>

namespace plat::forms {

// What a hosted control learns of its host.
struct Ambient {
    bool userMode = true;    // True when the program runs; False in a designer host
    FontDesc font;           // the form's font
    std::string displayName; // the control's name as the host shows it
};

} // namespace plat::forms
