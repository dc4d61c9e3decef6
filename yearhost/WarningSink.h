#pragma once
// Where a command's warnings go (a year the data covers in part), apart from its
// complaints: `render` and `stats` say each on standard error at once, `batch`
// keeps them to show once its progress bar is gone.

#include <ostream>
#include <string>
#include <vector>

namespace tellvane {

class WarningSink {
public:
    virtual ~WarningSink() = default;
    /// One warning, without the tool's name or the word "warning".
    virtual void warn(const std::string& text) = 0;
};

/// Each warning on a line of err, as the tool words it.
class StreamWarnings final : public WarningSink {
public:
    explicit StreamWarnings(std::ostream& err) : err_(err) {}
    void warn(const std::string& text) override { err_ << "tellvane: warning: " << text << '\n'; }

private:
    std::ostream& err_;
};

/// The warnings in the order they came, for a host that shows them later.
class KeptWarnings final : public WarningSink {
public:
    void warn(const std::string& text) override { texts_.push_back(text); }
    const std::vector<std::string>& texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
};

}  // namespace tellvane
