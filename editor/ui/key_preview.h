// The main window's keyboard: every key passes the window before the control with the focus.
// The pages bind their controls' keys in one KeyMap; the KeyPreview adds the keys of the whole
// window (turning the pages, stepping the shown window or item, the context menu key).
#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QObject>

class QKeyEvent;
class QTabWidget;
class QWidget;

namespace vek::editor {

class KeyMap {
  public:
    // `action` returns true when the key goes no further.
    void bind(QWidget* control, int key, Qt::KeyboardModifiers modifiers,
              std::function<bool()> action);
    // A command that takes its key.
    void bindCommand(QWidget* control, int key, std::function<void()> command,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Runs the control's binding of the key; false when it has none or lets the key go on.
    bool handle(QWidget* control, int key, Qt::KeyboardModifiers modifiers) const;

  private:
    struct Binding {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> action;
    };
    std::map<QObject*, std::vector<Binding>> bindings_;
};

class KeyPreview : public QObject {
  public:
    // `step` shows the next (+1) or previous (-1) window, item or menu of the current page.
    KeyPreview(QTabWidget& pages, const KeyMap& keys, std::function<void(int direction)> step);

    // Previews the keys of every control inside `root`, and of the name selectors' lists.
    void watch(QWidget* root);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handleKey(QWidget* control, QKeyEvent* event);
    bool shortcutOverride(QWidget* control, QKeyEvent* event) const;

    QTabWidget& pages_;
    const KeyMap& keys_;
    std::function<void(int)> step_;
    bool enterClosedList_ = false;  // the Enter now delivered closed a selector's list
};

}  // namespace vek::editor
