#include "common/qt/cp1250_guard.h"

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QValidator>

#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"

namespace vek {
namespace {

// Says why text was refused after the event that brought it has been handled, so no modal box
// opens inside a key press or a validator; a burst of refusals gives one box.
class Refusal : public QObject {
  public:
    Refusal(QWidget* owner, MessageBoxes& boxes) : QObject(owner), owner_(owner), boxes_(boxes) {}

    void report(const UnmappableCharacter& bad) {
        if (pending_)
            return;
        pending_ = true;
        QString text = unmappableMessage(bad);
        QTimer::singleShot(0, this, [this, text] {
            pending_ = false;
            boxes_.stop(owner_->window(), text);
        });
    }

  private:
    QPointer<QWidget> owner_;
    MessageBoxes& boxes_;
    bool pending_ = false;
};

class Cp1250Validator : public QValidator {
  public:
    Cp1250Validator(QWidget* owner, MessageBoxes& boxes)
        : QValidator(owner), refusal_(new Refusal(owner, boxes)) {}

    State validate(QString& input, int&) const override {
        if (auto bad = findUnmappable(input)) {
            refusal_->report(*bad);
            return Invalid;
        }
        return Acceptable;
    }

  private:
    Refusal* refusal_;
};

// A plain-text editor has no validator: a change that brings such a character is taken back,
// by its own undo step when that restores the previous text exactly.
class PlainTextGuard : public QObject {
  public:
    PlainTextGuard(QPlainTextEdit* edit, MessageBoxes& boxes)
        : QObject(edit), edit_(edit), refusal_(new Refusal(edit, boxes)) {
        accepted_ = edit->toPlainText();
        connect(edit, &QPlainTextEdit::textChanged, this, &PlainTextGuard::check);
        connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [this] {
            if (!restoring_ && edit_->toPlainText() == accepted_)
                caret_ = edit_->textCursor().position();
        });
    }

  private:
    void check() {
        if (restoring_)
            return;
        QString now = edit_->toPlainText();
        auto bad = findUnmappable(now);
        if (!bad) {
            accepted_ = now;
            caret_ = edit_->textCursor().position();
            return;
        }
        restoring_ = true;
        edit_->undo();
        if (edit_->toPlainText() != accepted_) {
            edit_->setPlainText(accepted_);
            QTextCursor cursor = edit_->textCursor();
            cursor.setPosition(std::min<int>(caret_, static_cast<int>(accepted_.size())));
            edit_->setTextCursor(cursor);
        }
        restoring_ = false;
        refusal_->report(*bad);
    }

    QPlainTextEdit* edit_;
    Refusal* refusal_;
    QString accepted_;
    int caret_ = 0;
    bool restoring_ = false;
};

}  // namespace

void guardCp1250(QLineEdit* edit, MessageBoxes& boxes) {
    edit->setValidator(new Cp1250Validator(edit, boxes));
}

void guardCp1250(QComboBox* editableBox, MessageBoxes& boxes) {
    editableBox->setValidator(new Cp1250Validator(editableBox, boxes));
}

void guardCp1250(QPlainTextEdit* edit, MessageBoxes& boxes) {
    new PlainTextGuard(edit, boxes);
}

}  // namespace vek
