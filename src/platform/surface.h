// A 32-bit RGB pixel buffer (0x00RRGGBB) and the one copy operation the machine
// draws with. All four drawing surfaces of the machine are Surfaces.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace fw {

// Raster operations of the rectangle copy.
enum class Rop {
    SrcCopy,    // destination = source
    SrcAnd,     // destination = destination AND source
    SrcInvert,  // destination = destination XOR source
    Blackness,  // destination = black; the source is not read
};

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = 0);
    // A copy counts as written throughout.
    Surface(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(const Surface& other);
    Surface& operator=(Surface&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    std::uint32_t pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, std::uint32_t rgb) {
        wrote(y, y + 1);
        pixels_[index(x, y)] = rgb & 0xFFFFFFu;
    }
    const std::uint32_t* row(int y) const { return pixels_.data() + index(0, y); }
    // Row y, to write into.
    std::uint32_t* row(int y) {
        wrote(y, y + 1);
        return pixels_.data() + index(0, y);
    }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    void fill(std::uint32_t rgb);

    // True when the w x h rectangle at (x, y) of this surface equals the one at
    // (ox, oy) of other, pixel for pixel. Rectangles must lie inside both.
    bool sameRect(int x, int y, int w, int h, const Surface& other, int ox, int oy) const;

    // The rows written since the last call, as [first, end): the screen shown
    // in the window compares only these with what it shows. A new surface
    // counts as written throughout.
    std::pair<int, int> takeWrittenRows();

    bool operator==(const Surface& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    void wrote(int first, int end) {
        if (first < writtenFirst_) writtenFirst_ = first;
        if (end > writtenEnd_) writtenEnd_ = end;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    int writtenFirst_ = 0;
    int writtenEnd_ = 0;
};

// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dst with the
// raster operation. The rectangle is clipped to both surfaces: parts that fall
// outside either are left out (for Blackness only dst counts). src and dst may
// be the same surface, overlapping or not.
void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
            Rop rop = Rop::SrcCopy);

}  // namespace fw
