#include "common/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/common/scratch_dir.h"

namespace vek {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, SplitLinesAcceptsCrLfAndLoneLf) {
    EXPECT_EQ(splitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("\n"), (Lines{""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a\rb\r\n"), (Lines{"a\rb"})) << "a lone CR is content";
    EXPECT_EQ(splitLines("x\r"), (Lines{"x"}));
    EXPECT_EQ(splitLines("x\r\r\ny"), (Lines{"x", "y"})) << "line ends converted twice";

    std::string withNul("A\0B\r\nC", 6);
    EXPECT_EQ(splitLines(withNul), (Lines{std::string("A\0B", 3), "C"}));
    std::string longLine(1 << 20, 'x');
    EXPECT_EQ(splitLines(longLine + "\r\n" + longLine), (Lines{longLine, longLine}));
}

TEST(TextFile, WritesCrLfAndReadsBack) {
    testing::ScratchDir dir;
    Lines lines = {"VEK2 sc\xE9n\xE1\xF8", "", "posledn\xED"};
    ASSERT_TRUE(writeLinesAtomically(dir / "a.txt", lines));
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "VEK2 sc\xE9n\xE1\xF8\r\n\r\nposledn\xED\r\n");
    EXPECT_EQ(readTextLines(dir / "a.txt"), lines);
    EXPECT_EQ(readTextLines(dir / "missing.txt"), std::nullopt);
    EXPECT_EQ(readFileBytes(dir.path()), std::nullopt) << "a directory is not a file";
}

TEST(TextFile, AtomicWriteReplacesTheFileAndLeavesNoTemporaries) {
    testing::ScratchDir dir;
    auto target = dir.write("pozice.sav", "stary obsah");
    ASSERT_TRUE(writeFileAtomically(target, "novy"));
    EXPECT_EQ(readFileBytes(target), "novy");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST(TextFile, FailedWriteKeepsThePreviousFileAndSaysWhy) {
    testing::ScratchDir dir;
    std::string error;
    EXPECT_FALSE(writeFileAtomically(dir / "chybi" / "x.txt", "data", &error));
    EXPECT_NE(error.find("x.txt"), std::string::npos);

    // A directory standing where the file should go cannot be replaced by a file.
    std::filesystem::create_directory(dir / "obsazeno");
    dir.write("obsazeno/uvnitr", "zustava");
    error.clear();
    EXPECT_FALSE(writeFileAtomically(dir / "obsazeno", "data", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFileBytes(dir / "obsazeno" / "uvnitr"), "zustava");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u) << "the temporary file is removed";
}

TEST(TextFile, DiscardedStreamingWriteLeavesTheTargetUntouched) {
    testing::ScratchDir dir;
    auto target = dir.write("kolekce.zvk", "puvodni");
    {
        AtomicFileWriter writer(target);
        EXPECT_TRUE(writer.write("polovina"));
    }
    EXPECT_EQ(readFileBytes(target), "puvodni");
    AtomicFileWriter writer(target);
    EXPECT_TRUE(writer.write("cely "));
    EXPECT_TRUE(writer.write("obsah"));
    EXPECT_TRUE(writer.commit());
    EXPECT_EQ(readFileBytes(target), "cely obsah");
}

}  // namespace
}  // namespace vek
