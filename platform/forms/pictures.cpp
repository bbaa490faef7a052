#include "platform/forms/pictures.h"
#include "platform/forms/resources_folder.h"

namespace plat::forms {

gfx::Picture loadPicture(const PictureRef& ref)
{
    if (ref.isEmpty())
        return {};
    return gfx::Picture::fromFile(resourcePath(ref.path).string());
}

} // namespace plat::forms
