#include "editor/ui/vlastnosti_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "editor/document/document.h"
#include "editor/ui/akce_form.h"
#include "tests/editor/document/set_up.h"
#include "tools_support.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;
using test::Q;

struct PropertiesFixture : ::testing::Test {
    EditorDocument doc;
    Vlastnosti_form* form = nullptr;
    std::vector<std::string> offered;
    std::optional<std::string> choice;
    RecordingBoxes boxes;

    void SetUp() override {
        test::app();
        doc.ClearDocument();
        for (const char* name : {"Sklep", "Kuchyn"}) {
            doc.NewWindow();
            doc.Rename(EntityKind::Window, name);
        }
        for (const char* name : {"klic", "lampa", "kamen"}) {
            Writable(doc.NewItem())->CanTake = std::string(name) != "kamen";
            doc.Rename(EntityKind::Item, name);
        }
        Writable(doc.Settings()).StartWindow = "Sklep";
        doc.SetModified(false);
        form = new Vlastnosti_form(doc, boxes);
        form->chooseItem = [this](const QString& caption, const std::vector<std::string>& c) {
            EXPECT_EQ(caption, Q("Výběr předmětu"));
            offered = c;
            return choice;
        };
    }
    void TearDown() override { delete form; }
};

TEST_F(PropertiesFixture, OpeningFallsBackToTheFirstWindowAndCancelRestoresEverything) {
    Writable(doc.Settings()).StartWindow = "Zbourane";  // deleted since
    form->Open(1);
    EXPECT_EQ(form->PageControl->currentIndex(), 1);
    EXPECT_EQ(doc.Settings().StartWindow, "Kuchyn");
    EXPECT_EQ(form->ZacitComboBox->currentText(), "Kuchyn");

    form->JmenoEdit->setFocus();
    form->JmenoEdit->selectAll();
    QTest::keyClicks(form->JmenoEdit, "Hrad");
    EXPECT_EQ(doc.Settings().ScenarioName, "Hrad");  // at once
    EXPECT_TRUE(doc.Modified());
    form->ZacitComboBox->setCurrentIndex(1);
    Q_EMIT form->ZacitComboBox->activated(1);
    EXPECT_EQ(doc.Settings().StartWindow, "Sklep");
    form->WinMemo->setPlainText("WIN;");
    form->AktivniBox->setChecked(true);
    form->IntervalBox->setCurrentText("3 min");
    EXPECT_EQ(doc.Settings().CycleInterval, "3 min");
    form->MaxPrEdit->setText("12");
    Q_EMIT form->MaxPrEdit->textEdited("12");

    form->reject();
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(doc.Settings().ScenarioName, C("Nový scénář"));
    EXPECT_EQ(form->JmenoEdit->text(), Q("Nový scénář"));
    EXPECT_EQ(doc.Settings().StartWindow, "Kuchyn");
    EXPECT_TRUE(doc.Settings().WinText.empty());
    EXPECT_FALSE(doc.Settings().CycleActive);
    EXPECT_EQ(doc.Settings().CycleInterval, "200 ms");
    EXPECT_EQ(doc.Settings().MaxItems, "99");
}

TEST_F(PropertiesFixture, TheStartingInventoryByButtonsAndKeys) {
    form->Open(0);
    choice = "klic";
    form->AddZacButton->click();
    EXPECT_EQ(offered, (std::vector<std::string>{"klic", "lampa"}));  // takeable items only
    form->AddZacButton->click();                                      // already there: nothing more
    choice = "lampa";
    form->PredmetyListBox->setFocus();
    QTest::keyClick(form->PredmetyListBox, Qt::Key_Insert);
    EXPECT_EQ(doc.Settings().Inventory.items(), (std::vector<std::string>{"klic", "lampa"}));
    EXPECT_EQ(form->PredmetyListBox->currentRow(), 1);

    QTest::keyClick(form->PredmetyListBox, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(doc.Settings().Inventory.items(), (std::vector<std::string>{"lampa", "klic"}));
    EXPECT_EQ(form->PredmetyListBox->currentRow(), 0);
    QTest::keyClick(form->PredmetyListBox, Qt::Key_Up, Qt::ControlModifier);  // at the top
    EXPECT_EQ(form->PredmetyListBox->currentRow(), 0);

    EXPECT_TRUE(form->DelZacButton->isEnabled());
    form->DelZacButton->click();
    EXPECT_FALSE(form->DelZacButton->isEnabled());
    EXPECT_EQ(doc.Settings().Inventory.items(), (std::vector<std::string>{"klic"}));
    form->PredmetyListBox->setCurrentRow(0);
    QTest::keyClick(form->PredmetyListBox, Qt::Key_Delete);
    EXPECT_TRUE(doc.Settings().Inventory.empty());
    choice.reset();  // the chooser cancelled
    form->AddZacButton->click();
    EXPECT_TRUE(doc.Settings().Inventory.empty());
    // Nothing takeable: the chooser does not open.
    for (std::size_t i = 0; i < doc.Items().size(); ++i)
        Writable(doc.Items()).objectAt(i)->CanTake = false;
    offered.clear();
    choice = "klic";
    form->AddZacButton->click();
    EXPECT_TRUE(offered.empty());
    EXPECT_TRUE(doc.Settings().Inventory.empty());
}

TEST_F(PropertiesFixture, ItemLimitPasswordAndTheWritersRefusal) {
    form->Open(0);
    form->MaxPrEdit->setFocus();
    form->MaxPrEdit->selectAll();
    QTest::keyClicks(form->MaxPrEdit, "abc");
    EXPECT_EQ(form->MaxUpDown->value(), 99);
    EXPECT_EQ(doc.Settings().MaxItems, "abc");
    form->MaxPrEdit->selectAll();
    QTest::keyClicks(form->MaxPrEdit, "7");
    QTest::keyClick(form->MaxPrEdit, Qt::Key_Up);
    EXPECT_EQ(form->MaxPrEdit->text(), "8");
    EXPECT_EQ(doc.Settings().MaxItems, "8");

    EXPECT_FALSE(form->HesloEdit->isEnabled());
    form->HesloCheckBox->setChecked(true);
    EXPECT_TRUE(form->HesloEdit->isEnabled());
    form->HesloEdit->setText(Q("Ť"));  // its key line would hold a line break
    Q_EMIT form->HesloEdit->textEdited(Q("Ť"));
    EXPECT_TRUE(doc.Settings().Encode);
    form->OkButton->click();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(Q("Toto heslo nelze použít")));

    form->HesloEdit->setText("tajne");
    Q_EMIT form->HesloEdit->textEdited("tajne");
    form->HesloCheckBox->setChecked(false);
    EXPECT_FALSE(form->HesloEdit->isEnabled());
    EXPECT_EQ(form->HesloEdit->text(), "tajne");  // kept, only disabled
    EXPECT_FALSE(doc.Settings().Encode);
    doc.SetModified(false);
    form->OkButton->click();
    EXPECT_TRUE(form->isHidden());
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Settings().Password, "tajne");
}

TEST_F(PropertiesFixture, MemosTakeTheBuildersAndRefuseUnmappableText) {
    Akce_form builder(doc, boxes);
    form->setBuilder(&builder);
    form->Open(1);
    form->CyklusMemo->setFocus();
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(builder.windowTitle(), Q("Podmínka"));
        builder.ComboBox1->setCurrentIndex(11);  // "Plný počet předmětů"
        builder.AkceOkButton->click();
    });
    QTest::keyClick(form->CyklusMemo, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(form->CyklusMemo->toPlainText(), "[FULL] ");
    EXPECT_EQ(doc.Settings().CycleText.items(), (std::vector<std::string>{"[FULL] "}));

    form->WinMemo->setFocus();
    form->WinMemo->insertPlainText(Q("\u2603"));
    QApplication::processEvents();  // the refusal is said once the edit is over
    EXPECT_EQ(test::texts(boxes).size(), 1);
    EXPECT_EQ(form->WinMemo->toPlainText(), "");
    EXPECT_TRUE(doc.Settings().WinText.empty());

    form->PageControl->setCurrentIndex(0);
    EXPECT_TRUE(test::unnamedControls(form->PageControl->widget(0)).isEmpty())
        << test::unnamedControls(form->PageControl->widget(0)).join(",").toStdString();
    EXPECT_TRUE(test::unnamedControls(form->PageControl->widget(1)).isEmpty());
    EXPECT_EQ(test::accessibleName(form->IntervalBox),
              Q("Interval opakování cyklu (min 200 ms, max 58 hod)"));
    EXPECT_EQ(form->IntervalBox->count(), 64);
}

}  // namespace
}  // namespace vek::editor
