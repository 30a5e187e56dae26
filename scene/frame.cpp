// The picture frame is laid from fixed strips: a long strip at one end and pieces repeated
// along the rest. The k-th piece lies s x k(k - 1) / 2 from the first (s: the piece's length),
// so the first two coincide and the later ones overlap or follow. On large screens that
// spacing outruns the pieces and leaves gaps; where it would, the strip is laid again with no
// piece more than one piece length beyond the one before it, so the strips stay whole at any
// size while the usual screens keep the designed placement.
#include "scene/frame.h"

#include <algorithm>

#include "resources/resource_ids.h"

namespace {

struct PieceSize {
    int32_t id;
    ResourceSize size;
    int32_t width() const { return size.width; }
    int32_t height() const { return size.height; }
};

constexpr PieceSize kLeft{kBitmapFrameLeft, kBitmapFrameLeftSize};
constexpr PieceSize kLeftPiece{kBitmapFrameLeftPiece, kBitmapFrameLeftPieceSize};
constexpr PieceSize kBottom{kBitmapFrameBottom, kBitmapFrameBottomSize};
constexpr PieceSize kBottomPiece{kBitmapFrameBottomPiece, kBitmapFrameBottomPieceSize};
constexpr PieceSize kTopPiece{kBitmapFrameTop, kBitmapFrameTopSize};
constexpr PieceSize kRightPiece{kBitmapFrameRight, kBitmapFrameRightSize};
constexpr PieceSize kCornerTopLeft{kBitmapFrameCornerTopLeft, kBitmapFrameCornerTopLeftSize};
constexpr PieceSize kCornerTopRight{kBitmapFrameCornerTopRight, kBitmapFrameCornerTopRightSize};
constexpr PieceSize kCornerBottomRight{kBitmapFrameCornerBottomRight,
                                       kBitmapFrameCornerBottomRightSize};

// Spacing of the top strip's pieces.
constexpr int32_t kTopStep = 19;

struct Span {
    int32_t from, to;  // [from, to) along the strip
};

// Positions along a strip: the first at `first`, the k-th moved by the spacing in `direction`
// (+1 or -1), while `more(position)` holds. Capped: never beyond one piece length from the last.
template <typename More>
std::vector<int32_t> lay_strip(int32_t first, int32_t direction, int32_t step, int32_t length,
                               bool capped, More more) {
    std::vector<int32_t> positions;
    int32_t offset = 0;
    for (int32_t k = 0;; ++k) {
        int32_t triangular = step * k * (k - 1) / 2;
        offset = capped && k > 0 ? std::min(triangular, offset + length) : triangular;
        int32_t position = first + direction * offset;
        if (!more(position)) break;
        positions.push_back(position);
    }
    return positions;
}

// Whether pieces at these positions, with the fixed pieces, cover the whole of `need`.
bool covers(const std::vector<int32_t>& positions, int32_t length, std::vector<Span> fixed,
            Span need) {
    for (int32_t p : positions) fixed.push_back(Span{p, p + length});
    std::sort(fixed.begin(), fixed.end(), [](Span a, Span b) { return a.from < b.from; });
    int32_t reached = need.from;
    for (const Span& s : fixed) {
        if (s.from > reached) break;
        reached = std::max(reached, s.to);
    }
    return reached >= need.to;
}

template <typename More>
std::vector<int32_t> lay_covering(int32_t first, int32_t direction, int32_t step, int32_t length,
                                  More more, const std::vector<Span>& fixed, Span need) {
    std::vector<int32_t> designed = lay_strip(first, direction, step, length, false, more);
    if (covers(designed, length, fixed, need)) return designed;
    return lay_strip(first, direction, step, length, true, more);
}

void add(std::vector<FramePiece>& out, const PieceSize& p, int32_t x, int32_t y) {
    out.push_back(FramePiece{p.id, Rect{x, y, x + p.width(), y + p.height()}});
}

}  // namespace

std::vector<FramePiece> scene_frame_pieces(int32_t width, int32_t height) {
    const int32_t w = width;
    const int32_t h = height;
    std::vector<FramePiece> out;

    // Left strip, then pieces above it up to the top.
    const int32_t leftTop = h - 479;
    add(out, kLeft, 130, leftTop);
    if (leftTop > 16) {
        auto ys = lay_covering(
            0, +1, kLeftPiece.height(), kLeftPiece.height(), [&](int32_t y) { return y < leftTop; },
            {}, Span{0, leftTop});
        for (int32_t y : ys) add(out, kLeftPiece, 130, y);
    }

    // Bottom strip, then pieces from the right edge leftwards.
    add(out, kBottom, 130, h - 96);
    if (639 < w) {
        auto xs = lay_covering(
            w - kBottomPiece.width(), -1, kBottomPiece.width(), kBottomPiece.width(),
            [](int32_t x) { return x > 130; }, {Span{130, 130 + kBottom.width()}}, Span{130, w});
        for (int32_t x : xs) add(out, kBottomPiece, x, h - 96);
    }

    // Top strip, from the left rightwards.
    auto topXs = lay_covering(
        130, +1, kTopStep, kTopPiece.width(), [&](int32_t x) { return x < w - 19; },
        {Span{w - kCornerTopRight.width(), w}}, Span{130, w});
    for (int32_t x : topXs) add(out, kTopPiece, x, 0);
    add(out, kCornerTopLeft, 130, 1);

    // Right strip, from the bottom upwards, and one more piece at the very top.
    auto rightYs = lay_covering(
        h - 485, -1, kRightPiece.height(), kRightPiece.height(),
        [](int32_t y) { return y > -kRightPiece.height(); }, {Span{0, kRightPiece.height()}},
        Span{0, h - 96});
    for (int32_t y : rightYs) add(out, kRightPiece, w - 19, y);
    add(out, kRightPiece, w - 19, 0);
    add(out, kCornerTopRight, w - 32, 0);
    add(out, kCornerBottomRight, w - 20, h - 112);
    return out;
}
