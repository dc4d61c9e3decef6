#include "records/TextDecoder.h"

#include <bit>
#include <stdexcept>

namespace tellvane {
namespace {

constexpr const char* kUtf16Native = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

}  // namespace

TextDecoder::TextDecoder(const char* encoding) : cd_(iconv_open(kUtf16Native, encoding)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("no decoder for ") + encoding);
}

TextDecoder::~TextDecoder() { iconv_close(cd_); }

std::optional<std::u16string> TextDecoder::decode(std::string_view bytes) {
    // Most cells are ASCII, which every encoding read here maps to itself.
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::u16string(bytes.begin(), bytes.end());

    // No encoding read here yields more than one UTF-16 unit per byte.
    std::u16string out(bytes.size(), u'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = reinterpret_cast<char*>(out.data());
    std::size_t toLeft = out.size() * sizeof(char16_t);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    if (iconv(cd_, nullptr, nullptr, &to, &toLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - toLeft / sizeof(char16_t));
    return out;
}

}  // namespace tellvane
