#include "editor/ui/wavecol_form.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <unistd.h>

#include "common/collection.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "tests/editor/document/set_up.h"
#include "tools_support.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;
using test::Q;

// Runs each test in a directory of its own with three recordings (and one missing).
struct CollectionDialogFixture : ::testing::Test {
    std::filesystem::path previous, dir;
    EditorDocument doc;
    WaveCol_form* form = nullptr;
    QStringList progress;
    RecordingBoxes boxes;

    void SetUp() override {
        test::app();
        previous = std::filesystem::current_path();
        dir = std::filesystem::temp_directory_path() /
              ("mirela_wavecol_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "wave");
        std::filesystem::current_path(dir);
        for (const char* name : {"a", "b", "c"})
            std::ofstream("wave/" + std::string(name) + ".wav") << "RIFF" << name;
        doc.ClearDocument();
        Writable(doc.UserSounds()).add("a=A(wave\\a.wav)");
        Writable(doc.UserSounds()).add("b=B(wave\\b.wav):2X");
        Writable(doc.UserSounds()).add("c=C(wave\\c.wav)");
        Writable(doc.UserSounds()).add("chybi=X(wave\\chybi.wav)");
        Writable(doc.UserSounds()).add("d=D(old.zvk|d)");
        Writable(doc.SystemSounds()).assign({"SZjdi=Jdi(wave\\tch007.wav)", "a=jiny(wave\\x.wav)"});
        doc.SetModified(false);
        form = new WaveCol_form(doc, boxes);
        form->onProgress = [this] { progress << form->STProgress->text(); };
    }
    void TearDown() override {
        delete form;
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
    void choose(std::initializer_list<const char*> keys) {
        for (const char* key : keys)
            for (int i = 0; i < form->UnUsedList->count(); ++i)
                if (form->UnUsedList->keyAt(i) == key) {
                    form->UnUsedList->item(i)->setSelected(true);
                    break;
                }
        form->AddButt->click();
    }
};

TEST_F(CollectionDialogFixture, OffersSortedKeysAndMovesThemByButtonsAndEnter) {
    form->Open();
    EXPECT_EQ(form->UnUsedList->keys(),
              (std::vector<std::string>{"a", "a", "b", "c", "chybi", "SZjdi"}));
    EXPECT_EQ(form->FileEdit->text(), "collect01.zvk");
    choose({"c", "SZjdi"});
    EXPECT_EQ(form->UsedList->keys(), (std::vector<std::string>{"c", "SZjdi"}));
    form->UsedList->item(1)->setSelected(true);
    form->UsedList->setFocus();
    QTest::keyClick(form->UsedList, Qt::Key_Return);
    EXPECT_EQ(form->UsedList->keys(), (std::vector<std::string>{"c"}));
    form->AddAllButt->click();
    EXPECT_EQ(form->UnUsedList->count(), 0);
    EXPECT_EQ(form->UsedList->keys(),
              (std::vector<std::string>{"a", "a", "b", "c", "chybi", "SZjdi"}));
    form->RemAllButt->click();
    EXPECT_EQ(form->UsedList->count(), 0);
    EXPECT_TRUE(form->UsedList->acceptsDropFrom(form->UnUsedList));
    EXPECT_FALSE(form->UsedList->acceptsDropFrom(form->UsedList));

    // Another scenario loaded meanwhile: its keys are offered, none of the old ones chosen.
    choose({"c"});
    EditorDocument other;
    other.ClearDocument();
    Writable(other.UserSounds()).add("x=X(wave\\x.wav)");
    ReadScenario(doc, ScenarioBytes(other), {});
    EXPECT_EQ(form->UsedList->count(), 0);
    auto offered = form->UnUsedList->keys();
    EXPECT_NE(std::find(offered.begin(), offered.end(), "x"), offered.end());
    EXPECT_EQ(std::find(offered.begin(), offered.end(), "c"), offered.end());

    form->browseFile = [] { return Q("/home/a/.hry/moje"); };
    form->ProchButt->click();
    EXPECT_EQ(form->FileEdit->text(), "/home/a/.hry/moje.zvk");
    EXPECT_TRUE(test::unnamedControls(form).isEmpty())
        << test::unnamedControls(form).join(",").toStdString();
}

TEST_F(CollectionDialogFixture, ShowsSixProgressTextsAndPointsTheEntriesIntoTheCollection) {
    form->Open();
    choose({"a", "b", "c"});
    form->FileEdit->setText(QString::fromStdString((dir / "kol.zvk").string()));
    ASSERT_TRUE(form->CreateCollection());
    EXPECT_EQ(test::texts(boxes), QStringList{Q("Vytvořit kolekci z vybraných 3 souborů?")});
    EXPECT_EQ(boxes.shown[0].caption, Q("Otázka"));
    EXPECT_EQ(progress, (QStringList{Q("Formátuji kolekci: 0%"), Q("Formátuji kolekci: 17%"),
                                     Q("Formátuji kolekci: 33%"), Q("Ukládám kolekci: 50%"),
                                     Q("Ukládám kolekci: 67%"), Q("Ukládám kolekci: 83%")}));
    EXPECT_EQ(form->ProgressBar->format(), Q("Ukládám kolekci: 83%"));
    EXPECT_EQ(form->ProgressBar->value(), 83);
    EXPECT_TRUE(std::filesystem::exists("kol.zvk"));
    // Relative to the current directory; "a" is the recording, not the system sound.
    EXPECT_EQ(doc.UserSounds()[0], "a=A(kol.zvk|a)");
    EXPECT_EQ(doc.UserSounds()[1], "b=B(kol.zvk|b):2X");
    EXPECT_EQ(doc.SystemSounds()[1], "a=jiny(wave\\x.wav)");
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(form->UsedList->count(), 0);
    EXPECT_TRUE(form->STProgress->isHidden());
    EXPECT_TRUE(form->CreateButt->isVisible() || !form->isVisible());
    EXPECT_TRUE(form->AddButt->isEnabled());

    // Again: the file exists, so the overwrite question comes too; a missing recording is
    // left out of the collection but its entry still points into it.
    form->Open();
    choose({"chybi"});
    ASSERT_TRUE(form->CreateCollection());
    EXPECT_EQ(test::texts(boxes).last(),
              QString(Q("Soubor %1 již existuje. Chcete jej přepsat?"))
                  .arg(QString::fromStdString((dir / "kol.zvk").string())));
    EXPECT_EQ(boxes.shown.back().caption, Q("Upozornění"));
    EXPECT_EQ(boxes.shown.back().icon, BoxIcon::Warning);
    EXPECT_EQ(*doc.FindSoundLine("chybi"), "chybi=X(kol.zvk|chybi)");
    TCollectionList index;
    readCollectionIndex(dir / "kol.zvk", "kol.zvk", false, index);
    EXPECT_EQ(index.size(), 0u);
}

TEST_F(CollectionDialogFixture, CancellingDuringTheDataPhaseLeavesNoFileAndNoPointers) {
    form->Open();
    choose({"a", "b", "c"});
    form->FileEdit->setText("zruseno.zvk");
    form->onProgress = [this] {
        progress << form->STProgress->text();
        EXPECT_TRUE(form->CancelButt->isVisible() || !form->isVisible());
        if (progress.size() == 4)
            form->CancelButt->click();
    };
    EXPECT_FALSE(form->CreateCollection());
    EXPECT_EQ(progress.size(), 4);
    EXPECT_EQ(test::texts(boxes).last(), Q("Tvorba kolekce zastavena"));
    EXPECT_EQ(boxes.shown.back().caption, "Stop");
    EXPECT_FALSE(std::filesystem::exists("zruseno.zvk"));
    EXPECT_EQ(doc.UserSounds()[0], "a=A(wave\\a.wav)");
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(form->UsedList->count(), 3);
    EXPECT_FALSE(form->Building());

    // A collection that cannot be written changes no entry either.
    form->FileEdit->setText("chybi/adresar/k.zvk");
    form->onProgress = {};
    EXPECT_FALSE(form->CreateCollection());
    EXPECT_EQ(boxes.shown.back().caption, Q("Chyba"));
    EXPECT_EQ(doc.UserSounds()[0], "a=A(wave\\a.wav)");
}

}  // namespace
}  // namespace vek::editor
