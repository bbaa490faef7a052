#pragma once
#include <string>

namespace plat::media {

// A time in seconds as minutes and seconds, two digits each, joined by a colon ("03:07").
// Whole seconds only (the fraction is dropped); negative or invalid times read "00:00";
// minutes past 99 take more digits.
std::string minutesSecondsText(double seconds);

} // namespace plat::media
