// The working windows wired to the main window: the tools menu, the builders on the page's
// editors, F3 through pages and the properties dialog, and the sound page after a collection.
#include "editor/ui/mirela2_tools.h"

#include <fstream>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "editor/document/scenario_io.h"
#include "editor/ui/edit_history_ui.h"
#include "tests/editor/document/set_up.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

struct ToolsWindowTest : WindowTest {
    Mirela2_tools tools{form, boxes, prompts};

    // Replaces the scenario: windows A and B, the item X, the intro text.
    void loadScenario() {
        EditorDocument source;
        source.ClearDocument();
        for (const char* name : {"A", "B"}) {
            source.NewWindow();
            source.Rename(EntityKind::Window, name);
        }
        source.NewItem();
        source.Rename(EntityKind::Item, "X");
        Writable(source.Windows().find("A"))->LookScript.assign({"GO(B); klic"});
        Writable(source.Items().find("X"))->TalkScript.assign({"klic"});
        Writable(source.Settings()).IntroText.assign({"intro klic"});
        Writable(source.UserSounds()).add("a=A(wave\\a.wav)");
        ReadScenario(doc, ScenarioBytes(source), {});
        doc.Show(doc.Windows().find("A"));
        doc.SetModified(false);
        QApplication::processEvents();
    }
    QString selected(QPlainTextEdit* e) { return e->textCursor().selectedText(); }
};

TEST_F(ToolsWindowTest, ToolsMenuFollowsTheFocusedControlAndTheBuilderInsertsThere) {
    loadScenario();
    auto enabled = [this](QWidget* focus) {
        focus->setFocus();
        Q_EMIT named<QMenu>(form, "Nastroje1")->aboutToShow();
        return std::array<bool, 3>{named<QAction>(form, "MIPodminka")->isEnabled(),
                                   named<QAction>(form, "MIAkce")->isEnabled(),
                                   named<QAction>(form, "MIZvukovaAkce")->isEnabled()};
    };
    EXPECT_EQ(enabled(named<QPlainTextEdit>(form, "PrichEdit")),
              (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(enabled(named<QLineEdit>(form, "Okno2pEdit")),
              (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(enabled(named<QListWidget>(form, "SeznamCestList")),
              (std::array<bool, 3>{false, false, false}));

    named<QPlainTextEdit>(form, "RozhlEdit")->setFocus();
    QTextCursor c = named<QPlainTextEdit>(form, "RozhlEdit")->textCursor();
    c.setPosition(6);  // just behind "GO(B);"
    named<QPlainTextEdit>(form, "RozhlEdit")->setTextCursor(c);
    QTimer::singleShot(0, [this] {
        tools.builder()->ComboBox1->setCurrentIndex(17);  // "Konec hry"
        tools.builder()->AkceOkButton->click();
    });
    named<QAction>(form, "MIAkce")->trigger();
    EXPECT_EQ(named<QPlainTextEdit>(form, "RozhlEdit")->toPlainText(), "GO(B); WIN; klic");
    EXPECT_EQ(doc.Windows().find("A")->LookScript[0], "GO(B); WIN; klic");  // stored at once
    EXPECT_TRUE(doc.Modified());
}

TEST_F(ToolsWindowTest, F3WalksThePagesAndThePropertiesDialogToNotFound) {
    loadScenario();
    tools.search()->HledanyEdit->setText("klic");
    ASSERT_TRUE(tools.search()->isHidden());
    named<QAction>(form, "MINajdiDalsi")->trigger();
    EXPECT_EQ(named<QTabWidget>(form, "PageControl")->currentIndex(), Mirela2_form::OknaPage);
    EXPECT_EQ(selected(named<QPlainTextEdit>(form, "RozhlEdit")), "klic");
    EXPECT_EQ(form.focusedControl(), named<QPlainTextEdit>(form, "RozhlEdit"));

    named<QAction>(form, "MINajdiDalsi")->trigger();
    EXPECT_EQ(named<QTabWidget>(form, "PageControl")->currentIndex(), Mirela2_form::PredmetyPage);
    EXPECT_EQ(named<QComboBox>(form, "CisloPredmetuBox")->currentText(), "X");
    EXPECT_EQ(selected(named<QPlainTextEdit>(form, "PromlEdit")), "klic");

    named<QAction>(form, "MINajdiDalsi")->trigger();
    ASSERT_TRUE(tools.properties()->isVisible());
    EXPECT_EQ(tools.properties()->PageControl->currentIndex(), 0);
    EXPECT_EQ(selected(tools.properties()->IntroMemo), "klic");

    boxes.answers = {BoxAnswer::Ok};
    named<QAction>(form, "MINajdiDalsi")->trigger();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"\"klic\" nenalezeno."});
    EXPECT_TRUE(tools.properties()->isHidden());
    EXPECT_FALSE(doc.Modified());
}

TEST_F(ToolsWindowTest, ACollectionRefreshesTheSoundPage) {
    loadScenario();
    std::filesystem::create_directory("wave");
    std::ofstream("wave/a.wav") << "RIFFa";
    named<QAction>(form, "MIKolekce")->trigger();
    WaveCol_form* collection = tools.collection();
    ASSERT_TRUE(collection->isVisible());
    collection->AddAllButt->click();
    collection->FileEdit->setText("kol.zvk");
    boxes.answers = {BoxAnswer::Yes};
    ASSERT_TRUE(collection->CreateCollection());
    ASSERT_EQ(named<QListWidget>(form, "ZvukyListBox")->count(), 1);
    EXPECT_TRUE(named<QListWidget>(form, "ZvukyListBox")->item(0)->text().contains("kol.zvk|a"));
    EXPECT_TRUE(doc.Modified());
}

}  // namespace
}  // namespace vek::editor::test
