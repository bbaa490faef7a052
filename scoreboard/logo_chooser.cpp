#include "scoreboard/logo_chooser.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
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

LogoChooserControls bindLogoChooserControls(const forms::Form& form)
{
    return LogoChooserControls{
        .testpng = form.get<plat::media::AlphaImage>("testpng"),
        .mainpngcomm = form.get<qel::qelCommand>("mainpngcomm"),
        .commopen = form.get<forms::CommonDialog>("commopen"),
    };
}

LogoChooser::LogoChooser(forms::Form& main, std::function<std::optional<std::string>()> choose,
    std::function<void(std::string_view text)> notice)
    : m_controls(bindLogoChooserControls(main))
    , m_choose(std::move(choose))
    , m_notice(std::move(notice))
{
}

void LogoChooser::connect()
{
    m_controls.mainpngcomm.Click = [this] { mainpngcommClick(); };
}

std::optional<std::string> LogoChooser::askForFile()
{
    if (m_choose)
        return m_choose();
    forms::CommonDialog* dialog = &m_controls.commopen;
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
    if (!state.newLogoPath.empty() && !m_controls.testpng.loadFromFile(state.newLogoPath)) {
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
    if (!user().logoPath.empty())
        m_controls.testpng.loadFromFile(user().logoPath);
}

} // namespace scoreboard
