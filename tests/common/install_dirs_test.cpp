#include "common/install_dirs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace vek {
namespace {

namespace fs = std::filesystem;

TEST(InstallDirsTest, DataIsFoundBesideTheExecutableUnderAnyPrefix) {
    fs::path prefix = fs::temp_directory_path() / ("vek_prefix_" + std::to_string(::getpid()));
    fs::remove_all(prefix);
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/vek2");

    // Without the default recordings the folder is no installation (a build tree).
    EXPECT_EQ(InstalledDataDirFor(prefix / "bin/VEK2"), std::nullopt);

    fs::create_directories(prefix / "share/vek2/wave");
    EXPECT_EQ(InstalledDataDirFor(prefix / "bin/VEK2"), fs::canonical(prefix / "share/vek2"));

    // Moved elsewhere, the same tree still finds its data.
    fs::path moved = prefix.string() + "_moved";
    fs::remove_all(moved);
    fs::rename(prefix, moved);
    EXPECT_EQ(InstalledDataDirFor(moved / "bin/VEK2"), fs::canonical(moved / "share/vek2"));
    fs::remove_all(moved);
}

TEST(InstallDirsTest, AProgramInItsBuildTreeHasNoInstalledData) {
    EXPECT_EQ(InstalledDataDir(), std::nullopt);
}

}  // namespace
}  // namespace vek
