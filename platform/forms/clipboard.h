#pragma once
#include <string>

namespace plat::forms {

// The clipboard the text fields copy to and paste from: text only, the backend's (the desktop's
// clipboard on a real display, the session's own headless). Without a window system it holds
// nothing.
class Clipboard {
public:
    static void setText(std::string text);
    static std::string getText();
    static bool hasText();
    static void clear();
};

} // namespace plat::forms
