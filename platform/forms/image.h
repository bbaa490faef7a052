#pragma once
#include "platform/forms/control.h"
#include "platform/forms/mouse_events.h"
#include "platform/forms/picture_ref.h"
#include "platform/gfx/picture.h"

namespace plat::forms {

// A picture on the form, see-through where the picture is. Without Stretch it takes the
// picture's size; with Stretch the picture is scaled to the control.
class Image : public Control, public MouseEvents {
public:
    std::string className() const override { return "Image"; }

    const PictureRef& picture() const { return m_pictureRef; }
    void setPicture(const PictureRef& picture);
    // A picture from code (not kept in the stored layout).
    void setPicture(gfx::Picture picture);
    const gfx::Picture& currentPicture() const { return m_picture; }
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    // 0 none, 1 a single line around it.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void onPlaced() override;

private:
    static const auto& storedProperties();
    void changed();
    void redraw();

    PictureRef m_pictureRef;
    gfx::Picture m_picture;
    bool m_stretch = false;
    int m_borderStyle = 0;
    bool m_loading = false;
    bool m_sizing = false;
};

} // namespace plat::forms
