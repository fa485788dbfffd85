#include "common/qt/dialog_owner.h"

#include <QApplication>

namespace vek {

DialogOwner::DialogOwner(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    window_ = active ? active : fallback ? fallback->window() : nullptr;
    focus_ = window_ ? window_->focusWidget() : nullptr;
}

DialogOwner::~DialogOwner() {
    if (!window_ || !window_->isVisible())
        return;
    window_->activateWindow();
    if (focus_ && focus_->isVisible() && focus_->isEnabled())
        focus_->setFocus(Qt::ActiveWindowFocusReason);
}

BoxAnswer OwnedMessageBoxes::show(QWidget* parent, const MessageRequest& request) {
    DialogOwner owner(parent);
    return boxes_.show(owner.window(), request);
}

}  // namespace vek
