// The run-length codes of bitmaps. Every code is two bytes: a count and a
// value. A count above 0 repeats the value (RLE4: its two nibbles in turn);
// a count of 0 is an escape: 0 ends the row, 1 ends the picture, 2 moves
// right and up by the next two bytes, and 3 or more gives that many pixels
// literally, padded to an even number of bytes. Rows run from the bottom.
#include "platform/BmpRle.h"

namespace {

class RleDecoder {
public:
    RleDecoder(const std::uint8_t* data, std::size_t size, int width, int height, int bits,
               std::uint8_t* indices)
        : data_(data), size_(size), width_(width), height_(height), bits_(bits), indices_(indices) {}

    bool Run() {
        for (;;) {
            // Data that ends without the end-of-picture code is whole only
            // when the last row is finished.
            if (!Has(2)) return y_ >= height_ || (y_ == height_ - 1 && x_ == width_);
            const int count = data_[at_], value = data_[at_ + 1];
            at_ += 2;
            if (count > 0) {
                if (!Fits(count)) return false;
                for (int i = 0; i < count; ++i) Put(bits_ == 8 ? value : Nibble(value, i));
                continue;
            }
            switch (value) {
            case 0: // end of row
                if (y_ >= height_) return false;
                x_ = 0;
                ++y_;
                break;
            case 1: // end of picture
                return true;
            case 2: { // move
                if (!Has(2)) return false;
                const int dx = data_[at_], dy = data_[at_ + 1];
                at_ += 2;
                if (dx > width_ - x_ || dy > height_ - y_) return false;
                x_ += dx;
                y_ += dy;
                break;
            }
            default: { // `value` pixels given literally
                const std::size_t bytes = bits_ == 8 ? value : (value + 1) / 2;
                const std::size_t padded = (bytes + 1) & ~std::size_t{1};
                if (!Has(padded) || !Fits(value)) return false;
                const std::uint8_t* p = data_ + at_;
                for (int i = 0; i < value; ++i) Put(bits_ == 8 ? p[i] : Nibble(p[i / 2], i));
                at_ += padded;
                break;
            }
            }
        }
    }

private:
    bool Has(std::size_t n) const { return at_ <= size_ && n <= size_ - at_; }
    // A run of n pixels must stay on the current row of the picture.
    bool Fits(int n) const { return y_ < height_ && n <= width_ - x_; }
    static int Nibble(int byte, int i) { return i % 2 == 0 ? byte >> 4 : byte & 15; }
    void Put(int index) {
        const std::size_t row = static_cast<std::size_t>(height_ - 1 - y_);
        indices_[row * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x_)] =
            static_cast<std::uint8_t>(index);
        ++x_;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    int width_, height_, bits_;
    std::uint8_t* indices_;
    int x_ = 0, y_ = 0; // y counts rows from the bottom, as they are stored
};

} // namespace

bool DecodeBmpRle(const std::uint8_t* data, std::size_t size, int width, int height, int bitsPerPixel,
                  std::uint8_t* indices) {
    if ((bitsPerPixel != 8 && bitsPerPixel != 4) || width < 1 || height < 1) return false;
    return RleDecoder(data, size, width, height, bitsPerPixel, indices).Run();
}
