#include "player/shell/config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"

namespace vek::player {
namespace {

class ConfigTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vek_config_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path file() const { return dir_ / "vek.cfg"; }
    std::filesystem::path options() const { return dir_ / "vek-volby.cfg"; }

    std::filesystem::path dir_;
};

TEST_F(ConfigTest, MissingFileGivesDefaultsAndWritesThemBack) {
    PlayerConfig config;
    config.ReadConfig(file());
    VolumeSettings v = config.Volumes();
    EXPECT_EQ(v.voice, 62535);
    EXPECT_EQ(v.sound, 60535);
    EXPECT_EQ(v.music, 57535);
    EXPECT_EQ(config.Paths().programPath, "");
    EXPECT_EQ(config.Paths().cdPath, "D:\\");

    ASSERT_TRUE(config.WriteConfig(v, file()));
    EXPECT_EQ(readFileBytes(file()),
              "VOICEVOLUME=62535\r\nSOUNDVOLUME=60535\r\nMUSICVOLUME=57535\r\nPROGRAMPATH=\r\n"
              "CDPATH=D:\\\r\n");
    EXPECT_FALSE(std::filesystem::exists(options())) << "the default options need no file";
}

TEST_F(ConfigTest, PathsAreNormalisedAndOtherLinesDropped) {
    ASSERT_TRUE(writeFileAtomically(
        file(), "# my note\r\nprogrampath=C:\\hry\r\nCDPATH=\r\nMUSICVOLUME=100\r\n"));
    PlayerConfig config;
    config.ReadConfig(file());
    EXPECT_EQ(config.Paths().programPath, "C:\\hry\\");
    EXPECT_EQ(config.Paths().cdPath, "D:\\");
    VolumeSettings v = config.Volumes();
    EXPECT_EQ(v.voice, 0);  // a missing volume key silences that kind
    EXPECT_EQ(v.music, 100);

    ASSERT_TRUE(config.WriteConfig(v, file()));
    EXPECT_EQ(readFileBytes(file()),
              "VOICEVOLUME=0\r\nSOUNDVOLUME=0\r\nMUSICVOLUME=100\r\nPROGRAMPATH=C:\\hry\\\r\n"
              "CDPATH=D:\\\r\n");
}

TEST_F(ConfigTest, NonNumericVolumeIsSilenceAndFailedWriteKeepsOldFile) {
    ASSERT_TRUE(writeFileAtomically(file(), "VOICEVOLUME=loud\r\nSOUNDVOLUME=12x\r\n"));
    PlayerConfig config;
    config.ReadConfig(file());
    EXPECT_EQ(config.Volumes().voice, 0);
    EXPECT_EQ(config.Volumes().sound, 0);

    std::string error;
    EXPECT_FALSE(config.WriteConfig(config.Volumes(), dir_ / "missing" / "vek.cfg", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFileBytes(file()), "VOICEVOLUME=loud\r\nSOUNDVOLUME=12x\r\n");
}

// The player's own options live beside vek.cfg. An older vek.cfg that holds them (nine lines) is
// still read; its options move into the options file once, and vek.cfg keeps its five lines.
TEST_F(ConfigTest, OptionsLiveBesideTheFiveLinesAndMoveThereFromAnOlderFile) {
    ASSERT_TRUE(writeFileAtomically(file(),
                                    "VOICEVOLUME=1\r\nSOUNDVOLUME=2\r\nMUSICVOLUME=3\r\n"
                                    "PROGRAMPATH=\r\nCDPATH=E:\\\r\nSPEECHTEXTS=0\r\n"
                                    "SPEECHRATE=150\r\nSHOWNTEXTS=1\r\nANNOUNCEENTRY=0\r\n"
                                    "ENTRIESTOREADER=1\r\nTEXTSTOREADER=0\r\n"));
    PlayerConfig old;
    old.ReadConfig(file());
    EXPECT_EQ(old.Speech(), (SpeechSettings{false, 150, true, false, true, false}));
    ASSERT_TRUE(old.WriteConfig(old.Volumes(), file()));
    EXPECT_EQ(readFileBytes(file()),
              "VOICEVOLUME=1\r\nSOUNDVOLUME=2\r\nMUSICVOLUME=3\r\nPROGRAMPATH=\r\nCDPATH=E:\\\r\n");
    EXPECT_EQ(readFileBytes(options()),
              "SPEECHTEXTS=0\r\nSPEECHRATE=150\r\nSHOWNTEXTS=1\r\nANNOUNCEENTRY=0\r\n"
              "ENTRIESTOREADER=1\r\nTEXTSTOREADER=0\r\nTEXTSCALE=100\r\nCONTRAST=0\r\n");

    // From now on the options come from their own file, which stays also when they are set back
    // to the defaults; lines the user added to vek.cfg are not kept.
    ASSERT_TRUE(writeFileAtomically(file(), readFileBytes(file()).value() + "SPEECHTEXTS=1\r\n"));
    PlayerConfig now;
    now.ReadConfig(file());
    EXPECT_EQ(now.Speech(), old.Speech());
    now.SetSpeech({});
    now.SetDisplay({250, Contrast::LightOnBlack});
    ASSERT_TRUE(now.WriteConfig(now.Volumes(), file()));
    PlayerConfig again;
    again.ReadConfig(file());
    EXPECT_EQ(again.Speech(), SpeechSettings{});
    EXPECT_EQ(again.Display(), (DisplaySettings{250, Contrast::LightOnBlack}));
    EXPECT_EQ(again.Lines().size(), 5u);
}

// A missing key or an odd value keeps its default.
TEST_F(ConfigTest, OddOptionValuesKeepTheirDefaults) {
    ASSERT_TRUE(writeFileAtomically(options(),
                                    "ENTRIESTOREADER=0\r\nSPEECHRATE=400\r\nSPEECHTEXTS=ano\r\n"
                                    "SHOWNTEXTS=2\r\nTEXTSCALE=99\r\nCONTRAST=3\r\n"));
    PlayerConfig config;
    config.ReadConfig(file());
    EXPECT_EQ(config.Speech(), (SpeechSettings{true, 100, false, false, false, true}))
        << "one voice while a screen reader runs, unless told";
    EXPECT_EQ(config.Display(), DisplaySettings{});
}

// An options file that cannot be written is reported before vek.cfg is touched, so nothing an
// older vek.cfg held is lost.
TEST_F(ConfigTest, OptionsThatCannotBeWrittenLeaveVekCfgAsItWas) {
    const std::string before = "VOICEVOLUME=1\r\nSPEECHTEXTS=0\r\n";
    ASSERT_TRUE(writeFileAtomically(file(), before));
    std::filesystem::create_directory(options());  // nothing can be renamed over a directory
    PlayerConfig config;
    config.ReadConfig(file());
    std::string error;
    EXPECT_FALSE(config.WriteConfig(config.Volumes(), file(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFileBytes(file()), before);
}

}  // namespace
}  // namespace vek::player
