// The window's keyboard map: every key passes the window before the control with the focus.
#include <tuple>
#include <utility>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "editor/ui/control_menus.h"
#include "editor/ui/mirela2_form.h"

namespace vek::editor {

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

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

}  // namespace

void Mirela2_form::bind(QWidget* control, int key, Qt::KeyboardModifiers modifiers,
                        std::function<bool()> action) {
    keyMap_[control].push_back({key, modifiers, std::move(action)});
}

void Mirela2_form::bindKeys() {
    auto consumed = [](auto command) {
        return [command]() {
            command();
            return true;
        };
    };

    // The four name selectors.
    const std::array<std::pair<QComboBox*, EntityKind>, 4> selectors = {
        {{CisloOknaBox, EntityKind::Window},
         {CisloPredmetuBox, EntityKind::Item},
         {CisloNabidkyBox, EntityKind::Menu},
         {CisloPolozkyBox, EntityKind::MenuItem}}};
    for (auto [box, kind] : selectors) {
        box->view()->installEventFilter(this);  // its list, open or not

        bind(box, Qt::Key_Insert, kNone, consumed([this, kind] { newEntity(kind); }));
        bind(box, Qt::Key_Delete, kNone, consumed([this, kind] { deleteEntity(kind); }));
        bind(box, Qt::Key_Return, kNone, consumed([this, kind] { renameEntity(kind); }));
    }

    // The lists of the current window and menu.
    const std::array<std::pair<QListWidget*, EntryList>, 4> lists = {
        {{SeznamCestList, EntryList::Paths},
         {SeznamPredmetuList, EntryList::Items},
         {HudbaList, EntryList::Music},
         {SeznamPolBox, EntryList::MenuEntries}}};
    for (auto [list, entries] : lists) {
        bind(list, Qt::Key_Insert, kNone, consumed([this, entries] { addEntry(entries); }));
        bind(list, Qt::Key_Delete, kNone, consumed([this, entries] { removeEntry(entries); }));
        if (entries == EntryList::Music)
            continue;
        bind(list, Qt::Key_Up, Qt::ShiftModifier,
             consumed([this, entries] { moveEntry(entries, -1); }));
        bind(list, Qt::Key_Down, Qt::ShiftModifier,
             consumed([this, entries] { moveEntry(entries, +1); }));
        bind(list, Qt::Key_Return, kNone, consumed([this, entries] { goToEntry(entries); }));
    }

    // The sound lists.
    bind(ZvukyListBox, Qt::Key_Return, kNone, consumed([this] { changeSounds(); }));
    bind(ZvukyListBox, Qt::Key_Space, kNone, consumed([this] { togglePreview(ZvukyListBox); }));
    bind(ZvukyListBox, Qt::Key_Insert, kNone, consumed([this] { addSound(); }));
    bind(ZvukyListBox, Qt::Key_Insert, Qt::AltModifier, consumed([this] { addMoreSounds(); }));
    bind(ZvukyListBox, Qt::Key_Delete, kNone, consumed([this] { deleteSounds(); }));
    bind(ZvukySysListBox, Qt::Key_Return, kNone, consumed([this] { changeSystemSound(); }));
    bind(ZvukySysListBox, Qt::Key_Space, kNone,
         consumed([this] { togglePreview(ZvukySysListBox); }));
    for (QListWidget* list : {ZvukyListBox, ZvukySysListBox})
        bind(list, Qt::Key_Asterisk, Qt::KeypadModifier, consumed([list] { list->selectAll(); }));

    // Script editors: the word-deleting keys are swallowed. Undo is the document's
    // (Alt+Backspace, edit_history_ui.h), as Ctrl+Z opens the sound-action builder.
    for (QPlainTextEdit* editor : scriptEditors_) {
        bind(editor, Qt::Key_Backspace, Qt::ControlModifier, [] { return true; });
        bind(editor, Qt::Key_Delete, Qt::ControlModifier, [] { return true; });
    }
}

// The name selectors and the lists without a menu of their own get one with the commands of
// their buttons and keys; the path, item and sound lists add the keys to theirs.
void Mirela2_form::bindContextMenus() {
    const QKeySequence insert(Qt::Key_Insert), del(Qt::Key_Delete), enter(Qt::Key_Return);
    struct Selector {
        QComboBox* box;
        EntityKind kind;
        const char *menu, *newCaption;
    };
    for (auto [box, kind, menu, newCaption] :
         {Selector{CisloOknaBox, EntityKind::Window, "OknaPopup", "Nové"},
          Selector{CisloPredmetuBox, EntityKind::Item, "PredmetyPopup", "Nový"},
          Selector{CisloNabidkyBox, EntityKind::Menu, "NabidkyPopup", "Nová"},
          Selector{CisloPolozkyBox, EntityKind::MenuItem, "PolozkyPopup", "Nová"}}) {
        auto current = [this, kind] { return shownName(doc_, kind) != nullptr; };
        attachContextMenu(
            box, menu,
            {{"PopNove", newCaption, insert, [this, kind] { newEntity(kind); }},
             {"PopJmeno", "Jméno", enter, [this, kind] { renameEntity(kind); }, current},
             {"PopSmaz", "Smaž", del, [this, kind] { deleteEntity(kind); }, current}});
    }
    for (auto [list, entries, menu] :
         {std::tuple{HudbaList, EntryList::Music, "HudbaPopup"},
          std::tuple{SeznamPolBox, EntryList::MenuEntries, "PolozkyNabidkyPopup"}}) {
        QListWidget* widget = list;
        attachContextMenu(list, menu,
                          {{"PopPridej", "Přidej", insert, [this, e = entries] { addEntry(e); }},
                           {"PopUber", "Uber", del, [this, e = entries] { removeEntry(e); },
                            [widget] { return !widget->selectedItems().isEmpty(); }}});
    }
    for (auto [action, key] : {std::pair{PopJdiNaCestu, enter},
                               {PopPridejCestu, insert},
                               {PopOdstranCestu, del},
                               {PopJdiNaPredmet, enter},
                               {PopPridejPredmet, insert},
                               {PopOdstranPredmet, del},
                               {PopHrej, QKeySequence(Qt::Key_Space)},
                               {PopPridejZvuk, insert},
                               {PopZmenZvuk, enter},
                               {PopSmazZvuk, del},
                               {PopPridejVice, QKeySequence(Qt::ALT | Qt::Key_Insert)}}) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
}

void Mirela2_form::installKeyPreview() {
    for (QWidget* child : centralWidget()->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool Mirela2_form::isScriptEditor(const QWidget* control) const {
    return std::find(scriptEditors_.begin(), scriptEditors_.end(), control) != scriptEditors_.end();
}

void Mirela2_form::focusChanged(QWidget* now) {
    if (!now || now->window() != this)
        return;
    // An editable selector's inner line edit stands for the selector.
    if (auto* box = qobject_cast<QComboBox*>(now->parentWidget()))
        now = box;
    lastFocus_ = now;
    updateToolsMenu();
}

QWidget* Mirela2_form::focusedControl() const {
    return lastFocus_;
}

QPlainTextEdit* Mirela2_form::focusedScriptEditor() const {
    return isScriptEditor(lastFocus_) ? static_cast<QPlainTextEdit*>(lastFocus_) : nullptr;
}

bool Mirela2_form::insertIntoScriptEditor(const QString& text) {
    QPlainTextEdit* editor = focusedScriptEditor();
    if (!editor || !editor->isEnabled())
        return false;
    editor->insertPlainText(text);  // goes through the editor's own write-back
    return true;
}

bool Mirela2_form::eventFilter(QObject* watched, QEvent* event) {
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
    return QMainWindow::eventFilter(watched, event);
}

// Text editors claim Ctrl+A (select all) and Ctrl+Z (undo) before the menu sees them; in this
// window those keys open the builders, so the editors are not asked.
bool Mirela2_form::shortcutOverride(QWidget* control, QKeyEvent* event) {
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    bool caseForm = control == Okno2pEdit || control == Pred4pEdit;
    if (!isScriptEditor(control) && !caseForm)
        return false;
    switch (event->key()) {
        case Qt::Key_A:
        case Qt::Key_P:
            return isScriptEditor(control);
        case Qt::Key_Z:
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return true;  // swallowed below, never a shortcut
        default:
            return false;
    }
}

bool Mirela2_form::handleKey(QWidget* control, QKeyEvent* event) {
    Qt::KeyboardModifiers mods = significant(event);
    int key = normalisedKey(event);
    if (std::exchange(enterClosedList_, false) && key == Qt::Key_Return)
        return true;
    if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        stepShown(key == Qt::Key_Up ? -1 : +1);
        return true;  // consumed at the list's ends too
    }
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from any control, as in every tabbed window;
    // selectors and editors would otherwise keep the key.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (mods & Qt::ControlModifier) {
            bool back = key == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
            int count = PageControl->count();
            PageControl->setCurrentIndex((PageControl->currentIndex() + (back ? count - 1 : 1)) %
                                         count);
            return true;
        }
    }
    QWidget* owner = control;
    if (auto* box = qobject_cast<QComboBox*>(control->parentWidget()))
        owner = box;
    if (key == Qt::Key_F10 && mods == Qt::ShiftModifier)
        return requestContextMenu(owner);
    auto bindings = keyMap_.find(owner);
    if (bindings == keyMap_.end())
        return false;
    for (const KeyBinding& binding : bindings->second)
        if (binding.key == key && binding.modifiers == mods)
            return binding.action();
    return false;
}

}  // namespace vek::editor
