#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plat::gfx {

// One installed family that can stand in for a face name, with the adjustments that make it take
// the room the named face would take.
struct FaceCandidate {
    std::string family;
    double scaleX = 1.0; // glyph size across, relative to the requested em
    double scaleY = 1.0; // glyph size up and down
    double ascent = 0.0; // line metrics as fractions of the requested em; 0 keeps the face's own
    double descent = 0.0;
    int minEmPixels = 0; // tried only for text at least this large
    bool operator==(const FaceCandidate&) const = default;
};

struct FaceMapping {
    std::vector<FaceCandidate> candidates; // best first; the name itself always comes first
    bool chinese = false;                  // ask fontconfig for a face that covers Chinese
};

// The families tried for a face name the forms use.
FaceMapping mapFace(std::string_view requested);

// Families asked, in order, for characters the chosen face has no glyph for (Chinese text in a
// Latin face, for one).
const std::vector<std::string>& fallbackFamilies();

} // namespace plat::gfx
