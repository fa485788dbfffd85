// What a screen reader is told: the events the window emits and what its controls report.
#include "tests/common/qt/qt_app.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "player/shell/qt/player_handlers.h"
#include "player/shell/qt/vek2_form.h"
#include "player/shell/qt/vek2_options.h"
#include "player/shell/shell.h"
#include "player/sound/background.h"
#include "player/sound/sound_env.h"
#include "player/sound/virtual_device.h"

namespace vek::player {
namespace {

// Moves the list like the shell does.
class ListHandlers : public PlayerHandlers {
  public:
    explicit ListHandlers(ShellView& view) : view_(view) {}
    int FormKeyDown(int key, unsigned) override {
        if (key == vk::Down && box.selection + 1 < static_cast<int>(box.entries.size())) {
            ++box.selection;
            view_.mainBoxChanged();
        }
        return key;
    }
    char FormKeyPress(char) override { return '*'; }
    void Timer1Timer() override {}
    void FormClose() override {}
    const MainBoxModel& mainBox() const override { return box; }
    const MainMemoModel& mainMemo() const override { return memo; }
    const DotazEditModel& dotazEdit() const override { return edit; }

    MainBoxModel box;
    MainMemoModel memo;
    DotazEditModel edit;

  private:
    ShellView& view_;
};

struct Seen {
    QAccessible::Event type;
    QObject* object;
    int child;
};

class AccessibilityTest : public ::testing::Test {
  protected:
    AccessibilityTest() : handlers(form) {
        handlers.box.entries = {"Nov\xE1 hra", "Na\xE8ti", "Konec"};
        form.attach(&handlers);
        form.show();
        QApplication::setActiveWindow(&form);
        form.MainBox->setFocus();
        QApplication::processEvents();
        form.screenReaderEvents = [this](QAccessibleEvent& e) {
            events.push_back({e.type(), e.object(), e.child()});
        };
    }
    // The events of `type` about the command list.
    std::vector<int> listEvents(QAccessible::Event type) const {
        std::vector<int> children;
        for (const Seen& e : events)
            if (e.type == type && e.object == form.MainBox)
                children.push_back(e.child);
        return children;
    }
    void down() {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(form.MainBox, &event);
    }

    struct AppFirst {
        AppFirst() { testApplication(); }
    } appFirst_;
    VEK2_form form;
    ListHandlers handlers;
    std::vector<Seen> events;
};

TEST_F(AccessibilityTest, FirstArrowKeyInAFreshlyFocusedListNamesItsEntry) {
    // Getting the focus, the list put its own cursor on the first entry, unselected.
    form.MainBox->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    events.clear();
    down();
    EXPECT_EQ(listEvents(QAccessible::Focus), std::vector<int>{0});
    // A move of the list's own cursor the list announces itself; a second event would make a
    // screen reader drop both as duplicates.
    down();
    EXPECT_EQ(form.MainBox->currentRow(), 1);
    EXPECT_EQ(listEvents(QAccessible::Focus), std::vector<int>{0});
}

TEST_F(AccessibilityTest, RebuiltListIsRenamedAndItsSelectedEntryFocused) {
    handlers.box.entries = {"lucerna", "kl\xED\xE8"};
    handlers.box.heading = "Prozkoumej";
    handlers.box.selection = 0;
    form.mainBoxChanged();
    // The list first, so that its new name is said before the entry, which the list's own
    // cursor then announces.
    EXPECT_EQ(listEvents(QAccessible::Focus), std::vector<int>{-1});
    EXPECT_EQ(form.MainBox->currentRow(), 0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.MainBox)->text(QAccessible::Name),
              QString("Prozkoumej"));

    // A list rebuilt with no entry selected is focused itself.
    events.clear();
    handlers.box.entries = {"sklep"};
    handlers.box.heading = "Jdi";
    handlers.box.selection = -1;
    form.mainBoxChanged();
    EXPECT_EQ(listEvents(QAccessible::Focus), std::vector<int>{-1});

    // Nothing is said while the entry field has the focus.
    events.clear();
    handlers.edit.focused = true;
    handlers.box.entries = {"Menu"};
    form.mainBoxChanged();
    EXPECT_TRUE(listEvents(QAccessible::Focus).empty());
}

TEST_F(AccessibilityTest, AfterAMessageBoxTheSelectedEntryIsFocusedAgain) {
    handlers.box.selection = 2;
    form.mainBoxChanged();
    events.clear();
    QTimer::singleShot(50, &form, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    form.messageBox(MessageBoxRequest{"Chyba", "Pozice nelze na\xE8\xEDst."});
    EXPECT_EQ(listEvents(QAccessible::Focus).back(), 2);
}

TEST_F(AccessibilityTest, TextsForTheScreenReaderOfOneCommandReachTheFocusedEntryTogether) {
    handlers.box.selection = 1;
    form.mainBoxChanged();
    form.memoLineAdded("Jsi u ml\xFDna.");
    QApplication::processEvents();
    EXPECT_TRUE(listEvents(QAccessible::DescriptionChanged).empty());  // a line is only shown

    events.clear();
    form.screenReaderSay("Je tu tma.");
    form.screenReaderSay("Sly\x9A\xED\x9A kroky.");
    QApplication::processEvents();
    EXPECT_EQ(listEvents(QAccessible::DescriptionChanged), std::vector<int>{1});
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(form.MainBox)->child(1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(QAccessible::Description),
              QString::fromUtf8("Je tu tma. Sly\u0161\u00ed\u0161 kroky."));
}

TEST_F(AccessibilityTest, SlidersReadAsPercentages) {
    VEK2_options& options = *form.OptionsForm;
    options.RecHlasBar->setValue(62535);
    QAccessibleInterface* rec = QAccessible::queryAccessibleInterface(options.RecHlasBar);
    ASSERT_NE(rec->valueInterface(), nullptr);
    EXPECT_EQ(rec->valueInterface()->currentValue().toInt(), 95);
    EXPECT_EQ(rec->valueInterface()->maximumValue().toInt(), 100);
    EXPECT_EQ(rec->valueInterface()->minimumValue().toInt(), 0);
    EXPECT_EQ(rec->text(QAccessible::Value), QString("95 %"));
    EXPECT_EQ(rec->text(QAccessible::Name), QString::fromUtf8("Hlasitost dialog\u016f"));
    rec->valueInterface()->setCurrentValue(50);
    EXPECT_EQ(options.RecHlasBar->value(), 32768);

    options.RecHlasBar->setValue(65535);
    EXPECT_EQ(rec->text(QAccessible::Value), QString("100 %"));

    options.RychlostBar->setValue(150);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(options.RychlostBar)->text(QAccessible::Value),
              QString("150 %"));
}

// Every container a screen reader may pass through has a name.
void expectNamedContainers(QAccessibleInterface* iface, const QString& path) {
    static const QAccessible::Role containers[] = {
        QAccessible::LayeredPane, QAccessible::Pane,    QAccessible::Grouping, QAccessible::Client,
        QAccessible::PageTabList, QAccessible::PageTab, QAccessible::Dialog,   QAccessible::Window};
    const QString here = path + "/" + QString::number(iface->role());
    if (std::find(std::begin(containers), std::end(containers), iface->role()) !=
        std::end(containers))
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << here.toStdString();
    if (iface->role() == QAccessible::EditableText)
        return;  // what lies inside a text field is the field's own
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            expectNamedContainers(child, here);
}

TEST_F(AccessibilityTest, NoContainerWithoutAName) {
    VEK2_options& options = *form.OptionsForm;
    for (int page = 0; page < options.PageControl1->count(); ++page) {
        options.PageControl1->setCurrentIndex(page);
        expectNamedContainers(QAccessible::queryAccessibleInterface(&options), "options");
    }
    expectNamedContainers(QAccessible::queryAccessibleInterface(&form), "form");
}

TEST_F(AccessibilityTest, SpeechPageShowsAndChangesTheSpeechSettings) {
    VirtualDevice device;
    TSoundBox box(device);
    SoundBasePaths paths;
    TSeznamZvuku list(paths);
    VolumeSettings volumes;
    SoundEnv env{box, list, paths, volumes};
    TBackFronta background(env);
    bool soundsOn = false;
    TOptionsForm options(volumes, background, soundsOn);
    options.Speech = SpeechSettings{
        .speakTexts = false, .rate = 150, .entriesToReader = true, .textsToReader = true};

    VEK2_options& dialog = *form.OptionsForm;
    QTimer::singleShot(50, &dialog, [&] {
        EXPECT_EQ(dialog.PredcitatBox->currentText(), QString("Ne"));
        EXPECT_EQ(dialog.RychlostBar->value(), 150);
        EXPECT_EQ(dialog.CteSeznamBox->currentIndex(), 1);
        EXPECT_EQ(dialog.STPredcitat->buddy(), dialog.PredcitatBox);
        dialog.PredcitatBox->setCurrentIndex(1);
        dialog.CteSeznamBox->setCurrentIndex(0);
        dialog.CteTextyBox->setCurrentIndex(1);
        QTest::keyClick(dialog.RychlostBar, Qt::Key_Left);  // one step: 10 %
        QTest::keyClick(dialog.RychlostBar, Qt::Key_Escape);
    });
    form.showOptions(options);
    EXPECT_EQ(options.Speech, (SpeechSettings{.speakTexts = true,
                                              .rate = 140,
                                              .readShownTexts = true,
                                              .entriesToReader = false,
                                              .textsToReader = true}));
    // A choice is read with its label.
    const auto labels =
        QAccessible::queryAccessibleInterface(dialog.CteSeznamBox)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name),
              QString::fromUtf8("Polo\u017eky seznamu \u010dte"));
}

}  // namespace
}  // namespace vek::player
