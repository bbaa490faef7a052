#include "platform/media/media_controls.h"
#include "platform/media/alpha_image.h"
#include "platform/media/animated_gif.h"

namespace plat::media {

void registerMediaControls(forms::ControlRegistry& registry)
{
    registry.add<AlphaImage>(AlphaImage::kClassName);
    registry.add<AnimatedGif>(AnimatedGif::kClassName);
}

} // namespace plat::media
