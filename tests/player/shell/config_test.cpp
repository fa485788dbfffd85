#include "player/shell/config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"

namespace vek::player {
namespace {

constexpr const char* kSpeechDefaults =
    "SPEECHTEXTS=1\r\nSPEECHRATE=100\r\nSHOWNTEXTS=0\r\nANNOUNCEENTRY=0\r\n"
    "ENTRIESTOREADER=1\r\nTEXTSTOREADER=1\r\n";

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
              std::string(
                  "VOICEVOLUME=62535\r\nSOUNDVOLUME=60535\r\nMUSICVOLUME=57535\r\nPROGRAMPATH=\r\n"
                  "CDPATH=D:\\\r\n") +
                  std::string(kSpeechDefaults));
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
    EXPECT_EQ(
        readFileBytes(file()),
        std::string("VOICEVOLUME=0\r\nSOUNDVOLUME=0\r\nMUSICVOLUME=100\r\nPROGRAMPATH=C:\\hry\\\r\n"
                    "CDPATH=D:\\\r\n") +
            std::string(kSpeechDefaults));
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

// The speech settings follow the five lines; a file without them gives the defaults, and odd
// values keep them.
TEST_F(ConfigTest, SpeechSettingsFollowTheFiveLinesAndOddValuesKeepTheirDefaults) {
    ASSERT_TRUE(writeFileAtomically(file(),
                                    "ENTRIESTOREADER=0\r\nSPEECHRATE=400\r\n"
                                    "SPEECHTEXTS=ano\r\nSHOWNTEXTS=1\r\n"));
    PlayerConfig config;
    config.ReadConfig(file());
    SpeechSettings s = config.Speech();
    EXPECT_TRUE(s.speakTexts);
    EXPECT_EQ(s.rate, 100);
    EXPECT_TRUE(s.readShownTexts);
    EXPECT_FALSE(s.announceSelection);
    EXPECT_FALSE(s.entriesToReader);
    EXPECT_TRUE(s.textsToReader);  // one voice while a screen reader runs, unless told

    s.speakTexts = false;
    s.rate = 150;
    s.textsToReader = false;
    s.announceSelection = true;
    config.SetSpeech(s);
    ASSERT_TRUE(config.WriteConfig(config.Volumes(), file()));
    EXPECT_EQ(readFileBytes(file()),
              "VOICEVOLUME=0\r\nSOUNDVOLUME=0\r\nMUSICVOLUME=0\r\nPROGRAMPATH=\r\n"
              "CDPATH=D:\\\r\nSPEECHTEXTS=0\r\nSPEECHRATE=150\r\nSHOWNTEXTS=1\r\n"
              "ANNOUNCEENTRY=1\r\nENTRIESTOREADER=0\r\nTEXTSTOREADER=0\r\n");
    PlayerConfig again;
    again.ReadConfig(file());
    EXPECT_EQ(again.Speech(), s);
}

}  // namespace
}  // namespace vek::player
