#include "common/sound_entry.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using namespace entry_line;

TEST(EntryLine, PartsOfAFullLine) {
    const std::string line = "SZjdi=Jdi(wave\\tch007.wav):5X";
    EXPECT_EQ(Key(line), "SZjdi");
    EXPECT_EQ(Text(line), "Jdi");
    EXPECT_EQ(FileSpec(line), "wave\\tch007.wav");
    EXPECT_EQ(CollectionFile(line), "");
    EXPECT_EQ(CollectionSound(line), "");

    EXPECT_EQ(Text("SZdot=(wave\\tch000.wav)"), "");
    EXPECT_EQ(Key("INTROmus=(sx04.wav)M"), "INTROmus");
    // Only the first "=" and the first "(" split the line.
    EXPECT_EQ(Text("a=b=c(d(e)f)"), "b=c");
    EXPECT_EQ(FileSpec("a=b=c(d(e)f)"), "d(e");
}

TEST(EntryLine, LinesWithoutEqualsOrBracket) {
    EXPECT_EQ(Key("jenklic"), "jenklic");
    EXPECT_EQ(Text("jenklic"), "");
    EXPECT_EQ(FileSpec("jenklic"), "");
    EXPECT_EQ(Key("klic(soubor.wav)"), "klic(soubor.wav)");
    EXPECT_EQ(Text("klic(soubor.wav)"), "");
    EXPECT_EQ(FileSpec("klic(soubor.wav)"), "soubor.wav");
    EXPECT_EQ(Text("klic=jen text"), "jen text");
    EXPECT_EQ(FileSpec("klic=text(neukonceny"), "neukonceny");
    EXPECT_EQ(Key(""), "");
    EXPECT_EQ(FileSpec("("), "");
    EXPECT_EQ(Text("="), "");
}

TEST(EntryLine, PriorityAndKindFromTheSuffix) {
    struct Case {
        const char* line;
        int priority;
        SoundKind kind;
    };
    const Case cases[] = {
        {"a=b(c.wav)", 0, SoundKind::Dialogue},
        {"a=b(c.wav)X", 0, SoundKind::Effect},
        {"a=b(c.wav):5", 5, SoundKind::Dialogue},
        {"a=b(c.wav):2M", 2, SoundKind::Music},
        {"a=b(c.wav)5M", 5, SoundKind::Music},
        {"a=b(c.wav)M5", 5, SoundKind::Dialogue},
        {"a=b(c.wav)Z", 0, SoundKind::Dialogue},
        {"a=b(c.wav)0X", 0, SoundKind::Effect},
        {"a=b(c.wav)9x", 0, SoundKind::Dialogue},
        {"7", 0, SoundKind::Dialogue},
        {"M", 0, SoundKind::Music},
        {"", 0, SoundKind::Dialogue},
        {"5X", 5, SoundKind::Effect},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Priority(c.line), c.priority) << c.line;
        EXPECT_EQ(Kind(c.line), c.kind) << c.line;
    }
}

TEST(EntryLine, CollectionPointers) {
    TNahravka e("SZjdi=Jdi(collect01.zvk|SZjdi)");
    SoundBasePaths paths{"/hry/vek/", "/media/cd\\"};
    EXPECT_EQ(e.CollectionFile(false, paths), "collect01.zvk");
    EXPECT_EQ(e.CollectionFile(true, paths), "/hry/vek/collect01.zvk");
    EXPECT_EQ(e.CollectionSound(), "SZjdi");
    EXPECT_EQ(e.FullFileName(paths), "/hry/vek/");
    e.FromCD = true;
    EXPECT_EQ(e.CollectionFile(true, paths), "/media/cd\\collect01.zvk");
    EXPECT_EQ(e.FullFileName(paths), "/media/cd\\");

    TNahravka plain("zvon=Zvon\xED(wave\\zvon.wav)X");
    EXPECT_EQ(plain.FullFileName(paths), "/hry/vek/wave\\zvon.wav");
    EXPECT_EQ(plain.CollectionFile(true, paths), "/hry/vek/");
    EXPECT_EQ(plain.Kind(), SoundKind::Effect);

    EXPECT_EQ(CollectionSound("a=(k.zvk|x|y)"), "x|y") << "split at the first bar only";
    EXPECT_EQ(CollectionFile("a=(|x)"), "");
}

TEST(EntryLine, LongLinesParseWholly) {
    std::string text(400, 't');
    std::string line = std::string(300, 'k') + "=" + text + "(" + std::string(500, 'f') + ")3M";
    EXPECT_EQ(Key(line).size(), 300u);
    EXPECT_EQ(Text(line), text);
    EXPECT_EQ(FileSpec(line).size(), 500u);
    EXPECT_EQ(Priority(line), 3);
    EXPECT_EQ(Kind(line), SoundKind::Music);
}

}  // namespace
}  // namespace vek
