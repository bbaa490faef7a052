#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace plat::forms {
class CommonDialog;
class Form;
}
namespace plat::media {
class AlphaImage;
}
namespace qel {
class qelCommand;
}

namespace scoreboard {

// The controls of `main` the logo chooser uses, bound once when it is made.
struct LogoChooserControls {
    plat::media::AlphaImage& testpng;
    qel::qelCommand& mainpngcomm;
    plat::forms::CommonDialog& commopen;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
LogoChooserControls bindLogoChooserControls(const plat::forms::Form& form);

// The notice for a chosen file that shows no picture: damaged, no picture at all, or too large.
inline constexpr std::string_view kLogoRefusedNotice = "图片损坏或过大，未选用!";

// Puts the picture file `chosen` in place of the logo file `logo`: the picture must be one the
// picture controls show (decoded as they decode it, and not again when it is held already), is
// copied beside the logo first and then renamed over it, so the old logo stays whole until the
// new one is there (also when `chosen` is the logo itself). A missing folder of the logo is made.
// The new logo shares what is decoded of `chosen`, so showing it decodes nothing. False when
// anything failed; the old logo is then as it was.
bool replaceLogoFile(const std::filesystem::path& chosen, const std::filesystem::path& logo);

// The logo chooser of the options panel: "更换图片" (`mainpngcomm`) asks for a png file with the
// open dialog `commopen` and shows it in the preview `testpng`; the options panel's save puts it
// in place of img\logo.png and shows it on the board.
class LogoChooser {
public:
    enum class Applied { Nothing, Replaced, Failed };

    // `choose` stands in for the open dialog (tests): the file chosen, or nullopt for cancel.
    // `notice` shows the self-closing notice box.
    LogoChooser(plat::forms::Form& main, std::function<std::optional<std::string>()> choose,
        std::function<void(std::string_view text)> notice);

    void connect();

    // `mainpngcomm` Click: the file chosen is checked, decoded away from the board's thread so
    // that a big picture never holds up the board; then newLogoPath becomes the file and the
    // preview shows it. When it is no picture the program shows the notice says so; then, and
    // when the chooser was cancelled, newLogoPath is empty and the preview shows the logo in use.
    void mainpngcommClick();
    // Whether a chosen file is still being checked.
    bool checking() const { return m_checking; }

    // The save's logo step: a chosen picture that still exists replaces img\logo.png and
    // LoadLogo shows it; then newLogoPath is empty and the preview shows the logo in use. While
    // the file chosen is still being checked, this step runs when the check is done (a failure
    // then has the notice of its own) and gives Nothing now.
    Applied apply();

private:
    std::optional<std::string> askForFile();
    void chosenChecked(const std::string& chosen, bool decoded);
    void previewLogoInUse();

    LogoChooserControls m_controls;
    std::function<std::optional<std::string>()> m_choose;
    std::function<void(std::string_view text)> m_notice;
    int m_choice = 0; // a check that ends after a later choice was made is for nothing
    bool m_checking = false;
    bool m_applyWhenChecked = false;
    // What a check that ends after this chooser is gone (the board unloaded) finds expired.
    std::shared_ptr<const int> m_alive = std::make_shared<const int>(0);
};

} // namespace scoreboard
