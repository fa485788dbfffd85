// The name dialog and the chooser, driven through their controls.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/ui/jmeno_form.h"
#include "editor/ui/vyber_form.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/ui_fixture.h"

namespace vek::editor::test {
namespace {

class NameDialogTest : public DialogFixture {
  protected:
    NameDialogTest() : form(doc, boxes) {
        start = Writable(doc.ShownWindow());
        sklep = Writable(doc.NewWindow());
        doc.Rename(EntityKind::Window, "sklep");
        start->Paths.assign({"sklep"});
        sklep->Paths.assign({C("Začátek_dobrodružství")});
        sklep->ArrivalScript.assign({C("GO(Začátek_dobrodružství);")});
        doc.Show(start);
        doc.SetModified(false);
    }

    void renameTo(EntityKind kind, const QString& name) {
        ASSERT_TRUE(form.prepare(kind));
        form.Edit1->setText(name);
        QTest::mouseClick(form.OKButton, Qt::LeftButton);
    }

    Jmeno_form form;
    TOkna* start = nullptr;
    TOkna* sklep = nullptr;
};

TEST_F(NameDialogTest, OpensWithTheCurrentNameSelectedUnderItsKindsCaption) {
    ASSERT_TRUE(form.prepare(EntityKind::Window));
    EXPECT_EQ(form.windowTitle(), u("Jméno okna"));
    EXPECT_EQ(form.Edit1->text(), u("Začátek_dobrodružství"));
    EXPECT_EQ(form.Edit1->selectedText(), form.Edit1->text());
    ASSERT_TRUE(form.prepare(EntityKind::Item));
    EXPECT_EQ(form.windowTitle(), u("Jméno předmětu"));
    EXPECT_EQ(form.Edit1->accessibleName(), u("Jméno předmětu"));
}

TEST_F(NameDialogTest, RenamingFollowsPathsAndTheStartWindowButNotScripts) {
    renameTo(EntityKind::Window, u("Velká síň"));
    EXPECT_EQ(start->Name, C("Velká_síň"));
    EXPECT_EQ(sklep->Paths.items(), (std::vector<std::string>{C("Velká_síň")}));
    EXPECT_EQ(doc.Settings().StartWindow, C("Velká_síň"));
    EXPECT_EQ(sklep->ArrivalScript[0], C("GO(Začátek_dobrodružství);"));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(NameDialogTest, ATakenNameGetsANumberAndTheSameNameNone) {
    renameTo(EntityKind::Window, u("SKLEP"));
    EXPECT_EQ(start->Name, "SKLEP[1]");
    renameTo(EntityKind::Window, u("SKLEP[1]"));
    EXPECT_EQ(start->Name, "SKLEP[1]");
}

TEST_F(NameDialogTest, EmptyAndUnwritableNamesAreRefusedAndTheDialogStays) {
    ASSERT_TRUE(form.prepare(EntityKind::Window));
    form.show();
    form.Edit1->setText(QString());
    QTest::mouseClick(form.OKButton, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, u("Stop"));
    EXPECT_EQ(start->Name, C("Začátek_dobrodružství"));

    form.Edit1->setText(u("Okno"));
    form.Edit1->insert(u("Ж"));  // a paste the field refuses
    EXPECT_EQ(form.Edit1->text(), u("Okno"));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[1].text.contains(u("Ж")));
    form.hide();
    EXPECT_FALSE(doc.Modified());
}

TEST_F(NameDialogTest, TheSpecialMenusAreRefusedWithoutOpening) {
    doc.ShowNamed(EntityKind::Menu, C("(hlavní)"));
    EXPECT_FALSE(form.renameShown(EntityKind::Menu));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u("Nabídku '(hlavní)' nelze přejmenovat!"));
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Stop);
    doc.Show(static_cast<TPolozka*>(nullptr));
    EXPECT_FALSE(form.renameShown(EntityKind::MenuItem));  // nothing to rename: nothing opens
    EXPECT_EQ(boxes.shown.size(), 1u);
}

class ChooserTest : public DialogFixture {
  protected:
    ChooserTest() : form(doc, boxes) {}
    Vyber_form form;
};

TEST_F(ChooserTest, OffersTheNamesFirstSelectedAndAddsThePickOnce) {
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "Les");
    ASSERT_TRUE(form.prepare(EntryList::Paths));
    EXPECT_EQ(form.windowTitle(), u("Výběr okna"));
    EXPECT_EQ(form.ComboBox1->count(), 2);
    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form.ComboBox1->currentText(), u("Les"));
    form.ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(form.OKButton, Qt::LeftButton);
    EXPECT_EQ(doc.ShownWindow()->Paths.items(),
              (std::vector<std::string>{C("Začátek_dobrodružství")}));
    EXPECT_EQ(form.chosen(), C("Začátek_dobrodružství"));

    // Picking it again adds nothing but still counts as an edit.
    doc.SetModified(false);
    ASSERT_TRUE(form.prepare(EntryList::Paths));
    form.ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(form.OKButton, Qt::LeftButton);
    EXPECT_EQ(doc.ShownWindow()->Paths.size(), 1u);
    EXPECT_TRUE(doc.Modified());

    // Cancel changes nothing.
    doc.SetModified(false);
    ASSERT_TRUE(form.prepare(EntryList::Paths));
    QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(doc.Modified());
}

TEST_F(ChooserTest, MusicOffersRecordingsThenSystemSoundsAndMenusTheirItemsThenDefaults) {
    Writable(doc.UserSounds()).add("les=Les(les.wav)M");
    ASSERT_TRUE(form.prepare(EntryList::Music));
    EXPECT_EQ(form.windowTitle(), u("Výběr hudby"));
    EXPECT_EQ(form.ComboBox1->itemText(0), u("les"));
    EXPECT_EQ(form.ComboBox1->count(), 1 + static_cast<int>(doc.SystemSounds().size()));

    doc.NewMenuItem();
    doc.ShowNamed(EntityKind::Menu, C("(hlavní)"));
    ASSERT_TRUE(form.prepare(EntryList::MenuEntries));
    EXPECT_EQ(form.windowTitle(), u("Výběr položky"));
    EXPECT_EQ(form.ComboBox1->itemText(0), u("Nová_položka[1]"));
    EXPECT_EQ(form.ComboBox1->itemText(form.ComboBox1->count() - 1), u("Menu[SZMmenu]"));
}

TEST_F(ChooserTest, IsRefusedForTheSystemMenuAndDoesNotOpenWithNothingToChoose) {
    doc.ShowNamed(EntityKind::Menu, C("(systémová)"));
    EXPECT_FALSE(form.addTo(EntryList::MenuEntries));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u("Systémovou nabídku nelze měnit!"));
    EXPECT_EQ(boxes.shown[0].caption, u("Stop"));

    EXPECT_FALSE(form.addTo(EntryList::Inventory));  // no item can be taken yet
    Writable(doc.ShownItem())->CanTake = true;
    ASSERT_TRUE(form.prepare(EntryList::Inventory));
    EXPECT_EQ(form.windowTitle(), u("Výběr předmětu"));
    QTest::mouseClick(form.OKButton, Qt::LeftButton);
    EXPECT_EQ(doc.Settings().Inventory.items(), (std::vector<std::string>{C("Židle")}));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
}  // namespace vek::editor::test

namespace vek::editor::test {
namespace {

// The main window may ask the dialogs only for the text, and change the document itself.
TEST_F(ChooserTest, WithoutADocumentTheDialogsOnlyHandBackWhatWasTypedOrPicked) {
    Jmeno_form name(boxes);
    name.prepareName(u("Jméno okna"), C("Začátek"));
    EXPECT_EQ(name.Edit1->text(), u("Začátek"));
    name.Edit1->setText(u("Velký sál"));
    QTest::mouseClick(name.OKButton, Qt::LeftButton);
    EXPECT_EQ(name.typedName(), C("Velký sál"));

    Vyber_form chooser(boxes);
    chooser.prepareChoices(u("Výběr okna"), {C("Les"), C("Síň")});
    EXPECT_EQ(chooser.ComboBox1->currentText(), u("Les"));
    chooser.ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(chooser.OKButton, Qt::LeftButton);
    EXPECT_EQ(chooser.chosen(), C("Síň"));
    EXPECT_EQ(chooser.choose("x", {}), std::nullopt);  // nothing to choose: nothing opens
    EXPECT_FALSE(doc.Modified());
}

}  // namespace
}  // namespace vek::editor::test
