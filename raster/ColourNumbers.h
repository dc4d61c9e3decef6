#pragma once
// Colours to numbers in order of arrival, by open addressing: a chart has a few
// hundred colours, so the table stays small enough for the first-level cache,
// where a general hash map costs more than the whole PNG encoding.

#include <cstdint>
#include <utility>
#include <vector>

namespace tellvane::raster {

class ColourNumbers {
public:
    ColourNumbers() { rehash(10); }

    /// The colour's number; a colour not seen before gets the next one.
    std::uint32_t operator()(std::uint32_t colour) {
        std::uint32_t i = slot(colour);
        for (; keys_[i] != kEmpty; i = (i + 1) & mask_)
            if (keys_[i] == colour) return numbers_[i];
        keys_[i] = colour;
        numbers_[i] = size_++;
        if (2 * size_ > keys_.size()) rehash(bits_ + 1);
        return size_ - 1;
    }
    std::uint32_t size() const { return size_; }

private:
    static constexpr std::uint32_t kEmpty = ~0u;  // no 24-bit colour
    std::uint32_t slot(std::uint32_t colour) const { return (colour * 0x9E3779B1u) >> (32 - bits_); }
    void rehash(int bits) {
        std::vector<std::uint32_t> keys = std::move(keys_), numbers = std::move(numbers_);
        bits_ = bits;
        mask_ = (1u << bits) - 1;
        keys_.assign(std::size_t{1} << bits, kEmpty);
        numbers_.assign(keys_.size(), 0);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (keys[k] == kEmpty) continue;
            std::uint32_t i = slot(keys[k]);
            while (keys_[i] != kEmpty) i = (i + 1) & mask_;
            keys_[i] = keys[k];
            numbers_[i] = numbers[k];
        }
    }

    std::vector<std::uint32_t> keys_, numbers_;
    std::uint32_t mask_ = 0, size_ = 0;
    int bits_ = 0;
};

}  // namespace tellvane::raster
