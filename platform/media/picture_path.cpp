#include "platform/media/picture_path.h"
#include "platform/forms/resources_folder.h"
#include <filesystem>

namespace plat::media {

namespace fs = std::filesystem;

std::string picturePathOf(const forms::PictureRef& picture)
{
    if (picture.isEmpty())
        return {};
    fs::path p(picture.path);
    return p.is_absolute() ? p.string() : forms::resourcePath(picture.path).string();
}

forms::PictureRef pictureRefOf(const std::string& path)
{
    if (path.empty())
        return {};
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path), ec);
    if (ec)
        return {path};
    fs::path root = fs::weakly_canonical(forms::resourcesFolder(), ec);
    if (ec)
        return {p.string()};
    fs::path file = fs::weakly_canonical(p, ec);
    if (ec)
        return {p.string()};
    fs::path relative = file.lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..")
        return {p.string()};
    return {relative.generic_string()};
}

} // namespace plat::media
