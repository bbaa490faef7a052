#pragma once
#include "platform/forms/control.h"
#include "platform/forms/input_control.h"
#include "platform/forms/mouse_events.h"
#include "platform/forms/picture_ref.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"
#include <functional>
#include <memory>

namespace plat::forms {

// A box that shows a picture, can be drawn on, and holds other controls.
class PictureBox : public Control, public KeyEvents, public MouseEvents, public ColorsAndFont {
public:
    PictureBox();
    ~PictureBox() override;
    std::string className() const override { return "PictureBox"; }
    bool isContainer() const override { return true; }

    const PictureRef& picture() const { return m_pictureRef; }
    void setPicture(const PictureRef& picture);
    // A picture from code (not kept in the stored layout).
    void setPicture(gfx::Picture picture);
    const gfx::Picture& currentPicture() const { return m_picture; }
    // 0 none, 1 a sunken border.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // Sizes itself to its picture.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // Inside size in twips (without the border).
    double scaleWidth() const;
    double scaleHeight() const;
    // Drawing on the box (what stays drawn, as AutoRedraw keeps it); refresh() shows it.
    gfx::DeviceContext& dc();
    void cls();
    void refresh();

    std::function<void()> onResize;

    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    bool canTakeFocus() const override { return true; }
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void onPlaced() override;
    void onRemoved() override { m_dc.reset(); }
    // A new BackColor repaints; ForeColor and Font are for what is drawn next on the box.
    void lookChanged(Look what) override;

private:
    static const auto& storedProperties();
    void changed();
    int borderPixels() const { return m_borderStyle == 1 ? 2 : 0; }

    PictureRef m_pictureRef;
    gfx::Picture m_picture;
    int m_borderStyle = 1;
    bool m_autoSize = false;
    bool m_loading = false;
    std::unique_ptr<gfx::DeviceContext> m_dc;
};

} // namespace plat::forms
