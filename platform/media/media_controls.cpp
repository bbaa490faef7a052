#include "platform/media/media_controls.h"
#include "platform/media/alpha_image.h"

namespace plat::media {

void registerMediaControls(forms::ControlRegistry& registry)
{
    registry.add<AlphaImage>(AlphaImage::kClassName);
}

} // namespace plat::media
