#include "common/system_sounds.h"

#include <gtest/gtest.h>

#include <set>

#include "common/sound_entry.h"

namespace vek {
namespace {

TEST(SystemSounds, EditorDefaultsAreTheFortyRowsInOrder) {
    auto lines = editorDefaultSystemSounds();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines.front(), "SZdot=(wave\\tch000.wav)");
    EXPECT_EQ(lines[1],
              "SZmuzesjit=M\xF9\x9E"
              "e\x9A j\xEDt:(wave\\tch001.wav)");
    EXPECT_EQ(lines[7],
              "SZrozhledni=Rozhl\xE9"
              "dni se(wave\\tch028.wav)");
    EXPECT_EQ(lines[8], "SZjdi=Jdi(wave\\tch007.wav)");
    EXPECT_EQ(lines[36],
              "SZvyberscenare=V\xFD"
              "b\xECr sc\xE9n\xE1\xF8"
              "e(wave\\tch036.wav)");
    EXPECT_EQ(lines.back(),
              "SZneodpovida=Neodpov\xED"
              "d\xE1(wave\\tch040.wav)");
    std::set<std::string> keys;
    for (const auto& l : lines) {
        EXPECT_TRUE(keys.insert(std::string(entry_line::Key(l))).second) << l;
        EXPECT_NE(entry_line::FileSpec(l), "") << l;
    }
    EXPECT_FALSE(keys.count("SZpozice"));
    EXPECT_FALSE(keys.count("SZneznamscenar"));
    EXPECT_FALSE(keys.count("SZnevidisnic"));
}

TEST(SystemSounds, PlayerTextsAreTheFortyOneRowsInOrder) {
    auto lines = playerDefaultSystemTexts();
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines.front(),
              "SZrozhledni=Rozhl\xE9"
              "dni se");
    EXPECT_EQ(lines[11], "SZjetu=Je tu:");
    EXPECT_EQ(lines[38], "SZprpozice=Pr\xE1zdn\xE1 pozice");
    EXPECT_EQ(lines[39], "SZnevidisnic=Nevid\xED\x9A nic zaj\xEDmav\xE9ho");
    EXPECT_EQ(lines.back(),
              "SZneodpovida=Neodpov\xED"
              "d\xE1");
}

TEST(SystemSounds, PlayerDefaultAndBasicSounds) {
    auto defaults = playerDefaultSystemSounds();
    ASSERT_EQ(defaults.size(), 8u);
    EXPECT_EQ(defaults.front(), "SZdot=(wave\\tch000.wav)");
    EXPECT_EQ(defaults[1], "SZzpetdohry=Zp\xECt do hry(wave\\tch031.wav)");
    EXPECT_EQ(defaults.back(), "SZkonec=Konec(wave\\tch037.wav)");

    auto basic = playerBasicSounds();
    ASSERT_EQ(basic.size(), 16u);
    EXPECT_EQ(basic[0], "VOLrec=Hlasitost dialog\xF9(sx01.wav)");
    EXPECT_EQ(basic[1], "VOLsnd=Hlasitost zvuk\xF9(sx02.wav)X");
    EXPECT_EQ(basic[2], "INTROmus=(sx04.wav)M");
    EXPECT_EQ(basic[3], "SZneznamscenar=Nezn\xE1m\xFD sc\xE9n\xE1\xF8(wave\\tch038.wav)");
    EXPECT_EQ(basic[4], "SZpozice=Pozice(wave\\tch041.wav)");
    EXPECT_EQ(basic[5], "SZprpozice=Pr\xE1zdn\xE1 pozice(wave\\tch042.wav)");
    EXPECT_EQ(basic[13], "C7=7(wave\\7.wav)");
    EXPECT_EQ(entry_line::Kind(basic[2]), SoundKind::Music);
}

TEST(SystemSounds, TableFlagsAgreeWithTheLists) {
    std::size_t editor = 0, text = 0, sound = 0;
    for (const auto& row : systemSoundTable()) {
        editor += row.editor;
        text += row.playerText;
        sound += row.playerSound;
    }
    EXPECT_EQ(editor, 40u);
    EXPECT_EQ(text, 41u);
    EXPECT_EQ(sound, 11u);  // eight defaults and the three system rows of the basic entries
}

}  // namespace
}  // namespace vek
