#include "common/temp_files.h"

#include <gtest/gtest.h>

#include "tests/common/scratch_dir.h"

namespace vek {
namespace {

TTempFiles::FreeSpaceQuery freeSpace(std::int64_t bytes) {
    return [bytes](const std::filesystem::path&) { return bytes; };
}

TEST(TempFiles, BudgetFollowsTheFreeSpace) {
    testing::ScratchDir dir;
    EXPECT_EQ(TTempFiles(dir / "t1", freeSpace(900'000'000)).Limit(), 50'000'000);
    EXPECT_EQ(TTempFiles(dir / "t2", freeSpace(50'000'000)).Limit(), 48'000'000);
    EXPECT_EQ(TTempFiles(dir / "t3", freeSpace(2'500'000)).Limit(), 500'000);
    EXPECT_EQ(TTempFiles(dir / "t4", freeSpace(1'500'000)).Limit(), 1'500'000);
    EXPECT_GT(TTempFiles(dir / "t5").Limit(), 0) << "the real drive has some room";
}

TEST(TempFiles, OldestFilesGoWhenTheBudgetWouldBePassed) {
    testing::ScratchDir dir;
    TTempFiles temp(dir / "temp", freeSpace(1'000'000'000));
    ASSERT_EQ(temp.Limit(), 50'000'000);
    std::vector<std::filesystem::path> paths;
    for (const char* name : {"a.tmp", "b.tmp", "c.tmp"}) {
        paths.push_back(dir.write(std::string("temp/") + name, "x"));
        temp.Register(paths.back(), 20'000'000);
    }
    EXPECT_EQ(temp.Total(), 40'000'000);
    EXPECT_EQ(temp.files(), (std::vector{paths[1], paths[2]}));
    EXPECT_FALSE(std::filesystem::exists(paths[0]));

    // Larger than the whole budget: everything else goes, and it is registered anyway.
    auto big = dir.write("temp/big.tmp", "x");
    temp.Register(big, 60'000'000);
    EXPECT_EQ(temp.files(), std::vector{big});
    EXPECT_EQ(temp.Total(), 60'000'000);

    temp.DeleteAt(5);  // beyond the list: nothing happens
    EXPECT_EQ(temp.files().size(), 1u);
    std::filesystem::remove(big);  // vanished meanwhile: the list stays consistent
    temp.DeleteAt(0);
    EXPECT_TRUE(temp.files().empty());
    EXPECT_EQ(temp.Total(), 0);
}

TEST(TempFiles, StartRemovesLeftOverTmpFilesOnlyAndExitRemovesTheRest) {
    testing::ScratchDir dir;
    auto leftover = dir.write("temp/kol.zvk.zvuk.tmp", "stare");
    auto other = dir.write("temp/poznamka.txt", "zustava");
    auto sub = dir.write("temp/podadresar.tmp/soubor", "zustava");
    {
        TTempFiles temp(dir / "temp", freeSpace(1'000'000'000));
        EXPECT_FALSE(std::filesystem::exists(leftover));
        EXPECT_TRUE(std::filesystem::exists(other));
        EXPECT_TRUE(std::filesystem::exists(sub));
        EXPECT_EQ(temp.Total(), 0);
        EXPECT_TRUE(temp.files().empty());
        temp.Register(dir.write("temp/novy.tmp", "n"), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "temp" / "novy.tmp"));
    EXPECT_TRUE(std::filesystem::exists(other));

    TTempFiles created(dir / "nova" / "temp", freeSpace(1'000'000'000));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "nova" / "temp"));
}

TEST(TempFiles, HostileNamesStayInsideTheTemporaryDirectory) {
    testing::ScratchDir dir;
    TTempFiles temp(dir / "temp", freeSpace(1'000'000'000));
    EXPECT_EQ(temp.pathFor("kolekce.zvk", "SZjdi"), dir / "temp" / "kolekce.zvk.SZjdi.tmp");

    const std::pair<std::string, std::string> hostile[] = {
        {"../../etc/passwd", "x"}, {"..\\..\\boot.ini", ".."},   {"C:\\Windows\\win.ini", "a"},
        {"k.zvk", "../../../x"},   {"k.zvk", "/abs/path"},       {"..", ".."},
        {"k.zvk", "a\nb\0c"},      {std::string(300, 'k'), "s"}, {"", ""},
    };
    for (const auto& [collection, sound] : hostile) {
        auto p = temp.pathFor(collection, sound);
        EXPECT_EQ(p.parent_path(), dir / "temp") << collection << " | " << sound;
        EXPECT_EQ(p.extension(), ".tmp");
        EXPECT_NE(p.filename(), "..");
        EXPECT_LE(p.filename().string().size(), 255u);
    }
    EXPECT_NE(temp.pathFor("a/b.zvk", "x"), temp.pathFor("a_b.zvk", "x"))
        << "made-safe names do not collide with genuine ones";
    EXPECT_NE(temp.pathFor("k.zvk", std::string(200, 's') + "1"),
              temp.pathFor("k.zvk", std::string(200, 's') + "2"));
}

}  // namespace
}  // namespace vek
