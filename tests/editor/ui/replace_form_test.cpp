#include "editor/ui/replace_form.h"

#include <deque>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "editor/document/document.h"
#include "editor/ui/vlastnosti_form.h"
#include "fake_search_host.h"
#include "tests/editor/document/set_up.h"
#include "tools_support.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;
using test::Q;

struct SearchDialogFixture : ::testing::Test {
    EditorDocument doc;
    FakeMainWindow* main = nullptr;
    Vlastnosti_form* properties = nullptr;
    Replace_form* dialog = nullptr;
    RecordingBoxes boxes;
    TOkna* a = nullptr;
    TOkna* b = nullptr;
    TPredmet* item = nullptr;

    void SetUp() override {
        test::app();
        doc.ClearDocument();
        a = Writable(doc.NewWindow());
        doc.Rename(EntityKind::Window, "A");
        b = Writable(doc.NewWindow());
        doc.Rename(EntityKind::Window, "B");
        item = Writable(doc.NewItem());
        a->LookScript.assign({"klic klic"});
        a->DepartureScript.assign({"x", "GO(klic);"});
        b->ArrivalScript.assign({"klic"});
        item->TalkScript.assign({C("KLÍČ klic")});
        Writable(doc.Settings()).CycleText.assign({"klic"});
        Writable(doc.NewMenuItem())->FunctionScript.assign({"klic"});
        doc.SetModified(false);

        main = new FakeMainWindow(doc);
        properties = new Vlastnosti_form(doc, boxes, main);
        dialog = new Replace_form(doc, *main, *properties, boxes, main);
        main->show();
    }
    void TearDown() override { delete main; }

    QString selected(QPlainTextEdit* e) { return e->textCursor().selectedText(); }
    int selectionLine(QPlainTextEdit* e) {
        return e->document()->findBlock(e->textCursor().selectionStart()).blockNumber();
    }
};

TEST_F(SearchDialogFixture, F3WalksWindowsItemsAndTextsToNotFoundWhileTheDialogIsHidden) {
    dialog->HledanyEdit->setText("klic");
    ASSERT_TRUE(dialog->FindFirstCommand());
    EXPECT_EQ(selected(main->windowEditors[0]), "klic");
    EXPECT_EQ(main->windowEditors[0]->textCursor().selectionStart(), 0);
    ASSERT_TRUE(dialog->FindNextCommand());  // behind the match, in the same field
    EXPECT_EQ(main->windowEditors[0]->textCursor().selectionStart(), 5);
    ASSERT_TRUE(dialog->FindNextCommand());
    EXPECT_EQ(main->focusWidget(), main->windowEditors[2]);
    EXPECT_EQ(selectionLine(main->windowEditors[2]), 1);
    ASSERT_TRUE(dialog->FindNextCommand());
    EXPECT_EQ(doc.ShownWindow(), b);
    ASSERT_TRUE(dialog->FindNextCommand());  // KLÍČ is another word; klic behind it
    EXPECT_EQ(main->itemEditors[4]->textCursor().selectionStart(), 5);
    EXPECT_TRUE(properties->isHidden());
    ASSERT_TRUE(dialog->FindNextCommand());  // the cycle text, in the properties dialog
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->PageControl->currentIndex(), 1);
    EXPECT_EQ(selected(properties->CyklusMemo), "klic");
    EXPECT_TRUE(boxes.shown.empty());
    // The menu item's script is never searched: the walk ends and hides the dialog it opened.
    EXPECT_FALSE(dialog->FindNextCommand());
    EXPECT_TRUE(properties->isHidden());
    ASSERT_EQ(test::texts(boxes), QStringList{Q("\"klic\" nenalezeno.")});
    EXPECT_EQ(boxes.shown[0].caption, Q("Upozornění"));
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Warning);
    EXPECT_FALSE(doc.Modified());
}

TEST_F(SearchDialogFixture, OptionsOfTheDialogApply) {
    a->LookScript.assign({"PLAYSEC(a); x PLAY_y", C("Vidíš ŽIDLE.")});
    dialog->HledanyEdit->setText("PLAY");
    dialog->CelaSlovaBox->setChecked(true);
    ASSERT_TRUE(dialog->FindFirstCommand());
    EXPECT_EQ(main->windowEditors[0]->textCursor().selectionStart(), 14);
    dialog->CelaSlovaBox->setChecked(false);
    dialog->VParamFciBox->setChecked(true);
    dialog->HledanyEdit->setText("klic");
    ASSERT_TRUE(dialog->FindFirstCommand());  // only GO(klic) is inside brackets
    EXPECT_EQ(main->focusWidget(), main->windowEditors[2]);
    dialog->VParamFciBox->setChecked(false);
    dialog->HledanyEdit->setText(Q("židle"));
    ASSERT_TRUE(dialog->FindFirstCommand());
    EXPECT_EQ(selected(main->windowEditors[0]), Q("ŽIDLE"));
    dialog->VelkaMalaBox->setChecked(true);
    EXPECT_FALSE(dialog->FindFirstCommand());
    EXPECT_FALSE(dialog->VybTextBox->isEnabled());
    EXPECT_TRUE(test::unnamedControls(dialog).isEmpty());
}

TEST_F(SearchDialogFixture, ANewTextStartsAtTheCaretInTheFocusedEditor) {
    main->showWindow(a);
    QPlainTextEdit* odchod = main->windowEditors[2];
    odchod->setFocus();
    QTextCursor c = odchod->textCursor();
    c.setPosition(odchod->document()->findBlockByNumber(1).position());
    odchod->setTextCursor(c);
    main->place = {SearchPlace::Page::Windows, 3, 1, 0};
    dialog->HledanyEdit->setText("klic");
    ASSERT_TRUE(dialog->FindNextCommand());
    EXPECT_EQ(main->focusWidget(), odchod);
    EXPECT_EQ(selectionLine(odchod), 1);
    EXPECT_EQ(selected(odchod), "klic");
}

TEST_F(SearchDialogFixture, AskingNoLeavesTheCaretBehindAndCancelStops) {
    dialog->HledanyEdit->setText("klic");
    dialog->NahradaEdit->setText("dvere");
    dialog->DotPriZamBox->setChecked(true);
    dialog->show();
    boxes.answers = {BoxAnswer::No, BoxAnswer::Yes, BoxAnswer::Cancel};
    ASSERT_TRUE(dialog->FindFirstCommand());
    EXPECT_TRUE(dialog->ReplaceCommand());  // No
    QPlainTextEdit* look = main->windowEditors[0];
    EXPECT_FALSE(look->textCursor().hasSelection());
    EXPECT_EQ(look->textCursor().position(), 4);  // just behind the kept match
    EXPECT_TRUE(dialog->ReplaceCommand());        // the next one, Yes
    EXPECT_EQ(look->toPlainText(), "klic dvere");
    EXPECT_EQ(selected(look), "dvere");
    EXPECT_EQ(a->LookScript[0], "klic dvere");
    EXPECT_EQ(test::texts(boxes), QStringList(2, Q("Zaměnit výskyt?")));
    EXPECT_EQ(boxes.shown[0].caption, Q("Otázka"));
    EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::YesNoCancel);
    EXPECT_FALSE(dialog->ReplaceCommand());  // Cancel: stops with the message
    EXPECT_EQ(test::texts(boxes).last(), Q("\"klic\" nenalezeno."));
    EXPECT_EQ(a->DepartureScript[1], "GO(klic);");
    EXPECT_TRUE(dialog->isVisible());  // hidden only while asking
    EXPECT_TRUE(doc.Modified());
}

TEST_F(SearchDialogFixture, ReplaceAllOfALetterByItselfDoubledEndsAndTheEditorsFollow) {
    dialog->HledanyEdit->setText("k");
    dialog->NahradaEdit->setText("kk");
    EXPECT_EQ(dialog->ReplaceAllCommand(), 7);
    EXPECT_EQ(a->LookScript[0], "kklic kklic");
    EXPECT_EQ(main->itemEditors[4]->toPlainText(), Q("kkLÍČ kklic"));
    EXPECT_EQ(doc.MenuItems().objectAt(0)->FunctionScript[0], "klic");
    EXPECT_EQ(properties->CyklusMemo->toPlainText(), "kklic");
    EXPECT_TRUE(properties->isHidden());
    EXPECT_TRUE(boxes.shown.empty());
    dialog->HledanyEdit->setText("nic");
    EXPECT_EQ(dialog->ReplaceAllCommand(), -1);
    EXPECT_EQ(test::texts(boxes), QStringList{Q("\"nic\" nenalezeno.")});
}

TEST_F(SearchDialogFixture, TextTypedInThePropertiesDialogIsSearchedAndItsOkKeepsReplacements) {
    properties->Open(0);
    properties->IntroMemo->setFocus();
    properties->IntroMemo->setPlainText(Q("Vítej\nzamek"));  // typed, not yet confirmed
    dialog->HledanyEdit->setText("zamek");
    dialog->NahradaEdit->setText("dvere");
    ASSERT_TRUE(dialog->FindFirstCommand());
    EXPECT_EQ(selected(properties->IntroMemo), "zamek");
    EXPECT_EQ(properties->IntroMemo->toPlainText(), Q("Vítej\nzamek"));
    EXPECT_TRUE(dialog->ReplaceCommand());
    EXPECT_EQ(properties->IntroMemo->toPlainText(), Q("Vítej\ndvere"));
    properties->accept();
    EXPECT_EQ(doc.Settings().IntroText.items(), (std::vector<std::string>{C("Vítej"), "dvere"}));
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace vek::editor
