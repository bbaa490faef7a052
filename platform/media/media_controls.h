#pragma once
#include "platform/forms/control_registry.h"

namespace plat::media {

// Makes the picture controls known to stored layouts: "aicAlphaImage" (AlphaImage) and
// "AniGIF" (AnimatedGif). Registering again replaces the same factories.
void registerMediaControls(forms::ControlRegistry& registry = forms::ControlRegistry::global());

} // namespace plat::media
