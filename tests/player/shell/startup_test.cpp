#include "player/shell/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"

namespace vek::player {
namespace {

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vek_startup_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(writeFileAtomically(dir_ / name, bytes));
    }

    std::filesystem::path dir_;
};

TEST_F(StartupTest, Sx00IsAValidShortPcmWaveWrittenOnlyWhenMissing) {
    std::string wave = Sx00WaveBytes();
    ASSERT_EQ(wave.size(), 3790u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(wave.substr(36, 4), "data");

    ASSERT_TRUE(WriteSx00IfMissing(dir_));
    EXPECT_EQ(readFileBytes(dir_ / "sx00.wav"), wave);
    write("sx00.wav", "mine");
    ASSERT_TRUE(WriteSx00IfMissing(dir_));
    EXPECT_EQ(readFileBytes(dir_ / "sx00.wav"), "mine");
    std::filesystem::remove(dir_ / "sx00.wav");
    ASSERT_TRUE(WriteSx00IfMissing(dir_));
    EXPECT_EQ(readFileBytes(dir_ / "sx00.wav"), wave);
}

TEST_F(StartupTest, CatalogueListsOnlyScenarioFilesSorted) {
    write("zeta.scn", "VEK2 sc\xE9n\xE1\xF8\r\n");
    write("alfa.SCN", "VEK\r\n");
    write("notes.scn", "hello\r\n");
    write("short.scn", "VE");
    write("empty.scn", "");
    write("other.txt", "VEK2\r\n");
    std::filesystem::create_directory(dir_ / "dir.scn");
    EXPECT_EQ(FillScenarioList(dir_), (std::vector<std::string>{"alfa.SCN", "zeta.scn"}));
    EXPECT_FALSE(IsScenarioFile(dir_ / "nothing.scn"));
    EXPECT_TRUE(FillScenarioList(dir_ / "nothing").empty());
}

TEST_F(StartupTest, ReportAppendsOnlyWhenSwitchedOn) {
    TReport(false, dir_ / "report.txt")("New game");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "report.txt"));
    TReport on(true, dir_ / "report.txt");
    on("New game");
    on("");
    EXPECT_EQ(readFileBytes(dir_ / "report.txt"), "New game\r\n\r\n");
}

}  // namespace
}  // namespace vek::player
