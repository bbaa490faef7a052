#pragma once
#include "platform/gfx/surface.h"

#include <vector>

namespace plat::gfx {

// Makes a picture smaller by averaging, for each pixel of the result, exactly the part of the
// picture it covers (weighted by alpha, so that see-through pixels lend no colour). The picture
// comes one row at a time, top to bottom, so a large one never has to be held whole.
class AreaReducer {
public:
    // `to` is no larger than `from` on either side.
    AreaReducer(Size from, Size to);

    void addRow(const uint32_t* pixels);
    // The result once every row of the picture has come.
    Surface take() { return std::move(m_out); }

private:
    // The source columns of one result column: the first and last may count in part.
    struct Span {
        int first = 0;
        int count = 0;
        float firstWeight = 1;
        float lastWeight = 1;
    };
    void emitRow();

    Size m_from, m_to;
    std::vector<Span> m_columns;
    float m_columnStep = 1; // source columns per result column
    double m_rowStep;   // source rows per result row
    int m_sourceRow = 0;
    int m_outRow = 0;
    std::vector<float> m_reducedRow; // premultiplied r, g, b and alpha of one source row
    std::vector<float> m_sum;        // the result row being gathered
    std::vector<float> m_nextSum;    // the part of the current source row that falls into the next
    Surface m_out;
};

// The picture at `size`: made smaller by area averaging, larger by bilinear filtering.
Surface scalePicture(const Surface& picture, Size size);

} // namespace plat::gfx
