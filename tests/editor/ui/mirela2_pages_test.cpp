// The pages as the rest of the editor reaches them: the control of each document field and list,
// the menu the edit history adds, and pages that follow the document while another is shown.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "editor/document/fields.h"
#include "editor/ui/field_controls.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

using PagesTest = WindowTest;

Mirela2_form::Page pageOf(FieldOwner owner) {
    switch (owner) {
        case FieldOwner::Window:
            return Mirela2_form::OknaPage;
        case FieldOwner::Item:
            return Mirela2_form::PredmetyPage;
        default:
            return Mirela2_form::MenuPage;
    }
}

TEST_F(PagesTest, EveryFieldAndListOfThePagesIsFocusedOnItsOwnPage) {
    doc.NewItem();
    doc.NewMenuItem();
    for (const FieldDef& def : FieldTable()) {
        bool list = def.kind == FieldKind::Entries;
        if (def.owner == FieldOwner::Settings) {
            EXPECT_EQ(list ? form.controlOf(def.list) : form.controlOf(def.field), nullptr)
                << def.label << " is the properties dialog's";
            continue;
        }
        // Start from another page, so that the page has to come into view.
        form.showPage(Mirela2_form::ZvukyPage);
        QWidget* control = list ? form.focusEntries(def.list) : form.focusField(def.field);
        ASSERT_NE(control, nullptr) << def.key;
        EXPECT_EQ(form.currentPage(), pageOf(def.owner)) << def.key;
        EXPECT_EQ(QApplication::focusWidget(), control) << def.key;
        if (!list)
            EXPECT_EQ(fieldOfControl(control), def.field) << def.key;
    }
}

TEST_F(PagesTest, EachPageFollowsTheDocumentWhileAnotherIsShown) {
    doc.NewItem();
    form.showPage(Mirela2_form::ZvukyPage);
    doc.SetField(Field::Co, C("čaj"));
    doc.NewWindow();
    EXPECT_EQ(named<QLineEdit>(form, "Pred4pEdit")->text(), QString::fromUtf8("čaj"));
    auto* windows = named<QComboBox>(form, "CisloOknaBox");
    EXPECT_EQ(windows->currentIndex(), doc.Windows().indexOfObject(doc.ShownWindow()));
    EXPECT_EQ(windows->count(), static_cast<int>(doc.Windows().size()));
}

TEST_F(PagesTest, TheEditMenuGoesBetweenSouborAndZobrazit) {
    auto* added = named<QMenu>(form, "Upravy1");  // the history's "Úpr&avy"
    QList<QAction*> menus = form.menuBar()->actions();
    int file = menus.indexOf(named<QMenu>(form, "Soubor1")->menuAction());
    EXPECT_EQ(menus.indexOf(added->menuAction()), file + 1);
    EXPECT_EQ(menus.indexOf(named<QMenu>(form, "Zobrazit1")->menuAction()), file + 2);
}

}  // namespace
}  // namespace vek::editor::test
