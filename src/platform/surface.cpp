#include "platform/surface.h"

#include <algorithm>
#include <cstring>

namespace fw {

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill & 0xFFFFFFu),
      writtenEnd_(height_) {}

Surface::Surface(const Surface& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_), writtenEnd_(height_) {}

Surface::Surface(Surface&& other) noexcept
    : width_(other.width_), height_(other.height_), pixels_(std::move(other.pixels_)), writtenEnd_(height_) {
    other.width_ = other.height_ = 0;
    other.writtenFirst_ = other.writtenEnd_ = 0;
}

Surface& Surface::operator=(const Surface& other) {
    if (this != &other) *this = Surface(other);
    return *this;
}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this == &other) return *this;
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = std::move(other.pixels_);
    writtenFirst_ = 0;
    writtenEnd_ = height_;
    other.width_ = other.height_ = 0;
    other.writtenFirst_ = other.writtenEnd_ = 0;
    return *this;
}

std::pair<int, int> Surface::takeWrittenRows() {
    const std::pair<int, int> rows{writtenFirst_, writtenEnd_};
    writtenFirst_ = height_;
    writtenEnd_ = 0;
    return rows.first < rows.second ? rows : std::pair<int, int>{0, 0};
}

void Surface::fill(std::uint32_t rgb) {
    wrote(0, height_);
    std::fill(pixels_.begin(), pixels_.end(), rgb & 0xFFFFFFu);
}

bool Surface::sameRect(int x, int y, int w, int h, const Surface& other, int ox, int oy) const {
    for (int j = 0; j < h; ++j) {
        if (!std::equal(row(y + j) + x, row(y + j) + x + w, other.row(oy + j) + ox)) return false;
    }
    return true;
}

namespace {

// Shrinks the rectangle so that [pos, pos + len) lies in [0, limit), moving the
// paired coordinate along with it.
void clipAxis(int& pos, int& paired, int& len, int limit) {
    if (pos < 0) {
        len += pos;
        paired -= pos;
        pos = 0;
    }
    if (pos + len > limit) len = limit - pos;
}

}  // namespace

void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    if (rop == Rop::Blackness) {
        int unused = 0;
        clipAxis(dx, unused, w, dst.width());
        clipAxis(dy, unused, h, dst.height());
        for (int j = 0; j < h; ++j) std::fill_n(dst.row(dy + j) + dx, std::max(w, 0), 0u);
        return;
    }
    clipAxis(dx, sx, w, dst.width());
    clipAxis(dy, sy, h, dst.height());
    clipAxis(sx, dx, w, src.width());
    clipAxis(sy, dy, h, src.height());
    if (w <= 0 || h <= 0) return;

    const bool same = &dst == &src;
    if (same && rop == Rop::SrcCopy) {
        // A copy within one surface (the scrolling reels): rows in the order
        // that reads each source row before it is overwritten.
        const bool fromBottom = dy > sy;
        for (int i = 0; i < h; ++i) {
            const int j = fromBottom ? h - 1 - i : i;
            std::memmove(dst.row(dy + j) + dx, src.row(sy + j) + sx,
                         static_cast<std::size_t>(w) * sizeof(std::uint32_t));
        }
        return;
    }
    // Other raster operations within one surface: take the source rows first
    // so that an overlapping destination cannot feed back into the source.
    std::vector<std::uint32_t> scratch;
    if (same) {
        scratch.resize(static_cast<std::size_t>(w) * h);
        for (int j = 0; j < h; ++j) std::copy_n(src.row(sy + j) + sx, w, scratch.data() + j * w);
    }
    for (int j = 0; j < h; ++j) {
        const std::uint32_t* in = same ? scratch.data() + j * w : src.row(sy + j) + sx;
        std::uint32_t* out = dst.row(dy + j) + dx;
        switch (rop) {
            case Rop::SrcCopy:
                std::copy_n(in, w, out);
                break;
            case Rop::SrcAnd:
                for (int i = 0; i < w; ++i) out[i] &= in[i];
                break;
            case Rop::SrcInvert:
                for (int i = 0; i < w; ++i) out[i] ^= in[i];
                break;
            case Rop::Blackness:
                break;
        }
    }
}

}  // namespace fw
