// Crash recovery in the editor's window: the store's timer on the window's event loop, and the
// question at start-up for each copy an editor left behind when it did not end normally.
#pragma once

#include <vector>

#include <QTimer>

#include "common/qt/message_boxes.h"
#include "editor/document/recovery_store.h"

namespace vek::editor {

class QtOneShotTimer : public OneShotTimer {
  public:
    QtOneShotTimer();
    void start(std::chrono::milliseconds delay, std::function<void()> due) override;
    void stop() override;
    bool active() const override;

  private:
    QTimer timer_;
    std::function<void()> due_;
};

// Asks for each leftover in turn: Yes restores it into the document (which `store` then keeps
// as its own copy) and ends the questions, the rest waiting for the next start; No removes it.
// A copy that cannot be read is reported and kept.
void OfferRecovery(const std::vector<RecoveryLeftover>& leftovers, EditorDocument& doc,
                   RecoveryStore& store, MessageBoxes& boxes, QWidget* parent,
                   const PasswordPrompt& askPassword);

}  // namespace vek::editor
