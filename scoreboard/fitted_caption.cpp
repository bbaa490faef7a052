#include "scoreboard/fitted_caption.h"

#include "controls/core/qel_label.h"
#include "platform/forms/fonts.h"
#include "platform/forms/label.h"
#include "platform/gfx/font.h"
#include "platform/system/utf8.h"

#include <algorithm>
#include <cmath>

namespace scoreboard {

namespace forms = plat::forms;
namespace gfx = plat::gfx;

namespace {

// Below this a name on the board is no longer read from the stands, nor a key hint at the desk.
constexpr double kLeastPoints = 6;
constexpr double kStep = 0.25;

bool fitsAt(forms::FontDesc face, double points, const std::u32string& text, gfx::Size room)
{
    face.size = points;
    gfx::Font font = forms::openFont(face);
    if (font.isNull() || !font.face())
        return true;
    const gfx::FontMetrics& metrics = font.metrics();
    int pen = 0, inkLeft = 0, inkRight = 0, inkBottom = 0;
    for (char32_t c : text) {
        const gfx::Glyph& glyph = font.face()->glyph(c);
        if (glyph.width > 0 && glyph.height > 0) {
            inkLeft = std::min(inkLeft, pen + glyph.left);
            inkRight = std::max(inkRight, pen + glyph.left + glyph.width);
            inkBottom = std::max(inkBottom, metrics.ascent - glyph.top + glyph.height);
        }
        pen += glyph.advance;
    }
    const int across = std::max(pen, inkRight) - inkLeft;
    return across <= room.width && inkBottom <= room.height;
}

} // namespace

double fittingPoints(const forms::FontDesc& designed, std::string_view text, gfx::Size room)
{
    const std::u32string characters = plat::sys::decodeUtf8(text);
    if (characters.empty() || fitsAt(designed, designed.size, characters, room))
        return designed.size;
    // The largest step that fits: the room a text takes grows with its size.
    int low = int(std::ceil(kLeastPoints / kStep)), high = int(std::floor(designed.size / kStep));
    if (!fitsAt(designed, low * kStep, characters, room))
        return low * kStep;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fitsAt(designed, middle * kStep, characters, room))
            low = middle;
        else
            high = middle - 1;
    }
    return low * kStep;
}

void showFitted(std::initializer_list<qel::qelLabel*> labels, const std::string& text, double designedPoints)
{
    double points = designedPoints;
    for (qel::qelLabel* label : labels) {
        if (!label)
            continue;
        forms::FontDesc face = label->Font();
        face.size = designedPoints;
        // A caption is drawn from one pixel in and clipped there; the window ends the room. A
        // pixel more on each side keeps the letters off the edges.
        const gfx::Rect pixels = label->pixelRect();
        points = std::min(points, fittingPoints(face, text, {pixels.width() - 4, pixels.height() - 2}));
    }
    for (qel::qelLabel* label : labels) {
        if (!label)
            continue;
        forms::FontDesc face = label->Font();
        face.size = points;
        if (!(face == label->Font()))
            label->setFont(face);
        label->setCaption(text);
    }
}

void showFitted(forms::Label* label, const std::string& text, double designedPoints)
{
    if (!label)
        return;
    forms::FontDesc face = label->font();
    face.size = designedPoints;
    const int border = label->borderStyle() == 1 ? 2 : 0;
    const gfx::Rect pixels = label->pixelRect();
    face.size = fittingPoints(face, text, {pixels.width() - border, pixels.height() - border});
    if (!(face == label->font()))
        label->setFont(face);
    label->setCaption(text);
}

} // namespace scoreboard
