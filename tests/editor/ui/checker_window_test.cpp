// The checker's window: F8 opens it beside the main window, its list reads as the report does,
// Enter on a problem lands in the problem's field and line, "Znovu" checks the document again.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>

#include "editor/document/scenario_io.h"
#include "editor/ui/checker_window.h"
#include "editor/ui/edit_history_ui.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

using CheckerWindowTest = WindowTest;

TEST_F(CheckerWindowTest, EnterOnAProblemShowsItsFieldAndLineAndZnovuChecksAgain) {
    files.opens = {writeScenario(
        "sklep.scn", {"START=Sklep", "NOVEOKNO=Sklep", "NOVEOKNO=Chodba", "CESTY=", "Sklep", "*",
                      "PRICHOD=", "Vítej.", "[XYZ] Něco.", "*"})};
    form.Open();
    form.showPage(Mirela2_form::PredmetyPage);

    EXPECT_EQ(named<QAction>(form, "MIKontrola")->shortcut(), QKeySequence(Qt::Key_F8));
    named<QAction>(form, "MIKontrola")->trigger();
    CheckerWindow* checker = form.checkerWindow();
    ASSERT_NE(checker, nullptr);
    EXPECT_TRUE(checker->isVisible());
    EXPECT_FALSE(checker->isModal());
    ASSERT_EQ(checker->ProblemList->count(), 2);
    EXPECT_EQ(checker->ProblemList->item(1)->text(),
              QString::fromUtf8("chyba: okno Chodba, Při příchodu, řádek 2: neznámá podmínka "
                                "„XYZ“; přehrávač ji bere jako splněnou"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(checker->ProblemList);
    EXPECT_EQ(list->text(QAccessible::Name), QString::fromUtf8("Problémy"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(checker->ZnovuButton)->text(QAccessible::Name),
              "Znovu");

    checker->ProblemList->setCurrentRow(1);
    QTest::keyClick(checker->ProblemList, Qt::Key_Return);
    EXPECT_EQ(named<QTabWidget>(form, "PageControl")->currentIndex(), Mirela2_form::OknaPage);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().find("Chodba"));
    EXPECT_TRUE(named<QPlainTextEdit>(form, "PrichEdit")->hasFocus() ||
                QApplication::focusWidget() == named<QPlainTextEdit>(form, "PrichEdit"));
    EXPECT_EQ(named<QPlainTextEdit>(form, "PrichEdit")->textCursor().blockNumber(), 1);
    EXPECT_EQ(named<QPlainTextEdit>(form, "PrichEdit")->textCursor().block().text(),
              QString::fromUtf8("[XYZ] Něco."));

    Writable(doc.Windows().find("Chodba"))->ArrivalScript.set(1, C("Něco."));
    QTest::mouseClick(checker->ZnovuButton, Qt::LeftButton);
    EXPECT_EQ(checker->report().errors(), 0);
    EXPECT_EQ(checker->report().warnings(), 1);
    doc.Show(doc.Windows().find("Sklep"));
    QTest::keyClick(checker->ProblemList, Qt::Key_Return);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().find("Chodba"));
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(named<QComboBox>(form, "CisloOknaBox")));
}

TEST_F(CheckerWindowTest, AProblemOfAnItemMenuMenuItemOrSoundShowsItsOwnControl) {
    doc.NewItem();
    doc.NewMenuItem();
    doc.SetFieldLines(Field::FunctionScript, {"a", "b"});
    std::string item = doc.ShownItem()->Name, menu = doc.ShownMenu()->Name,
                menuItem = doc.ShownMenuItem()->Name;
    for (const char* line : {"a=(a.wav)", "b=(b.wav)", "c=(c.wav)"})
        Writable(doc.UserSounds()).add(line);
    form.refreshAll();
    doc.Show(doc.Items().objectAt(0) == doc.ShownItem() ? doc.Items().objectAt(1)
                                                        : doc.Items().objectAt(0));
    struct Case {
        ProblemPlace place;
        const char* control;
        Mirela2_form::Page page;
    };
    for (const auto& [place, control, page] :
         {Case{{PlaceKind::Item, item, ProblemField::Talk, 1},
               "PromlEdit",
               Mirela2_form::PredmetyPage},
          Case{{PlaceKind::Item, item, ProblemField::None, 0},
               "CisloPredmetuBox",
               Mirela2_form::PredmetyPage},
          Case{{PlaceKind::Menu, menu, ProblemField::MenuParent, 0},
               "ParentMenuBox",
               Mirela2_form::MenuPage},
          Case{{PlaceKind::Menu, menu, ProblemField::MenuEntries, 1},
               "SeznamPolBox",
               Mirela2_form::MenuPage},
          Case{{PlaceKind::MenuItem, menuItem, ProblemField::MenuItemFunction, 2},
               "FunkcePolMemo",
               Mirela2_form::MenuPage},
          Case{{PlaceKind::Sound, "b", ProblemField::None, 0},
               "ZvukyListBox",
               Mirela2_form::ZvukyPage}}) {
        form.showPage(Mirela2_form::OknaPage);
        form.ShowProblem(place);
        EXPECT_EQ(form.currentPage(), page) << control;
        EXPECT_EQ(QApplication::focusWidget(), named<QWidget>(form, control)) << control;
    }
    EXPECT_EQ(doc.ShownItem()->Name, item);
    EXPECT_EQ(named<QPlainTextEdit>(form, "FunkcePolMemo")->textCursor().blockNumber(), 1);
    EXPECT_EQ(named<QListWidget>(form, "ZvukyListBox")->currentRow(), 1);
}

}  // namespace
}  // namespace vek::editor::test
