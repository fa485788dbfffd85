#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <fstream>
#include <set>
#include <tuple>

#include "common/scenario_format.h"
#include "common/sound_entry.h"
#include "common/text_file.h"
#include "editor/document/scenario_io.h"
#include "editor/ui/edit_history_ui.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

// ---- what a screen reader and the Tab key find ------------------------------------------------

using LayoutTest = WindowTest;

// What a screen reader says for a control: its label (Qt on Linux gives a selector's label as a
// relation and its current entry as its name), or its own name.
QString spokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    for (const auto& [other, relation] : a->relations(QAccessible::Label))
        if (other && !other->text(QAccessible::Name).isEmpty())
            return other->text(QAccessible::Name);
    return a->text(QAccessible::Name);
}

TEST_F(LayoutTest, EveryFocusableControlHasItsOwnNameAndHintOnItsPage) {
    for (int page = 0; page < named<QTabWidget>(form, "PageControl")->count(); ++page) {
        named<QTabWidget>(form, "PageControl")->setCurrentIndex(page);
        std::set<QString> names;
        for (QWidget* w :
             named<QTabWidget>(form, "PageControl")->widget(page)->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QComboBox*>(w->parentWidget()) ||
                w->objectName().isEmpty())
                continue;
            QString name = spokenName(w);
            EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
            EXPECT_TRUE(names.insert(name).second)
                << "shared name " << name.toStdString() << " on page " << page;
        }
        EXPECT_GE(names.size(), 3u);
    }
    QAccessibleInterface* box =
        QAccessible::queryAccessibleInterface(named<QComboBox>(form, "CisloOknaBox"));
    EXPECT_EQ(spokenName(named<QComboBox>(form, "CisloOknaBox")),
              QString::fromUtf8("Seznam oken:"));
    EXPECT_EQ(box->text(QAccessible::Description), QString::fromUtf8("Název okna"));
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->toolTip(), QString::fromUtf8("Název okna"));
    // Buttons that share a caption say what they act on.
    QAccessibleInterface* add =
        QAccessible::queryAccessibleInterface(named<QPushButton>(form, "AddCestButton"));
    EXPECT_EQ(named<QPushButton>(form, "AddCestButton")->text(), QString::fromUtf8("Přidej"));
    EXPECT_EQ(add->text(QAccessible::Name), QString::fromUtf8("Přidej cestu"));
}

TEST_F(LayoutTest, TabMovesOnlyBetweenSelectorsListsEditorsAndCheckBoxes) {
    auto chainFrom = [](QWidget* first, int count) {
        std::vector<std::string> names;
        QWidget* w = first;
        for (int i = 0; i < count; ++i) {
            names.push_back(w->objectName().toStdString());
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(w->window()) ||
                   qobject_cast<QComboBox*>(w->parentWidget()) || w->window() != first->window() ||
                   !first->window()->isAncestorOf(w) || w->parentWidget() == nullptr ||
                   w->objectName().isEmpty());
        }
        return names;
    };
    EXPECT_EQ(chainFrom(named<QComboBox>(form, "CisloOknaBox"), 9),
              (std::vector<std::string>{"CisloOknaBox", "OknoZvukEdit", "Okno2pEdit", "RozhlEdit",
                                        "PrichEdit", "OdchEdit", "SeznamCestList",
                                        "SeznamPredmetuList", "HudbaList"}));
    form.showPage(Mirela2_form::PredmetyPage);
    EXPECT_EQ(chainFrom(named<QComboBox>(form, "CisloPredmetuBox"), 11),
              (std::vector<std::string>{"CisloPredmetuBox", "Pred4pEdit", "PredZvukEdit",
                                        "ProzkEdit", "VezmiEdit", "PolozEdit", "PouzEdit",
                                        "PromlEdit", "LzeVzitBox", "PouzNaBox", "PostavaBox"}));
    std::vector<QPushButton*> tabbable;
    for (QPushButton* b : form.findChildren<QPushButton*>())
        if (b->focusPolicy() & Qt::TabFocus)
            tabbable.push_back(b);
    EXPECT_EQ(tabbable.size(), 2u);
    for (QPushButton* b : tabbable)
        EXPECT_EQ(b->text(), QString::fromUtf8("Obnovit původní nastavení"));
}

TEST_F(LayoutTest, StartsWithTheExampleScenarioTitleAndStatus) {
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Editor scénářů"));
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentText(),
              QString::fromUtf8("Začátek_dobrodružství"));
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(),
              QString::fromUtf8("Zatím tu není nic zajímavého"));
    EXPECT_EQ(named<QLabel>(form, "CountsPanel")->text(),
              QString::fromUtf8("oken: 1, předmětů: 1, zvuků: 0"));
    EXPECT_EQ(named<QLabel>(form, "ModifiedPanel")->text(), QString());
    EXPECT_FALSE(doc.Modified()) << "filling the pages wrote nothing back";
    EXPECT_TRUE(named<QAction>(form, "MIPage0")->isChecked());
    form.showPage(Mirela2_form::ZvukyPage);
    EXPECT_TRUE(named<QAction>(form, "MIPage2")->isChecked());
    EXPECT_FALSE(named<QAction>(form, "MIPage0")->isChecked());
}

TEST_F(LayoutTest, EditingControlsAreDisabledWithoutACurrentWindow) {
    boxes.answers = {BoxAnswer::Ok};
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Delete);
    EXPECT_EQ(doc.Windows().size(), 0u);
    for (QWidget* w : std::initializer_list<QWidget*>{
             named<QPlainTextEdit>(form, "RozhlEdit"), named<QLineEdit>(form, "Okno2pEdit"),
             named<QListWidget>(form, "SeznamCestList"), named<QPushButton>(form, "AddCestButton")})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(named<QPushButton>(form, "DelCestButton")->isEnabled());
    EXPECT_TRUE(named<QComboBox>(form, "CisloOknaBox")->isEnabled());
}

// ---- writing controls into the document -----------------------------------------------------

using WriteBackTest = WindowTest;

TEST_F(WriteBackTest, EveryChangeGoesIntoTheDocumentAtOnce) {
    named<QPlainTextEdit>(form, "PrichEdit")->setFocus();
    named<QPlainTextEdit>(form, "PrichEdit")->insertPlainText(QString::fromUtf8("Vítej"));
    press(named<QPlainTextEdit>(form, "PrichEdit"), Qt::Key_Return);
    QTest::keyClicks(named<QPlainTextEdit>(form, "PrichEdit"), "GO(Sklep);");
    EXPECT_EQ(doc.ShownWindow()->ArrivalScript.items(),
              (std::vector<std::string>{C("Vítej"), "GO(Sklep);"}));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(named<QLabel>(form, "ModifiedPanel")->text(), QString::fromUtf8("změněn"));

    QTest::keyClicks(named<QLineEdit>(form, "Okno2pEdit"), "!");
    EXPECT_EQ(doc.ShownWindow()->Kam, C("na začátek dobrodružství!"));
    form.showPage(Mirela2_form::PredmetyPage);
    named<QCheckBox>(form, "LzeVzitBox")->click();
    EXPECT_TRUE(doc.ShownItem()->CanTake);
    named<QComboBox>(form, "PredZvukEdit")->setEditText("kroky");
    EXPECT_EQ(doc.ShownItem()->SoundId, "kroky");
    named<QComboBox>(form, "PredZvukEdit")->setCurrentIndex(0);  // "(žádný)" is no sound
    EXPECT_EQ(doc.ShownItem()->SoundId, "");
}

TEST_F(WriteBackTest, TypingInsideAnEditableSelectorStoresWhatWasTyped) {
    doc.NewItem();
    doc.NewMenu();
    doc.NewMenuItem();
    const std::array<std::tuple<QComboBox*, Field, Mirela2_form::Page>, 4> selectors = {{
        {named<QComboBox>(form, "OknoZvukEdit"), Field::WindowSound, Mirela2_form::OknaPage},
        {named<QComboBox>(form, "PredZvukEdit"), Field::ItemSound, Mirela2_form::PredmetyPage},
        {named<QComboBox>(form, "ParentMenuBox"), Field::MenuParent, Mirela2_form::MenuPage},
        {named<QComboBox>(form, "ZvukPolBox"), Field::MenuItemSound, Mirela2_form::MenuPage},
    }};
    for (auto [box, field, page] : selectors) {
        SCOPED_TRACE(box->objectName().toStdString());
        form.showPage(page);
        box->setEditText("abcd");
        ASSERT_EQ(doc.FieldText(field), "abcd");
        box->lineEdit()->setFocus();
        box->lineEdit()->setCursorPosition(2);
        QTest::keyClicks(box->lineEdit(), "XY");
        EXPECT_EQ(doc.FieldText(field), "abXYcd");
        EXPECT_EQ(box->lineEdit()->cursorPosition(), 4);
    }
}

TEST_F(WriteBackTest, TextTheCodePageCannotHoldIsRefusedAndNothingIsStored) {
    boxes.answers = {BoxAnswer::Ok};
    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    named<QPlainTextEdit>(form, "RozhlEdit")->moveCursor(QTextCursor::End);
    named<QPlainTextEdit>(form, "RozhlEdit")->insertPlainText(QString::fromUtf8(" ☺"));
    QApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Stop");
    EXPECT_EQ(doc.ShownWindow()->LookScript.items(),
              std::vector<std::string>{C("Zatím tu není nic zajímavého")});
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(),
              QString::fromUtf8("Zatím tu není nic zajímavého"));
    EXPECT_FALSE(doc.Modified());
}

TEST_F(WriteBackTest, SwitchingWindowsShowsEachWindowsOwnFields) {
    doc.NewWindow();
    QTest::keyClicks(named<QPlainTextEdit>(form, "RozhlEdit"), "Tma.");
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(), QString::fromUtf8("Tma."));
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(),
              QString::fromUtf8("Zatím tu není nic zajímavého"));
    EXPECT_EQ(doc.Windows().objectAt(0)->LookScript.items(), std::vector<std::string>{"Tma."});
}

// ---- the keyboard map ------------------------------------------------------------------------

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, CtrlArrowsStepThroughWindowsAndAreConsumedAtTheEnds) {
    doc.NewWindow();  // Nové_okno[1] sorts before Začátek_dobrodružství
    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    named<QPlainTextEdit>(form, "RozhlEdit")->moveCursor(QTextCursor::End);
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().objectAt(1));
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().objectAt(1));
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Up, Qt::ControlModifier);
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().objectAt(0));
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentIndex(), 0);
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->textCursor().position(), 0)
        << "refilled, the caret never moved";

    // On the menu page the menus step, or the menu items while their fields have the focus.
    doc.NewMenuItem();
    doc.NewMenuItem();
    form.showPage(Mirela2_form::MenuPage);
    TNabidka* menu = Writable(doc.ShownMenu());
    named<QPlainTextEdit>(form, "FunkcePolMemo")->setFocus();
    TPolozka* item = Writable(doc.ShownMenuItem());
    press(named<QPlainTextEdit>(form, "FunkcePolMemo"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_NE(doc.ShownMenuItem(), item);
    EXPECT_EQ(doc.ShownMenu(), menu);
    named<QComboBox>(form, "CisloNabidkyBox")->setFocus();
    press(named<QComboBox>(form, "CisloNabidkyBox"), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_NE(doc.ShownMenu(), menu);
    // The menu items' own selector steps the menu items, not the menus.
    menu = Writable(doc.ShownMenu());
    doc.Show(doc.MenuItems().objectAt(0));
    named<QComboBox>(form, "CisloPolozkyBox")->setFocus();
    press(named<QComboBox>(form, "CisloPolozkyBox"), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(doc.ShownMenuItem(), doc.MenuItems().objectAt(1));
    EXPECT_EQ(doc.ShownMenu(), menu);
}

TEST_F(KeyboardTest, NameSelectorsCreateDeleteAndRenameByKey) {
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Insert);
    EXPECT_EQ(doc.ShownWindow()->Name, C("Nové_okno[1]"));
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentText(),
              QString::fromUtf8("Nové_okno[1]"));

    prompts.names = {std::string("Sklep")};
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Return);
    EXPECT_EQ(prompts.nameTitles, std::vector<std::string>{"Jméno okna"});
    EXPECT_EQ(doc.ShownWindow()->Name, "Sklep");
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentText(), "Sklep");

    boxes.answers = {BoxAnswer::Cancel, BoxAnswer::Ok};
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Delete);
    EXPECT_EQ(doc.Windows().size(), 2u);
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Delete);
    EXPECT_EQ(doc.Windows().size(), 1u);
    EXPECT_EQ(boxes.shown.back().text,
              "Smazat okno 'Sklep'?\nVšechny odkazy na něj budou odstraněny");
    EXPECT_EQ(boxes.shown.back().caption, "Otázka");
    EXPECT_TRUE(named<QComboBox>(form, "CisloOknaBox")->hasFocus());
}

TEST_F(KeyboardTest, EntryListsAddRemoveMoveAndGoByKey) {
    doc.NewWindow();
    doc.NewWindow();
    named<QListWidget>(form, "SeznamCestList")->setFocus();
    prompts.choices = {C("Začátek_dobrodružství"), C("Nové_okno[1]")};
    press(named<QListWidget>(form, "SeznamCestList"), Qt::Key_Insert);
    press(named<QListWidget>(form, "SeznamCestList"), Qt::Key_Insert);
    EXPECT_EQ(prompts.chooserTitles, (std::vector<std::string>{"Výběr okna", "Výběr okna"}));
    EXPECT_EQ(doc.ShownWindow()->Paths.items(),
              (std::vector<std::string>{C("Začátek_dobrodružství"), C("Nové_okno[1]")}));
    EXPECT_EQ(named<QListWidget>(form, "SeznamCestList")->currentRow(), 1);

    press(named<QListWidget>(form, "SeznamCestList"), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(doc.ShownWindow()->Paths.items(),
              (std::vector<std::string>{C("Nové_okno[1]"), C("Začátek_dobrodružství")}));
    EXPECT_EQ(named<QListWidget>(form, "SeznamCestList")->currentRow(), 0);
    EXPECT_TRUE(named<QPushButton>(form, "DelCestButton")->isEnabled());

    named<QListWidget>(form, "SeznamCestList")->setCurrentRow(1);
    press(named<QListWidget>(form, "SeznamCestList"), Qt::Key_Return);
    EXPECT_EQ(doc.ShownWindow()->Name, C("Začátek_dobrodružství"));

    named<QComboBox>(form, "CisloOknaBox")->setCurrentIndex(1);  // back to Nové_okno[2]
    QApplication::processEvents();
    named<QListWidget>(form, "SeznamCestList")->setFocus();
    named<QListWidget>(form, "SeznamCestList")->setCurrentRow(0);
    press(named<QListWidget>(form, "SeznamCestList"), Qt::Key_Delete);
    EXPECT_EQ(doc.ShownWindow()->Paths.items(),
              std::vector<std::string>{C("Začátek_dobrodružství")});
    EXPECT_FALSE(named<QPushButton>(form, "DelCestButton")->isEnabled())
        << "nothing selected after a removal";
    emit named<QListWidget>(form, "SeznamCestList")->customContextMenuRequested(QPoint(1, 1));
    EXPECT_FALSE(named<QAction>(form, "PopJdiNaCestu")->isEnabled());
    EXPECT_FALSE(named<QAction>(form, "PopOdstranCestu")->isEnabled());
    EXPECT_TRUE(named<QAction>(form, "PopPridejCestu")->isEnabled());
    named<QMenu>(form, "PathsPopup")->close();
}

TEST_F(KeyboardTest, BuilderKeysReachTheToolsMenuFromScriptEditors) {
    std::vector<std::string> opened;
    ToolHooks hooks;
    hooks.condition = [&](QWidget* w) { opened.push_back("P " + w->objectName().toStdString()); };
    hooks.action = [&](QWidget* w) { opened.push_back("A " + w->objectName().toStdString()); };
    hooks.soundAction = [&](QWidget* w) { opened.push_back("Z " + w->objectName().toStdString()); };
    form.setToolHooks(hooks);

    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    QApplication::processEvents();
    named<QPlainTextEdit>(form, "RozhlEdit")->moveCursor(QTextCursor::End);
    QTest::keyClicks(named<QPlainTextEdit>(form, "RozhlEdit"), "x");
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_A, Qt::ControlModifier);
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Z, Qt::ControlModifier);
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(opened, (std::vector<std::string>{"A RozhlEdit", "Z RozhlEdit", "P RozhlEdit"}));
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(),
              QString::fromUtf8("Zatím tu není nic zajímavéhox"))
        << "Ctrl+Z did not undo";
    EXPECT_FALSE(named<QPlainTextEdit>(form, "RozhlEdit")->textCursor().hasSelection())
        << "Ctrl+A did not select all";

    // Undo has its own key; the word-deleting keys are swallowed.
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Backspace, Qt::ControlModifier);
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(),
              QString::fromUtf8("Zatím tu není nic zajímavéhox"));
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(),
              QString::fromUtf8("Zatím tu není nic zajímavého"));
    EXPECT_EQ(doc.ShownWindow()->LookScript.items(),
              std::vector<std::string>{C("Zatím tu není nic zajímavého")});

    // "kam:" takes only the sound action; a list takes none.
    opened.clear();
    named<QLineEdit>(form, "Okno2pEdit")->setFocus();
    QApplication::processEvents();
    press(named<QLineEdit>(form, "Okno2pEdit"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(opened, std::vector<std::string>{"Z Okno2pEdit"});
    named<QListWidget>(form, "SeznamCestList")->setFocus();
    QApplication::processEvents();
    emit named<QMenu>(form, "Nastroje1")->aboutToShow();
    EXPECT_FALSE(named<QAction>(form, "MIAkce")->isEnabled());
    EXPECT_FALSE(named<QAction>(form, "MIZvukovaAkce")->isEnabled());

    EXPECT_TRUE(form.insertIntoScriptEditor("PLAY(x);") == false)
        << "a list has the focus, nothing to insert into";
    named<QPlainTextEdit>(form, "PrichEdit")->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(form.insertIntoScriptEditor("PLAY(x);"));
    EXPECT_EQ(doc.ShownWindow()->ArrivalScript.items(), std::vector<std::string>{"PLAY(x);"});
}

// ---- menus and menu items --------------------------------------------------------------------

using MenuPageTest = WindowTest;

TEST_F(MenuPageTest, ProtectedMenusAreRefusedWithTheirMessages) {
    form.showPage(Mirela2_form::MenuPage);
    ASSERT_EQ(doc.ShownMenu()->Name, kMainMenuName);
    boxes.answers = {BoxAnswer::Ok, BoxAnswer::Ok};
    press(named<QComboBox>(form, "CisloNabidkyBox"), Qt::Key_Delete);
    press(named<QComboBox>(form, "CisloNabidkyBox"), Qt::Key_Return);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Nabídku '(hlavní)' nelze smazat!",
                                                       "Nabídku '(hlavní)' nelze přejmenovat!"}));
    EXPECT_EQ(boxes.shown[0].caption, "Stop");
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Stop);

    doc.Show(doc.Menus().find(kSystemMenuName));
    form.refreshAll();
    boxes.answers = {BoxAnswer::Ok};
    named<QListWidget>(form, "SeznamPolBox")->setFocus();
    press(named<QListWidget>(form, "SeznamPolBox"), Qt::Key_Insert);
    EXPECT_EQ(boxes.shown.back().text, "Systémovou nabídku nelze měnit!");
    EXPECT_TRUE(prompts.chooserTitles.empty()) << "refused before the chooser opens";
    EXPECT_FALSE(doc.Modified());
}

TEST_F(MenuPageTest, ResetMainMenuAsksAndMarksModified) {
    Writable(doc.ShownMenu())->Entries.removeAt(0);
    form.refreshAll();
    boxes.answers = {BoxAnswer::No, BoxAnswer::Yes};
    named<QPushButton>(form, "SetDefHNButt")->click();
    EXPECT_EQ(doc.ShownMenu()->Entries.size(), 8u);
    named<QPushButton>(form, "SetDefHNButt")->click();
    EXPECT_EQ(doc.ShownMenu()->Entries.size(), 9u);
    EXPECT_EQ(boxes.shown[0].text, "Nastavit hlavní nabídku na standardní hodnotu?");
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(named<QListWidget>(form, "SeznamPolBox")->count(), 9);
}

// ---- sounds ----------------------------------------------------------------------------------

using SoundsPageTest = WindowTest;

TEST_F(SoundsPageTest, DeletingSeveralAsksOnceWithTheCountAndOneAsksNothing) {
    for (const char* line : {"a=(a.wav)", "b=(b.wav)", "c=(c.wav)", "d=(d.wav)"})
        Writable(doc.UserSounds()).add(line);
    form.refreshAll();
    form.showPage(Mirela2_form::ZvukyPage);
    named<QListWidget>(form, "ZvukyListBox")->item(0)->setSelected(true);
    named<QListWidget>(form, "ZvukyListBox")->item(2)->setSelected(true);
    boxes.answers = {BoxAnswer::Ok};
    press(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Smazat 2 označených zvuků?"});
    EXPECT_EQ(doc.UserSounds().lines(), (std::vector<std::string>{"b=(b.wav)", "d=(d.wav)"}));

    named<QListWidget>(form, "ZvukyListBox")->clearSelection();
    named<QListWidget>(form, "ZvukyListBox")->item(1)->setSelected(true);
    press(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Delete);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(doc.UserSounds().lines(), std::vector<std::string>{"b=(b.wav)"});
    EXPECT_TRUE(doc.Modified());
    // The entry left under the cursor is selected: Delete acts on it at once.
    EXPECT_TRUE(named<QListWidget>(form, "ZvukyListBox")->item(0)->isSelected());
    EXPECT_TRUE(named<QPushButton>(form, "DelZvukButt")->isEnabled());
    press(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Delete);
    EXPECT_TRUE(doc.UserSounds().lines().empty());
    EXPECT_FALSE(named<QPushButton>(form, "DelZvukButt")->isEnabled());
}

TEST_F(SoundsPageTest, AddMoreTakesIdentifiersFromFileNames) {
    std::string dir = std::filesystem::current_path().string();
    files.sounds = {{dir + "/wave/stará hudba.wav", dir + "/wave/dvere.stare.wav"}};
    form.showPage(Mirela2_form::ZvukyPage);
    press(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Insert, Qt::AltModifier);
    EXPECT_EQ(doc.UserSounds().lines(),
              (std::vector<std::string>{"dvere=(wave\\dvere.stare.wav)",
                                        C("stará_hudba=(wave\\stará hudba.wav)")}));
    EXPECT_EQ(named<QListWidget>(form, "ZvukyListBox")->count(), 2);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(SoundsPageTest, NewChangedAndSeveralSoundsOpenTheDialogInTheirModes) {
    form.showPage(Mirela2_form::ZvukyPage);
    SoundFields typed;
    typed.id = "kroky";
    typed.file = "wave\\kroky.wav";
    typed.priority = "5";
    typed.category = SoundCategory::Effects;
    prompts.sounds = {typed};
    press(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Insert);
    ASSERT_EQ(prompts.soundRequests.size(), 1u);
    EXPECT_EQ(prompts.soundRequests[0].mode, SoundDialogMode::New);
    EXPECT_EQ(prompts.soundRequests[0].title, "Zvuk");
    EXPECT_EQ(prompts.soundRequests[0].fields.id, C("Nový_zvuk1"));
    EXPECT_EQ(doc.UserSounds().lines(), std::vector<std::string>{"kroky=(wave\\kroky.wav):5X"});
    EXPECT_TRUE(named<QListWidget>(form, "ZvukyListBox")->item(0)->isSelected());

    Writable(doc.UserSounds()).add("voda=(voda.wav)");
    form.refreshAll();
    named<QListWidget>(form, "ZvukyListBox")->selectAll();
    prompts.sounds = {std::nullopt};
    press(named<QListWidget>(form, "ZvukyListBox"), Qt::Key_Return);
    EXPECT_EQ(prompts.soundRequests[1].mode, SoundDialogMode::ChangeSeveral);
    EXPECT_EQ(prompts.soundRequests[1].title, "Zvuky");
    EXPECT_EQ(prompts.soundRequests[1].selectedCount, 2u);

    named<QListWidget>(form, "ZvukyListBox")->clearSelection();
    named<QListWidget>(form, "ZvukySysListBox")->setFocus();
    named<QListWidget>(form, "ZvukySysListBox")->setCurrentRow(0);
    prompts.sounds = {std::nullopt};
    press(named<QListWidget>(form, "ZvukySysListBox"), Qt::Key_Return);
    EXPECT_EQ(prompts.soundRequests[2].mode, SoundDialogMode::ChangeSystem);
    EXPECT_EQ(prompts.soundRequests[2].title, "Systémový zvuk");

    press(named<QListWidget>(form, "ZvukySysListBox"), Qt::Key_Space);
    ASSERT_EQ(prompts.previews.size(), 1u);
    QTest::keyClick(named<QListWidget>(form, "ZvukySysListBox"), Qt::Key_Asterisk,
                    Qt::KeypadModifier);
    EXPECT_EQ(named<QListWidget>(form, "ZvukySysListBox")->selectedItems().size(),
              named<QListWidget>(form, "ZvukySysListBox")->count());
}

TEST_F(SoundsPageTest, AddIsBackInTheUserListsContextMenuAfterTheSystemLists) {
    Writable(doc.UserSounds()).add("a=(a.wav)");
    form.refreshAll();
    form.showPage(Mirela2_form::ZvukyPage);
    named<QListWidget>(form, "ZvukySysListBox")->setCurrentRow(0);
    emit named<QListWidget>(form, "ZvukySysListBox")->customContextMenuRequested(QPoint(1, 1));
    EXPECT_FALSE(named<QAction>(form, "PopPridejZvuk")->isEnabled());
    EXPECT_FALSE(named<QAction>(form, "PopSmazZvuk")->isEnabled());
    EXPECT_TRUE(named<QAction>(form, "PopZmenZvuk")->isEnabled());
    named<QMenu>(form, "SoundsPopup")->close();
    emit named<QListWidget>(form, "ZvukyListBox")->customContextMenuRequested(QPoint(1, 1));
    EXPECT_TRUE(named<QAction>(form, "PopPridejZvuk")->isEnabled());
    EXPECT_FALSE(named<QAction>(form, "PopZmenZvuk")->isEnabled())
        << "nothing selected in the user list";
    named<QMenu>(form, "SoundsPopup")->close();
}

// ---- files -----------------------------------------------------------------------------------

using FileCommandsTest = WindowTest;

TEST_F(FileCommandsTest, UnmodifiedNewOpenAndExitAskNothing) {
    form.New();
    EXPECT_EQ(doc.Windows().size(), 0u);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Editor scénářů"));
    files.opens = {std::nullopt};
    form.Open();
    EXPECT_EQ(files.openCalls, 1);
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(placement.values["Maximize"], "0");
    EXPECT_EQ(placement.values["Width"], std::to_string(form.width()));
}

TEST_F(FileCommandsTest, YesWithTheSaveDialogCancelledCancelsNewOpenAndExit) {
    doc.NewWindow();
    boxes.answers = {BoxAnswer::Yes, BoxAnswer::Yes, BoxAnswer::Yes};
    files.saves = {std::nullopt, std::nullopt, std::nullopt};
    form.New();
    form.Open();
    EXPECT_FALSE(form.close());
    EXPECT_EQ(doc.Windows().size(), 2u);
    EXPECT_EQ(files.openCalls, 0);
    EXPECT_EQ(boxes.shown[0].text, "Uložit změny do scénáře?");
    EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::YesNoCancel);
    EXPECT_EQ(files.saveOfferedText, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(doc.Modified());
}

TEST_F(FileCommandsTest, SaveAsTextWarnsAndChangesNothingElse) {
    doc.NewWindow();
    std::string txt = (cwd.dir.path() / "hra.txt").string();
    files.saves = {FileDialogs::SaveChoice{txt, FileDialogs::SaveType::Text},
                   FileDialogs::SaveChoice{txt, FileDialogs::SaveType::Text}};
    boxes.answers = {BoxAnswer::No, BoxAnswer::Yes};
    form.SaveAs();
    EXPECT_FALSE(std::filesystem::exists(txt)) << "No writes nothing";
    form.SaveAs();
    EXPECT_TRUE(std::filesystem::exists(txt));
    EXPECT_EQ(boxes.shown[0].text,
              "Uložení souboru v textové podobě slouží pouze\n\rk extrakci informace a "
              "neumožňuje opětovné načtení.\n\rChcete pokračovat?");
    EXPECT_EQ(boxes.shown[0].caption, "Varování");
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Warning);
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(doc.FileName.empty());
    EXPECT_TRUE(recent.files().empty());
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Editor scénářů"));
}

TEST_F(FileCommandsTest, SaveAsScenarioSetsTitleRecentFilesAndReopens) {
    std::string path = (cwd.dir.path() / "hra.scn").string();
    files.saves = {FileDialogs::SaveChoice{path, FileDialogs::SaveType::Scenario}};
    named<QAction>(form, "MIUloz")->trigger();  // no file name yet: Save as
    EXPECT_EQ(doc.FileName, path);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Editor scénářů - " + path));
    EXPECT_EQ(recent.files(), std::vector<std::string>{path});
    EXPECT_TRUE(named<QAction>(form, "MIRecent0")->isVisible());
    EXPECT_EQ(named<QAction>(form, "MIRecent0")->text(), "1 hra.scn");
    EXPECT_FALSE(named<QAction>(form, "MIRecent1")->isVisible());

    form.New();
    form.OpenRecent(3);  // beyond the list: nothing
    EXPECT_EQ(doc.Windows().size(), 0u);
    form.OpenRecent(0);
    EXPECT_EQ(doc.Windows().size(), 1u);
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentText(),
              QString::fromUtf8("Začátek_dobrodružství"));
    EXPECT_TRUE(named<QComboBox>(form, "CisloOknaBox")->hasFocus());
}

TEST_F(FileCommandsTest, AFailedSaveKeepsModifiedAndTheDocument) {
    doc.NewWindow();
    doc.FileName = (cwd.dir.path() / "chybi" / "hra.scn").string();
    boxes.answers = {BoxAnswer::Ok, BoxAnswer::Yes, BoxAnswer::Ok};
    EXPECT_FALSE(form.Save());
    form.New();  // Yes to saving, which fails: New must not throw the changes away
    EXPECT_EQ(boxes.shown[0].caption, "Chyba");
    EXPECT_EQ(boxes.shown[1].text, "Uložit změny do scénáře?");
    EXPECT_EQ(boxes.shown[2].caption, "Chyba");
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Windows().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(doc.FileName));
}

TEST_F(FileCommandsTest, OpenRefusesABadHeaderAndChecksThePassword) {
    std::string bad = (cwd.dir.path() / "zly.scn").string();
    writeFileAtomically(bad, "XYZ\r\nJMENO=a\r\n");
    files.opens = {bad};
    boxes.answers = {BoxAnswer::Ok};
    form.Open();
    EXPECT_EQ(boxes.shown.back().text, "Nesprávná hlavička souboru!");
    EXPECT_EQ(boxes.shown.back().caption, "Stop");

    EditorDocument source;
    source.CreateStartupScenario();
    source.NewWindow();
    Writable(source.Settings()).Encode = true;
    Writable(source.Settings()).Password = "tajne";
    std::string coded = (cwd.dir.path() / "kodovany.scn").string();
    SaveScenario(source, coded);

    prompts.passwords = {std::nullopt, std::string("spatne"), std::string("tajne")};
    boxes.answers = {BoxAnswer::Ok};
    EXPECT_FALSE(form.OpenScenario(coded));  // cancelled: nothing said
    EXPECT_FALSE(form.OpenScenario(coded));
    EXPECT_EQ(boxes.shown.back().text, "Zadané heslo neodpovídá!");
    EXPECT_EQ(doc.Windows().size(), 1u);
    EXPECT_TRUE(doc.FileName.empty());
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Editor scénářů"));
    EXPECT_TRUE(form.OpenScenario(coded));
    EXPECT_EQ(doc.Windows().size(), 2u);
    EXPECT_EQ(doc.FileName, coded);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Editor scénářů - " + coded));
    EXPECT_EQ(recent.files().front(), coded);
}

TEST_F(FileCommandsTest, AScenarioNamedOnTheCommandLineIsOpenedAtStart) {
    std::string path = (cwd.dir.path() / "hra.scn").string();
    files.saves = {FileDialogs::SaveChoice{path, FileDialogs::SaveType::Scenario}};
    doc.NewWindow();
    form.SaveAs();
    EditorDocument other;
    Mirela2_form second(other, {boxes, files, prompts, desktop, placement, recent});
    second.start(path);
    EXPECT_EQ(other.Windows().size(), 2u);
    EXPECT_EQ(other.FileName, path);
    EXPECT_FALSE(other.Modified());
    EditorDocument third;
    Mirela2_form ignoring(third, {boxes, files, prompts, desktop, placement, recent});
    ignoring.start("--nothing");
    EXPECT_EQ(third.Windows().size(), 1u) << "the example scenario";
}

TEST_F(FileCommandsTest, PlacementAndRecentFilesSurviveClosing) {
    form.showMaximized();
    QApplication::processEvents();
    placement.values["Left"] = "17";
    ASSERT_TRUE(form.close());
    EXPECT_EQ(placement.values["Maximize"], "1");
    EXPECT_EQ(placement.values["Left"], "17") << "the last normal placement stays";
    EXPECT_TRUE(std::filesystem::exists("VEKEdit.hst"));
}

// ---- help and playing ------------------------------------------------------------------------

using OutsideTest = WindowTest;

TEST_F(OutsideTest, HelpOpensTheConfiguredPageOrSaysItIsMissing) {
    boxes.answers = {BoxAnswer::Ok};
    named<QAction>(form, "MIPopis")->trigger();
    EXPECT_EQ(boxes.shown.back().text, "Soubor nápovědy nenalezen");
    EXPECT_EQ(boxes.shown.back().caption, "Chyba");

    cwd.dir.write("hra/help/Index.html", "<html></html>");
    writeLinesAtomically("vek.cfg", {"PROGRAMPATH=hra", "CDPATH=d:\\"});
    named<QAction>(form, "MIPopis")->trigger();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].filename(), "Index.html");
}

TEST_F(OutsideTest, PlayingSavesAndStartsThePlayerInTheScenariosDirectory) {
    boxes.answers = {BoxAnswer::Ok};
    files.saves = {std::nullopt};
    named<QAction>(form, "MIZahrat")->trigger();
    EXPECT_EQ(boxes.shown.back().caption, "Upozornění");
    EXPECT_TRUE(desktop.started.empty());

    cwd.dir.write("hry/.keep", "");
    std::string path = (cwd.dir.path() / "hry" / "moje.scn").string();
    files.saves = {FileDialogs::SaveChoice{path, FileDialogs::SaveType::Scenario}};
    named<QAction>(form, "MIZahrat")->trigger();
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].program, "/opt/vek/VEK2");
    EXPECT_EQ(desktop.started[0].arguments, std::vector<std::string>{path});
    EXPECT_EQ(desktop.started[0].directory, cwd.dir.path() / "hry");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(doc.Modified());
}

}  // namespace
}  // namespace vek::editor::test
