#include "player/shell/qt/vek2_form.h"
#include "tests/common/qt/qt_app.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "player/shell/options.h"
#include "player/shell/qt/display_style.h"
#include "player/shell/qt/vek2_options.h"
#include "player/shell/shell.h"
#include "player/sound/background.h"
#include "player/sound/sound_env.h"
#include "player/sound/virtual_device.h"

namespace vek::player {
namespace {

// Records what the window hands over; moves the list like the shell does.
class FakeHandlers : public PlayerHandlers {
  public:
    explicit FakeHandlers(ShellView& view) : view_(view) {}

    int FormKeyDown(int key, unsigned shift) override {
        calls.push_back("down " + std::to_string(key) + (shift & ShiftCtrl ? " ctrl" : ""));
        if (key == vk::Down && box.selection + 1 < static_cast<int>(box.entries.size())) {
            ++box.selection;
            view_.mainBoxChanged();
        }
        return key;
    }
    char FormKeyPress(char ch) override {
        calls.push_back("press " + std::to_string(static_cast<unsigned char>(ch)));
        if (onPress)
            onPress(ch);
        return '*';
    }
    void Timer1Timer() override { ++ticks; }
    void FormClose() override { ++closes; }
    const MainBoxModel& mainBox() const override { return box; }
    const MainMemoModel& mainMemo() const override { return memo; }
    const DotazEditModel& dotazEdit() const override { return edit; }
    DisplaySettings& display() override { return *displayed; }

    MainBoxModel box;
    MainMemoModel memo;
    DotazEditModel edit;
    DisplaySettings shown;
    DisplaySettings* displayed = &shown;  // the shell's are the options dialog's
    std::vector<std::string> calls;
    std::function<void(char)> onPress;
    int ticks = 0;
    int closes = 0;

  private:
    ShellView& view_;
};

class FormTest : public ::testing::Test {
  protected:
    FormTest() : handlers(form) {
        handlers.box.entries = {"Nov\xE1 hra", "Na\xE8ti", "Konec"};
        form.attach(&handlers);
        form.show();
        QApplication::setActiveWindow(&form);
    }

    void press(QWidget* target, int qtKey, const QString& text,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, text);
        QApplication::sendEvent(target, &event);
    }

    struct AppFirst {
        AppFirst() { testApplication(); }
    } appFirst_;  // widgets need the application object before they exist
    VEK2_form form;
    FakeHandlers handlers;
};

TEST_F(FormTest, WindowHasTheFixedClientAreaAndCaption) {
    EXPECT_EQ(form.size(), QSize(534, 417));
    EXPECT_EQ(form.windowTitle(), QString("Kvelmora Sound Adventure"));
    EXPECT_EQ(form.MainBox->geometry(), QRect(31, 116, 162, 251));
    EXPECT_EQ(form.MainMemo->geometry(), QRect(221, 100, 292, 301));
    EXPECT_EQ(form.DotazEdit->geometry(), QRect(18, 378, 217, 21));
    EXPECT_EQ(form.Timer1->interval(), 100);
}

TEST_F(FormTest, EveryKeyGoesToTheHandlersBeforeTheFocusedControl) {
    press(form.MainBox, Qt::Key_Down, "");
    press(form.MainBox, Qt::Key_Return, "\r");
    press(form.MainBox, 0x10C, QString::fromUtf8("\xC4\x8D"));  // č
    press(form.MainBox, Qt::Key_Left, "", Qt::ControlModifier);
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"down 40", "down 13", "press 13",
                                                        "down 223", "press 232", "down 37 ctrl"}));
    // The list moved only because the handlers moved it, once.
    EXPECT_EQ(form.MainBox->currentRow(), 0);
}

TEST_F(FormTest, TypingDuringReadReachesTheHandlersNotTheEntryField) {
    handlers.edit.visible = true;
    handlers.edit.focused = true;
    handlers.onPress = [this](char ch) {
        handlers.edit.text += ch;
        form.dotazEditChanged();
    };
    form.dotazEditChanged();
    ASSERT_TRUE(form.DotazEdit->isVisible());
    press(form.DotazEdit, Qt::Key_A, "a");
    press(form.DotazEdit, 0x17D, QString::fromUtf8("\xC5\xBE"));  // ž
    EXPECT_EQ(form.DotazEdit->text(), QString::fromUtf8("a\xC5\xBE"));
}

TEST_F(FormTest, ControlsMirrorTheShellsModels) {
    handlers.box.entries = {"Jdi", "Vezmi"};
    handlers.box.selection = 1;
    handlers.box.fontSize = 12;
    form.mainBoxChanged();
    ASSERT_EQ(form.MainBox->count(), 2);
    EXPECT_EQ(form.MainBox->item(1)->text(), QString("Vezmi"));
    EXPECT_EQ(form.MainBox->currentRow(), 1);
    EXPECT_EQ(form.MainBox->font().pointSize(), 12);

    handlers.box.selection = -1;
    form.mainBoxChanged();
    EXPECT_EQ(form.MainBox->currentRow(), -1);

    form.memoLineAdded("P\xF8\xEDvoz");
    form.memoLineAdded("druh\xE1");
    EXPECT_EQ(form.MainMemo->toPlainText(), QString::fromUtf8("P\u0159\u00edvoz\ndruh\u00e1"));
    handlers.memo.left = 20;
    handlers.memo.width = 500;
    form.memoLayoutChanged();
    EXPECT_EQ(form.MainMemo->geometry(), QRect(20, 100, 500, 301));
    form.memoCleared();
    EXPECT_TRUE(form.MainMemo->toPlainText().isEmpty());
}

TEST_F(FormTest, NestedWaitKeepsTicksAndKeysFlowingUntilReleased) {
    bool waiting = true;
    handlers.onPress = [&](char ch) {
        if (ch == 13)
            waiting = false;
    };
    form.setTimerEnabled(true);
    // Enter comes once the timer has ticked twice inside the wait, however slowly the machine
    // runs; a wait that never ends is released after a long while and fails the test.
    QTimer keyAfterTicks;
    QObject::connect(&keyAfterTicks, &QTimer::timeout, &form, [this, &keyAfterTicks] {
        if (handlers.ticks < 2)
            return;
        keyAfterTicks.stop();
        QKeyEvent* enter = new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::postEvent(form.MainBox, enter);
    });
    keyAfterTicks.start(10);
    bool gaveUp = false;
    QTimer::singleShot(60000, &form, [&] { gaveUp = true; });
    int depthInside = 0;
    form.waitWhile([&] {
        depthInside = form.waitDepth();
        return waiting && !gaveUp;
    });
    EXPECT_FALSE(gaveUp) << "Enter did not end the wait";
    EXPECT_FALSE(waiting);
    EXPECT_EQ(depthInside, 1);
    EXPECT_EQ(form.waitDepth(), 0);
    EXPECT_GE(handlers.ticks, 2);  // the 100 ms timer ran inside the wait
}

TEST_F(FormTest, WaitThatIsNotNeededReturnsAtOnce) {
    form.waitWhile([] { return false; });
    EXPECT_EQ(form.waitDepth(), 0);
}

TEST_F(FormTest, ClosingDuringAWaitEndsTheWaitAndClosesAfterIt) {
    QTimer::singleShot(50, &form, [this] { form.close(); });
    form.waitWhile([] { return true; });
    // The waiting script is still on the stack: the shell is not torn down under it.
    EXPECT_EQ(handlers.closes, 0);
    EXPECT_FALSE(form.isClosed());
    QTest::qWait(50);
    EXPECT_EQ(handlers.closes, 1);
    EXPECT_TRUE(form.isClosed());
    // Later waits (the rest of the script) return at once; keys are no longer delivered.
    form.waitWhile([] { return true; });
    press(form.MainBox, Qt::Key_Down, "");
    EXPECT_TRUE(handlers.calls.empty());
}

TEST_F(FormTest, CloseRequestedByTheShellClosesOnce) {
    form.closeWindow();
    form.waitWhile([] { return true; });
    QTest::qWait(20);
    EXPECT_TRUE(form.isClosed());
    EXPECT_EQ(handlers.closes, 1);
    form.close();
    EXPECT_EQ(handlers.closes, 1);
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString("<none>");
}

TEST_F(FormTest, ScreenReaderCanReadTheCommandListTheTextAndTheEntryField) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form.MainBox);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QString::fromUtf8("P\u0159\u00edkazy"));
    // The entries themselves are readable, with their Czech letters.
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), QString::fromUtf8("Na\u010dti"));

    QAccessibleInterface* memo = QAccessible::queryAccessibleInterface(form.MainMemo);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->text(QAccessible::Name), QString("Text hry"));
    form.memoLineAdded("Jsi u ml\xFDna.");
    ASSERT_NE(memo->textInterface(), nullptr);
    EXPECT_EQ(memo->textInterface()->text(0, memo->textInterface()->characterCount()),
              QString::fromUtf8("Jsi u ml\u00fdna."));

    EXPECT_EQ(accessibleName(form.DotazEdit), QString::fromUtf8("Odpov\u011b\u010f"));
    EXPECT_EQ(accessibleName(&form), QString("Kvelmora Sound Adventure"));
}

TEST_F(FormTest, OptionsDialogControlsAreNamedAndEnterOrEscapeCloseIt) {
    VEK2_options& options = *form.OptionsForm;
    EXPECT_EQ(accessibleName(options.RecHlasBar), QString::fromUtf8("Hlasitost dialog\u016f"));
    EXPECT_EQ(accessibleName(options.ZvukHlasBar), QString::fromUtf8("Hlasitost zvuk\u016f"));
    EXPECT_EQ(accessibleName(options.HudbaHlasBar), QString("Hlasitost hudby"));
    EXPECT_EQ(accessibleName(options.OKButton), QString("OK"));
    EXPECT_EQ(options.RecHlasBar->maximum(), 65535);
    EXPECT_EQ(options.RecHlasBar->singleStep(), 1000);
    EXPECT_EQ(options.RecHlasBar->pageStep(), 10000);

    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        // On a loaded machine the dialog may not yet hold the focus when the first key comes, so
        // the key goes to the dialog's own focus widget, or to the dialog, until it closes; a
        // dialog still open after a few seconds is closed with a result no key gives, so a
        // failure fails the test instead of hanging it.
        constexpr int kNoKeyClosedIt = 99;
        QTimer presser;
        presser.setInterval(50);
        QObject::connect(&presser, &QTimer::timeout, &options, [&options, key] {
            QWidget* focused = QApplication::focusWidget();
            bool inside = focused != nullptr && options.isAncestorOf(focused);
            QTest::keyClick(inside ? focused : &options, static_cast<Qt::Key>(key));
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &options,
                         [&options] { options.done(kNoKeyClosedIt); });
        presser.start();
        giveUp.start(10000);
        int result = options.exec();
        presser.stop();
        giveUp.stop();
        EXPECT_NE(result, kNoKeyClosedIt) << "key " << key;
        EXPECT_FALSE(options.isVisible()) << "key " << key;
    }
}

TEST_F(FormTest, OptionsSlidersStartAtTheVolumesAndMoveThemAtOnce) {
    VirtualDevice device;
    TSoundBox box(device);
    SoundBasePaths paths;
    TSeznamZvuku list(paths);
    VolumeSettings volumes{62535, 60535, 57535};
    SoundEnv env{box, list, paths, volumes};
    TBackFronta background(env);
    bool soundsOn = false;
    TOptionsForm options(volumes, background, soundsOn);
    options.FormShow();

    VEK2_options& dialog = *form.OptionsForm;
    int seenWhileOpen = -1;
    QTimer::singleShot(50, &dialog, [&] {
        EXPECT_EQ(dialog.RecHlasBar->value(), 62535);
        EXPECT_EQ(dialog.HudbaHlasBar->value(), 57535);
        QTest::keyClick(dialog.RecHlasBar, Qt::Key_Left);  // one arrow step: 1000
        seenWhileOpen = volumes.voice;
        QTest::keyClick(dialog.RecHlasBar, Qt::Key_Escape);
    });
    form.showOptions(options);
    EXPECT_EQ(seenWhileOpen, 61535);
    EXPECT_EQ(volumes.voice, 61535);
    EXPECT_EQ(volumes.sound, 60535);

    // Closed, the dialog no longer writes to the options it was shown for.
    dialog.ZvukHlasBar->setValue(1000);
    EXPECT_EQ(volumes.sound, 60535);
}

// Ctrl+Plus and Ctrl+Minus scale the whole window with its text, in steps of 25 % from 100 to
// 300 %, and never reach the game. Scaled, the list and the text pane show as many rows as
// before, so no text is cut off that the normal size shows.
TEST_F(FormTest, CtrlPlusAndMinusScaleTheWholeWindowWithItsText) {
    handlers.box.entries = {"Nov\xE1 hra", "V\xFDb\xECr sc\xE9n\xE1\xF8\x65", "Konec"};
    handlers.box.selection = 1;
    form.mainBoxChanged();
    auto listRows = [this] {
        QApplication::processEvents();
        return form.MainBox->viewport()->height() /
               form.MainBox->visualItemRect(form.MainBox->item(0)).height();
    };
    auto paneRows = [this] {
        return form.MainMemo->viewport()->height() /
               QFontMetrics(form.MainMemo->font()).lineSpacing();
    };
    const int rows = listRows(), lines = paneRows();
    const QFont appFont = QApplication::font();

    for (int i = 0; i < 9; ++i)
        press(form.MainBox, i % 2 ? Qt::Key_Plus : Qt::Key_Equal, "+", Qt::ControlModifier);
    EXPECT_EQ(handlers.shown.textScale, 300);
    EXPECT_TRUE(handlers.calls.empty()) << "the game heard the key";
    EXPECT_EQ(form.size(), QSize(1602, 1251));
    EXPECT_EQ(form.MainBox->geometry(), QRect(93, 348, 486, 753));
    EXPECT_EQ(form.MainMemo->geometry(), QRect(663, 300, 876, 903));
    EXPECT_EQ(form.DotazEdit->geometry(), QRect(54, 1134, 651, 63));
    EXPECT_EQ(form.MainBox->font().pointSizeF(), 42.0);
    EXPECT_EQ(form.MainMemo->font().pixelSize(), 45);
    EXPECT_EQ(listRows(), rows);
    EXPECT_EQ(paneRows(), lines);
    for (int i = 0; i < form.MainBox->count(); ++i)
        EXPECT_LT(
            QFontMetrics(form.MainBox->font()).horizontalAdvance(form.MainBox->item(i)->text()),
            form.MainBox->viewport()->width());
    for (QWidget* control :
         {static_cast<QWidget*>(form.MainBox), static_cast<QWidget*>(form.MainMemo),
          static_cast<QWidget*>(form.DotazEdit)})
        EXPECT_TRUE(form.rect().contains(control->geometry()))
            << control->objectName().toStdString();
    EXPECT_EQ(QApplication::font(), DisplayStyle(handlers.shown).scaled(appFont))
        << "message boxes and the dialog follow";

    for (int i = 0; i < 9; ++i)
        press(form.MainBox, Qt::Key_Minus, "-", Qt::ControlModifier);
    EXPECT_EQ(handlers.shown.textScale, 100);
    EXPECT_EQ(form.size(), QSize(534, 417));
    EXPECT_EQ(form.MainBox->geometry(), QRect(31, 116, 162, 251));
    EXPECT_EQ(form.MainBox->font().pointSize(), 14);
    EXPECT_TRUE(handlers.calls.empty());
    press(form.MainBox, Qt::Key_Down, "");
    EXPECT_EQ(handlers.calls, std::vector<std::string>{"down 40"}) << "other keys still play";
}

// The high-contrast choices recolour the list, the text pane and the window behind them.
TEST_F(FormTest, HighContrastColoursTheWholeWindow) {
    handlers.box.selection = 0;
    form.mainBoxChanged();
    // The colour at a point of a control, each channel rounded to a quarter: a selected row is
    // drawn blended a little.
    auto colourAt = [this](QWidget* control, QPoint at) {
        QApplication::processEvents();
        QColor c = form.grab().toImage().pixelColor(control->mapTo(&form, at));
        auto quarter = [](int v) { return std::min(255, (v + 32) / 64 * 64); };
        return QColor(quarter(c.red()), quarter(c.green()), quarter(c.blue()));
    };
    const QPoint besideRows(5, form.MainBox->height() - 5);
    EXPECT_EQ(colourAt(form.MainBox, besideRows), QColor(Qt::black));
    EXPECT_NE(colourAt(&form, QPoint(2, 2)), QColor(Qt::black)) << "the evening sky";

    handlers.shown.contrast = Contrast::LightOnBlack;
    form.applyDisplay();

    EXPECT_EQ(colourAt(&form, QPoint(2, 2)), QColor(Qt::black));
    EXPECT_EQ(colourAt(form.MainBox, QPoint(1, 3)), QColor(Qt::yellow)) << "the selected row";

    handlers.shown.contrast = Contrast::BlackOnWhite;
    form.applyDisplay();
    EXPECT_EQ(colourAt(&form, QPoint(2, 2)), QColor(Qt::white));
    EXPECT_EQ(colourAt(form.MainBox, besideRows), QColor(Qt::white));
    EXPECT_EQ(colourAt(form.MainMemo, QPoint(2, form.MainMemo->height() - 3)), QColor(Qt::white));
    EXPECT_EQ(colourAt(form.MainBox, QPoint(1, 3)), QColor(Qt::black)) << "the selected row";
}

// The options dialog's page "Zobrazení" sets the same: the window follows while the dialog is
// open, and the dialog itself grows with its text.
TEST_F(FormTest, DisplayPageScalesAndRecoloursWhileTheDialogIsOpen) {
    VirtualDevice device;
    TSoundBox box(device);
    SoundBasePaths paths;
    TSeznamZvuku list(paths);
    VolumeSettings volumes{62535, 60535, 57535};
    SoundEnv env{box, list, paths, volumes};
    TBackFronta background(env);
    bool soundsOn = false;
    TOptionsForm options(volumes, background, soundsOn);
    handlers.displayed = &options.Display;

    VEK2_options& dialog = *form.OptionsForm;
    EXPECT_EQ(accessibleName(dialog.VelikostBar), QString::fromUtf8("Velikost p\u00edsma"));
    EXPECT_EQ(dialog.BarvyBox->accessibleName(), QString("Barvy"));
    EXPECT_EQ(dialog.STBarvy->buddy(), dialog.BarvyBox);
    QSize windowWhileOpen, dialogWhileOpen, dialogNeeds;
    QTimer::singleShot(50, &dialog, [&] {
        EXPECT_EQ(dialog.VelikostBar->value(), 100);
        // The pages are reached with Ctrl+Tab from wherever the focus is.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(dialog.PageControl1->currentWidget(), dialog.TabSheet4);
        dialog.VelikostBar->setValue(200);
        dialog.BarvyBox->setCurrentIndex(2);
        QApplication::processEvents();
        windowWhileOpen = form.size();
        dialogWhileOpen = dialog.size();
        dialogNeeds = dialog.sizeHint();
        QTest::keyClick(dialog.BarvyBox, Qt::Key_Escape);
    });
    form.showOptions(options);
    EXPECT_EQ(options.Display, (DisplaySettings{200, Contrast::BlackOnWhite}));
    EXPECT_EQ(windowWhileOpen, QSize(1068, 834));
    EXPECT_EQ(dialogWhileOpen, dialogWhileOpen.expandedTo(dialogNeeds)) << "nothing cut off";
    EXPECT_GE(dialogWhileOpen.width(), 614);
}

}  // namespace
}  // namespace vek::player
