// What a screen reader is told by the shared window pieces: a choice-only selector's value, a
// list's entry on arrival, a notice as it appears, Qt's own buttons in Czech, and where a dialog
// returns the focus.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "common/qt/accessible.h"
#include "common/qt/line_edit_accessible.h"
#include "common/qt/notice.h"
#include "common/qt/translations.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/spoken.h"

namespace vek {
namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

using testing::spokenValue;

TEST(Spoken, AChoiceOnlySelectorSaysItsChoiceAndStillTakesNoText) {
    testApplication();
    QComboBox box;
    box.addItems({u("Sklep"), u("Hospoda"), u("Hrad"), u("Kuchyně")});
    makeChoiceSpoken(&box);
    box.show();
    EXPECT_EQ(spokenValue(&box), u("Sklep"));
    QTest::keyClick(box.lineEdit(), Qt::Key_Down);
    EXPECT_EQ(spokenValue(&box), u("Hospoda"));
    // Typing moves to the next entry beginning with what was typed and changes no text.
    QTest::keyClick(box.lineEdit(), Qt::Key_H);
    EXPECT_EQ(box.currentText(), u("Hrad"));
    QTest::keyClick(box.lineEdit(), Qt::Key_X);  // matches nothing, after a pause or not
    EXPECT_EQ(box.currentText(), u("Hrad"));
    EXPECT_EQ(box.count(), 4);
    EXPECT_EQ(spokenValue(&box), u("Hrad"));
}

TEST(Spoken, AListSaysTheEntryUnderItsCursorWithItsHint) {
    testApplication();
    QListWidget list;
    list.setAccessibleDescription(u("Seznam cest"));
    describeCurrentEntry(&list);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&list);
    EXPECT_EQ(a->text(QAccessible::Description), u("Seznam cest"));
    list.addItem(u("Sklep"));  // one entry, no cursor yet: the cursor lands on it
    EXPECT_EQ(a->text(QAccessible::Description), u("Sklep. Seznam cest"));
    list.addItem(u("Hospoda"));
    list.setCurrentRow(1);
    EXPECT_EQ(a->text(QAccessible::Description), u("Hospoda. Seznam cest"));
    list.clear();
    EXPECT_EQ(a->text(QAccessible::Description), u("Seznam cest"));
}

TEST(Spoken, ANoticeIsANotificationShownWithItsText) {
    testApplication();
    QWidget window;
    auto* notice = new Notice(&window);
    window.show();
    EXPECT_FALSE(notice->isVisible());
    notice->announce(u("Uloženo: hra.scn"));
    EXPECT_TRUE(notice->isVisible());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(notice);
    EXPECT_EQ(a->role(), QAccessible::Notification);
    EXPECT_EQ(a->text(QAccessible::Name), u("Uloženo: hra.scn"));
}

TEST(Spoken, ATextFieldReadsWholeAndIsEditedOnlyWhereTypingCould) {
    testApplication();
    installLineEditReading();
    QLineEdit field(u("Věž"));
    field.selectAll();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&field);
    QAccessibleTextInterface* text = a->textInterface();
    ASSERT_TRUE(text);
    // A screen reader speaks the field run by run: the run must reach the last letter.
    int start = -1, end = -1;
    text->attributes(0, &start, &end);
    EXPECT_EQ(text->text(start, end), u("Věž"));
    text->attributes(2, &start, &end);
    EXPECT_EQ(end, 3);
    text->selection(0, &start, &end);
    EXPECT_EQ(text->text(start, end), u("Věž"));
    EXPECT_EQ(a->text(QAccessible::Value), u("Věž"));

    a->editableTextInterface()->insertText(3, u("e"));
    EXPECT_EQ(field.text(), u("Věže"));
    field.setReadOnly(true);  // a selector's field: choosing is its only way to change
    a->editableTextInterface()->replaceText(0, 4, u("Sklep"));
    a->setText(QAccessible::Value, u("Sklep"));
    EXPECT_EQ(field.text(), u("Věže"));
    EXPECT_TRUE(a->state().readOnly);
    EXPECT_TRUE(a->state().editable);  // else a combo box's value is never read out

    field.setEchoMode(QLineEdit::Password);  // never read out
    EXPECT_EQ(text->text(0, 4), QString());
    EXPECT_EQ(a->text(QAccessible::Value), u("****"));
}

TEST(Spoken, QtsOwnButtonsAreCzech) {
    ASSERT_TRUE(installCzechQtTranslations(testApplication()));
    QMessageBox box(QMessageBox::Question, u("Otázka"), u("Smazat?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), u("Ano"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), u("Ne"));
}

}  // namespace
}  // namespace vek
