#pragma once
#include "platform/forms/form.h"
#include <string>

namespace plat::forms {

// The frame of our own modal dialogs (the common dialogs): a raised border, a title bar with
// the title and a close box, and the window dragged by its title bar. Controls go below
// clientTop(). The close box sends the close request.
class DialogForm : public Form {
public:
    static constexpr int kTitleHeight = 22;

    DialogForm(std::string name, std::string title);

    const std::string& title() const { return m_title; }
    void setTitle(std::string title);
    // Pixels: where the area below the title bar starts.
    static constexpr int clientTop() { return kTitleHeight + 2; }
    // Places the dialog at its size (pixels) in the middle of the screen.
    void centre(int width, int height);
    // The close box, in the form's pixels.
    gfx::Rect closeBox() const;

protected:
    void onResize() override;
    void onMouseDown(int button, int shift, double x, double y) override;
    void onMouseMove(int button, int shift, double x, double y) override;
    void onMouseUp(int button, int shift, double x, double y) override;
    // Draws the frame; dialogs that paint more on the form's image do it after calling this.
    virtual void drawFrame();

private:
    std::string m_title;
    bool m_dragging = false;
    bool m_closePressed = false;
    gfx::Point m_grab;
};

} // namespace plat::forms
