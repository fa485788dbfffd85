// The password prompt, answered as an author answers it, in front of opening an encoded file.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/text_file.h"
#include "editor/document/scenario_io.h"
#include "editor/ui/loading_form.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/ui_fixture.h"

namespace vek::editor::test {
namespace {

class PasswordTest : public DialogFixture {
  protected:
    PasswordTest() : prompt(boxes) {
        dir = tempDir("loading_form");
        EditorDocument encoded;
        encoded.CreateStartupScenario();
        encoded.NewWindow();
        Writable(encoded.Settings()).Encode = true;
        Writable(encoded.Settings()).Password = C("tajné");
        file = dir / "tajna.scn";
        EXPECT_TRUE(SaveScenario(encoded, file).ok);
    }
    ~PasswordTest() override { std::filesystem::remove_all(dir); }

    // Answers the prompt once it is shown: types `password` and presses `button`.
    void answer(const QString& password, bool ok) {
        QTimer::singleShot(0, &prompt, [this, password, ok] {
            EXPECT_TRUE(prompt.HesloEdit->text().isEmpty());  // always starts empty
            prompt.HesloEdit->insert(password);
            QTest::mouseClick(ok ? prompt.OKButton : prompt.CancelButton, Qt::LeftButton);
        });
    }

    Loading_form prompt;
    std::filesystem::path dir, file;
};

TEST_F(PasswordTest, ShowsStarsUnderItsCaptionAndStaysOnTop) {
    EXPECT_EQ(prompt.windowTitle(), u("Soubor je kódovaný"));
    EXPECT_EQ(prompt.HesloEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(prompt.HesloEdit->accessibleName(), u("Pro editaci je nutno zadat heslo"));
    EXPECT_TRUE(prompt.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(PasswordTest, TheRightPasswordOpensAWrongOneAndCancelLeaveTheDocument) {
    std::string before = ScenarioBytes(doc);

    answer(u("špatné"), true);
    OpenResult wrong = OpenScenario(doc, file, prompt.prompt());
    EXPECT_EQ(wrong.status, OpenStatus::WrongPassword);
    EXPECT_EQ(wrong.message, C("Zadané heslo neodpovídá!"));

    answer(u("tajné"), false);
    EXPECT_EQ(OpenScenario(doc, file, prompt.prompt()).status, OpenStatus::Cancelled);
    EXPECT_EQ(ScenarioBytes(doc), before);
    EXPECT_TRUE(doc.FileName.empty());

    answer(u("tajné"), true);
    ASSERT_TRUE(OpenScenario(doc, file, prompt.prompt()).ok());
    EXPECT_EQ(doc.Windows().size(), 2u);
    EXPECT_EQ(doc.Settings().Password, C("tajné"));
    EXPECT_EQ(doc.FileName, file.string());
}

}  // namespace
}  // namespace vek::editor::test
