#pragma once
#include "platform/system/display_modes.h"

#include <string_view>

namespace scoreboard {

// The scoreboard is laid out for a screen of 1024 x 768.
enum class ScreenFit {
    TooSmall, // narrower or lower than 1024 x 768: the program cannot run
    Larger,   // at least 1024 x 768 and larger in one direction: it runs, with a hint
    Exact,
};

ScreenFit fitScreen(plat::sys::DisplaySize screen);

inline constexpr std::string_view kStartupMessageTitle = "系统提示";
inline constexpr std::string_view kScreenTooSmallMessage = "分辨率过底,程序无法正常运行建议1024 X 768最佳!";
inline constexpr std::string_view kScreenLargerMessage = "建议分辨率设为：1024 X 768 最佳!";

} // namespace scoreboard
