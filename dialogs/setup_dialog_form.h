#pragma once
#include "platform/forms/form.h"
#include "platform/gfx/picture.h"

#include <string>
#include <string_view>

namespace dialogs {

// What the setup dialogs share: the stored layout resources/forms/<name>.json, a title bar with
// the window icon, the caption and a close box drawn on the form's own image (controls sit below
// titleHeight()), and the scoreboard's icon as the window icon. The close box is the close request, which
// unloads the form and writes nothing.
class SetupDialogForm : public plat::forms::Form {
public:
    static constexpr int kTitleHeight = 22; // pixels
    static constexpr int kIconSize = 16;    // the window icon at the left of the title bar

    explicit SetupDialogForm(std::string name);

    // Shows the dialog modally over the scoreboard; when its loop ends the form is unloaded, so
    // the next opening starts afresh from the match state. A broken stored layout is reported in
    // a message box instead of reaching the caller.
    void showModal();

    // The close box, in the form's pixels.
    plat::gfx::Rect closeBox() const;

protected:
    // The icon and the frame, then loadDialog().
    void onLoad() final;
    // The dialog copies the match state into its controls.
    virtual void loadDialog() {}
    // Gives a control the focus (a Click that refuses points at the box to mend this way); the
    // text of a text box is selected, so typing replaces it.
    void focusOn(std::string_view name, int index = -1);

    void onResize() override;
    void onMouseDown(int button, int shift, double x, double y) override;
    void onMouseMove(int button, int shift, double x, double y) override;
    void onMouseUp(int button, int shift, double x, double y) override;

private:
    void drawFrame();

    plat::gfx::Picture m_icon; // the window icon's picture, drawn in the title bar
    bool m_dragging = false;
    bool m_closePressed = false;
    plat::gfx::Point m_grab;
};

} // namespace dialogs
