// The document's history in the editor's windows: the "Úpravy" menu with "Zpět" and "Znovu"
// naming the step they take back or repeat, Alt+Backspace and Alt+Shift+Backspace in every
// window of the editor, the end of a typing step when the author leaves a field or pauses, and
// after an undo or redo the page of what changed, the focus on its control and a screen reader
// told what happened.
#pragma once

#include <QObject>
#include <QTimer>

#include "editor/document/document.h"

class QAction;
class QMenu;
class QWidget;

namespace vek {
class Notice;
}

namespace vek::editor {

class Mirela2_form;

class EditHistoryUi : public QObject {
  public:
    // A pause this long ends the typing step.
    static constexpr int kTypingPauseMs = 1500;

    explicit EditHistoryUi(Mirela2_form& form);
    ~EditHistoryUi() override;

    HistoryMove Undo();
    HistoryMove Redo();

    QMenu* menu() const { return menu_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool inEditor(QWidget* widget) const;
    void updateActions();
    void showPlace(const HistoryMove& move);
    void announce(const HistoryMove& move, bool undone);

    Mirela2_form& form_;
    EditorDocument& doc_;
    QMenu* menu_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    Notice* notice_ = nullptr;
    QTimer pause_;
    DocumentSubscription subscription_;
};

}  // namespace vek::editor
