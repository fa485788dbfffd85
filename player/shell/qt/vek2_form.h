// The player's window: the command list, the text pane and the entry field of READ on a fixed
// 534 × 417 client area, the 100 ms timer, and every key seen before the focused control does.
// The window keeps no game state: it mirrors the shell's models and hands it every key as a
// Windows virtual key code followed, for a key that gives one, by its code page 1250 character.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "player/shell/qt/player_handlers.h"
#include "player/shell/view.h"

class QAccessibleEvent;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace vek::player {

class VEK2_options;
class VEK2_splash;

class VEK2_form : public QWidget, public ShellView {
  public:
    static constexpr int kClientWidth = 534;
    static constexpr int kClientHeight = 417;
    static constexpr int kTimerInterval = 100;  // ms

    explicit VEK2_form(VEK2_splash* splash = nullptr);
    ~VEK2_form() override;

    // The handlers keys, ticks and closing go to; the window starts mirroring their models.
    void attach(PlayerHandlers* handlers);

    // ShellView
    void mainBoxChanged() override;
    void dotazEditChanged() override;
    void memoCleared() override;
    void memoLineAdded(const std::string& line) override;
    void memoLayoutChanged() override;
    void splash(const std::string& text, bool visible) override;
    BoxAnswer messageBox(const MessageBoxRequest& request) override;
    void showOptions(TOptionsForm& form) override;
    void waitWhile(const std::function<bool()>& waiting) override;
    void closeWindow() override;
    void setTimerEnabled(bool enabled) override;
    bool screenReaderActive() const override;
    void screenReaderSay(const std::string& text) override;

    int waitDepth() const { return waitDepth_; }

    // Hears every event the window itself sends a screen reader (where none runs, as on the
    // offscreen platform, Qt drops them unheard).
    std::function<void(QAccessibleEvent&)> screenReaderEvents;
    bool isClosed() const { return closed_; }

    QListWidget* MainBox;
    QPlainTextEdit* MainMemo;
    QLineEdit* DotazEdit;
    QTimer* Timer1;
    VEK2_options* OptionsForm;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void deliverKey(const QKeyEvent& event);
    void syncFocus();
    bool listFocused() const;
    // Tells a screen reader which entry the focused list is on (the list itself when none).
    void announceSelection();
    void tellScreenReader(QAccessibleEvent& event);
    void handToScreenReader();

    PlayerHandlers* handlers_ = nullptr;
    VEK2_splash* splash_;
    std::vector<std::string> shownEntries_;
    std::string shownHeading_;
    int shownSelection_ = -1;
    QString readerText_;  // texts not yet handed to the screen reader
    int waitDepth_ = 0;
    bool closing_ = false;       // a close is on its way: waits end
    bool closePending_ = false;  // a close came during a wait; it happens once the waits are over
    bool closed_ = false;
};

}  // namespace vek::player
