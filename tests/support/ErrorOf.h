#pragma once

#include <functional>

#include "common/Error.h"

namespace tellvane::test {

/// The number of the error the call fails with, or 0 when it succeeds.
inline int errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace tellvane::test
