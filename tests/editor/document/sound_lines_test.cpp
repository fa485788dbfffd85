#include "editor/document/sound_lines.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

TEST(SoundLines, NewOneAndSystemSoundLines) {
    SoundNameCounter counter;
    SoundFields f = NewSoundFields(counter);
    EXPECT_EQ(f.id, C("Nový_zvuk1"));
    f.id = C("stará hudba");
    f.text = "Hudba";
    f.file = "h.wav";
    EXPECT_EQ(BuildSoundLine(f, counter), C("stará_hudba=Hudba(h.wav)"));
    f.file.clear();
    f.priority = "5";
    f.category = SoundCategory::Music;
    EXPECT_EQ(BuildSoundLine(f, counter), C("stará_hudba=Hudba(wait):5M"));
    f.id.clear();
    f.priority = "0";
    f.category = SoundCategory::Effects;
    EXPECT_EQ(BuildSoundLine(f, counter), C("Nový_zvuk2=Hudba(wait)X"));
    EXPECT_EQ(NewSoundFields(counter).id, C("Nový_zvuk3"));

    SoundFields back = FieldsFromLine("a=Text(wave\\a.wav):3X");
    EXPECT_EQ(back.id, "a");
    EXPECT_EQ(back.text, "Text");
    EXPECT_EQ(back.file, "wave\\a.wav");
    EXPECT_EQ(back.priority, "3");
    EXPECT_EQ(back.category, SoundCategory::Effects);
    EXPECT_EQ(BuildSoundLine(back, counter), "a=Text(wave\\a.wav):3X");
}

TEST(SoundLines, SeveralSoundsMoveToADirectoryOrACollection) {
    SoundFields f = SeveralSoundsFields();
    // All left unchanged: a priority written without ":" gains one.
    EXPECT_EQ(ChangeSeveralLine("a=A(wave\\a.wav)3M", f), "a=A(wave\\a.wav):3M");
    EXPECT_EQ(ChangeSeveralLine("a=A(wave\\a.wav)", f), "a=A(wave\\a.wav)");
    f.file = "zvuky";
    EXPECT_EQ(ChangeSeveralLine("a=A(wave\\a.wav)X", f), "a=A(zvuky\\a.wav)X");
    f.file = "collect01.zvk";
    EXPECT_EQ(ChangeSeveralLine("a=A(wave\\a.wav)", f), "a=A(collect01.zvk|a.wav)");
    EXPECT_EQ(ChangeSeveralLine("a=A(old.zvk|a)", f), "a=A(collect01.zvk|a)");
    f.file = std::string(kUnchangedField);
    f.text = "Nový";
    f.priority = "0";
    f.category = SoundCategory::Dialogue;
    EXPECT_EQ(ChangeSeveralLine("a=A(a.wav):4M", f), "a=Nový(a.wav)");

    EditorDocument doc;
    doc.ClearDocument();
    Writable(doc.UserSounds()).add("b=B(wave\\b.wav)");
    Writable(doc.UserSounds()).add("a=A(wave\\a.wav)");
    Writable(doc.UserSounds()).add("c=C(wave\\c.wav)");
    SoundFields dir = SeveralSoundsFields();
    dir.file = "nove\\";
    SoundNameCounter counter;
    std::vector<std::size_t> changed =
        ApplySoundDialog(doc, SoundDialogMode::ChangeSeveral, dir, {0, 2}, counter);
    EXPECT_EQ(
        doc.UserSounds().lines(),
        (std::vector<std::string>{"a=A(nove\\a.wav)", "b=B(wave\\b.wav)", "c=C(nove\\c.wav)"}));
    EXPECT_TRUE(doc.Modified());
    // The places of the changed lines after every insertion, those of the earlier ones too.
    std::sort(changed.begin(), changed.end());
    EXPECT_EQ(changed, (std::vector<std::size_t>{0, 2}));
}

TEST(SoundLines, BrowsedAndAddedFilesAreRelativeWithTheirIdentifier) {
    EXPECT_EQ(RelativeToDirectory("/hry/vek/wave/a.wav", "/hry/vek"), "wave/a.wav");
    EXPECT_EQ(RelativeToDirectory("/hry/vek/wave/a.wav", "/hry/vek/"), "wave/a.wav");
    EXPECT_EQ(RelativeToDirectory("/hry/vekx/a.wav", "/hry/vek"), "/hry/vekx/a.wav");
    EXPECT_EQ(RelativeToDirectory("C:\\hry\\a.wav", "C:\\hry"), "a.wav");

    SoundNameCounter counter;
    SoundFields f = NewSoundFields(counter);
    EXPECT_TRUE(BrowseSoundFile(f, "/hry/vek/wave/vitr.dlouhy.wav", "/hry/vek"));
    EXPECT_EQ(f.file, "wave\\vitr.dlouhy.wav");
    EXPECT_EQ(f.id, "vitr");
    f.id = "vlastni";
    BrowseSoundFile(f, "/jinde/x.wav", "/hry/vek");
    EXPECT_EQ(f.id, "vlastni");
    EXPECT_EQ(f.file, "\\jinde\\x.wav");

    EditorDocument doc;
    doc.ClearDocument();
    EXPECT_EQ(
        AddMoreSounds(doc, {"/hry/vek/moje hudba.v2.wav", "/hry/vek/a.wav"}, "/hry/vek").added, 2u);
    EXPECT_EQ(doc.UserSounds().lines(),
              (std::vector<std::string>{"a=(a.wav)", "moje_hudba=(moje hudba.v2.wav)"}));
    EXPECT_TRUE(doc.Modified());
}

}  // namespace
}  // namespace vek::editor
