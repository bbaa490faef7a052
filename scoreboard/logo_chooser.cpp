#include "scoreboard/logo_chooser.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/form_parts.h"
#include "scoreboard/match_state.h"

#include "controls/core/push_button_base.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/form.h"
#include "platform/gfx/picture.h"
#include "platform/media/alpha_image.h"
#include "platform/system/file_system.h"

#include <system_error>

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr const char* kPngFilter = "*.png|*.png";

plat::media::AlphaImage* preview(const forms::Form& main)
{
    return dynamic_cast<plat::media::AlphaImage*>(findPart(main, "testpng"));
}

} // namespace

bool replaceLogoFile(const std::filesystem::path& chosen, const std::filesystem::path& logo)
{
    std::error_code error;
    if (!plat::sys::fileExists(chosen) || plat::gfx::Picture::fromFile(chosen.string()).isEmpty())
        return false;
    if (std::filesystem::equivalent(chosen, logo, error))
        return true;
    const std::filesystem::path folder = logo.parent_path();
    if (!folder.empty() && !plat::sys::folderExists(folder))
        plat::sys::makeFolder(folder);
    // Written whole beside the old logo and renamed over it (never through a link at its name).
    return plat::sys::copyFile(chosen, logo, plat::sys::CopyMode::Overwrite);
}

LogoChooser::LogoChooser(forms::Form& main, std::function<std::optional<std::string>()> choose,
    std::function<void(std::string_view text)> notice)
    : m_main(main)
    , m_choose(std::move(choose))
    , m_notice(std::move(notice))
{
}

void LogoChooser::connect()
{
    if (auto* button = dynamic_cast<qel::PushButtonBase*>(findPart(m_main, "mainpngcomm")))
        button->Click = [this] { mainpngcommClick(); };
}

std::optional<std::string> LogoChooser::askForFile()
{
    if (m_choose)
        return m_choose();
    auto* dialog = dynamic_cast<forms::CommonDialog*>(findPart(m_main, "commopen"));
    if (!dialog)
        return std::nullopt;
    dialog->setFilter(kPngFilter);
    dialog->setFilterIndex(1);
    dialog->setFlags(forms::cdlOFNFileMustExist | forms::cdlOFNPathMustExist | forms::cdlOFNHideReadOnly
        | forms::cdlOFNNoChangeDir);
    dialog->setCancelError(false);
    if (!dialog->showOpen())
        return std::nullopt;
    return dialog->fileName();
}

void LogoChooser::mainpngcommClick()
{
    MatchState& state = user();
    state.newLogoPath = askForFile().value_or("");
    // A file that shows no picture would only replace the logo by nothing.
    plat::media::AlphaImage* picture = preview(m_main);
    if (!state.newLogoPath.empty() && !(picture ? picture->loadFromFile(state.newLogoPath)
                                                : !plat::gfx::Picture::fromFile(state.newLogoPath).isEmpty())) {
        state.newLogoPath.clear();
        if (m_notice)
            m_notice(kLogoRefusedNotice);
    }
    if (state.newLogoPath.empty())
        previewLogoInUse();
}

LogoChooser::Applied LogoChooser::apply()
{
    MatchState& state = user();
    Applied result = Applied::Nothing;
    if (!state.newLogoPath.empty() && plat::sys::fileExists(state.newLogoPath)) {
        result = replaceLogoFile(state.newLogoPath, state.logoPath) ? Applied::Replaced : Applied::Failed;
        if (result == Applied::Replaced)
            LoadLogo();
    }
    state.newLogoPath.clear();
    previewLogoInUse();
    return result;
}

void LogoChooser::previewLogoInUse()
{
    if (plat::media::AlphaImage* picture = preview(m_main); picture && !user().logoPath.empty())
        picture->loadFromFile(user().logoPath);
}

} // namespace scoreboard
