#include "hostkit/IniSettingsStore.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "common/Error.h"
#include "common/Text.h"

namespace tellvane {
namespace {


std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// One backslash escape starting at s[i] (the backslash); appends its character.
std::size_t unescape(std::string_view s, std::size_t i, std::string& out) {
    if (i + 1 >= s.size()) return i + 1;
    const char c = s[i + 1];
    static constexpr std::string_view from = "abfnrtv\"'\\?", to = "\a\b\f\n\r\t\v\"'\\?";
    if (const auto k = from.find(c); k != std::string_view::npos) {
        out += to[k];
        return i + 2;
    }
    if (c == 'x') {
        std::size_t j = i + 2;
        unsigned value = 0;
        while (j < s.size() && hexDigitValue(s[j]) >= 0)
            value = value * 16 + static_cast<unsigned>(hexDigitValue(s[j++]));
        out += toUtf8(std::u16string(1, static_cast<char16_t>(value)));
        return j;
    }
    if (c >= '0' && c <= '7') {
        std::size_t j = i + 1;
        unsigned value = 0;
        while (j < s.size() && j < i + 4 && s[j] >= '0' && s[j] <= '7')
            value = value * 8 + static_cast<unsigned>(s[j++] - '0');
        out += toUtf8(std::u16string(1, static_cast<char16_t>(value)));
        return j;
    }
    return i + 1;  // an unknown escape drops the backslash
}

// The key of a line "key = value" in the section, or nullopt for a section header,
// a comment or a blank line.
struct IniLine {
    std::string_view key, value;
};

std::optional<IniLine> keyLine(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return IniLine{trimmed(line.substr(0, eq)), line.substr(eq + 1)};
}

}  // namespace

std::string iniValueText(std::string_view raw) {
    // Each part of the list, and how much of it ends in something other than an
    // unquoted blank (what follows is dropped).
    struct Part {
        std::string text;
        std::size_t solid = 0;
    };
    std::vector<Part> parts(1);
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size();) {
        Part& part = parts.back();
        const char c = raw[i];
        const bool blank = c == ' ' || c == '\t';
        if (c == '"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        if (!quoted && c == ';') break;
        if (!quoted && c == ',') {
            parts.emplace_back();
            ++i;
            continue;
        }
        if (c == '\\') {
            i = unescape(raw, i, part.text);
        } else {
            ++i;
            if (!quoted && blank && part.text.empty()) continue;
            part.text += c;
            if (!quoted && blank) continue;
        }
        part.solid = part.text.size();
    }
    std::string out;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k) out += ',';
        out.append(parts[k].text, 0, parts[k].solid);
    }
    return out;
}

std::filesystem::path IniSettingsStore::filePath(const std::u16string& application) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base =
        xdg && *xdg ? std::filesystem::path(xdg) : std::filesystem::path(home ? home : "") / ".config";
    return base / "Tellvane" / (toUtf8(application) + ".ini");
}

std::u16string IniSettingsStore::read(const std::u16string& application, const std::u16string& section,
                                      const std::u16string& key, const std::u16string& fallback) {
    const std::filesystem::path path = filePath(application);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return fallback;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error::fileAccess(path.string(), "cannot be opened");
    const std::string wantedSection = toUtf8(section), wantedKey = toUtf8(key);
    std::optional<std::string> found;
    bool inSection = false;
    for (std::string text; std::getline(in, text);) {
        const std::string_view line = trimmed(text);
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos && line.substr(1, close - 1) == wantedSection;
            continue;
        }
        if (!inSection || line.starts_with(';') || line.starts_with('#')) continue;
        if (const auto kv = keyLine(line); kv && kv->key == wantedKey) found = iniValueText(kv->value);
    }
    if (in.bad()) throw Error::fileAccess(path.string(), "cannot be read to its end");
    return found ? fromUtf8(*found) : fallback;
}

}  // namespace tellvane
