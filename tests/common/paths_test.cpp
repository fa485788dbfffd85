#include "common/paths.h"

#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "tests/common/scratch_dir.h"

namespace vek {
namespace {

TEST(Paths, WindowsPathsResolveUnderBaseDirectories) {
    testing::ScratchDir dir;
    auto wav = dir.write("wave/tch031.wav", "RIFF");
    std::string base = dir.path().string();
    for (const auto& b : {base, base + "/", base + "\\"})
        EXPECT_EQ(resolvePath(b, "wave\\tch031.wav"), wav) << b;
    EXPECT_TRUE(resolvedFileExists(base + "\\", "wave\\tch031.wav"));
    EXPECT_FALSE(resolvedFileExists(base, "wave"));
}

TEST(Paths, ComponentsMatchWithoutRegardToCase) {
    testing::ScratchDir dir;
    auto wav = dir.write("Wave/TCH031.WAV", "RIFF");
    EXPECT_EQ(resolvePath(dir.path().string() + "\\", "WAVE\\tch031.wav"), wav);
    EXPECT_EQ(resolvePath(dir.path().string(), "wave/Tch031.Wav"), wav);

    // A Czech name in the data (code page 1250) finds the UTF-8 name on disk, any case.
    auto czech = dir.write("zvuky/\xC5\xBDluva.wav", "RIFF");  // "Žluva.wav"
    EXPECT_EQ(resolvePath(dir.path().string(), "ZVUKY\\\x9Eluva.wav"), czech);
}

TEST(Paths, MissingFilesGiveThePlainJoinedPath) {
    testing::ScratchDir dir;
    dir.write("wave/a.wav", "");
    auto p = resolvePath(dir.path().string() + "\\", "wave\\chybi\\b.wav");
    EXPECT_EQ(p, dir.path() / "wave" / "chybi" / "b.wav");
    EXPECT_FALSE(resolvedFileExists(dir.path().string(), "wave\\chybi\\b.wav"));
    EXPECT_EQ(resolvePath("", "a\\b.wav"), std::filesystem::path("a/b.wav"));
    EXPECT_EQ(resolvePath("a\\b.wav"), std::filesystem::path("a/b.wav"));
}

TEST(Paths, ExistenceCacheAgreesWithTheFullResolution) {
    testing::ScratchDir dir;
    dir.write("wave/tch031.wav", "RIFF");
    dir.write("Zvuky/Deszt.WAV", "RIFF");
    dir.write("Zvuky/Hudba/\xC5\x98\x65ka.wav", "RIFF");  // "Řeka" in UTF-8 on disk
    dir.write("kolekce.zvk", "");
    std::string base = dir.path().string() + "\\";
    FileExistenceCache cache;
    for (const char* rel :
         {"wave\\tch031.wav", "WAVE\\TCH031.WAV", "zvuky\\deszt.wav",
          "zvuky\\hudba\\\xF8\x65ka.WAV", "ZVUKY/HUDBA/\xD8\x45KA.wav", "wave\\chybi.wav", "wave",
          "zvuky\\hudba", "nic\\x.wav", "Kolekce.ZVK", "wave\\tch031.wav\\x", ""})
        EXPECT_EQ(cache.exists(base, rel), resolvedFileExists(base, rel)) << rel;
}

TEST(Paths, ExistenceCacheListsEachDirectoryOnce) {
    testing::ScratchDir dir;
    dir.write("wave/tch031.wav", "RIFF");
    std::string base = dir.path().string() + "\\";
    FileExistenceCache cache;
    EXPECT_FALSE(cache.exists(base, "wave\\Nova.wav"));
    EXPECT_FALSE(cache.exists(base, "zvuky\\a.wav"));

    // Questions after the first are answered from the listings, found or not, until clear().
    dir.write("wave/nova.wav", "RIFF");
    dir.write("zvuky/a.wav", "RIFF");
    EXPECT_FALSE(cache.exists(base, "wave\\Nova.wav"));
    EXPECT_FALSE(cache.exists(base, "zvuky\\a.wav"));
    cache.clear();
    EXPECT_TRUE(cache.exists(base, "wave\\Nova.wav"));
    EXPECT_TRUE(cache.exists(base, "zvuky\\a.wav"));
}

TEST(Paths, FileNamePart) {
    EXPECT_EQ(fileNamePart("wave\\tch031.wav"), "tch031.wav");
    EXPECT_EQ(fileNamePart("C:kolekce.zvk"), "kolekce.zvk");
    EXPECT_EQ(fileNamePart("/a/b"), "b");
    EXPECT_EQ(fileNamePart("jen"), "jen");
    EXPECT_EQ(fileNamePart("dir\\"), "");
}

}  // namespace
}  // namespace vek
