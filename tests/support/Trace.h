#pragma once
// The tests' language for recorded calls: a trace is the JSON lines a recording
// surface or plot document wrote. Find lines whole or by a part, count them, and
// read their fields through the JSON parser rather than at string offsets.

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/ErrorOf.h"

namespace tellvane::test {

using Lines = std::vector<std::string>;
using Json = nlohmann::json;

/// The line parsed; a line that is not JSON fails the parse with an exception.
inline Json parsed(const std::string& line) { return Json::parse(line); }

/// The call's name, its "op".
inline std::string opOf(const std::string& line) { return parsed(line).at("op").get<std::string>(); }

/// True when the trace holds the line exactly.
inline bool contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

/// How many lines hold the text anywhere.
inline long countOf(const Lines& lines, const std::string& part) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

/// True when a call op holds the text anywhere in its line.
inline bool hasLine(const Lines& lines, const std::string& op, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos && opOf(l) == op; });
}

/// The lines that follow the line given, up to n of them.
inline Lines after(const Lines& lines, const std::string& line, std::size_t n) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    if (it == lines.end()) return {};
    return Lines(it + 1, it + 1 + std::min<std::ptrdiff_t>(n, lines.end() - it - 1));
}

/// Every printed text with the surface's text position set before it, "x,y:text".
inline std::vector<std::string> printedTexts(const Lines& lines) {
    std::vector<std::string> out;
    std::string pos;
    for (const auto& l : lines) {
        const Json call = parsed(l);
        if (call.at("op") == "text_pos") {
            pos = call.at("x").dump() + "," + call.at("y").dump();
        } else if (call.at("op") == "print") {
            out.push_back(pos + ":" + call.at("text").get<std::string>());
        }
    }
    return out;
}

}  // namespace tellvane::test
