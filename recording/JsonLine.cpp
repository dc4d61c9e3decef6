#include "recording/JsonLine.h"

#include <cmath>
#include <cstdio>

#include "common/CharConv.h"
#include "common/Text.h"

namespace tellvane {
namespace {

template <typename T>
std::string shortest(T v) {
    if (!std::isfinite(v)) return "null";
    if (v == 0) return "0";  // also -0
    char buf[64];
    const auto r = toChars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

}  // namespace

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double v) { return shortest(v); }
std::string jsonNumber(float v) { return shortest(v); }

void JsonLine::key(std::string_view k) {
    if (body_.size() > 1) body_ += ',';
    body_ += jsonString(k);
    body_ += ':';
}

JsonLine& JsonLine::add(std::string_view k, std::string_view utf8) {
    key(k);
    body_ += jsonString(utf8);
    return *this;
}
JsonLine& JsonLine::add(std::string_view k, const std::u16string& text) {
    return add(k, std::string_view(toUtf8(text)));
}
JsonLine& JsonLine::add(std::string_view k, double v) { return addRaw(k, jsonNumber(v)); }
JsonLine& JsonLine::add(std::string_view k, float v) { return addRaw(k, jsonNumber(v)); }
JsonLine& JsonLine::add(std::string_view k, std::int32_t v) { return addRaw(k, std::to_string(v)); }
JsonLine& JsonLine::add(std::string_view k, bool v) { return addRaw(k, v ? "true" : "false"); }
JsonLine& JsonLine::addNull(std::string_view k) { return addRaw(k, "null"); }
JsonLine& JsonLine::addRaw(std::string_view k, std::string_view json) {
    key(k);
    body_ += json;
    return *this;
}

}  // namespace tellvane
