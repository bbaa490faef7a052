#include "platform/gfx/face_map.h"

#include <algorithm>
#include <cctype>

namespace plat::gfx {

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

struct Entry {
    std::vector<std::string_view> names;
    std::vector<FaceCandidate> standIns;
    bool chinese;
};

// The clock face's digits are narrow (about half an em) and sit low in a cell one em high; the
// seven-segment stand-in has digits 0.816 em wide and a full em tall, and "1" takes a whole
// digit's advance. Scaled like this, "12:00" at 270 pt takes 748 of the 794 pixels the clock
// label gives it and the digits stay inside the label's visible band.
const FaceCandidate kClockStandIn{"DSEG7 Classic", 0.60, 0.66, 0.84, 0.16};

const std::vector<Entry>& entries()
{
    // Display sizes (the title, the team names, the start button) take Noto's CJK faces, whose
    // Latin letters are a proper serif and sans where the older faces have typewriter-like ones.
    // Their line is the ideographs' em box (0.88 up, 0.12 down), as the named faces have it; the
    // face's own line is half as high again and would push the text down out of its label.
    // Small text keeps the older faces: like the named ones, they draw small sizes from crisp
    // bitmap strikes.
    constexpr int kDisplayEm = 20;
    static const std::vector<FaceCandidate> song = {{"Noto Serif CJK SC", 1, 1, 0.88, 0.12, kDisplayEm},
        {"AR PL UMing CN"}, {"AR PL UMing TW"}, {"WenQuanYi Micro Hei"}};
    static const std::vector<FaceCandidate> hei
        = {{"Noto Sans CJK SC", 1, 1, 0.88, 0.12, kDisplayEm}, {"WenQuanYi Micro Hei"}, {"AR PL UMing CN"}};
    static const std::vector<FaceCandidate> sans = {{"Liberation Sans"}, {"Arimo"}, {"DejaVu Sans"}};
    // Names in one entry are the same face; the stand-ins follow in order of likeness.
    static const std::vector<Entry> table = {
        {{"宋体", "SimSun"}, song, true},
        {{"新宋体", "NSimSun"}, song, true},
        {{"楷体_GB2312", "楷体", "KaiTi"}, song, true},
        {{"仿宋_GB2312", "仿宋", "FangSong"}, song, true},
        {{"黑体", "SimHei"}, hei, true},
        {{"微软雅黑", "Microsoft YaHei"}, hei, true},
        {{"Arial"}, sans, false},
        {{"Tahoma"}, sans, false},
        {{"MS Sans Serif", "Microsoft Sans Serif"}, sans, false},
        {{"Verdana"}, sans, false},
        {{"Segoe UI"}, sans, false},
        {{"Times New Roman"}, {{"Liberation Serif"}, {"DejaVu Serif"}}, false},
        {{"Courier New"}, {{"Liberation Mono"}, {"DejaVu Sans Mono"}}, false},
        {{"DS-Digital"}, {kClockStandIn}, false},
    };
    return table;
}

bool hasNonAscii(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

FaceMapping mapFace(std::string_view requested)
{
    FaceMapping mapping;
    mapping.candidates.push_back({std::string(requested)});
    mapping.chinese = hasNonAscii(requested);
    for (const Entry& e : entries()) {
        if (std::none_of(e.names.begin(), e.names.end(), [&](std::string_view n) { return sameName(n, requested); }))
            continue;
        // The real face under another of its names comes before any stand-in.
        for (std::string_view n : e.names)
            if (!sameName(n, requested))
                mapping.candidates.push_back({std::string(n)});
        for (const FaceCandidate& c : e.standIns)
            mapping.candidates.push_back(c);
        mapping.chinese = mapping.chinese || e.chinese;
        break;
    }
    return mapping;
}

const std::vector<std::string>& fallbackFamilies()
{
    static const std::vector<std::string> families = {"WenQuanYi Micro Hei", "AR PL UMing CN", "DejaVu Sans"};
    return families;
}

} // namespace plat::gfx
