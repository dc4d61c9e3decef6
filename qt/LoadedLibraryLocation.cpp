#include "qt/LoadedLibraryLocation.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "common/Error.h"
#include "common/Text.h"

namespace tellvane {
namespace {

std::u16string withoutTrailingSeparator(std::u16string dir) {
    while (dir.size() > 1 && dir.back() == kPathSeparator) dir.pop_back();
    return dir;
}

}  // namespace

void LoadedLibraryLocation::setDirectory(std::u16string directory) {
    chosen_ = withoutTrailingSeparator(std::move(directory));
}

std::u16string LoadedLibraryLocation::directory() { return chosen_ ? *chosen_ : loadedFrom(); }

std::u16string LoadedLibraryLocation::loadedFrom() {
    namespace fs = std::filesystem;
    Dl_info info{};
    link_map* map = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&LoadedLibraryLocation::loadedFrom), &info, reinterpret_cast<void**>(&map),
                RTLD_DL_LINKMAP) == 0 ||
        !map)
        throw Error(kFileAccess, "the loader does not know this library", {});
    // The main program's entry has no name (the loader reports it as it was started,
    // perhaps relative to a directory since left); the kernel knows its real path.
    std::error_code ec;
    const fs::path file =
        map->l_name && *map->l_name ? fs::absolute(map->l_name, ec) : fs::read_symlink("/proc/self/exe", ec);
    if (ec || file.empty()) throw Error(kFileAccess, "the loaded file has no path", {});
    const fs::path canonical = fs::weakly_canonical(file, ec);
    return withoutTrailingSeparator(fromUtf8((ec ? file : canonical).parent_path().string()));
}

}  // namespace tellvane
