#pragma once
#include "platform/forms/form.h"
#include "platform/gfx/picture.h"
#include <string>

namespace plat::forms {

// The frame of our own modal dialogs and message boxes: a raised border on the back colour, a
// title bar with an optional icon, the caption and, on a movable frame, a close box; a movable
// frame is also dragged by its title bar. Controls go below clientTop(). The close box sends the
// close request.
class DialogForm : public Form {
public:
    static constexpr int kTitleHeight = 22;
    static constexpr int kIconSize = 16; // the icon at the left of the title bar

    // Movable: close box and dragging; Fixed: the title only (a message box).
    enum class TitleBar { Movable, Fixed };

    // A dialog that builds its controls in code.
    DialogForm(std::string name, std::string title, TitleBar bar = TitleBar::Movable);
    // A movable dialog with the stored layout resources/forms/<name>.json, which gives the caption.
    explicit DialogForm(std::string name);

    const std::string& title() const { return caption(); }
    void setTitle(std::string title);
    // Pixels: where the area below the title bar starts.
    static constexpr int clientTop() { return kTitleHeight + 2; }
    // Places the dialog at its size (pixels) in the middle of the screen.
    void centre(int width, int height);
    // The close box, in the form's pixels (only a movable frame draws it).
    gfx::Rect closeBox() const;

protected:
    // The picture drawn at the left of the title bar; the frame is drawn again.
    void setTitleIcon(gfx::Picture icon);

    void onResize() override;
    void onMouseDown(int button, int shift, double x, double y) override;
    void onMouseMove(int button, int shift, double x, double y) override;
    void onMouseUp(int button, int shift, double x, double y) override;
    // Draws the frame; dialogs that paint more on the form's image do it after calling this.
    virtual void drawFrame();

private:
    TitleBar m_bar = TitleBar::Movable;
    gfx::Picture m_titleIcon;
    bool m_dragging = false;
    bool m_closePressed = false;
    gfx::Point m_grab;
};

} // namespace plat::forms
