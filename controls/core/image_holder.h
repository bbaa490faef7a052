#pragma once
#include "platform/gfx/picture.h"

namespace qel {

// A windowless picture element drawn over a control's face (PCTcolor, PCTgray): it holds a
// picture, sizes itself to it, and has a place in twips and a visibility. Mouse input over it
// still goes to the control. DrawnControl lays the visible holders over its face whenever it
// shows its image.
class ImageHolder {
public:
    const plat::gfx::Picture& Picture() const { return m_picture; }
    // Takes the picture and its size.
    void setPicture(const plat::gfx::Picture& picture) { m_picture = picture; }
    bool HasPicture() const { return !m_picture.isEmpty(); }

    // Twips.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const;
    int Height() const;
    void Move(int left, int top)
    {
        m_left = left;
        m_top = top;
    }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

private:
    plat::gfx::Picture m_picture;
    int m_left = 0;
    int m_top = 0;
    bool m_visible = false;
};

// A hidden picture work surface (pctG): its persistent image receives a picture and is sized
// to it; its picture property can be set to that image.
class WorkPicture {
public:
    plat::gfx::Surface& Image() { return m_image; }
    const plat::gfx::Surface& Image() const { return m_image; }
    const plat::gfx::Picture& Picture() const { return m_picture; }
    void setPicture(const plat::gfx::Picture& picture);
    // Sizes the persistent image (pixels), keeping what it shows at the top left.
    void Resize(int width, int height);
    int ScaleWidthPixels() const { return m_image.width(); }
    int ScaleHeightPixels() const { return m_image.height(); }
    // The picture property becomes the persistent image as it stands.
    void TakeImageAsPicture() { m_picture = plat::gfx::Picture(m_image); }

private:
    plat::gfx::Surface m_image;
    plat::gfx::Picture m_picture;
};

// The picture of a button or frame with its gray copy: PCTcolor holds the picture, pctG makes
// the gray copy (MakeGrayPicture) and PCTgray holds it, to be shown while the control is
// disabled.
struct GrayedPicture {
    ImageHolder PCTcolor;
    WorkPicture pctG;
    ImageHolder PCTgray;

    // Picture Set: both holders and the work surface take the picture (the gray copy a blank
    // image when the picture is none).
    void Assign(const plat::gfx::Picture& picture);
    // A picture is in use when PCTcolor holds one.
    bool HasPicture() const { return PCTcolor.HasPicture(); }
    void HideBoth()
    {
        PCTcolor.setVisible(false);
        PCTgray.setVisible(false);
    }
};

} // namespace qel
