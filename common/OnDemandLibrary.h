#pragma once
// A shared library opened when one of its functions is first called rather than at
// the start of every run: for libraries few runs need, which would bring their own
// dependencies into every start. A layer defines the functions it calls by their
// declared names (TELLVANE_ON_DEMAND), each forwarding to the library's own.

#include <mutex>
#include <string>

namespace tellvane {

class OnDemandLibrary {
public:
    /// Throws the host's error for why the library or a function cannot be had.
    using Failure = void (*)(const std::string& why);

    /// file as the dynamic loader is to find it (its soname).
    OnDemandLibrary(const char* file, Failure fail) : file_(file), fail_(fail) {}

    /// The library's own definition of the function name, as Function; the library
    /// is opened at the first call. A failure is thrown through fail, and tried again
    /// at the next call.
    template <typename Function>
    Function resolved(const char* name) {
        return reinterpret_cast<Function>(symbol(name));
    }

private:
    void* symbol(const char* name);
    [[noreturn]] void fail(const std::string& why) const;

    const char* file_;
    Failure fail_;
    std::mutex opening_;
    void* handle_ = nullptr;
};

}  // namespace tellvane

/// Defines the library's function `name`, declared in its header, as a forwarder to
/// the library's own: returning `type`, taking `params`, called with `args`. Hidden,
/// so that no other library of the process ever calls it in place of the real one.
#define TELLVANE_ON_DEMAND(library, type, name, params, args)                \
    extern "C" __attribute__((visibility("hidden"))) type name params {      \
        static const auto real = (library).resolved<decltype(&name)>(#name); \
        return real args;                                                    \
    }
