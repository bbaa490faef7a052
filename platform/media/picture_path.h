#pragma once
#include "platform/forms/picture_ref.h"
#include "platform/forms/property_bag.h"
#include <string_view>
#include <string>

namespace plat::media {

// Where a picture property's file is: a path relative to the resources folder, or an
// absolute path as it stands. Empty for no picture.
std::string picturePathOf(const forms::PictureRef& picture);

// The property value for a file given by its path: relative to the resources folder when the
// file lies inside it, else the absolute path (a relative one is taken from the working folder).
forms::PictureRef pictureRefOf(const std::string& path);

// A picture property of the picture controls in a property bag. It is kept as plain text,
// because it may also be an absolute path (a picture the program loaded from its own folder).
forms::PictureRef readPictureProperty(const forms::PropertyBag& bag, std::string_view name);
void writePictureProperty(forms::PropertyBag& bag, std::string_view name, const forms::PictureRef& picture);

} // namespace plat::media
