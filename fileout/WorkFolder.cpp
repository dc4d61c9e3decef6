#include "fileout/WorkFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "fileout/Target.h"
#include "fileout/Temporaries.h"

namespace tellvane::fileout {

WorkFolder::WorkFolder(const std::filesystem::path& parent) {
    std::string name = (parent / ".tellvane-work-XXXXXX").string();
    const OutputLock lock;
    // The name mkdtemp will choose is not known before it is made; the lock keeps a
    // signal's clean-up from running between the two.
    if (::mkdtemp(name.data()) == nullptr) throw accessError(parent, "cannot make a work folder in it", errno);
    path_ = name;
    remember(path_);
}

WorkFolder::~WorkFolder() {
    const OutputLock lock;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    forget(path_);
}

}  // namespace tellvane::fileout
