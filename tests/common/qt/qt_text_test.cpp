#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "common/qt/cp1250_guard.h"
#include "common/qt/qt_text.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/recording_boxes.h"

namespace vek {
namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(QtText, CzechTextCrossesBothWaysUnchanged) {
    QString czech = u("Příšerně žluťoučký kůň úpěl ďábelské ódy €");
    std::optional<std::string> cp = toCp1250(czech);
    ASSERT_TRUE(cp);
    EXPECT_EQ(cp->size(), static_cast<std::size_t>(czech.size()));  // one byte a character
    EXPECT_EQ((*cp)[1], '\xF8');                                    // ř
    EXPECT_EQ(fromCp1250(*cp), czech);
}

TEST(QtText, FirstUnmappableCharacterIsReportedAtItsWidgetPosition) {
    UnmappableCharacter bad;
    EXPECT_FALSE(toCp1250(u("ab🎵cdЖ"), &bad));
    EXPECT_EQ(bad.position, 2);
    EXPECT_EQ(bad.codePoint, U'\U0001F3B5');
    auto second = findUnmappable(u("žába Ж"));
    ASSERT_TRUE(second);
    EXPECT_EQ(second->position, 5);
    QString message = unmappableMessage(*second);
    EXPECT_TRUE(message.contains(u("Ж"))) << message.toStdString();
    EXPECT_TRUE(message.contains(u("U+0416"))) << message.toStdString();
    EXPECT_FALSE(findUnmappable(u("Žába")));
}

// A key that types `text`, as a keyboard layout delivers it.
void type(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

class GuardTest : public ::testing::Test {
  protected:
    GuardTest() { testApplication(); }
    RecordingBoxes boxes;
};

TEST_F(GuardTest, LineEditRefusesTypedAndPastedTextAndSaysSoOnce) {
    QLineEdit edit;
    guardCp1250(&edit, boxes);
    for (QString letter : {u("Ž"), u("á"), u("b"), u("a")})
        type(&edit, letter);
    edit.insert(u("xЖy"));
    type(&edit, u("Ж"));
    EXPECT_EQ(edit.text(), u("Žába"));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, u("Stop"));
    EXPECT_TRUE(boxes.shown[0].text.contains(u("Ж")));
}

TEST_F(GuardTest, EditableComboBoxRefusesLikeALineEdit) {
    QComboBox box;
    box.setEditable(true);
    guardCp1250(&box, boxes);
    box.lineEdit()->insert(u("sklep"));
    box.lineEdit()->insert(u("日本"));
    EXPECT_EQ(box.currentText(), u("sklep"));
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(GuardTest, PlainTextEditorTakesBackThePasteAndKeepsTheRest) {
    QPlainTextEdit edit;
    edit.setPlainText(u("GO(Sklep);\nřádek"));
    guardCp1250(&edit, boxes);
    QTextCursor cursor = edit.textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, 5);
    edit.setTextCursor(cursor);  // "řádek" selected: a paste replaces it
    edit.insertPlainText(u("Ж"));
    EXPECT_EQ(edit.toPlainText(), u("GO(Sklep);\nřádek"));
    edit.insertPlainText(u("x"));
    EXPECT_EQ(edit.toPlainText(), u("GO(Sklep);\nřádekx"));  // the editor goes on taking text
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Stop);
}

TEST(MessageBoxes, FixedCaptionsComeWithTheirIcons) {
    EXPECT_EQ(captionText(BoxCaption::Question), u("Otázka"));
    EXPECT_EQ(captionText(BoxCaption::Notice), u("Upozornění"));
    EXPECT_EQ(captionText(BoxCaption::Warning), u("Varování"));
    EXPECT_EQ(captionText(BoxCaption::Error), u("Chyba"));
    EXPECT_EQ(captionText(BoxCaption::Fatal), u("Error"));
    auto ask = MessageRequest::of(BoxCaption::Question, u("?"), BoxButtons::YesNoCancel);
    EXPECT_EQ(ask.icon, BoxIcon::Question);
    EXPECT_EQ(ask.defaultAnswer, BoxAnswer::Yes);
    EXPECT_EQ(MessageRequest::of(BoxCaption::Stop, u("!")).icon, BoxIcon::Stop);
}

}  // namespace
}  // namespace vek
