#pragma once
// Passes the control's events on to the host and writes a JSON line for each as it
// is raised, before the host answers it, so that a trace shows where the host ran.

#include <functional>
#include <string>

#include "control/TZenzuEvents.h"

namespace tellvane {

class TraceEvents : public TZenzuEvents {
public:
    using Write = std::function<void(const std::string&)>;

    /// host must outlive this.
    TraceEvents(TZenzuEvents& host, Write write) : host_(host), write_(std::move(write)) {}

    /// Writes {"event":"GetBlockData","datano":N}, then lets the host fill the block.
    void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override;
    /// Writes {"event":"GetLKansokujo"}, then lets the host give the names.
    void GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                       std::u16string& Kasen) override;

private:
    TZenzuEvents& host_;
    Write write_;
};

}  // namespace tellvane
