#pragma once
#include "platform/forms/picture_ref.h"
#include "platform/gfx/surface.h"
#include "platform/media/picture_control.h"
#include "platform/media/picture_store.h"
#include <memory>
#include <optional>
#include <string>

namespace plat::media {

// The alpha-image picture control: shows a picture (a PNG with its alpha) over whatever lies
// behind it (the form, the controls under it), and reports clicks and mouse events. It never
// takes the focus.
//
// Stored properties: Picture (a path relative to the resources folder, or absolute) and
// Stretch (False draws the picture at its own size from the top-left corner, cut at the edges;
// True scales it to the control).
class AlphaImage : public PictureControl {
public:
    static constexpr const char* kClassName = "aicAlphaImage";
    std::string className() const override { return kClassName; }

    // Loads a picture file by its full path and shows it in place of the one the control had;
    // the Picture property then names that file. A missing or unreadable file changes nothing
    // and returns false.
    bool loadFromFile(const std::string& path);

    // The picture property. Setting it shows what its file holds: a missing file shows nothing.
    const forms::PictureRef& picture() const { return m_picture; }
    void setPicture(const forms::PictureRef& picture);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    // How the control fits a picture larger than itself: scaled (Stretch) or cut.
    gfx::PictureFit fit() const { return m_stretch ? gfx::PictureFit::Scale : gfx::PictureFit::Crop; }

    // The picture as the control shows it, at the control's size (empty when none is shown).
    // Controls of one size showing one file share it (PictureStore).
    const gfx::Surface& pictureImage() const;
    // The size of the picture in its file (0 x 0 when none is shown).
    gfx::Size pictureSize() const { return m_loaded ? m_loaded->original : gfx::Size{}; }

    void initProperties() override;
    void readProperties(forms::PropertyBag& bag) override;
    void writeProperties(forms::PropertyBag& bag) const override;

protected:
    void onPlaced() override;
    void onResize() override { redraw(); }

private:
    static const auto& storedProperties();
    bool show(const std::string& path);
    void fitShownToSize();
    void redraw();

    forms::PictureRef m_picture;
    bool m_stretch = false;
    std::optional<PictureStore::Loaded> m_loaded;
    std::shared_ptr<const gfx::Surface> m_shown;
};

} // namespace plat::media
