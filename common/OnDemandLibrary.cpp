#include "common/OnDemandLibrary.h"

#include <dlfcn.h>

#include <stdexcept>

namespace tellvane {

void* OnDemandLibrary::symbol(const char* name) {
    {
        const std::lock_guard<std::mutex> lock(opening_);
        if (!handle_) handle_ = dlopen(file_, RTLD_NOW | RTLD_LOCAL);
        if (!handle_) fail(dlerror());
    }
    // Looked up in the library and what it needs, never in the process as a whole,
    // where the forwarders themselves are.
    void* const found = dlsym(handle_, name);
    if (!found) fail(std::string(file_) + " has no " + name);
    return found;
}

void OnDemandLibrary::fail(const std::string& why) const {
    fail_(why);
    throw std::runtime_error(why);  // for a Failure that returned
}

}  // namespace tellvane
