#include "editor/ui/sounds_page.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "common/cp1250.h"
#include "common/qt/qt_text.h"
#include "common/sound_entry.h"
#include "editor/ui/control_menus.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/page_controls.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

SoundsPage::SoundsPage(PageCommands& commands, KeyMap& keys)
    : EditorPage(commands, keys, "ZvukySheet") {
    ZvukyListBox = entryList("ZvukyListBox", true);
    ZvukySysListBox = entryList("ZvukySysListBox", true);
    AddZvukButt = pageButton("AddZvukButt", "Přidej", "Přidej zvuk");
    ChZvukButt = pageButton("ChZvukButt", "Změň", "Změň označené zvuky");
    DelZvukButt = pageButton("DelZvukButt", "Smaž", "Smaž označené zvuky");
    AddMoreButt = pageButton("AddMoreButt", "Přidej více", "Přidej zvuky podle masky");
    ChSysZvukButt =
        pageButton("ChSysZvukButt", "Změnit...", "Změnit systémový zvuk", "Změnit systémový zvuk");
    SysZvukDefButt = pageButton("SysZvukDefButt", "Obnovit původní nastavení",
                                "Nastavit systémové zvuky na standardní hodnoty",
                                "Obnovit původní systémové zvuky");
    SysZvukDefButt->setFocusPolicy(Qt::StrongFocus);

    auto* user = new QVBoxLayout;
    user->addWidget(labelled(ZvukyListBox, "Zvuky:", "Seznam nahrávek"));
    user->addWidget(ZvukyListBox, 1);
    user->addLayout(row({AddZvukButt, ChZvukButt, DelZvukButt, AddMoreButt}));
    auto* system = new QVBoxLayout;
    system->addWidget(labelled(ZvukySysListBox, "Systémové zvuky:", "Seznam systémových zvuků"));
    system->addWidget(ZvukySysListBox, 1);
    system->addLayout(row({ChSysZvukButt, SysZvukDefButt}));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(user, 1);
    layout->addLayout(system, 1);
    setTabOrder(ZvukyListBox, ZvukySysListBox);
    setTabOrder(ZvukySysListBox, SysZvukDefButt);

    for (auto [button, command] : {std::pair{AddZvukButt, &SoundsPage::addSound},
                                   {ChZvukButt, &SoundsPage::changeSounds},
                                   {DelZvukButt, &SoundsPage::deleteSounds},
                                   {AddMoreButt, &SoundsPage::addMoreSounds},
                                   {ChSysZvukButt, &SoundsPage::changeSystemSound},
                                   {SysZvukDefButt, &SoundsPage::resetSystemSounds}})
        connect(button, &QPushButton::clicked, this, [this, c = command] { (this->*c)(); });

    keys_.bindCommand(ZvukyListBox, Qt::Key_Return, [this] { changeSounds(); });
    keys_.bindCommand(ZvukyListBox, Qt::Key_Space, [this] { togglePreview(ZvukyListBox); });
    keys_.bindCommand(ZvukyListBox, Qt::Key_Insert, [this] { addSound(); });
    keys_.bindCommand(
        ZvukyListBox, Qt::Key_Insert, [this] { addMoreSounds(); }, Qt::AltModifier);
    keys_.bindCommand(ZvukyListBox, Qt::Key_Delete, [this] { deleteSounds(); });
    keys_.bindCommand(ZvukySysListBox, Qt::Key_Return, [this] { changeSystemSound(); });
    keys_.bindCommand(ZvukySysListBox, Qt::Key_Space, [this] { togglePreview(ZvukySysListBox); });

    // One menu for both lists, its entries enabled for the list it opens on.
    SoundsPopup = new QMenu(this);
    SoundsPopup->setObjectName("SoundsPopup");
    auto entry = [this](const char* name, const char* caption, QKeySequence key, auto command) {
        QAction* a = SoundsPopup->addAction(u8(caption));
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetShortcut);  // shown, never a second key binding
        connect(a, &QAction::triggered, this, command);
        return a;
    };
    PopHrej = entry("PopHrej", "Hrej / Stop", Qt::Key_Space, [this] { togglePreview(popupList_); });
    PopPridejZvuk = entry("PopPridejZvuk", "Přidej", Qt::Key_Insert, [this] { addSound(); });
    PopZmenZvuk = entry("PopZmenZvuk", "Změň", Qt::Key_Return, [this] {
        if (popupList_ == ZvukySysListBox)
            changeSystemSound();
        else
            changeSounds();
    });
    PopSmazZvuk = entry("PopSmazZvuk", "Smaž", Qt::Key_Delete, [this] { deleteSounds(); });
    PopPridejVice = entry("PopPridejVice", "Přidej více", QKeySequence(Qt::ALT | Qt::Key_Insert),
                          [this] { addMoreSounds(); });
    for (QListWidget* list : {ZvukyListBox, ZvukySysListBox}) {
        keys_.bindCommand(
            list, Qt::Key_Asterisk, [list] { list->selectAll(); }, Qt::KeypadModifier);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint& pos) { openMenu(list, pos); });
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    }

    follow([this](const DocumentChange& change) {
        if (change.kind == ChangeKind::SoundsChanged || change.kind == ChangeKind::DocumentReplaced)
            refill();
    });
}

QWidget* SoundsPage::firstControl() const {
    return ZvukyListBox;
}

void SoundsPage::refill() {
    EditorDocument::UpdateGuard filling(doc_);
    fillEntries(ZvukyListBox, doc_.UserSounds().lines(), shownUserSounds_);
    fillEntries(ZvukySysListBox, doc_.SystemSounds().items(), shownSystemSounds_);
    updateButtons();
}

void SoundsPage::openMenu(QListWidget* list, const QPoint& pos) {
    popupList_ = list;
    bool selected = hasSelection(list);
    bool system = list == ZvukySysListBox;
    PopZmenZvuk->setEnabled(selected);
    PopHrej->setEnabled(selected);
    PopSmazZvuk->setEnabled(selected && !system);
    PopPridejZvuk->setEnabled(!system);
    PopPridejVice->setEnabled(!system);
    popUpMenu(SoundsPopup, list->viewport()->mapToGlobal(pos), list);
}

void SoundsPage::updateButtons() {
    bool userSelected = hasSelection(ZvukyListBox);
    ChZvukButt->setEnabled(userSelected);
    DelZvukButt->setEnabled(userSelected);
    ChSysZvukButt->setEnabled(hasSelection(ZvukySysListBox));
}

void SoundsPage::addSound() {
    SoundDialogRequest request{SoundDialogMode::New, "Zvuk", NewSoundFields(soundCounter_), 1};
    std::optional<SoundFields> fields = commands_.services().prompts.sound(request);
    if (!fields)
        return;
    std::vector<std::size_t> changed =
        ApplySoundDialog(doc_, SoundDialogMode::New, *fields, {}, soundCounter_);
    ZvukyListBox->clearSelection();
    for (std::size_t row : changed)
        ZvukyListBox->setCurrentRow(static_cast<int>(row));
}

void SoundsPage::changeSounds() {
    std::vector<std::size_t> rows = selectedRows(ZvukyListBox);
    if (rows.empty())
        return;
    bool one = rows.size() == 1;
    SoundDialogRequest request{
        one ? SoundDialogMode::ChangeOne : SoundDialogMode::ChangeSeveral, one ? "Zvuk" : "Zvuky",
        one ? FieldsFromLine(doc_.UserSounds()[rows.front()]) : SeveralSoundsFields(), rows.size()};
    std::optional<SoundFields> fields = commands_.services().prompts.sound(request);
    if (!fields)
        return;
    std::vector<std::size_t> changed =
        ApplySoundDialog(doc_, request.mode, *fields, rows, soundCounter_);
    ZvukyListBox->clearSelection();
    for (std::size_t row : changed)
        ZvukyListBox->item(static_cast<int>(row))->setSelected(true);
    if (!changed.empty())
        placeCursor(ZvukyListBox, static_cast<int>(changed.back()));
}

void SoundsPage::changeSystemSound() {
    int row = ZvukySysListBox->currentRow();
    if (row < 0 || !ZvukySysListBox->item(row)->isSelected())
        return;
    SoundDialogRequest request{SoundDialogMode::ChangeSystem, "Syst\u00e9mov\u00fd zvuk",
                               FieldsFromLine(doc_.SystemSounds()[static_cast<std::size_t>(row)]),
                               1};
    std::optional<SoundFields> fields = commands_.services().prompts.sound(request);
    if (!fields)
        return;
    ApplySoundDialog(doc_, SoundDialogMode::ChangeSystem, *fields, {static_cast<std::size_t>(row)},
                     soundCounter_);
    ZvukySysListBox->setCurrentRow(row);
}

void SoundsPage::deleteSounds() {
    std::vector<std::size_t> rows = selectedRows(ZvukyListBox);
    if (rows.empty())
        return;
    if (rows.size() > 1 && commands_.ask(cp1250ToUtf8(DeleteSeveralQuestion(rows.size())),
                                         BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    doc_.DeleteUserSounds(rows);
    // The entry that took the first deleted one's place is selected, so that Enter, Space and
    // Delete act on it at once.
    int row = std::min(static_cast<int>(rows.front()), ZvukyListBox->count() - 1);
    if (row >= 0)
        ZvukyListBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    updateButtons();
}

void SoundsPage::addMoreSounds() {
    std::vector<std::string> paths = commands_.services().files.openSounds(true);
    if (paths.empty())
        return;
    AddedSounds added = AddMoreSounds(doc_, paths, QDir::currentPath().toStdString());
    if (!added.refused.empty())
        commands_.stop(cp1250ToUtf8(added.firstError.message()));
}

void SoundsPage::resetSystemSounds() {
    if (commands_.ask("Nastavit syst\u00e9mov\u00e9 zvuky na standardn\u00ed hodnoty?",
                      BoxButtons::YesNo) == BoxAnswer::Yes)
        doc_.ResetSystemSounds();
}

void SoundsPage::togglePreview(QListWidget* list) {
    if (!list)
        return;
    QListWidgetItem* entry = list->currentItem();
    if (!entry || !entry->isSelected())
        return;
    std::size_t row = static_cast<std::size_t>(list->row(entry));
    const std::string& line =
        list == ZvukyListBox ? doc_.UserSounds()[row] : doc_.SystemSounds()[row];
    std::string file(entry_line::FileSpec(line));
    if (!file.empty())
        commands_.services().prompts.togglePreview(file);
}

void SoundsPage::showSound(bool system, std::string_view key) {
    QListWidget* list = system ? ZvukySysListBox : ZvukyListBox;
    const std::vector<std::string>& lines = system ? shownSystemSounds_ : shownUserSounds_;
    list->setFocus();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (sameText(entry_line::Key(lines[i]), key))
            return list->setCurrentRow(static_cast<int>(i));
}

}  // namespace vek::editor
