#pragma once
#include <string>

namespace plat::forms {

// A font object as forms and controls keep it: face name, size in points and style.
struct FontDesc {
    std::string name = "宋体";
    double size = 9.0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400; // 400 regular, 700 bold
    int charset = 134; // GB2312

    // Bold and weight describe the same thing; setting one keeps the other in step.
    void setBold(bool on)
    {
        bold = on;
        weight = on ? 700 : 400;
    }
    bool operator==(const FontDesc&) const = default;
};

} // namespace plat::forms
