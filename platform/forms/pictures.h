#pragma once
#include "platform/forms/picture_ref.h"
#include "platform/gfx/picture.h"

namespace plat::forms {

// The picture a picture property names (a path under the resources folder). A missing or
// unreadable file gives an empty picture: the control then shows nothing.
gfx::Picture loadPicture(const PictureRef& ref);

} // namespace plat::forms
