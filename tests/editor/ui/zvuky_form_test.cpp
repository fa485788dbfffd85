// The sound dialog in its four modes, browsing and the preview, driven through its controls.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/collection.h"
#include "common/sound_entry.h"
#include "common/system_sounds.h"
#include "editor/ui/zvuky_form.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/ui_fixture.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::editor::test {
namespace {

using vek::test::writeWave;

class SoundDialogTest : public DialogFixture {
  protected:
    SoundDialogTest() : form(doc, boxes, files.browser(), preview) {
        dir = tempDir("zvuky_form");
        form.setCurrentDirectory(dir);
        Writable(doc.UserSounds()).add("a=A(wave\\a.wav)");
        Writable(doc.UserSounds()).add("b=B(wave\\b.wav):2X");
        Writable(doc.UserSounds()).add("c=C(wave\\c.wav)M");
        doc.SetModified(false);
    }
    ~SoundDialogTest() override { std::filesystem::remove_all(dir); }

    void ok() { QTest::mouseClick(form.OKZvukButt, Qt::LeftButton); }
    void setPriority(const char* text) { form.ZvukPriorityBox->setEditText(u(text)); }

    std::filesystem::path dir;
    Zvuky_form form;
};

TEST_F(SoundDialogTest, ANewSoundProposesANumberedNameAndBuildsItsLine) {
    form.prepareNewSound();
    EXPECT_EQ(form.windowTitle(), u("Zvuk"));
    EXPECT_EQ(form.ZvukIDEdit->text(), u("Nový_zvuk1"));
    EXPECT_EQ(form.ZvukIDEdit->selectedText(), u("Nový_zvuk1"));
    EXPECT_EQ(form.ZvukPriorityBox->currentText(), u("0"));
    EXPECT_EQ(form.ZakHlasBox->currentText(), u("Dialogy"));
    EXPECT_FALSE(form.ZvukPlayButt->isEnabled());

    form.ZvukIDEdit->setText(u("stará hudba"));
    setPriority("5");
    form.ZakHlasBox->setCurrentIndex(2);
    ok();
    EXPECT_EQ(doc.UserSounds().lines().back(), C("stará_hudba=(wait):5M"));
    EXPECT_TRUE(doc.Modified());
    ASSERT_EQ(form.changedPositions().size(), 1u);
    EXPECT_EQ(doc.UserSounds()[form.changedPositions()[0]], C("stará_hudba=(wait):5M"));

    // Every opening takes a number; an emptied identifier takes the next one too.
    form.prepareNewSound();
    EXPECT_EQ(form.ZvukIDEdit->text(), u("Nový_zvuk2"));
    form.ZvukIDEdit->clear();
    form.ZvukSouborEdit->setText(u("x.wav"));
    ok();
    EXPECT_TRUE(doc.UserSounds().indexOfKey(C("Nový_zvuk3")) >= 0);
    form.prepareNewSound();
    EXPECT_EQ(form.ZvukIDEdit->text(), u("Nový_zvuk4"));
}

TEST_F(SoundDialogTest, OneSoundAndASystemSoundAreEditedInPlace) {
    ASSERT_TRUE(form.prepareChange({1}));
    EXPECT_EQ(form.mode(), SoundDialogMode::ChangeOne);
    EXPECT_EQ(form.ZvukIDEdit->text(), u("b"));
    EXPECT_EQ(form.ZvukSouborEdit->text(), u("wave\\b.wav"));
    EXPECT_EQ(form.ZvukPriorityBox->currentText(), u("2"));
    EXPECT_EQ(form.ZakHlasBox->currentText(), u("Ruchy"));
    EXPECT_TRUE(form.ZvukPlayButt->isEnabled());
    setPriority("0");
    ok();
    EXPECT_EQ(doc.UserSounds()[1], "b=B(wave\\b.wav)X");
    EXPECT_EQ(doc.UserSounds().size(), 3u);

    ASSERT_TRUE(form.prepareSystemSound(0));
    EXPECT_EQ(form.windowTitle(), u("Systémový zvuk"));
    EXPECT_FALSE(form.ZvukIDEdit->isEnabled());
    form.ZvukTextEdit->setText(u("Jdi pryč"));
    ok();
    EXPECT_EQ(entry_line::Text(doc.SystemSounds()[0]), C("Jdi pryč"));
    EXPECT_EQ(entry_line::Key(doc.SystemSounds()[0]),
              entry_line::Key(editorDefaultSystemSounds()[0]));
}

TEST_F(SoundDialogTest, SeveralSoundsAskOnceAndMoveToADirectoryKeepingTheRest) {
    ASSERT_TRUE(form.prepareChange({0, 2}));
    EXPECT_EQ(form.mode(), SoundDialogMode::ChangeSeveral);
    EXPECT_EQ(form.windowTitle(), u("Zvuky"));
    EXPECT_FALSE(form.ZvukIDEdit->isEnabled());
    EXPECT_EQ(form.ZvukIDEdit->text(), QString());
    EXPECT_EQ(form.ZvukSouborEdit->text(), u("(bezezměny)"));
    EXPECT_EQ(form.ZvukTextEdit->text(), u("(bezezměny)"));
    EXPECT_EQ(form.ZvukPriorityBox->currentText(), QString());
    EXPECT_EQ(form.ZakHlasBox->currentIndex(), 3);
    EXPECT_FALSE(form.ZvukPlayButt->isEnabled());

    form.ZvukSouborEdit->setText(u("zvuky/les"));
    boxes.answers = {BoxAnswer::Cancel};
    ok();  // the question cancelled: nothing changes
    EXPECT_EQ(doc.UserSounds()[0], "a=A(wave\\a.wav)");
    EXPECT_FALSE(doc.Modified());

    ok();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, u("Změnit 2 označených zvuků?"));
    EXPECT_EQ(boxes.shown[1].caption, u("Otázka"));
    EXPECT_EQ(doc.UserSounds().lines(),
              (std::vector<std::string>{"a=A(zvuky\\les\\a.wav)", "b=B(wave\\b.wav):2X",
                                        "c=C(zvuky\\les\\c.wav)M"}));
    EXPECT_TRUE(doc.Modified());
}

TEST_F(SoundDialogTest, AskedForFieldsOnlyItHandsThemBackAndLeavesTheDocument) {
    Zvuky_form prompt(boxes, files.browser(), preview);
    prompt.prepare(SoundDialogMode::ChangeSeveral, "Zvuky", SeveralSoundsFields(), 3);
    EXPECT_EQ(prompt.windowTitle(), u("Zvuky"));
    EXPECT_FALSE(prompt.ZvukIDEdit->isEnabled());
    prompt.ZvukSouborEdit->setText(u("sady"));
    QTest::mouseClick(prompt.OKZvukButt, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u("Změnit 3 označených zvuků?"));
    ASSERT_TRUE(prompt.acceptedFields());
    EXPECT_EQ(prompt.acceptedFields()->file, "sady");
    EXPECT_EQ(doc.UserSounds()[0], "a=A(wave\\a.wav)");
    EXPECT_FALSE(doc.Modified());
}

TEST_F(SoundDialogTest, FieldsThatWouldBreakTheLineAreRefused) {
    form.prepareNewSound();
    form.ZvukTextEdit->setText(u("Hlas (šeptem)"));
    ok();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u("Text nesmí obsahovat znak '('."));
    form.ZvukTextEdit->setText(u("Hlas"));
    form.ZvukIDEdit->setText(u("a=b"));
    ok();
    EXPECT_EQ(boxes.shown.size(), 2u);
    form.ZvukPriorityBox->lineEdit()->clear();
    QTest::keyClicks(form.ZvukPriorityBox->lineEdit(), "1x2");  // the box takes one digit only
    EXPECT_EQ(form.ZvukPriorityBox->currentText(), u("1"));
    EXPECT_EQ(doc.UserSounds().size(), 3u);
}

TEST_F(SoundDialogTest, BrowsingMakesTheFileRelativeAndNamesANewSoundAfterIt) {
    form.prepareNewSound();
    files.chosen = {(dir / "wave" / "Žába.kváká.wav").string()};
    QTest::mouseClick(form.NactiButt, Qt::LeftButton);
    EXPECT_EQ(files.asked, 1);
    EXPECT_EQ(form.ZvukSouborEdit->text(), u("wave\\Žába.kváká.wav"));
    EXPECT_EQ(form.ZvukIDEdit->text(), u("Žába"));
    EXPECT_TRUE(form.ZvukPlayButt->isEnabled());

    // A name the code page cannot hold is said, not stored.
    files.chosen = {(dir / "Жаба.wav").string()};
    QTest::mouseClick(form.NactiButt, Qt::LeftButton);
    EXPECT_EQ(form.ZvukSouborEdit->text(), u("wave\\Žába.kváká.wav"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains(u("Жаба")));
}

TEST_F(SoundDialogTest, PlayStopTogglesAndAFileThatCannotPlayIsSaid) {
    writeWave(dir / "wave" / "b.wav", 2000);
    ASSERT_TRUE(form.prepareChange({1}));
    QTest::mouseClick(form.ZvukPlayButt, Qt::LeftButton);
    EXPECT_TRUE(preview.Playing());
    EXPECT_TRUE(form.PreviewStatus->text().isEmpty());
    QTest::mouseClick(form.ZvukPlayButt, Qt::LeftButton);  // pressed while it plays: stops
    EXPECT_FALSE(preview.Playing());

    form.ZvukSouborEdit->setText(u("wave\\chybi.wav"));
    QTest::mouseClick(form.ZvukPlayButt, Qt::LeftButton);
    EXPECT_FALSE(preview.Playing());
    EXPECT_EQ(form.PreviewStatus->text(), u("Soubor wave\\chybi.wav nelze přehrát."));
}

TEST_F(SoundDialogTest, WithoutASoundOutputThePreviewQuietlyDoesNothing) {
    VirtualDevice broken("no sound card");
    SoundPreview silent(&broken);
    Zvuky_form quiet(doc, boxes, files.browser(), silent);
    quiet.setCurrentDirectory(dir);
    writeWave(dir / "wave" / "a.wav", 100);
    ASSERT_TRUE(quiet.prepareChange({0}));
    QTest::mouseClick(quiet.ZvukPlayButt, Qt::LeftButton);
    EXPECT_FALSE(silent.Playing());
    EXPECT_TRUE(quiet.PreviewStatus->text().isEmpty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(SoundPreviewTest, PlaysARecordingInsideACollection) {
    auto dir = tempDir("preview_collection");
    writeWave(dir / "les.wav", 500);
    ASSERT_EQ(writeCollection(dir / "sady.zvk", {{"les", dir / "les.wav"}}),
              CollectionWriteResult::Written);
    VirtualDevice device;
    SoundPreview preview(&device);
    EXPECT_EQ(preview.Toggle("SADY.zvk|les", dir), PreviewOutcome::Started);
    EXPECT_TRUE(preview.Playing());
    EXPECT_EQ(preview.Toggle("SADY.zvk|les", dir), PreviewOutcome::Stopped);
    EXPECT_EQ(preview.Toggle("sady.zvk|jiny", dir), PreviewOutcome::CannotPlay);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vek::editor::test
