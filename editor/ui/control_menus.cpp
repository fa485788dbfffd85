#include "editor/ui/control_menus.h"

#include <QAbstractItemView>
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace vek::editor {

namespace {

// A list reports its requests in its viewport's coordinates.
QWidget* origin(QWidget* control) {
    auto* view = qobject_cast<QAbstractItemView*>(control);
    return view ? view->viewport() : control;
}

}  // namespace

void popUpMenu(QMenu* menu, const QPoint& global, QWidget* control) {
    QObject::connect(
        menu, &QMenu::aboutToHide, control,
        [control] {
            // The command runs after the menu has closed, in the same key press. The focus comes
            // back through a real change, which is what a screen reader follows.
            QTimer::singleShot(0, control, [control] {
                if (!control->hasFocus() || !control->isActiveWindow())
                    return;
                control->clearFocus();
                control->setFocus(Qt::PopupFocusReason);
            });
        },
        Qt::SingleShotConnection);
    menu->popup(global);
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;  // a click: the entry under the pointer is the one to say
    for (QAction* action : menu->actions())
        if (action->isEnabled() && action->isVisible() && !action->isSeparator()) {
            menu->setActiveAction(action);
            return;
        }
}

QMenu* attachContextMenu(QWidget* control, const char* name, std::vector<MenuCommand> commands) {
    auto* menu = new QMenu(control);
    menu->setObjectName(name);
    std::vector<std::pair<QAction*, std::function<bool()>>> conditions;
    for (MenuCommand& command : commands) {
        QAction* action = menu->addAction(QString::fromUtf8(command.caption));
        action->setObjectName(command.name);
        action->setShortcut(command.key);
        action->setShortcutContext(Qt::WidgetShortcut);  // shown, never a second key binding
        QObject::connect(action, &QAction::triggered, control,
                         [run = std::move(command.run)] { run(); });
        if (command.enabled)
            conditions.emplace_back(action, std::move(command.enabled));
    }
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                     [control, menu, conditions = std::move(conditions)](const QPoint& pos) {
                         for (const auto& [action, enabled] : conditions)
                             action->setEnabled(enabled());
                         popUpMenu(menu, origin(control)->mapToGlobal(pos), control);
                     });
    return menu;
}

bool requestContextMenu(QWidget* control) {
    if (control->contextMenuPolicy() != Qt::CustomContextMenu)
        return false;
    QPoint pos = origin(control)->rect().center();
    if (auto* view = qobject_cast<QAbstractItemView*>(control);
        view && view->currentIndex().isValid())
        pos = view->visualRect(view->currentIndex()).bottomLeft();
    Q_EMIT control->customContextMenuRequested(pos);
    return true;
}

}  // namespace vek::editor
