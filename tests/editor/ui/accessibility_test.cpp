// What a screen reader meets in every dialog: each control reads with a name of its own, and
// Tab walks the controls in the order the author reads them.
#include <set>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/qt/accessible.h"
#include "editor/ui/jmeno_form.h"
#include "editor/ui/loading_form.h"
#include "editor/ui/vyber_form.h"
#include "editor/ui/zvuky_form.h"
#include "tests/editor/ui/ui_fixture.h"

namespace vek::editor::test {
namespace {

// As a screen reader reads it: the label the control is labelled by (its buddy label; a combo
// box reads its label so, its own name being its value), else its own name.
QString nameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return {};
    for (const auto& [label, relation] : face->relations(QAccessible::Label))
        if (label)
            return spokenText(label->text(QAccessible::Name));
    return face->text(QAccessible::Name);
}

// Every control Tab can reach has a non-empty name no other control of the dialog shares.
void expectNamedControls(QDialog& dialog) {
    std::set<QString> names;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        bool reachable =
            (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&dialog);
        if (!reachable || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;  // a combo box's own line edit reads with the box
        QString name = nameOf(w);
        EXPECT_FALSE(name.trimmed().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        EXPECT_TRUE(names.insert(name).second) << "two controls read as " << name.toStdString();
        EXPECT_FALSE(name == u("button") || name == u("text")) << w->objectName().toStdString();
    }
}

// Tab from the first control reaches the others in this order and comes back.
void expectTabOrder(QDialog& dialog, const std::vector<QWidget*>& order) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    order.front()->setFocus();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* expected = order[i % order.size()];
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == expected || focused->focusProxy() == expected ||
                    focused->parentWidget() == expected)
            << "after Tab: " << focused->objectName().toStdString() << ", expected "
            << expected->objectName().toStdString();
    }
    dialog.hide();
}

class AccessibilityTest : public DialogFixture {};

TEST_F(AccessibilityTest, NameDialogAndChooser) {
    Jmeno_form name(doc, boxes);
    ASSERT_TRUE(name.prepare(EntityKind::Window));
    expectNamedControls(name);
    expectTabOrder(name, {name.Edit1, name.OKButton, name.CancelButton});

    Vyber_form chooser(doc, boxes);
    ASSERT_TRUE(chooser.prepare(EntryList::Items));
    EXPECT_EQ(nameOf(chooser.ComboBox1), u("Výběr předmětu"));
    expectNamedControls(chooser);
    expectTabOrder(chooser, {chooser.ComboBox1, chooser.OKButton, chooser.CancelButton});
}

TEST_F(AccessibilityTest, SoundDialogReadsItsLabelsAndHints) {
    Zvuky_form sound(doc, boxes, files.browser(), preview);
    sound.prepareNewSound();
    sound.ZvukPlayButt->setEnabled(true);  // reachable, so it is checked too
    expectNamedControls(sound);
    EXPECT_EQ(nameOf(sound.ZvukIDEdit), u("Identifikátor"));
    EXPECT_EQ(nameOf(sound.ZvukSouborEdit), u("Soubor"));
    EXPECT_EQ(nameOf(sound.ZakHlasBox), u("Hlasitost"));
    EXPECT_EQ(nameOf(sound.ZvukPlayButt), u("Hrej / Stop"));
    EXPECT_EQ(sound.ZakHlasBox->accessibleDescription(), u("Základní hlasitost zvuku"));
    expectTabOrder(sound, {sound.ZvukIDEdit, sound.ZvukTextEdit, sound.ZvukSouborEdit,
                           sound.NactiButt, sound.ZvukPriorityBox, sound.ZakHlasBox,
                           sound.ZvukPlayButt, sound.OKZvukButt, sound.CancelZvukButt});
}

TEST_F(AccessibilityTest, PasswordPrompt) {
    Loading_form prompt(boxes);
    prompt.prepare();
    expectNamedControls(prompt);
    expectTabOrder(prompt, {prompt.HesloEdit, prompt.OKButton, prompt.CancelButton});
}

}  // namespace
}  // namespace vek::editor::test
