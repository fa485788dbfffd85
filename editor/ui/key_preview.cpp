#include "editor/ui/key_preview.h"

#include <utility>

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QTabWidget>

#include "editor/ui/control_menus.h"
#include "editor/ui/field_controls.h"

namespace vek::editor {

namespace {

// The modifiers that tell keys apart: the keypad flag only matters for the keypad's "*".
Qt::KeyboardModifiers significant(const QKeyEvent* event) {
    Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                       Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Asterisk && (event->modifiers() & Qt::KeypadModifier))
        mods |= Qt::KeypadModifier;
    return mods;
}

int normalisedKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Enter ? Qt::Key_Return : event->key();
}

// An editable selector's inner line edit stands for the selector.
QWidget* ownerOf(QWidget* control) {
    if (auto* box = qobject_cast<QComboBox*>(control->parentWidget()))
        return box;
    return control;
}

}  // namespace

void KeyMap::bind(QWidget* control, int key, Qt::KeyboardModifiers modifiers,
                  std::function<bool()> action) {
    bindings_[control].push_back({key, modifiers, std::move(action)});
}

void KeyMap::bindCommand(QWidget* control, int key, std::function<void()> command,
                         Qt::KeyboardModifiers modifiers) {
    bind(control, key, modifiers, [command = std::move(command)] {
        command();
        return true;
    });
}

bool KeyMap::handle(QWidget* control, int key, Qt::KeyboardModifiers modifiers) const {
    auto bindings = bindings_.find(control);
    if (bindings == bindings_.end())
        return false;
    for (const Binding& binding : bindings->second)
        if (binding.key == key && binding.modifiers == modifiers)
            return binding.action();
    return false;
}

KeyPreview::KeyPreview(QTabWidget& pages, const KeyMap& keys, std::function<void(int)> step)
    : QObject(&pages), pages_(pages), keys_(keys), step_(std::move(step)) {}

void KeyPreview::watch(QWidget* root) {
    for (QWidget* child : root->findChildren<QWidget*>()) {
        child->installEventFilter(this);
        // A name selector's list, open or not: its Enter chooses and must not rename.
        if (auto* box = qobject_cast<QComboBox*>(child); box && !box->isEditable())
            box->view()->installEventFilter(this);
    }
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && event->type() == QEvent::KeyPress)
        return control->window()->windowType() != Qt::Popup &&
               handleKey(control, static_cast<QKeyEvent*>(event));
    if (control && event->type() == QEvent::ShortcutOverride) {
        // A selector's open list closes on Enter before the key itself is delivered, then to the
        // selector: that Enter chose an entry and must not also rename it.
        auto* key = static_cast<QKeyEvent*>(event);
        if (normalisedKey(key) == Qt::Key_Return && control->window()->windowType() == Qt::Popup)
            enterClosedList_ = true;
        return shortcutOverride(control, key);
    }
    return false;
}

// Text editors claim Ctrl+A (select all) and Ctrl+Z (undo) before the menu sees them; in this
// window those keys open the builders, so the editors are not asked.
bool KeyPreview::shortcutOverride(QWidget* control, QKeyEvent* event) const {
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    bool script = isScriptEditor(control);
    if (!script && !isCaseForm(control))
        return false;
    switch (event->key()) {
        case Qt::Key_A:
        case Qt::Key_P:
            return script;
        case Qt::Key_Z:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return true;  // the word-deleting keys are swallowed by the page, never a shortcut
        default:
            return false;
    }
}

bool KeyPreview::handleKey(QWidget* control, QKeyEvent* event) {
    Qt::KeyboardModifiers mods = significant(event);
    int key = normalisedKey(event);
    if (std::exchange(enterClosedList_, false) && key == Qt::Key_Return)
        return true;
    if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        step_(key == Qt::Key_Up ? -1 : +1);
        return true;  // consumed at the list's ends too
    }
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from any control, as in every tabbed window;
    // selectors and editors would otherwise keep the key.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (mods & Qt::ControlModifier)) {
        bool back = key == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
        int count = pages_.count();
        pages_.setCurrentIndex((pages_.currentIndex() + (back ? count - 1 : 1)) % count);
        return true;
    }
    QWidget* owner = ownerOf(control);
    if (key == Qt::Key_F10 && mods == Qt::ShiftModifier)
        return requestContextMenu(owner);
    return keys_.handle(owner, key, mods);
}

}  // namespace vek::editor
