#include <gtest/gtest.h>

#include <algorithm>

#include "common/system_sounds.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

using Strings = std::vector<std::string>;

class SoundListTest : public SoundFixture {};

TEST_F(SoundListTest, NajdiIgnoresTheSuffixAndLetterCase) {
    addSound("SZjdi", "tch007.wav", 10);
    ASSERT_NE(list.Najdi("SZjdi"), nullptr);
    EXPECT_EQ(list.Najdi("SZjdi|100x100"), list.Najdi("SZjdi"));
    EXPECT_EQ(list.Najdi("sZJDI"), list.Najdi("SZjdi"));
    EXPECT_EQ(list.Najdi("SZjd"), nullptr);
    EXPECT_EQ(list.Najdi(""), nullptr);
    // Czech letters fold too.
    writeWave(dir / "wave" / "k.wav", 10);
    list.AddNahravku("Kucha\xF2=x(wave\\k.wav)");
    EXPECT_NE(list.Najdi("KUCHA\xD2"), nullptr);
}

TEST_F(SoundListTest, TwoEntriesOneKeyFirstWinsAndIdenticalLinesAreDropped) {
    writeWave(dir / "wave" / "a.wav", 10);
    writeWave(dir / "wave" / "b.wav", 10);
    list.AddNahravku("K=Prvni(wave\\a.wav)");
    list.AddNahravku("K=Druhy(wave\\b.wav)");
    list.AddNahravku("K=Prvni(wave\\a.wav)");
    list.AddNahravku("k=Prvni(wave\\a.wav)");  // differs in case: another line
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(list.Najdi("k")->Text(), "Prvni");
}

TEST_F(SoundListTest, PlainFileMustExistCollectionPointersWait) {
    list.AddNahravku("A=a(wave\\chybi.wav)");
    list.AddNahravku("B=b()");
    list.AddNahravku("C=c(kol.zvk|C)");
    EXPECT_EQ(list.size(), 1u);
    EXPECT_NE(list.Najdi("C"), nullptr);
    // The path written on Windows is found whatever the letter case on disk.
    writeWave(dir / "Wave" / "TCH001.WAV", 10);
    list.AddNahravku("D=d(wave\\tch001.wav)");
    EXPECT_NE(list.Najdi("D"), nullptr);
}

TEST_F(SoundListTest, PrioritiesAndKindsFromTheSuffix) {
    const std::vector<std::tuple<std::string, int, SoundKind>> cases = {
        {"5M", 5, SoundKind::Music},   {":2M", 2, SoundKind::Music}, {"M5", 5, SoundKind::Dialogue},
        {"Z", 0, SoundKind::Dialogue}, {"X", 0, SoundKind::Effect},  {":5", 5, SoundKind::Dialogue},
    };
    writeWave(dir / "wave" / "a.wav", 10);
    for (const auto& [suffix, priority, kind] : cases) {
        list.Vycisti();
        list.AddNahravku("A=a(wave\\a.wav)" + suffix);
        ASSERT_NE(list.Najdi("A"), nullptr) << suffix;
        EXPECT_EQ(list.Najdi("A")->Priority(), priority) << suffix;
        EXPECT_EQ(list.Najdi("A")->Kind(), kind) << suffix;
    }
}

TEST_F(SoundListTest, ZrusPrazdneRemovesDeadEntriesAndFreesTheirLines) {
    writeWave(dir / "wave" / "a.wav", 10);
    list.AddNahravku("A=a(wave\\a.wav)");
    list.AddNahravku("B=b(kol.zvk|B)");
    list.AddNahravku("C=c(kol.zvk|C)");
    list.Najdi("B")->Line.clear();
    list.ZrusPrazdne();
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.keyAt(1), "C");
    list.AddNahravku("B=b(kol.zvk|B)");  // may come back once gone
    EXPECT_EQ(list.size(), 3u);
    list.AddNahravku("A=a(wave\\a.wav)");
    EXPECT_EQ(list.size(), 3u);
}

TEST_F(SoundListTest, DefaultsAndBasicEntriesWhereTheirFilesExist) {
    for (const char* f : {"sx01.wav", "sx02.wav", "sx04.wav"})
        writeWave(dir / f, 10);
    for (int d = 0; d < 10; ++d)
        writeWave(dir / "wave" / (std::to_string(d) + ".wav"), 10);
    // The table names files with "\": write them where resolvePath will look.
    for (const auto& row : systemSoundTable()) {
        std::string file = row.file;
        std::replace(file.begin(), file.end(), '\\', '/');
        if (!file.empty())
            writeWave(dir / file, 10);
    }
    list.SetDefault();
    EXPECT_EQ(list.size(), 8u + 16u);
    EXPECT_EQ(list.keyAt(0), "SZdot");
    EXPECT_EQ(list.keyAt(8), "VOLrec");
    EXPECT_EQ(list.Najdi("C7")->Line, "C7=7(wave\\7.wav)");
    EXPECT_EQ(list.Najdi("INTROmus")->Kind(), SoundKind::Music);

    list.Vycisti();
    list.AddBasic();
    EXPECT_EQ(list.size(), 16u);
    EXPECT_EQ(list.Najdi("SZnovahra"), nullptr);
}

// A scenario played from a folder of its own: its recordings come from there, the player's own
// (system sounds, digits, menu samples) from the player's installation where the folder lacks
// them; a file of the folder itself still wins.
TEST_F(SoundListTest, ThePlayersOwnRecordingsComeFromItsInstallation) {
    const auto own = dir / "instalace";
    writeWave(own / "sx04.wav", 10);
    writeWave(own / "wave" / "tch007.wav", 10);
    writeWave(own / "wave" / "tch017.wav", 10);
    writeWave(own / "wave" / "7.wav", 10);
    writeWave(own / "wave" / "hrad.wav", 10);
    writeWave(dir / "wave" / "tch017.wav", 20);
    paths.ownPath = own.string() + "/";

    list.BeginLoad();
    list.AddNahravku("SZjdi=Jdi(wave\\tch007.wav)");
    list.AddNahravku("SZjdes=Jde\x9A(WAVE/TCH017.WAV)");
    list.AddNahravku("hrad=Hrad(wave\\hrad.wav)");  // the scenario's own: not in its folder
    list.AddBasic();
    list.EndLoad();
    ASSERT_NE(list.Najdi("SZjdi"), nullptr);
    ASSERT_NE(list.Najdi("INTROmus"), nullptr);
    ASSERT_NE(list.Najdi("C7"), nullptr);
    EXPECT_EQ(list.Najdi("hrad"), nullptr);
    EXPECT_EQ(list.Najdi("C8"), nullptr) << "missing everywhere";

    EXPECT_EQ(PlainFilePath(*list.Najdi("SZjdi"), paths), own / "wave" / "tch007.wav");
    EXPECT_EQ(PlainFilePath(*list.Najdi("SZjdes"), paths), dir / "wave" / "tch017.wav");
    background.AddNew("INTROmus", true, 0, "100x100");
    tick();
    EXPECT_EQ(startTime("sx04.wav"), 0);

    // Without an installation nothing is looked for elsewhere.
    paths.ownPath.clear();
    list.Vycisti();
    list.AddNahravku("SZjdi=Jdi(wave\\tch007.wav)");
    EXPECT_EQ(list.Najdi("SZjdi"), nullptr);
}

TEST_F(SoundListTest, SystemTextsTakeNonEmptyTextsOfTheFirstEntry) {
    SystemTexts texts;
    ASSERT_EQ(texts.lines().size(), 41u);
    EXPECT_EQ(texts.lines().front(),
              "SZrozhledni=Rozhl\xE9"
              "dni se");
    EXPECT_EQ(texts.text("SZjetu"), "Je tu:");
    EXPECT_EQ(texts.text("SZnovahra"), "Nov\xE1 hra");
    EXPECT_EQ(texts.text("SZnicnevidis"), "");  // the editor's key, not the player's

    writeWave(dir / "wave" / "tch007.wav", 10);
    writeWave(dir / "wave" / "tch003.wav", 10);
    list.AddNahravku("SZjdi=B\xEC\x9E(wave\\tch007.wav)");
    list.AddNahravku("SZjetu=(wave\\tch003.wav)");
    list.AddNahravku("SZjdi=Jinak(wave\\tch003.wav)");
    texts.LoadSystemTexts(list);
    EXPECT_EQ(texts.text("SZjdi"), "B\xEC\x9E");
    EXPECT_EQ(texts.text("SZjetu"), "Je tu:");  // empty text keeps the default
    EXPECT_EQ(texts.text("szjdi"), "B\xEC\x9E");
    EXPECT_EQ(texts.lines().size(), 41u);
}

}  // namespace
}  // namespace vek::test
