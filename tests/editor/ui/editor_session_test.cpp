// The real main window with its real dialogs, the search, properties and builder windows beside
// it, under a window manager: which window is active and which control has the focus after each
// step, and what the search and sound dialogs do to the text, as an author at a desktop meets it.
#include <algorithm>
#include <functional>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "common/qt/dialog_owner.h"
#include "editor/document/scenario_io.h"
#include "editor/ui/edit_history_ui.h"
#include "editor/ui/mirela2_tools.h"
#include "editor/ui/qt_services.h"
#include "editor/ui/vyber_form.h"
#include "editor/ui/zvuky_form.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

constexpr int kPatience = 5000;  // ms for the window manager to act

struct SessionTest : ::testing::Test {
    struct AppFirst {
        AppFirst() { testApplication(); }
    } appFirst_;
    InScratchDir cwd;
    EditorDocument doc;
    QtMessageBoxes realBoxes;
    OwnedMessageBoxes boxes{realBoxes};
    ScriptedFiles files;
    QtPrompts prompts;
    FakeDesktop desktop;
    MemoryPlacement placement;
    TMenuFilesList recent;
    Mirela2_form form{doc, {boxes, files, prompts, desktop, placement, recent}};
    Mirela2_tools tools{form, boxes, prompts};
    QWidget* answered_ = nullptr;

    SessionTest() {
        prompts.setParent(&form);
        form.start();
        form.show();
        activate(&form);
    }
    ~SessionTest() override { doc.SetModified(false); }

    static bool waitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, kPatience);
    }
    void activate(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(waitFor([window] { return QApplication::activeWindow() == window; }))
            << "the window manager did not activate " << window->objectName().toStdString();
    }
    // Acts on the next modal dialog once it is shown (the command that opens it blocks); one
    // already open, which asks this one, is not it.
    void whenDialog(std::function<void(QWidget*)> act) {
        auto* poll = new QTimer(&form);
        poll->setInterval(10);
        QPointer<QWidget> asking = QApplication::activeModalWidget();
        QObject::connect(poll, &QTimer::timeout, [this, poll, asking, act = std::move(act)] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == asking || !dialog->isVisible())
                return;
            answered_ = dialog;
            poll->stop();
            poll->deleteLater();
            act(dialog);
        });
        poll->start();
    }
    // A person's key carries a fresh X time stamp, which the window manager weighs against the
    // last focus change before it lets a window take the focus; QTest's keys carry none. A
    // property change on a window hands the program the server's time, as a key press would.
    void userActs() {
        QWidget* window = QApplication::activeWindow() ? QApplication::activeWindow() : &form;
        QString title = window->windowTitle();
        window->setWindowTitle(title + QLatin1Char(' '));
        window->setWindowTitle(title);
        // The server's answer must be read before the key acts, or a window the key brings
        // forward asks the window manager with the time before it and may be refused.
        QGuiApplication::sync();
        QCoreApplication::processEvents();
    }
    void key(QWidget* target, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        userActs();
        QTest::keyClick(target, static_cast<Qt::Key>(code), modifiers);
    }
    void click(QAbstractButton* button) {
        userActs();
        button->click();
    }
    void pressInBox(QMessageBox::StandardButton which) {
        whenDialog([which](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_TRUE(box) << "expected a message box";
            box->button(which)->click();
        });
    }
    void expectFocus(QWidget* window, QWidget* control) {
        EXPECT_TRUE(waitFor([&] {
            return QApplication::activeWindow() == window && QApplication::focusWidget() == control;
        })) << "active: "
            << (QApplication::activeWindow()
                    ? QApplication::activeWindow()->objectName().toStdString()
                    : "none")
            << ", focus: "
            << (QApplication::focusWidget()
                    ? QApplication::focusWidget()->objectName().toStdString()
                    : "none");
    }

    // Windows A "abc one abc" and B "two abc", the item X "abc item", the intro "intro abc".
    void loadScenario() {
        EditorDocument source;
        source.ClearDocument();
        for (const char* name : {"A", "B"}) {
            source.NewWindow();
            source.Rename(EntityKind::Window, name);
        }
        source.NewItem();
        source.Rename(EntityKind::Item, "X");
        Writable(source.Windows().find("A"))->LookScript.assign({"abc one abc"});
        Writable(source.Windows().find("B"))->LookScript.assign({"two abc"});
        Writable(source.Items().find("X"))->ExamineScript.assign({"abc item"});
        Writable(source.Settings()).IntroText.assign({"intro abc"});
        ReadScenario(doc, ScenarioBytes(source), {});
        doc.Show(doc.Windows().find("A"));
        doc.SetModified(false);
        QApplication::processEvents();
    }
    Replace_form& openSearch(const char* pattern, const char* replacement) {
        named<QAction>(form, "MINajdi")->trigger();
        Replace_form& search = *tools.search();
        activate(&search);
        search.HledanyEdit->setText(pattern);
        search.NahradaEdit->setText(replacement);
        return search;
    }
};

// ---- the search dialog changes exactly the occurrences it shows ------------------------------

TEST_F(SessionTest, ReplaceAllFromTheSearchDialogChangesEveryOccurrence) {
    loadScenario();
    Replace_form& search = openSearch("abc", "XYZ");
    EXPECT_EQ(search.ReplaceAllCommand(), 5);
    EXPECT_EQ(doc.Windows().find("A")->LookScript[0], "XYZ one XYZ");
    EXPECT_EQ(doc.Windows().find("B")->LookScript[0], "two XYZ");
    EXPECT_EQ(doc.Items().find("X")->ExamineScript[0], "XYZ item");
    EXPECT_EQ(doc.Settings().IntroText[0], "intro XYZ");
    EXPECT_TRUE(doc.Modified());
}

TEST_F(SessionTest, FindFirstGivesTheMatchTheFocusAndReplaceChangesThatMatch) {
    loadScenario();
    Replace_form& search = openSearch("abc", "XYZ");
    click(search.FirstButt);
    // The match is selected in the main window's editor, which has the keyboard focus.
    expectFocus(&form, named<QPlainTextEdit>(form, "RozhlEdit"));
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->textCursor().selectedText(), "abc");
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->textCursor().selectionStart(), 0);

    activate(&search);  // back to the dialog, as Ctrl+F or Alt+Tab brings it
    click(search.ReplaceButt);
    EXPECT_EQ(doc.Windows().find("A")->LookScript[0], "XYZ one abc");

    // A single occurrence is replaced too, and nothing is said about it not being found.
    search.HledanyEdit->setText("item");
    search.NahradaEdit->setText("thing");
    click(search.FirstButt);
    activate(&search);
    click(search.ReplaceButt);
    EXPECT_EQ(doc.Items().find("X")->ExamineScript[0], "abc thing");
}

// ---- where the focus goes -------------------------------------------------------------------

TEST_F(SessionTest, NotFoundBelongsToTheSearchDialogAndTheFocusReturnsThere) {
    loadScenario();
    Replace_form& search = openSearch("nowhere", "");
    search.HledanyEdit->setFocus();
    pressInBox(QMessageBox::Ok);
    key(search.HledanyEdit, Qt::Key_Return);
    expectFocus(&search, search.HledanyEdit);
}

TEST_F(SessionTest, F3ActsInTheSearchAndPropertiesDialogsToTheEndOfTheWalk) {
    loadScenario();
    Replace_form& search = openSearch("abc", "");
    key(search.HledanyEdit, Qt::Key_F3);
    expectFocus(&form, named<QPlainTextEdit>(form, "RozhlEdit"));
    for (int i = 0; i < 3; ++i)  // the second in A, B, then X
        key(QApplication::focusWidget(), Qt::Key_F3);
    expectFocus(&form, named<QPlainTextEdit>(form, "ProzkEdit"));
    // The intro: the search opens the properties dialog, which takes the focus...
    key(QApplication::focusWidget(), Qt::Key_F3);
    Vlastnosti_form& properties = *tools.properties();
    expectFocus(&properties, properties.IntroMemo);
    EXPECT_EQ(properties.IntroMemo->textCursor().selectedText(), "abc");
    // ...and F3 there goes on to the end: not found, the dialog it opened closed again.
    pressInBox(QMessageBox::Ok);
    key(properties.IntroMemo, Qt::Key_F3);
    EXPECT_TRUE(waitFor([&] { return properties.isHidden(); }));
}

TEST_F(SessionTest, TheBuildersOfAPropertiesTextReturnTheFocusToIt) {
    loadScenario();
    named<QAction>(form, "MIVlastnosti")->trigger();
    Vlastnosti_form& properties = *tools.properties();
    activate(&properties);
    properties.IntroMemo->setFocus();
    // Ctrl+Z is the sound-action builder here as in the main window, not undo.
    whenDialog([this](QWidget* dialog) {
        EXPECT_EQ(dialog, tools.builder());
        tools.builder()->AkceCancelButton->click();
    });
    key(properties.IntroMemo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(answered_, tools.builder());
    EXPECT_EQ(properties.IntroMemo->toPlainText(), "intro abc");
    expectFocus(&properties, properties.IntroMemo);

    whenDialog([this](QWidget* dialog) {
        EXPECT_EQ(dialog, tools.builder());
        tools.builder()->AkceCancelButton->click();
    });
    key(properties.IntroMemo, Qt::Key_A, Qt::ControlModifier);
    expectFocus(&properties, properties.IntroMemo);
}

TEST_F(SessionTest, TheInventoryChooserReturnsToThePropertiesDialog) {
    loadScenario();
    Writable(doc.Items().find("X"))->CanTake = true;
    named<QAction>(form, "MIVlastnosti")->trigger();
    Vlastnosti_form& properties = *tools.properties();
    activate(&properties);
    properties.PredmetyListBox->setFocus();
    whenDialog([](QWidget* dialog) {
        auto* chooser = dynamic_cast<Vyber_form*>(dialog);
        ASSERT_TRUE(chooser);
        chooser->OKButton->click();
    });
    key(properties.PredmetyListBox, Qt::Key_Insert);
    EXPECT_EQ(properties.PredmetyListBox->count(), 1);
    expectFocus(&properties, properties.PredmetyListBox);
    click(properties.CancelButton);
}

TEST_F(SessionTest, AContextMenuRunsItsCommandOnOneEnterAndTheFocusStaysOnItsControl) {
    QComboBox* selector = named<QComboBox>(form, "CisloOknaBox");
    auto openMenu = [this](QWidget* control) -> QMenu* {
        control->setFocus();
        key(control, Qt::Key_F10, Qt::ShiftModifier);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    // The first command is current at once, so a screen reader says it and Enter runs it.
    QMenu* menu = openMenu(selector);
    ASSERT_TRUE(menu);
    ASSERT_TRUE(menu->activeAction());
    EXPECT_EQ(menu->activeAction()->objectName(), "PopNove");
    std::size_t count = doc.Windows().size();
    std::vector<QWidget*> focused;  // what a screen reader is told gets the focus
    auto recorder =
        QObject::connect(qApp, &QApplication::focusChanged,
                         [&focused](QWidget*, QWidget* now) { focused.push_back(now); });
    key(menu, Qt::Key_Return);
    EXPECT_EQ(doc.Windows().size(), count + 1);
    expectFocus(&form, selector);
    // The menu never took the focus; a screen reader is told it is on the selector again.
    EXPECT_TRUE(waitFor([&focused, selector] {
        return std::find(focused.begin(), focused.end(), selector) != focused.end();
    }));
    QObject::disconnect(recorder);

    // The next Enter is the selector's own: it renames the new window.
    whenDialog([](QWidget* dialog) {
        auto* field = dialog->findChild<QLineEdit*>("Edit1");
        ASSERT_TRUE(field);
        field->setText(QString::fromUtf8("Půda"));
        dialog->findChild<QPushButton*>("OKButton")->click();
    });
    key(selector, Qt::Key_Return);
    ASSERT_TRUE(answered_);
    EXPECT_EQ(cp1250ToUtf8(doc.ShownWindow()->Name), "Půda");
    expectFocus(&form, selector);

    // A list's menu starts on its first command that can run: nothing is chosen to go to yet.
    menu = openMenu(named<QListWidget>(form, "SeznamCestList"));
    ASSERT_TRUE(menu);
    ASSERT_TRUE(menu->activeAction());
    EXPECT_EQ(menu->activeAction()->objectName(), "PopPridejCestu");
    key(menu, Qt::Key_Escape);
    expectFocus(&form, named<QListWidget>(form, "SeznamCestList"));
}

// ---- the sound page -------------------------------------------------------------------------

TEST_F(SessionTest, ChangingAGappedSelectionKeepsExactlyTheChangedSoundsSelected) {
    for (const char* line :
         {"a=(a.wav)", "b=(b.wav)", "c=(c.wav)", "d=(d.wav)", "e=(e.wav)", "f=(f.wav)"})
        Writable(doc.UserSounds()).add(line);
    form.refreshAll();
    form.showPage(Mirela2_form::ZvukyPage);
    for (int row : {1, 3, 5})
        named<QListWidget>(form, "ZvukyListBox")->item(row)->setSelected(true);
    named<QListWidget>(form, "ZvukyListBox")->setFocus();
    whenDialog([this](QWidget* dialog) {
        auto* sounds = dynamic_cast<Zvuky_form*>(dialog);
        ASSERT_TRUE(sounds);
        sounds->ZvukSouborEdit->setText("hudba");  // a directory: each keeps its file name
        pressInBox(QMessageBox::Ok);               // "Změnit 3 označených zvuků?"
        sounds->OKZvukButt->click();
    });
    key(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Return);
    ASSERT_EQ(doc.UserSounds()[1], "b=(hudba\\b.wav)");
    std::vector<std::string> selected;
    for (QListWidgetItem* entry : named<QListWidget>(form, "ZvukyListBox")->selectedItems())
        selected.push_back(entry->text().toStdString());
    std::sort(selected.begin(), selected.end());
    EXPECT_EQ(selected, (std::vector<std::string>{"b=(hudba\\b.wav)", "d=(hudba\\d.wav)",
                                                  "f=(hudba\\f.wav)"}));
    expectFocus(&form, named<QListWidget>(form, "ZvukyListBox"));
}

// ---- undo and redo --------------------------------------------------------------------------

TEST_F(SessionTest, AltBackspaceUndoesADeletionAndTheFocusReturnsToTheRestoredWindow) {
    loadScenario();
    doc.AddEntry(EntryList::Paths, "B");  // A leads to B
    doc.ShowNamed(EntityKind::Window, "B");
    doc.SetModified(false);
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    pressInBox(QMessageBox::Ok);  // "Smazat okno 'B'?"
    key(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Delete);
    ASSERT_EQ(doc.Windows().find("B"), nullptr);
    EXPECT_EQ(form.history()->undoAction()->text(), QString::fromUtf8("&Zpět: smazání okna B"));

    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    key(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Backspace, Qt::AltModifier);
    ASSERT_NE(doc.Windows().find("B"), nullptr);
    EXPECT_EQ(doc.ShownWindow()->Name, "B");
    EXPECT_EQ(doc.Windows().find("A")->Paths.items(), std::vector<std::string>{"B"});
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentText(), "B");
    expectFocus(&form, named<QComboBox>(form, "CisloOknaBox"));
    EXPECT_EQ(form.history()->undoAction()->text(), QString::fromUtf8("&Zpět: přidání cesty"));
    EXPECT_EQ(form.history()->redoAction()->text(), QString::fromUtf8("Z&novu: smazání okna B"));
    EXPECT_EQ(form.findChild<QLabel*>("HistoryNotice")->text(),
              QString::fromUtf8("Vráceno: smazání okna B"));

    key(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Backspace,
        Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc.Windows().find("B"), nullptr);
    EXPECT_TRUE(doc.Windows().find("A")->Paths.empty());
}

TEST_F(SessionTest, TypingInTwoWindowsIsUndoneWindowByWindowWithTheFocusInTheEditor) {
    loadScenario();
    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    named<QPlainTextEdit>(form, "RozhlEdit")->moveCursor(QTextCursor::End);
    QTest::keyClicks(named<QPlainTextEdit>(form, "RozhlEdit"),
                     "xy");  // one step: typed without a pause
    key(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Down,
        Qt::ControlModifier);  // to window B
    ASSERT_EQ(doc.ShownWindow()->Name, "B");
    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    named<QPlainTextEdit>(form, "RozhlEdit")->moveCursor(QTextCursor::End);
    QTest::keyClicks(named<QPlainTextEdit>(form, "RozhlEdit"), "z");
    EXPECT_EQ(doc.Windows().find("B")->LookScript[0], "two abcz");

    key(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc.Windows().find("B")->LookScript[0], "two abc");
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(), "two abc");
    key(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc.ShownWindow()->Name, "A");
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(), "abc one abc");
    expectFocus(&form, named<QPlainTextEdit>(form, "RozhlEdit"));
    EXPECT_FALSE(doc.Modified());
    key(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Backspace,
        Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(), "abc one abcxy");
}

TEST_F(SessionTest, AnUndoneSettingIsShownInThePropertiesDialogAtItsControl) {
    loadScenario();
    named<QAction>(form, "MIDalsiTexty")->trigger();
    Vlastnosti_form& properties = *tools.properties();
    activate(&properties);
    const std::string before = doc.Settings().ScenarioName;
    const QString shownBefore = properties.JmenoEdit->text();
    properties.PageControl->setCurrentIndex(0);
    properties.JmenoEdit->setFocus();
    properties.JmenoEdit->selectAll();
    QTest::keyClicks(properties.JmenoEdit, "Hra");
    ASSERT_EQ(doc.Settings().ScenarioName, "Hra");
    click(properties.OkButton);
    ASSERT_TRUE(waitFor([&] { return properties.isHidden(); }));
    activate(&form);

    QWidget* selector = named<QComboBox>(form, "CisloOknaBox");
    selector->setFocus();
    key(selector, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc.Settings().ScenarioName, before);
    // The dialog is back on the page of the name, which has its focus; whether the window
    // manager gives the dialog the keyboard rests on the X time of the key, as above.
    EXPECT_TRUE(properties.isVisible());
    EXPECT_EQ(properties.PageControl->currentIndex(), 0);
    EXPECT_EQ(properties.focusWidget(), properties.JmenoEdit);
    EXPECT_EQ(properties.JmenoEdit->text(), shownBefore);
    click(properties.CancelButton);
}

TEST_F(SessionTest, AltBackspaceInTheSearchDialogUndoesAWholeReplaceAll) {
    loadScenario();
    std::string before = ScenarioBytes(doc);
    Replace_form& search = openSearch("abc", "XYZ");
    ASSERT_EQ(search.ReplaceAllCommand(), 5);
    activate(&search);
    search.HledanyEdit->setFocus();
    key(search.HledanyEdit, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(ScenarioBytes(doc), before);
    EXPECT_EQ(search.HledanyEdit->text(), "abc");  // the dialog's own field keeps its text
    // The first replacement's place is shown, in the main window. Whether the window manager
    // brings that window forward rests on the X time of the key, which QTest's keys do not carry
    // (the search hits' tests above cover the activation): the window's own focus is asserted.
    EXPECT_TRUE(
        waitFor([&] { return form.focusWidget() == named<QPlainTextEdit>(form, "RozhlEdit"); }));
    EXPECT_EQ(doc.ShownWindow()->Name, "A");
}

}  // namespace
}  // namespace vek::editor::test
