#pragma once
#include "platform/forms/user_control.h"
#include "platform/gfx/device_context.h"

namespace qel {

// A control that only a form designer shows: a small fixed face that tells the developer what
// the control is. In the running program its window stays hidden (the timer, the key and mouse
// event source and the tray icon act, but show nothing of their own). Any resize puts the
// control back to its fixed size.
class HiddenFaceControl : public plat::forms::UserControl {
public:
    // The fixed size, twips.
    int FixedWidth() const { return m_fixedWidth; }
    int FixedHeight() const { return m_fixedHeight; }

protected:
    HiddenFaceControl(int widthPixels, int heightPixels);

    bool canTakeFocus() const override { return false; }
    void onPlaced() override;
    void onResize() override;
    // Draws the face on its whole window image (pixels).
    virtual void DrawFace(plat::gfx::DeviceContext& dc, int width, int height) = 0;

private:
    void KeepFixedSize();
    void ShowFace();

    int m_fixedWidth;
    int m_fixedHeight;
    bool m_snapping = false;
};

} // namespace qel
