#include "editor/ui/akce_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include "editor/document/document.h"
#include "tools_support.h"

namespace vek::editor {
namespace {

using test::C;
using test::Q;

struct BuilderFixture : ::testing::Test {
    QApplication& app = test::app();
    RecordingBoxes boxes;
    EditorDocument doc;
    Akce_form* form = nullptr;
    QPlainTextEdit memo;

    void SetUp() override {
        test::app();
        form = new Akce_form(doc, boxes);
        doc.SetModified(false);
    }
    void TearDown() override { delete form; }

    // Picks sentence `index` and fills the boxes as an author would, then OK.
    std::string build(BuilderPurpose purpose, int index, std::vector<QString> params,
                      bool negate = false, bool disjunction = false) {
        form->Prepare(purpose);
        form->ComboBox1->setCurrentIndex(index);
        for (std::size_t i = 0; i < params.size(); ++i)
            form->ParBox[i]->setCurrentText(params[i]);
        form->NegaceBox->setChecked(negate);
        (disjunction ? form->DisjRadio : form->KonjRadio)->setChecked(true);
        form->accept();
        return form->Result();
    }
    QString insert(const QString& text, int caret, BuilderPurpose purpose,
                   const std::string& result) {
        memo.setPlainText(text);
        QTextCursor c = memo.textCursor();
        c.setPosition(caret);
        memo.setTextCursor(c);
        InsertBuilderResult(&memo, purpose, result);
        return memo.toPlainText();
    }
};

constexpr int kItemInWindow = 5, kCounter = 2, kSwitch = 1;
constexpr int kRead = 14, kEnd = 17;

TEST_F(BuilderFixture, ConditionsJoinTheBracketGroupOfTheCaretsLine) {
    std::string in = build(BuilderPurpose::Conditions, kItemInWindow, {"e", "d"});
    EXPECT_EQ(in, "IN(d,e)");
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(insert("[IN(a,b)] GO(c);", 12, BuilderPurpose::Conditions, in),
              "[IN(a,b);IN(d,e)] GO(c);");
    std::string negated = build(BuilderPurpose::Conditions, kItemInWindow, {"e", "d"}, true, true);
    EXPECT_EQ(insert("[IN(a,b)] GO(c);", 3, BuilderPurpose::Conditions, negated),
              "[IN(a,b)|!IN(d,e)] GO(c);");
    // An empty line gets a group of its own; so does a line whose group never closes.
    std::string full = build(BuilderPurpose::Conditions, 11, {});
    EXPECT_EQ(insert("GO(a);\n\nGO(b);", 7, BuilderPurpose::Conditions, full),
              "GO(a);\n[FULL] \nGO(b);");
    EXPECT_EQ(insert("[IN(a,b) GO(c);", 4, BuilderPurpose::Conditions, full),
              "[FULL] [IN(a,b) GO(c);");
    // One undo step takes the insertion back.
    memo.undo();
    EXPECT_EQ(memo.toPlainText(), "[IN(a,b) GO(c);");
}

TEST_F(BuilderFixture, ActionsGetSpacesAndReadGoesUnderTheLine) {
    std::string win = build(BuilderPurpose::Actions, kEnd, {});
    EXPECT_EQ(win, "WIN;");
    EXPECT_EQ(insert("GO(a);GO(b);", 6, BuilderPurpose::Actions, win), "GO(a); WIN; GO(b);");
    EXPECT_EQ(insert("GO(a); GO(b);", 6, BuilderPurpose::Actions, win), "GO(a); WIN; GO(b);");
    EXPECT_EQ(memo.textCursor().position(), 11);
    std::string read = build(BuilderPurpose::Actions, kRead, {"S01"});
    EXPECT_EQ(insert("[FIRST] GO(a);\nCLEAR;", 3, BuilderPurpose::Actions, read),
              "[FIRST] GO(a);\n[LAST] READ(S01);\nCLEAR;");
}

TEST_F(BuilderFixture, ParametersFollowTheSentenceAndReadWithTheirLabels) {
    form->Prepare(BuilderPurpose::Conditions);
    EXPECT_EQ(form->windowTitle(), Q("Podmínka"));
    EXPECT_TRUE(form->ParBox[0]->isVisibleTo(form));
    EXPECT_EQ(test::accessibleName(form->ParBox[1]), Q("okno je"));
    EXPECT_EQ(test::accessibleName(form->ParBox[0]), Q("Které okno"));  // no label of its own
    EXPECT_EQ(form->VysledekEdit->text(), "A=A");

    form->ComboBox1->setCurrentIndex(kSwitch);
    EXPECT_EQ(test::accessibleName(form->ParBox[0]), Q("Přepínač"));
    EXPECT_EQ(test::accessibleName(form->ParBox[1]), Q("je nastaven na"));
    EXPECT_TRUE(form->ParBox[2]->isHidden());
    form->ParBox[0]->setCurrentText("P03");
    form->ParBox[1]->setCurrentText("on");
    EXPECT_EQ(form->VysledekEdit->text(), "P03=1");  // the line OK will insert, read before
    form->ParBox[1]->setCurrentText("2");
    EXPECT_EQ(form->VysledekEdit->text(), "P03=2");

    form->ComboBox1->setCurrentIndex(kCounter);
    form->ParBox[0]->setCurrentText("C07");
    form->ParBox[1]->setCurrentIndex(2);
    form->ParBox[2]->setCurrentText("12");
    EXPECT_EQ(form->VysledekEdit->text(), "C07>12");
    form->ParBox[1]->setCurrentIndex(3);
    EXPECT_EQ(form->VysledekEdit->text(), "C07x12");
    EXPECT_TRUE(test::unnamedControls(form).isEmpty())
        << test::unnamedControls(form).join(",").toStdString();

    form->Prepare(BuilderPurpose::Actions);
    EXPECT_TRUE(form->NegaceBox->isHidden());
    EXPECT_EQ(test::accessibleName(form->ComboBox1), Q("Akce"));
    form->reject();
    EXPECT_EQ(form->Result(), "");
}

TEST_F(BuilderFixture, SoundActionsAndTheirOpeners) {
    std::string loop = build(BuilderPurpose::SoundActions, 0, {"zvon", Q("na pozadí, smyčka")});
    EXPECT_EQ(loop, "PLAYBG(zvon,loop);");
    EXPECT_EQ(build(BuilderPurpose::SoundActions, 1, {"1400 ms"}), "PLAY(%7);");
    EXPECT_EQ(test::accessibleName(form->ParBox[1]), Q("Fronta"));

    EXPECT_FALSE(BuilderEnablingFor(BuilderTarget::None).soundAction);
    EXPECT_FALSE(BuilderEnablingFor(BuilderTarget::CaseField).condition);
    EXPECT_TRUE(BuilderEnablingFor(BuilderTarget::CaseField).soundAction);
    EXPECT_TRUE(BuilderEnablingFor(BuilderTarget::ScriptEditor).action);

    // "Zvuková akce" on a case field offers only "Přehrej zvuk" and inserts into the field.
    QLineEdit kam("do kuchyně");
    kam.setCursorPosition(static_cast<int>(kam.text().size()));
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(form->ComboBox1->count(), 1);
        form->ParBox[0]->setCurrentText("zvon");
        form->AkceOkButton->click();
    });
    EXPECT_TRUE(OpenBuilder(*form, BuilderPurpose::SoundActions, &kam, BuilderTarget::CaseField));
    EXPECT_EQ(kam.text(), Q("do kuchyně PLAY(zvon); "));
    EXPECT_FALSE(OpenBuilder(*form, BuilderPurpose::Conditions, &kam, BuilderTarget::CaseField));

    // Cancel inserts nothing.
    memo.setPlainText("GO(a);");
    QTimer::singleShot(0, [this] { form->AkceCancelButton->click(); });
    EXPECT_FALSE(OpenBuilder(*form, BuilderPurpose::Actions, &memo, BuilderTarget::ScriptEditor));
    EXPECT_EQ(memo.toPlainText(), "GO(a);");
}

}  // namespace
}  // namespace vek::editor
