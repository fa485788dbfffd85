// What a screen reader tells an author in the main window: the shown window's name, the commands
// of a selector or list from the keyboard, a finished save, the page and the checker's verdict.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

#include "editor/ui/checker_window.h"
#include "tests/common/qt/spoken.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

using testing::spokenValue;
using HearingTest = WindowTest;

QLabel* notice(Mirela2_form& form) {
    return form.findChild<QLabel*>("Notice");
}

TEST_F(HearingTest, TheShownWindowIsSaidBySelectorOrNoticeAsCtrlArrowsChangeIt) {
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "Sklep");
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    EXPECT_EQ(spokenValue(named<QComboBox>(form, "CisloOknaBox")), "Sklep");
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Down, Qt::ControlModifier);
    QString next = QString::fromStdString(cp1250ToUtf8(doc.ShownWindow()->Name));
    EXPECT_NE(next, "Sklep");
    EXPECT_EQ(spokenValue(named<QComboBox>(form, "CisloOknaBox")), next);
    EXPECT_FALSE(notice(form)->isVisible());  // the selector says it already

    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    press(named<QPlainTextEdit>(form, "RozhlEdit"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_TRUE(notice(form)->isVisible());
    EXPECT_EQ(notice(form)->text(), "Sklep");

    // At the list's end nothing changes and the selector says nothing: the name is said again.
    while (doc.StepShown(EntityKind::Window, +1)) {
    }
    QString last = QString::fromStdString(cp1250ToUtf8(doc.ShownWindow()->Name));
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    notice(form)->hide();
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(cp1250ToUtf8(doc.ShownWindow()->Name)), last);
    EXPECT_TRUE(notice(form)->isVisible());
    EXPECT_EQ(notice(form)->text(), last);
}

TEST_F(HearingTest, ASelectorRefilledAfterANewOrRenamedWindowShowsNoOtherName) {
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "A");  // the first entry, which a refill would show first
    QStringList shown;  // every value the selector's field takes, as a screen reader hears it
    QObject::connect(named<QComboBox>(form, "CisloOknaBox")->lineEdit(), &QLineEdit::textChanged,
                     [&shown](const QString& text) {
                         if (!text.isEmpty())
                             shown << text;
                     });
    named<QComboBox>(form, "CisloOknaBox")->setFocus();
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Insert);
    QString created = QString::fromStdString(cp1250ToUtf8(doc.ShownWindow()->Name));
    EXPECT_EQ(shown.join(", "), created);

    shown.clear();
    prompts.names = {C("Půda")};
    press(named<QComboBox>(form, "CisloOknaBox"), Qt::Key_Return);
    EXPECT_EQ(shown.join(", "), QString::fromUtf8("Půda"));
    EXPECT_EQ(named<QComboBox>(form, "CisloOknaBox")->currentText(), QString::fromUtf8("Půda"));
}

TEST_F(HearingTest, ShiftF10OpensTheButtonsCommandsWithTheirKeys) {
    auto openMenu = [this](QWidget* control) -> QMenu* {
        control->setFocus();
        press(control, Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu)
            menu->close();
        return menu;
    };
    auto entries = [](QMenu* menu) {
        std::vector<std::string> out;
        for (QAction* a : menu->actions())
            out.push_back(a->text().toStdString() + " " +
                          a->shortcut().toString(QKeySequence::PortableText).toStdString() +
                          (a->isEnabled() ? "" : " (off)"));
        return out;
    };
    QMenu* windows = openMenu(named<QComboBox>(form, "CisloOknaBox"));
    ASSERT_TRUE(windows);
    EXPECT_EQ(entries(windows), (std::vector<std::string>{"Nové Ins", "Jméno Return", "Smaž Del"}));
    std::size_t count = doc.Windows().size();
    windows->actions()[0]->trigger();
    EXPECT_EQ(doc.Windows().size(), count + 1);

    QMenu* music = openMenu(named<QListWidget>(form, "HudbaList"));
    ASSERT_TRUE(music);
    EXPECT_EQ(entries(music), (std::vector<std::string>{"Přidej Ins", "Uber Del (off)"}));

    form.showPage(Mirela2_form::ZvukyPage);
    QMenu* sounds = openMenu(named<QListWidget>(form, "ZvukyListBox"));
    ASSERT_TRUE(sounds);
    EXPECT_EQ(entries(sounds).back(), "Přidej více Alt+Ins");
}

TEST_F(HearingTest, ASaveIsAnnouncedAndTheWindowIsNamedByItsFile) {
    std::string path = (cwd.dir.path() / "hra.scn").string();
    files.saves = {FileDialogs::SaveChoice{path}};
    ASSERT_TRUE(form.SaveAs());
    EXPECT_TRUE(notice(form)->isVisible());
    EXPECT_EQ(notice(form)->text(), QString::fromUtf8("Uloženo: hra.scn"));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    EXPECT_TRUE(window->text(QAccessible::Name).endsWith("hra.scn"));
}

TEST_F(HearingTest, ThePageAndTheCheckersVerdictAreSaidOnArrival) {
    auto* stack = named<QTabWidget>(form, "PageControl")->findChild<QStackedWidget*>();
    form.showPage(Mirela2_form::PredmetyPage);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(stack)->text(QAccessible::Name),
              QString::fromUtf8("Předměty"));
    EXPECT_EQ(notice(form)->text(), QString::fromUtf8("Předměty"));

    form.ShowChecker();
    CheckerWindow* checker = form.checkerWindow();
    QString description =
        QAccessible::queryAccessibleInterface(checker->ProblemList)->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(checker->SummaryLabel->text())) << description.toStdString();
    checker->close();
}

TEST_F(HearingTest, AListOfOneEntrySaysItOnArrival) {
    std::vector<std::string> choices = doc.Choices(EntryList::Paths);
    ASSERT_FALSE(choices.empty());
    prompts.choices = {choices.front()};
    named<QPushButton>(form, "AddCestButton")->click();
    QString entry = named<QListWidget>(form, "SeznamCestList")->item(0)->text();
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(named<QListWidget>(form, "SeznamCestList"))
                    ->text(QAccessible::Description)
                    .startsWith(entry + ". "));
}

}  // namespace
}  // namespace vek::editor::test
