#include "common/install_dirs.h"

#ifndef VEK_DATA_FROM_BINDIR
#define VEK_DATA_FROM_BINDIR "../share/vek2"
#endif

namespace vek {

namespace fs = std::filesystem;

std::optional<fs::path> InstalledDataDirFor(const fs::path& executable) {
    std::error_code ec;
    fs::path data = fs::weakly_canonical(executable.parent_path() / VEK_DATA_FROM_BINDIR, ec);
    // The default recordings mark an installation: a build tree has no such folder there.
    if (ec || !fs::is_directory(data / "wave", ec))
        return std::nullopt;
    return data;
}

std::optional<fs::path> InstalledDataDir() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::nullopt;
    return InstalledDataDirFor(self);
}

}  // namespace vek
