#include "fileout/Temporaries.h"

#include <algorithm>
#include <mutex>
#include <system_error>
#include <vector>

namespace tellvane::fileout {
namespace {

struct Registry {
    std::mutex mutex;
    std::vector<std::filesystem::path> temporaries;
};

// Never destroyed: a signal's thread may still use it while the process exits.
Registry& registry() {
    static Registry* const kRegistry = new Registry;
    return *kRegistry;
}

}  // namespace

OutputLock::OutputLock() { registry().mutex.lock(); }
OutputLock::~OutputLock() { registry().mutex.unlock(); }

void remember(const std::filesystem::path& temporary) { registry().temporaries.push_back(temporary); }

void forget(const std::filesystem::path& temporary) {
    auto& list = registry().temporaries;
    const auto at = std::find(list.begin(), list.end(), temporary);
    if (at != list.end()) list.erase(at);
}

void abandonAll() {
    Registry& r = registry();
    r.mutex.lock();  // kept: the process ends holding it
    for (const auto& t : r.temporaries) {
        std::error_code ignored;
        std::filesystem::remove_all(t, ignored);
    }
    r.temporaries.clear();
}

}  // namespace tellvane::fileout
