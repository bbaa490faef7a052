#include "platform/gfx/area_reducer.h"
#include "platform/gfx/blit.h"
#include "platform/gfx/clip.h"

#include <algorithm>
#include <cmath>

namespace plat::gfx {

namespace {

// How much of the source interval [from, from + 1) lies in [start, end).
float overlap(double from, double start, double end) { return float(std::max(0.0, std::min(from + 1, end) - std::max(from, start))); }

} // namespace

AreaReducer::AreaReducer(Size from, Size to)
    : m_from(from), m_to(to), m_rowStep(to.height > 0 ? double(from.height) / to.height : 1.0),
      m_reducedRow(size_t(std::max(to.width, 0)) * 4), m_sum(m_reducedRow.size()), m_nextSum(m_reducedRow.size()),
      m_out(std::max(to.width, 0), std::max(to.height, 0), 0)
{
    if (to.width <= 0 || to.height <= 0)
        return;
    const double step = double(from.width) / to.width;
    m_columnStep = float(step);
    m_columns.resize(size_t(to.width));
    for (int x = 0; x < to.width; ++x) {
        const double start = x * step, end = std::min(double(from.width), (x + 1) * step);
        Span& span = m_columns[size_t(x)];
        span.first = int(std::floor(start));
        const int last = std::max(span.first, std::min(from.width - 1, int(std::ceil(end)) - 1));
        span.count = last - span.first + 1;
        span.firstWeight = overlap(span.first, start, end);
        span.lastWeight = span.count > 1 ? overlap(last, start, end) : span.firstWeight;
    }
}

void AreaReducer::addRow(const uint32_t* pixels)
{
    if (m_columns.empty() || m_outRow >= m_to.height)
        return;
    // Colours weighted by alpha, in whole numbers for the columns that count fully.
    auto add = [](uint32_t v, uint32_t& r, uint32_t& g, uint32_t& b, uint32_t& a) {
        const uint32_t alpha = v >> 24;
        r += alpha * (v & 255), g += alpha * ((v >> 8) & 255), b += alpha * ((v >> 16) & 255), a += alpha;
    };
    const float scale = 1.0f / m_columnStep;
    for (size_t x = 0; x < m_columns.size(); ++x) {
        const Span& span = m_columns[x];
        const uint32_t* p = pixels + span.first;
        uint32_t r = 0, g = 0, b = 0, a = 0;
        float* out = &m_reducedRow[x * 4];
        if (span.count == 1) {
            add(p[0], r, g, b, a);
            const float w = span.firstWeight * scale;
            out[0] = w * float(r), out[1] = w * float(g), out[2] = w * float(b), out[3] = w * float(a);
            continue;
        }
        for (int i = 1; i + 1 < span.count; ++i)
            add(p[i], r, g, b, a);
        uint32_t r0 = 0, g0 = 0, b0 = 0, a0 = 0, r1 = 0, g1 = 0, b1 = 0, a1 = 0;
        add(p[0], r0, g0, b0, a0);
        add(p[span.count - 1], r1, g1, b1, a1);
        const float w0 = span.firstWeight, w1 = span.lastWeight;
        out[0] = scale * (float(r) + w0 * float(r0) + w1 * float(r1));
        out[1] = scale * (float(g) + w0 * float(g0) + w1 * float(g1));
        out[2] = scale * (float(b) + w0 * float(b0) + w1 * float(b1));
        out[3] = scale * (float(a) + w0 * float(a0) + w1 * float(a1));
    }
    // This source row falls into the result row being gathered and perhaps the next one.
    const double y = m_sourceRow++;
    const double end = (m_outRow + 1) * m_rowStep;
    const float here = overlap(y, m_outRow * m_rowStep, end) / float(m_rowStep);
    const float there = (y + 1 > end) ? overlap(y, end, end + m_rowStep) / float(m_rowStep) : 0.0f;
    for (size_t i = 0; i < m_sum.size(); ++i)
        m_sum[i] += here * m_reducedRow[i];
    if (there > 0)
        for (size_t i = 0; i < m_nextSum.size(); ++i)
            m_nextSum[i] += there * m_reducedRow[i];
    if (y + 1 >= end - 1e-9 || m_sourceRow == m_from.height)
        emitRow();
}

void AreaReducer::emitRow()
{
    if (m_outRow >= m_to.height)
        return;
    uint32_t* out = m_out.row(m_outRow);
    for (int x = 0; x < m_to.width; ++x) {
        const float* s = &m_sum[size_t(x) * 4];
        const float a = s[3];
        if (a <= 0.0f) {
            out[x] = 0;
            continue;
        }
        auto channel = [&](float premultiplied) { return uint32_t(std::clamp(std::lround(premultiplied / a), 0L, 255L)); };
        out[x] = channel(s[0]) | channel(s[1]) << 8 | channel(s[2]) << 16 | uint32_t(std::clamp(std::lround(a), 0L, 255L)) << 24;
    }
    ++m_outRow;
    std::swap(m_sum, m_nextSum);
    std::fill(m_nextSum.begin(), m_nextSum.end(), 0.0f);
}

Surface scalePicture(const Surface& picture, Size size)
{
    if (picture.isEmpty() || size.width <= 0 || size.height <= 0)
        return {};
    if (size == Size{picture.width(), picture.height()})
        return picture;
    const Size reduced{std::min(size.width, picture.width()), std::min(size.height, picture.height())};
    Surface smaller;
    const Surface* from = &picture;
    if (reduced != Size{picture.width(), picture.height()}) {
        AreaReducer reducer({picture.width(), picture.height()}, reduced);
        for (int y = 0; y < picture.height(); ++y)
            reducer.addRow(picture.row(y));
        smaller = reducer.take();
        from = &smaller;
    }
    if (reduced == size)
        return smaller;
    Surface out(size.width, size.height, 0);
    stretchBlit(out, out.rect(), *from, from->rect(), Clip(out.rect()), StretchMode::Bilinear);
    return out;
}

} // namespace plat::gfx
