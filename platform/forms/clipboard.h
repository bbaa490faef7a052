#pragma once
#include <string>

namespace plat::forms {

// The clipboard as the program's own text boxes share it: text only, within this process.
class Clipboard {
public:
    static void setText(std::string text);
    static std::string getText();
    static bool hasText();
    static void clear();
};

} // namespace plat::forms
