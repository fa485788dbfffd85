#include "editor/ui/menu_page.h"

#include <array>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/qt/qt_text.h"
#include "editor/ui/control_menus.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/page_controls.h"

namespace vek::editor {

MenuPage::MenuPage(PageCommands& commands, KeyMap& keys)
    : EditorPage(commands, keys, "MenuSheet"), fields_(doc_, commands.services().boxes, keys) {
    CisloNabidkyBox = selector("CisloNabidkyBox", false);
    NewNabButton = pageButton("NewNabButton", "Nová", "Nová nabídka");
    JmenoNabButton = pageButton("JmenoNabButton", "Jméno", "Změnit jméno nabídky");
    SmazNabButton = pageButton("SmazNabButton", "Smaž", "Zruš tuto nabídku");
    ParentMenuBox = selector("ParentMenuBox", true);
    SeznamPolBox = entryList("SeznamPolBox");
    AddPolButt = pageButton("AddPolButt", "Přidej", "Přidej položku do této nabídky");
    DelPolButt = pageButton("DelPolButt", "Uber", "Uber položku z této nabídky");
    SetDefHNButt = pageButton("SetDefHNButt", "Obnovit původní nastavení",
                              "Nastavit hlavní nabídku na standardní hodnotu",
                              "Obnovit původní hlavní nabídku");
    SetDefHNButt->setFocusPolicy(Qt::StrongFocus);

    auto* menus = new QVBoxLayout;
    menus->addLayout(row({labelled(CisloNabidkyBox, "Nabídka:", "Název nabídky"), CisloNabidkyBox,
                          NewNabButton, JmenoNabButton, SmazNabButton}));
    menus->addWidget(
        fields_.add(ParentMenuBox, Field::MenuParent, "Nabídka, do které se tato vrací"));
    menus->addWidget(ParentMenuBox);
    menus->addLayout(row({labelled(SeznamPolBox, "Seznam položek:", "Seznam položek nabídky"),
                          AddPolButt, DelPolButt}));
    menus->addWidget(SeznamPolBox, 1);
    menus->addLayout(row({SetDefHNButt}));

    CisloPolozkyBox = selector("CisloPolozkyBox", false);
    NewPolButton = pageButton("NewPolButton", "Nová", "Nová položka");
    JmenoPolButton = pageButton("JmenoPolButton", "Jméno", "Změnit jméno položky");
    SmazPolButton = pageButton("SmazPolButton", "Smaž", "Zruš tuto položku");
    ZvukPolBox = selector("ZvukPolBox", true);
    FunkcePolMemo = scriptEditor("FunkcePolMemo");
    auto* items = new QVBoxLayout;
    items->addLayout(row({labelled(CisloPolozkyBox, "Položka:", "Název položky"), CisloPolozkyBox,
                          NewPolButton, JmenoPolButton, SmazPolButton}));
    items->addWidget(fields_.add(ZvukPolBox, Field::MenuItemSound, "Zvuk, který položku ohlásí"));
    items->addWidget(ZvukPolBox);
    items->addWidget(
        fields_.add(FunkcePolMemo, Field::FunctionScript, "Pole prováděné při aktivaci položky"));
    items->addWidget(FunkcePolMemo, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(menus, 1);
    layout->addLayout(items, 1);

    const std::array<QWidget*, 7> chain = {CisloNabidkyBox, ParentMenuBox,   SeznamPolBox,
                                           SetDefHNButt,    CisloPolozkyBox, ZvukPolBox,
                                           FunkcePolMemo};
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    bindNameSelector(
        CisloNabidkyBox, EntityKind::Menu, [this] { newEntity(EntityKind::Menu); }, "NabidkyPopup",
        "Nová");
    bindNameSelector(
        CisloPolozkyBox, EntityKind::MenuItem, [this] { newEntity(EntityKind::MenuItem); },
        "PolozkyPopup", "Nová");
    for (auto [button, kind] :
         {std::pair{NewNabButton, EntityKind::Menu}, {NewPolButton, EntityKind::MenuItem}})
        connect(button, &QPushButton::clicked, this, [this, k = kind] { newEntity(k); });
    for (auto [button, kind] :
         {std::pair{JmenoNabButton, EntityKind::Menu}, {JmenoPolButton, EntityKind::MenuItem}})
        connect(button, &QPushButton::clicked, this,
                [this, k = kind] { commands_.renameEntity(k); });
    for (auto [button, kind] :
         {std::pair{SmazNabButton, EntityKind::Menu}, {SmazPolButton, EntityKind::MenuItem}})
        connect(button, &QPushButton::clicked, this,
                [this, k = kind] { commands_.deleteEntity(k); });
    connect(AddPolButt, &QPushButton::clicked, this,
            [this] { commands_.addEntry(EntryList::MenuEntries, SeznamPolBox); });
    connect(DelPolButt, &QPushButton::clicked, this,
            [this] { commands_.removeEntry(EntryList::MenuEntries, SeznamPolBox); });
    connect(SetDefHNButt, &QPushButton::clicked, this, [this] { resetMainMenu(); });
    connect(SeznamPolBox, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });

    bindEntryKeys(keys_, commands_, SeznamPolBox, EntryList::MenuEntries, [this] {
        if (std::optional<std::string> name = commands_.currentEntry(SeznamPolBox))
            doc_.ShowNamed(EntityKind::MenuItem, *name);
    });
    attachContextMenu(SeznamPolBox, "PolozkyNabidkyPopup",
                      {{"PopPridej", "Přidej", QKeySequence(Qt::Key_Insert),
                        [this] { commands_.addEntry(EntryList::MenuEntries, SeznamPolBox); }},
                       {"PopUber", "Uber", QKeySequence(Qt::Key_Delete),
                        [this] { commands_.removeEntry(EntryList::MenuEntries, SeznamPolBox); },
                        [this] { return hasSelection(SeznamPolBox); }}});

    follow([this](const DocumentChange& change) { changed(change); });
}

QWidget* MenuPage::firstControl() const {
    return CisloNabidkyBox;
}

QWidget* MenuPage::controlOf(Field field) const {
    return fields_.controlOf(field);
}

QListWidget* MenuPage::controlOf(EntryList list) const {
    return list == EntryList::MenuEntries ? SeznamPolBox : nullptr;
}

// The menu item's side steps through the menu items, the rest through the menus.
QComboBox* MenuPage::steppedSelector(const QWidget* focus, EntityKind& kind) const {
    bool item = focus == CisloPolozkyBox || focus == ZvukPolBox || focus == FunkcePolMemo;
    kind = item ? EntityKind::MenuItem : EntityKind::Menu;
    return item ? CisloPolozkyBox : CisloNabidkyBox;
}

void MenuPage::refill() {
    showMenu();
    showMenuItem();
}

void MenuPage::changed(const DocumentChange& change) {
    switch (change.kind) {
        case ChangeKind::DocumentReplaced:
            return refill();
        case ChangeKind::EntityAdded:
        case ChangeKind::EntityRemoved:
        case ChangeKind::EntityRenamed:
        case ChangeKind::CurrentChanged:
            if (change.entity == EntityKind::Menu)
                showMenu();
            else if (change.entity == EntityKind::MenuItem)
                showMenuItem();
            return;
        case ChangeKind::FieldChanged:
            return fields_.fill(change.field);
        case ChangeKind::EntriesChanged:
            if (change.list == EntryList::MenuEntries && change.object == doc_.ShownMenu()) {
                EditorDocument::UpdateGuard filling(doc_);
                int row = SeznamPolBox->currentRow();
                fillList(SeznamPolBox, doc_.EntriesOf(EntryList::MenuEntries));
                placeCursor(SeznamPolBox, row);
                updateButtons();
            }
            return;
        case ChangeKind::SoundsChanged: {
            EditorDocument::UpdateGuard filling(doc_);
            return fillSoundChoices(ZvukPolBox, shownSoundChoices_);
        }
        default:
            return;
    }
}

void MenuPage::showMenu() {
    EditorDocument::UpdateGuard filling(doc_);
    std::vector<std::string> names = doc_.Menus().names();
    const TNabidka* m = doc_.ShownMenu();
    fillEntries(CisloNabidkyBox, names, shownMenuNames_, doc_.Menus().indexOfObject(m));
    CisloNabidkyBox->setCurrentIndex(doc_.Menus().indexOfObject(m));
    // "(automaticky)" first, then every menu.
    ParentMenuBox->clear();
    ParentMenuBox->addItem(fromCp1250(kAutomaticParent));
    for (const auto& name : names)
        ParentMenuBox->addItem(fromCp1250(name));
    fields_.fillOwner(FieldOwner::Menu);
    fillList(SeznamPolBox, m ? &m->Entries : nullptr);
    enableAll({ParentMenuBox, SeznamPolBox, AddPolButt, JmenoNabButton, SmazNabButton},
              m != nullptr);
    updateButtons();
}

void MenuPage::showMenuItem() {
    EditorDocument::UpdateGuard filling(doc_);
    fillSoundChoices(ZvukPolBox, shownSoundChoices_);
    const TPolozka* item = doc_.ShownMenuItem();
    fillEntries(CisloPolozkyBox, doc_.MenuItems().names(), shownItemNames_,
                doc_.MenuItems().indexOfObject(item));
    CisloPolozkyBox->setCurrentIndex(doc_.MenuItems().indexOfObject(item));
    fields_.fillOwner(FieldOwner::MenuItem);
    enableAll({ZvukPolBox, FunkcePolMemo, JmenoPolButton, SmazPolButton}, item != nullptr);
}

void MenuPage::newEntity(EntityKind kind) {
    if (kind == EntityKind::Menu)
        doc_.NewMenu();
    else
        doc_.NewMenuItem();
    commands_.turnTo(PageNumbers::MenuPage, false);
}

void MenuPage::resetMainMenu() {
    if (commands_.ask("Nastavit hlavn\u00ed nab\u00eddku na standardn\u00ed hodnotu?",
                      BoxButtons::YesNo) != BoxAnswer::Yes)
        return;
    doc_.ResetMainMenu();
}

void MenuPage::updateButtons() {
    DelPolButt->setEnabled(doc_.ShownMenu() && hasSelection(SeznamPolBox));
}

}  // namespace vek::editor
