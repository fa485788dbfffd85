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

#include "editor/ui/checker_window.h"
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

    EXPECT_EQ(form.MIKontrola->shortcut(), QKeySequence(Qt::Key_F8));
    form.MIKontrola->trigger();
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
    EXPECT_EQ(form.PageControl->currentIndex(), Mirela2_form::OknaPage);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().find("Chodba"));
    EXPECT_TRUE(form.PrichEdit->hasFocus() || QApplication::focusWidget() == form.PrichEdit);
    EXPECT_EQ(form.PrichEdit->textCursor().blockNumber(), 1);
    EXPECT_EQ(form.PrichEdit->textCursor().block().text(), QString::fromUtf8("[XYZ] Něco."));

    Writable(doc.Windows()).find("Chodba")->ArrivalScript.set(1, C("Něco."));
    QTest::mouseClick(checker->ZnovuButton, Qt::LeftButton);
    EXPECT_EQ(checker->report().errors(), 0);
    EXPECT_EQ(checker->report().warnings(), 1);
    doc.Show(doc.Windows().find("Sklep"));
    QTest::keyClick(checker->ProblemList, Qt::Key_Return);
    EXPECT_EQ(doc.ShownWindow(), doc.Windows().find("Chodba"));
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(form.CisloOknaBox));
}

}  // namespace
}  // namespace vek::editor::test
