#pragma once
// Decodes the bytes of a data file into the control's UTF-16 texts, strictly: a
// byte sequence the encoding does not define is an error, never a replacement.

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace tellvane {

class TextDecoder {
public:
    /// An encoding as glibc's iconv names it ("UTF-8", "CP932").
    explicit TextDecoder(const char* encoding);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    /// The text, or nullopt when the bytes are not valid in the encoding.
    std::optional<std::u16string> decode(std::string_view bytes);

private:
    iconv_t cd_;
};

}  // namespace tellvane
