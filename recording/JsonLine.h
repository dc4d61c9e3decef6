#pragma once
// One JSON object on one line, keys in the order they are added. Numbers are the
// shortest decimal that reads back as the same value in their own precision.

#include <cstdint>
#include <string>
#include <string_view>

namespace tellvane {

class JsonLine {
public:
    JsonLine& add(std::string_view key, std::string_view utf8);
    JsonLine& add(std::string_view key, const char* utf8) { return add(key, std::string_view(utf8)); }
    JsonLine& add(std::string_view key, const std::u16string& text);
    JsonLine& add(std::string_view key, double v);
    JsonLine& add(std::string_view key, float v);
    JsonLine& add(std::string_view key, std::int32_t v);
    JsonLine& add(std::string_view key, bool v);
    JsonLine& addNull(std::string_view key);
    /// A value already written as JSON.
    JsonLine& addRaw(std::string_view key, std::string_view json);

    std::string str() const { return body_ + "}"; }

private:
    void key(std::string_view k);
    std::string body_ = "{";
};

/// A string as a JSON string literal.
std::string jsonString(std::string_view utf8);
/// Shortest round-trip decimal of a double ("null" when not finite).
std::string jsonNumber(double v);
/// Shortest round-trip decimal of a float.
std::string jsonNumber(float v);

}  // namespace tellvane
