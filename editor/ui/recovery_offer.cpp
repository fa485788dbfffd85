#include "editor/ui/recovery_offer.h"

#include "common/cp1250.h"

namespace vek::editor {

QtOneShotTimer::QtOneShotTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The callback may start the timer again with a callback of its own.
        std::function<void()> due = std::move(due_);
        if (due)
            due();
    });
}

void QtOneShotTimer::start(std::chrono::milliseconds delay, std::function<void()> due) {
    due_ = std::move(due);
    timer_.start(delay);
}

void QtOneShotTimer::stop() {
    timer_.stop();
    due_ = nullptr;
}

bool QtOneShotTimer::active() const {
    return timer_.isActive();
}

namespace {

QString quoted(const RecoveryLeftover& leftover) {
    return QString::fromUtf8("\u201e") + QString::fromStdString(leftover.displayName()) +
           QString::fromUtf8("\u201c");
}

void reportUnreadable(const RecoveryLeftover& leftover, const std::string& reason,
                      MessageBoxes& boxes, QWidget* parent) {
    QString text = QString::fromUtf8("Kopii neuložených změn scénáře ") + quoted(leftover) +
                   QString::fromUtf8(" nelze načíst.");
    if (!reason.empty())
        text += "\n" + QString::fromStdString(cp1250ToUtf8(reason));
    text += QString::fromUtf8("\nKopie zůstává uložena v souboru ") +
            QString::fromStdString(leftover.files.copy.string()) + ".";
    boxes.error(parent, text);
}

}  // namespace

void OfferRecovery(const std::vector<RecoveryLeftover>& leftovers, EditorDocument& doc,
                   RecoveryStore& store, MessageBoxes& boxes, QWidget* parent,
                   const PasswordPrompt& askPassword) {
    for (const RecoveryLeftover& leftover : leftovers) {
        if (leftover.damaged) {
            reportUnreadable(leftover, {}, boxes, parent);
            continue;
        }
        QString question =
            QString::fromUtf8("Editor nebyl řádně ukončen. Obnovit neuložené změny scénáře ") +
            quoted(leftover) + "?";
        if (boxes.ask(parent, question, BoxButtons::YesNo) != BoxAnswer::Yes) {
            DiscardLeftover(leftover);
            continue;
        }
        OpenResult result = RestoreLeftover(doc, leftover, askPassword);
        if (result.ok()) {
            store.adopt(leftover);
            return;
        }
        // A cancelled password prompt keeps the copy for another start without a word.
        if (result.status != OpenStatus::Cancelled)
            reportUnreadable(leftover, result.message, boxes, parent);
    }
}

}  // namespace vek::editor
