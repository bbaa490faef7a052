#pragma once
#include "platform/forms/picture_ref.h"
#include "platform/forms/property_table.h"
#include <string_view>
#include <string>

namespace plat::media {

// Where a picture property's file is: a path relative to the resources folder, or an
// absolute path as it stands. Empty for no picture.
std::string picturePathOf(const forms::PictureRef& picture);

// The property value for a file given by its path: relative to the resources folder when the
// file lies inside it, else the absolute path (a relative one is taken from the working folder).
forms::PictureRef pictureRefOf(const std::string& path);

// The stored "Picture" of the picture controls, the table entry of control class C. It is kept as
// plain text, because it may also be an absolute path (a picture the program loaded from its own
// folder). The controls write it first and read it last, once the way it is shown is in.
template<class C>
auto pictureProperty()
{
    return forms::propertyTable(forms::PropertiesOf<C>::template propertyAs<std::string>(
        "Picture", [](const C& c) { return c.picture().path; },
        [](C& c, std::string path) { c.setPicture(forms::PictureRef{std::move(path)}); }, std::string()));
}

} // namespace plat::media
