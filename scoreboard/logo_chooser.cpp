#include "scoreboard/logo_chooser.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/options_panel.h"

#include "controls/core/qel_command.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/form.h"
#include "platform/media/alpha_image.h"
#include "platform/media/picture_store.h"
#include "platform/system/file_system.h"

#include <system_error>
#include <utility>

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr const char* kPngFilter = "*.png|*.png";

// The logo's picture controls scale the picture to their size (Stretch, as the layout has them).
constexpr plat::gfx::PictureFit kLogoFit = plat::gfx::PictureFit::Scale;

bool showsAPicture(const std::string& path)
{
    // What is held already loads without a decode.
    std::string error;
    return plat::media::PictureStore::instance().load(path, kLogoFit, error).has_value();
}

} // namespace

bool replaceLogoFile(const std::filesystem::path& chosen, const std::filesystem::path& logo)
{
    std::error_code error;
    if (!plat::sys::fileExists(chosen) || !showsAPicture(chosen.string()))
        return false;
    if (std::filesystem::equivalent(chosen, logo, error))
        return true;
    const std::filesystem::path folder = logo.parent_path();
    if (!folder.empty() && !plat::sys::folderExists(folder))
        plat::sys::makeFolder(folder);
    // Written whole beside the old logo and renamed over it (never through a link at its name).
    if (!plat::sys::copyFile(chosen, logo, plat::sys::CopyMode::Overwrite))
        return false;
    plat::media::PictureStore::instance().adoptCopy(logo.string(), chosen.string(), kLogoFit);
    return true;
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
    const std::string chosen = askForFile().value_or("");
    const int choice = ++m_choice;
    m_checking = false;
    m_applyWhenChecked = false;
    user().newLogoPath.clear();
    if (chosen.empty()) {
        previewLogoInUse();
        return;
    }
    m_checking = true;
    const std::weak_ptr<const int> alive = m_alive;
    plat::media::PictureStore::instance().prepare(chosen, m_controls.testpng.fit(), [this, alive, choice, chosen](bool decoded) {
        if (!alive.expired() && choice == m_choice)
            chosenChecked(chosen, decoded);
    });
}

// The picture is held now: the preview only scales it.
void LogoChooser::chosenChecked(const std::string& chosen, bool decoded)
{
    m_checking = false;
    const bool applyNow = std::exchange(m_applyWhenChecked, false);
    // A file that shows no picture would only replace the logo by nothing.
    if (!decoded || !m_controls.testpng.loadFromFile(chosen)) {
        if (m_notice)
            m_notice(kLogoRefusedNotice);
        previewLogoInUse();
        return;
    }
    user().newLogoPath = chosen;
    if (applyNow && apply() == Applied::Failed && m_notice)
        m_notice(kLogoFailedNotice);
}

LogoChooser::Applied LogoChooser::apply()
{
    if (m_checking) {
        m_applyWhenChecked = true;
        return Applied::Nothing;
    }
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
