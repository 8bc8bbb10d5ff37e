#include "play/RectGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// Cells are at least two blocks wide, and a grid has at most this many per side.
constexpr double kMinCell = 64.0;
constexpr double kMaxCellsPerSide = 128.0;

bool Placeable(const cRectD& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) &&
           std::isfinite(r.bottom) && r.left <= r.right && r.top <= r.bottom;
}

} // namespace

std::int32_t cRectGrid::Column(double x) const {
    if (columns_ == 1) return 0;
    const double c = std::floor((x - left_) * inverseCell_);
    return static_cast<std::int32_t>(std::clamp(c, 0.0, static_cast<double>(columns_ - 1)));
}

std::int32_t cRectGrid::Row(double y) const {
    if (rows_ == 1) return 0;
    const double r = std::floor((y - top_) * inverseCell_);
    return static_cast<std::int32_t>(std::clamp(r, 0.0, static_cast<double>(rows_ - 1)));
}

void cRectGrid::Build(std::span<const cRectD> rects) {
    count_ = rects.size();
    loose_.clear();
    items_.clear();
    bool any = false;
    double l = 0, t = 0, r = 0, b = 0;
    for (const cRectD& x : rects) {
        if (!Placeable(x)) continue;
        l = any ? std::min(l, x.left) : x.left;
        t = any ? std::min(t, x.top) : x.top;
        r = any ? std::max(r, x.right) : x.right;
        b = any ? std::max(b, x.bottom) : x.bottom;
        any = true;
    }
    left_ = l;
    top_ = t;
    const double cell = std::max({kMinCell, (r - l) / kMaxCellsPerSide, (b - t) / kMaxCellsPerSide});
    inverseCell_ = 1.0 / cell;
    columns_ = rows_ = 1;
    // A spread too wide for a double keeps one cell: correct, only slow.
    if (any && std::isfinite(cell)) {
        const double most = kMaxCellsPerSide + 1;
        columns_ = static_cast<std::int32_t>(std::min(most, std::floor((r - l) * inverseCell_) + 1));
        rows_ = static_cast<std::int32_t>(std::min(most, std::floor((b - t) * inverseCell_) + 1));
    }

    // Counted first, then filled in the rectangles' order: each cell's
    // entries come out ascending.
    const std::size_t cells = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    cellStart_.assign(cells + 1, 0);
    const auto eachCell = [&](const cRectD& x, auto visit) {
        const std::int32_t c0 = Column(x.left), c1 = Column(x.right);
        const std::int32_t r0 = Row(x.top), r1 = Row(x.bottom);
        for (std::int32_t row = r0; row <= r1; ++row)
            for (std::int32_t col = c0; col <= c1; ++col)
                visit(static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                      static_cast<std::size_t>(col));
    };
    for (const cRectD& x : rects)
        if (Placeable(x)) eachCell(x, [&](std::size_t cell) { ++cellStart_[cell + 1]; });
    for (std::size_t i = 1; i <= cells; ++i) cellStart_[i] += cellStart_[i - 1];
    items_.resize(cellStart_[cells]);
    fill_.assign(cellStart_.begin(), cellStart_.end() - 1);
    marks_.assign((count_ + 63) / 64, 0);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (!Placeable(rects[i])) {
            loose_.push_back(static_cast<std::uint32_t>(i));
            continue;
        }
        eachCell(rects[i], [&](std::size_t cell) { items_[fill_[cell]++] = static_cast<std::uint32_t>(i); });
    }
}

void cRectGrid::Query(const cRectD& r, std::vector<std::uint32_t>& out) const {
    out.clear();
    if (!Placeable(r)) {
        // No cell range stands for it: every rectangle is a candidate.
        for (std::size_t i = 0; i < count_; ++i) out.push_back(static_cast<std::uint32_t>(i));
        return;
    }
    const std::int32_t c0 = Column(r.left), c1 = Column(r.right);
    const std::int32_t r0 = Row(r.top), r1 = Row(r.bottom);
    const auto cell = [&](std::int32_t row, std::int32_t col) {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(col);
    };
    if (r0 == r1 && c0 == c1 && loose_.empty()) {
        // One cell's entries are ascending already.
        out.assign(items_.begin() + cellStart_[cell(r0, c0)], items_.begin() + cellStart_[cell(r0, c0) + 1]);
        return;
    }
    // Several cells may repeat a rectangle: the numbers are marked in a bit
    // set and read back ascending, each once, which leaves the set empty.
    std::size_t lowWord = marks_.size(), highWord = 0;
    const auto mark = [&](std::uint32_t i) {
        const std::size_t w = i >> 6;
        marks_[w] |= std::uint64_t{1} << (i & 63);
        lowWord = std::min(lowWord, w);
        highWord = std::max(highWord, w);
    };
    for (std::int32_t row = r0; row <= r1; ++row) {
        const std::uint32_t* first = items_.data() + cellStart_[cell(row, c0)];
        const std::uint32_t* last = items_.data() + cellStart_[cell(row, c1) + 1];
        for (const std::uint32_t* p = first; p != last; ++p) mark(*p);
    }
    for (const std::uint32_t i : loose_) mark(i);
    for (std::size_t w = lowWord; w <= highWord && w < marks_.size(); ++w) {
        for (std::uint64_t bits = marks_[w]; bits != 0; bits &= bits - 1)
            out.push_back(
                static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
        marks_[w] = 0;
    }
}
