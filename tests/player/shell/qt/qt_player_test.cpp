// The window over the real shell, on the demo game: keys typed into the window reach the game
// and what the game shows reaches the controls, including typing an answer during a READ.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/text_file.h"
#include "player/shell/clock.h"
#include "player/shell/qt/player_handlers.h"
#include "player/shell/qt/vek2_form.h"
#include "player/shell/shell.h"
#include "player/sound/virtual_device.h"
#include "tests/common/qt/qt_app.h"

namespace vek::player {
namespace {

namespace fs = std::filesystem;

class DemoInWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        testApplication();
        const char* game = std::getenv("VEK_GAME_DIR");
        if (!game)
            game = VEK_BUILT_GAME_DIR;
        if (!fs::exists(fs::path(game) / "borvatin.scn"))
            GTEST_SKIP() << "the demo game has not been built";
        previous_ = fs::current_path();
        work_ = fs::temp_directory_path() / ("vek_qt_player_test_" + std::to_string(::getpid()));
        fs::remove_all(work_);
        fs::copy(game, work_, fs::copy_options::recursive);
        fs::current_path(work_);
        prepare();

        form_ = std::make_unique<VEK2_form>();
        ShellSetup setup{*form_, device_, clock_};
        shell_ = std::make_unique<PlayerShell>(setup);
        handlers_ = std::make_unique<ShellHandlers>(*shell_);
        form_->attach(handlers_.get());
        shell_->FormCreate();
        form_->show();
        tick();
    }

    // The game directory before the player starts.
    virtual void prepare() {}

    void TearDown() override {
        if (form_) {
            form_->close();
            form_->attach(nullptr);
        }
        handlers_.reset();
        shell_.reset();
        form_.reset();
        if (!work_.empty()) {
            fs::current_path(previous_);
            fs::remove_all(work_);
        }
    }

    void tick() {
        device_.advance(100);
        clock_.advanceTicks(1);
        shell_->Timer1Timer();
    }

    static QKeyEvent* keyEvent(int key, const QString& text) {
        return new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text);
    }

    // A key typed into the control that has the focus, as the platform would deliver it.
    void type(int key, const QString& text = QString()) {
        std::unique_ptr<QKeyEvent> event(keyEvent(key, text));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form_.get();
        QApplication::sendEvent(target, event.get());
        tick();
    }

    QString memo() const { return form_->MainMemo->toPlainText(); }
    QStringList entries() const {
        QStringList list;
        for (int i = 0; i < form_->MainBox->count(); ++i)
            list << form_->MainBox->item(i)->text();
        return list;
    }

    VirtualDevice device_;
    VirtualClock clock_;
    std::unique_ptr<VEK2_form> form_;
    std::unique_ptr<PlayerShell> shell_;
    std::unique_ptr<ShellHandlers> handlers_;
    fs::path previous_, work_;
};

TEST_F(DemoInWindow, KeysPlayTheGameAndTheControlsFollow) {
    EXPECT_EQ(entries().value(0), QString::fromUtf8("Nov\u00e1 hra"));
    EXPECT_EQ(form_->MainBox->currentRow(), -1);
    type(Qt::Key_Down);
    EXPECT_EQ(form_->MainBox->currentRow(), 0);

    type(Qt::Key_Return, "\r");  // "Nová hra": the intro, list hidden, text pane widened
    EXPECT_FALSE(form_->MainBox->isVisible());
    EXPECT_TRUE(memo().startsWith(QString::fromUtf8("Borvat\u00edn")));
    EXPECT_EQ(form_->MainMemo->geometry().x(), 20);
    EXPECT_EQ(form_->MainMemo->geometry().width(), 500);

    type(Qt::Key_Return, "\r");  // play begins on the village green
    EXPECT_TRUE(form_->MainBox->isVisible());
    EXPECT_EQ(entries().size(), 9);
    EXPECT_EQ(form_->MainMemo->geometry().x(), 256);
    EXPECT_TRUE(memo().contains(QString::fromUtf8("n\u00e1vsi")));

    type(Qt::Key_J, "j");
    EXPECT_EQ(entries(), QStringList({"Hospoda", QString::fromUtf8("Kov\u00e1rna"), "Kostel",
                                      QString::fromUtf8("Ml\u00fdn")}));
    type(Qt::Key_Down);
    type(Qt::Key_Return, "\r");
    EXPECT_TRUE(memo().contains(QString::fromUtf8("Hostinsk\u00fd")));

    // Talking to the innkeeper asks for the password: the answer is typed into the entry field
    // while the script waits inside the key handler, so the keys are queued beforehand.
    type(Qt::Key_M, "m");
    type(Qt::Key_Down);
    for (QChar c : QString::fromUtf8("vydra"))
        QCoreApplication::postEvent(form_->MainBox, keyEvent(Qt::Key_A + (c.unicode() - 'a'), c));
    QCoreApplication::postEvent(form_->MainBox, keyEvent(Qt::Key_Return, "\r"));
    bool editSeen = false;
    QMetaObject::Connection watch =
        QObject::connect(form_->DotazEdit, &QLineEdit::textChanged, [&](const QString& text) {
            editSeen = editSeen || (text == "vydra" && form_->DotazEdit->isVisible());
        });
    type(Qt::Key_Return, "\r");
    QObject::disconnect(watch);
    EXPECT_TRUE(editSeen);
    EXPECT_FALSE(form_->DotazEdit->isVisible());
    EXPECT_TRUE(memo().contains(QString::fromUtf8("Tady m\u00e1\u0161 kl\u00ed\u010d")));
    EXPECT_TRUE(form_->MainBox->hasFocus() || !form_->isActiveWindow());
}

// A text scale kept from an earlier game: the window comes up at that size, Ctrl+Minus makes it
// smaller without the game hearing the key, and closing keeps the new size.
class DemoInLargerWindow : public DemoInWindow {
  protected:
    void prepare() override {
        ASSERT_TRUE(
            writeFileAtomically("vek.cfg",
                                "VOICEVOLUME=62535\r\nSOUNDVOLUME=60535\r\nMUSICVOLUME=57535\r\n"
                                "PROGRAMPATH=\r\nCDPATH=D:\\\r\nTEXTSCALE=200\r\nCONTRAST=2\r\n"));
    }
};

TEST_F(DemoInLargerWindow, TheWindowKeepsItsTextScaleFromGameToGame) {
    EXPECT_EQ(form_->size(), QSize(1068, 834));
    EXPECT_EQ(form_->MainBox->geometry(), QRect(62, 232, 324, 502));
    type(Qt::Key_Down);
    EXPECT_EQ(form_->MainBox->currentRow(), 0);
    QKeyEvent smaller(QEvent::KeyPress, Qt::Key_Minus, Qt::ControlModifier, "-");
    QApplication::sendEvent(form_->MainBox, &smaller);
    EXPECT_EQ(form_->size(), QSize(935, 730));
    EXPECT_EQ(form_->MainBox->currentRow(), 0);

    form_->close();
    const auto saved = readFileBytes("vek-volby.cfg");
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("TEXTSCALE=175\r\nCONTRAST=2\r\n"), std::string::npos) << *saved;
}

}  // namespace
}  // namespace vek::player
