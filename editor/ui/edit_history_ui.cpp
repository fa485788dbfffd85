#include "editor/ui/edit_history_ui.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>

#include "common/qt/notice.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

// The control of a field or list of the main window, by its object name.
const char* controlName(const EditPlace& place) {
    if (place.field) {
        switch (*place.field) {
            case Field::Kam:
                return "Okno2pEdit";
            case Field::WindowSound:
                return "OknoZvukEdit";
            case Field::Co:
                return "Pred4pEdit";
            case Field::ItemSound:
                return "PredZvukEdit";
            case Field::CanTake:
                return "LzeVzitBox";
            case Field::UseOn:
                return "PouzNaBox";
            case Field::IsCharacter:
                return "PostavaBox";
            case Field::MenuParent:
                return "ParentMenuBox";
            case Field::MenuItemSound:
                return "ZvukPolBox";
            default:
                return nullptr;  // a script editor, found by its field
        }
    }
    if (place.list) {
        switch (*place.list) {
            case EntryList::Paths:
                return "SeznamCestList";
            case EntryList::Items:
                return "SeznamPredmetuList";
            case EntryList::Music:
                return "HudbaList";
            case EntryList::MenuEntries:
                return "SeznamPolBox";
            case EntryList::Inventory:
                return nullptr;
        }
    }
    if (place.sounds)
        return *place.sounds == SoundList::User ? "ZvukyListBox" : "ZvukySysListBox";
    if (place.entity) {
        switch (*place.entity) {
            case EntityKind::Window:
                return "CisloOknaBox";
            case EntityKind::Item:
                return "CisloPredmetuBox";
            case EntityKind::Menu:
                return "CisloNabidkyBox";
            case EntityKind::MenuItem:
                return "CisloPolozkyBox";
        }
    }
    return nullptr;
}

std::optional<Mirela2_form::Page> pageOf(const EditPlace& place) {
    if (place.sounds)
        return Mirela2_form::ZvukyPage;
    if (!place.entity)
        return std::nullopt;  // a setting: the properties dialog shows it
    switch (*place.entity) {
        case EntityKind::Window:
            return Mirela2_form::OknaPage;
        case EntityKind::Item:
            return Mirela2_form::PredmetyPage;
        default:
            return Mirela2_form::MenuPage;
    }
}

bool isHistoryKey(const QKeyEvent* key, bool& redo) {
    if (key->key() != Qt::Key_Backspace)
        return false;
    Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    redo = mods == (Qt::AltModifier | Qt::ShiftModifier);
    return redo || mods == Qt::AltModifier;
}

}  // namespace

EditHistoryUi::EditHistoryUi(Mirela2_form& form)
    : QObject(&form), form_(form), doc_(form.document()) {
    menu_ = form.insertMenu(u8("Úpr&avy"), "Upravy1");
    undo_ = menu_->addAction(u8("&Zpět"), [this] { Undo(); });
    undo_->setObjectName("MIZpet");
    undo_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
    redo_ = menu_->addAction(u8("Z&novu"), [this] { Redo(); });
    redo_->setObjectName("MIZnovu");
    redo_->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace));
    // The keys are taken below in every window of the editor; the menu only shows them.
    for (QAction* action : {undo_, redo_})
        action->setShortcutContext(Qt::WidgetShortcut);

    notice_ = new Notice;
    notice_->setObjectName("HistoryNotice");
    form.statusBar()->addWidget(notice_);

    pause_.setSingleShot(true);
    pause_.setInterval(kTypingPauseMs);
    connect(&pause_, &QTimer::timeout, this, [this] { doc_.EndTyping(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { doc_.EndTyping(); });
    subscription_ = DocumentSubscription(doc_, [this](const DocumentChange& change) {
        if (change.kind == ChangeKind::FieldChanged)
            pause_.start();
        updateActions();
    });
    qApp->installEventFilter(this);
    updateActions();
}

EditHistoryUi::~EditHistoryUi() {
    qApp->removeEventFilter(this);
}

void EditHistoryUi::updateActions() {
    auto caption = [](const char* verb, const std::string& label) {
        return label.empty() ? u8(verb) : u8(verb) + ": " + fromCp1250(label);
    };
    undo_->setText(caption("&Zpět", doc_.UndoLabel()));
    undo_->setEnabled(doc_.CanUndo());
    redo_->setText(caption("Z&novu", doc_.RedoLabel()));
    redo_->setEnabled(doc_.CanRedo());
}

HistoryMove EditHistoryUi::Undo() {
    HistoryMove move = doc_.Undo();
    if (move.done) {
        showPlace(move);
        announce(move, true);
    }
    updateActions();
    return move;
}

HistoryMove EditHistoryUi::Redo() {
    HistoryMove move = doc_.Redo();
    if (move.done) {
        showPlace(move);
        announce(move, false);
    }
    updateActions();
    return move;
}

bool EditHistoryUi::inEditor(QWidget* widget) const {
    for (QWidget* w = widget ? widget->window() : nullptr; w; w = w->parentWidget())
        if (w == &form_)
            return true;
    return false;
}

bool EditHistoryUi::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !inEditor(widget))
        return false;
    if (event->type() == QEvent::Polish) {
        // One history: the text editors keep none of their own.
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            plain->setUndoRedoEnabled(false);
        else if (auto* rich = qobject_cast<QTextEdit*>(widget))
            rich->setUndoRedoEnabled(false);
        return false;
    }
    bool redo = false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken before the widgets' own undo and any binding of the key.
        if (isHistoryKey(static_cast<QKeyEvent*>(event), redo)) {
            event->accept();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (isHistoryKey(key, redo)) {
        if (widget->window()->windowType() == Qt::Popup)
            return false;
        redo ? Redo() : Undo();
        return true;
    }
    // The line edits' own undo keys would change a field behind the history's back.
    if ((key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) &&
        qobject_cast<QLineEdit*>(widget))
        return true;
    return false;
}

void EditHistoryUi::showPlace(const HistoryMove& move) {
    const EditPlace& place = move.place;
    std::optional<Mirela2_form::Page> page = pageOf(place);
    if (!page) {
        if (form_.toolHooks().showSetting)
            form_.toolHooks().showSetting(place.field, place.list);
        return;
    }
    if (QApplication::activeWindow() != &form_) {
        // An undo pressed in a dialog about the pages brings the main window forward, where the
        // change is shown.
        form_.raise();
        form_.activateWindow();
    }
    if (place.field && form_.controlOf(*place.field)) {
        form_.focusField(*place.field);
        return;
    }
    if (place.list && form_.controlOf(*place.list)) {
        form_.focusEntries(*place.list);
        return;
    }
    form_.turnTo(*page);
    if (const char* name = controlName(place))
        if (auto* control = form_.findChild<QWidget*>(name); control && control->isEnabled())
            control->setFocus(Qt::OtherFocusReason);
}

void EditHistoryUi::announce(const HistoryMove& move, bool undone) {
    notice_->announce((undone ? u8("Vráceno: ") : u8("Znovu provedeno: ")) +
                      fromCp1250(move.label));
}

}  // namespace vek::editor
