#include "editor/ui/editor_page.h"

#include <QComboBox>

#include "editor/ui/control_menus.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/page_controls.h"

namespace vek::editor {

EditorPage::EditorPage(PageCommands& commands, KeyMap& keys, const char* name)
    : doc_(commands.doc()), commands_(commands), keys_(keys) {
    setObjectName(name);
}

QWidget* EditorPage::controlOf(Field) const {
    return nullptr;
}

QListWidget* EditorPage::controlOf(EntryList) const {
    return nullptr;
}

QComboBox* EditorPage::steppedSelector(const QWidget*, EntityKind&) const {
    return nullptr;
}

void EditorPage::follow(std::function<void(const DocumentChange&)> listener) {
    subscription_ = DocumentSubscription(doc_, std::move(listener));
}

void EditorPage::bindNameSelector(QComboBox* box, EntityKind kind, std::function<void()> create,
                                  const char* menuName, const char* newCaption) {
    connect(box, &QComboBox::activated, this,
            [this, kind](int i) { commands_.chooseShown(kind, i); });
    // Arrow keys in a closed selector change the choice without "activated".
    connect(box, &QComboBox::currentIndexChanged, this, [this, kind](int i) {
        if (!doc_.Updating() && i >= 0)
            commands_.chooseShown(kind, i);
    });
    keys_.bindCommand(box, Qt::Key_Insert, create);
    keys_.bindCommand(box, Qt::Key_Delete, [this, kind] { commands_.deleteEntity(kind); });
    keys_.bindCommand(box, Qt::Key_Return, [this, kind] { commands_.renameEntity(kind); });

    auto current = [this, kind] { return shownName(doc_, kind) != nullptr; };
    attachContextMenu(box, menuName,
                      {{"PopNove", newCaption, QKeySequence(Qt::Key_Insert), std::move(create)},
                       {"PopJmeno", "Jméno", QKeySequence(Qt::Key_Return),
                        [this, kind] { commands_.renameEntity(kind); }, current},
                       {"PopSmaz", "Smaž", QKeySequence(Qt::Key_Delete),
                        [this, kind] { commands_.deleteEntity(kind); }, current}});
}

void EditorPage::fillSoundChoices(QComboBox* box, std::vector<std::string>& shown) {
    std::vector<std::string> choices = doc_.SoundChoices();
    if (choices == shown)
        return;
    shown = choices;
    fillChoices(box, choices);
}

}  // namespace vek::editor
