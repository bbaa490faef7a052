#include "platform/system/font_install.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <fontconfig/fontconfig.h>
#include <string>

namespace fs = std::filesystem;

namespace plat::sys {

fs::path userFontFolder() { return userDataHome() / "fonts"; }

bool fontFamilyAvailable(std::string_view family)
{
    FcConfig* config = FcConfigGetCurrent();
    if (!config || family.empty())
        return false;
    std::string name(family);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, static_cast<char*>(nullptr));
    FcFontSet* fonts = FcFontList(config, pattern, objects);
    bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

FontInstall installFont(const fs::path& fontFile, std::string_view family)
{
    if (fontFamilyAvailable(family))
        return FontInstall::AlreadyAvailable;

    std::error_code error;
    fs::path folder = userFontFolder();
    fs::path target = folder / fontFile.filename();
    if (!fileExists(target)) {
        fs::create_directories(folder, error);
        if (!copyFile(fontFile, target, CopyMode::KeepExisting))
            return FontInstall::Failed;
    }
    fs::path absolute = fs::absolute(target, error);
    if (error)
        return FontInstall::Failed;
    FcConfig* config = FcConfigGetCurrent();
    if (!config || !FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(absolute.c_str())))
        return FontInstall::Failed;
    return fontFamilyAvailable(family) ? FontInstall::Installed : FontInstall::Failed;
}

} // namespace plat::sys
