#include "editor/document/document.h"

#include <algorithm>

#include "common/cp1250.h"
#include "common/sound_entry.h"
#include "common/system_sounds.h"

namespace vek::editor {

namespace {

bool isWholeNumber(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string MakeUniqueName(std::string_view base) {
    std::string name(base);
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

std::string MakeUniqueName(std::string_view base,
                           const std::function<bool(std::string_view)>& taken) {
    std::string candidate = MakeUniqueName(base);
    for (int n = 1; taken(candidate); ++n) {
        std::size_t p = candidate.find('[');
        std::size_t q = candidate.find(']');
        std::string suffix = "[" + std::to_string(n) + "]";
        if (p != std::string::npos && q == candidate.size() - 1 && q > p &&
            isWholeNumber(std::string_view(candidate).substr(p + 1, q - p - 1)))
            candidate = candidate.substr(0, p) + suffix;
        else
            candidate += suffix;
    }
    return candidate;
}

EditorDocument::EditorDocument() {
    Settings.ScenarioName = "Nov\xFD sc\xE9n\xE1\xF8";
    Settings.StartWindow = "Za\xE8\xE1tek_dobrodru\x9Estv\xED";
    Settings.IntroText.add("Pozor, za\xE8\xEDn\xE1me !");
    SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    Search.Reset();
}

const std::vector<std::string>& EditorDocument::DefaultMainMenu() {
    static const std::vector<std::string> entries = {
        "Rozhl\xE9"
        "dni_se[SZrozhledni]",
        "Jdi[SZjdi]",
        "Prozkoumej[SZprozkoumej]",
        "Vezmi[SZvezmi]",
        "Polo\x9E[SZpoloz]",
        "Pou\x9Eij[SZpouzij]",
        "Promluv_si[SZpromluv]",
        "Seznam[SZseznam]",
        "Menu[SZMmenu]",
    };
    return entries;
}

void EditorDocument::pageChanged(DocumentPage page) {
    if (onPageChanged)
        onPageChanged(page);
}

void EditorDocument::SetModified(bool flag) {
    Modified = flag;
    if (onStatusChanged)
        onStatusChanged();
}

void EditorDocument::Changed() {
    if (!Updating)
        SetModified(true);
}

StatusLine EditorDocument::UpdateStatusLine() const {
    StatusLine s;
    s.counts = "oken: " + std::to_string(Windows.size()) +
               ", p\xF8"
               "edm\xECt\xF9: " +
               std::to_string(Items.size()) + ", zvuk\xF9: " + std::to_string(UserSounds.size());
    s.modified = Modified ? "zm\xECn\xECn" : "";
    return s;
}

std::string EditorDocument::WindowTitle() const {
    std::string title = cp1250ToUtf8("Editor sc\xE9n\xE1\xF8\xF9");
    return FileName.empty() ? title : title + " - " + FileName;
}

void EditorDocument::ResetMainMenu() {
    TNabidka* main = Menus.find(kMainMenuName);
    if (!main) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kMainMenuName);
        menu->Parent = std::string(kSystemMenuName);
        main = Menus.add(std::move(menu));
    }
    main->Entries.assign(DefaultMainMenu());
    ShownMenu = main;
    pageChanged(DocumentPage::Menus);
    if (!Menus.find(kSystemMenuName)) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kSystemMenuName);
        menu->Parent =
            "(\x9E\xE1"
            "dn\xE1)";
        menu->Entries.add("Polo\x9Eky jsou nep\xF8\xEDstupn\xE9!");
        Menus.add(std::move(menu));
    }
}

void EditorDocument::ClearDocument() {
    Windows.clear();
    Items.clear();
    Menus.clear();
    MenuItems.clear();
    ShownWindow = nullptr;
    ShownItem = nullptr;
    ShownMenu = nullptr;
    ShownMenuItem = nullptr;
    Search.Reset();
    UserSounds.clear();
    SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    std::string keptStart = Settings.StartWindow;  // "Nový" leaves the start window alone
    Settings = ScenarioSettings{};
    Settings.ScenarioName = "Nov\xFD sc\xE9n\xE1\xF8";
    Settings.StartWindow = keptStart;
    for (auto page : {DocumentPage::Windows, DocumentPage::Items, DocumentPage::Sounds,
                      DocumentPage::MenuItems})
        pageChanged(page);
    SetModified(false);
}

void EditorDocument::CreateStartupScenario() {
    ClearDocument();
    FileName.clear();
    Settings.StartWindow = "Za\xE8\xE1tek_dobrodru\x9Estv\xED";
    Settings.ScenarioName = "Nov\xFD sc\xE9n\xE1\xF8";
    Settings.IntroText.assign({"Pozor, za\xE8\xEDn\xE1me !"});

    auto window = std::make_unique<TOkna>();
    window->Name = "Za\xE8\xE1tek_dobrodru\x9Estv\xED";
    window->LookScript.add("Zat\xEDm tu nen\xED nic zaj\xEDmav\xE9ho");
    window->Kam = "na za\xE8\xE1tek dobrodru\x9Estv\xED";
    ShownWindow = Windows.add(std::move(window));

    auto item = std::make_unique<TPredmet>();
    item->Name = "\x8Eidle";
    item->ExamineScript.add(
        "Oby\xE8"
        "ejn\xE1 d\xF8"
        "ev\xECn\xE1 \x9Eidle");
    item->Co = "\x9Eidli";
    ShownItem = Items.add(std::move(item));

    SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    pageChanged(DocumentPage::Windows);
    pageChanged(DocumentPage::Items);
    SetModified(false);
}

void EditorDocument::PurgeUnnamed() {
    auto unnamed = [](const auto* e) { return e->Name.empty(); };
    if (ShownWindow && ShownWindow->Name.empty())
        ShownWindow = nullptr;
    if (ShownItem && ShownItem->Name.empty())
        ShownItem = nullptr;
    Windows.removeIf(unnamed);
    Items.removeIf(unnamed);
    if (!ShownWindow && !Windows.empty())
        ShownWindow = Windows.objectAt(0);
    if (!ShownItem && !Items.empty())
        ShownItem = Items.objectAt(0);
}

void EditorDocument::AdoptContent(EditorDocument&& other) {
    Windows = std::move(other.Windows);
    Items = std::move(other.Items);
    Menus = std::move(other.Menus);
    MenuItems = std::move(other.MenuItems);
    UserSounds = std::move(other.UserSounds);
    SystemSounds = std::move(other.SystemSounds);
    Settings = std::move(other.Settings);
    FileName = std::move(other.FileName);
    ShownWindow = other.ShownWindow;
    ShownItem = other.ShownItem;
    ShownMenu = other.ShownMenu;
    ShownMenuItem = other.ShownMenuItem;
    Search.Reset();
    Updating = false;
    for (auto page : {DocumentPage::Windows, DocumentPage::Items, DocumentPage::Sounds,
                      DocumentPage::Menus, DocumentPage::MenuItems})
        pageChanged(page);
    SetModified(other.Modified);
}

// ---- creating -------------------------------------------------------------------------------

TOkna* EditorDocument::NewWindow() {
    auto window = std::make_unique<TOkna>();
    window->Name = MakeUniqueName("Nov\xE9 okno[1]",
                                  [this](std::string_view n) { return Windows.contains(n); });
    ShownWindow = Windows.add(std::move(window));
    pageChanged(DocumentPage::Windows);
    SetModified(true);
    return ShownWindow;
}

TPredmet* EditorDocument::NewItem() {
    auto item = std::make_unique<TPredmet>();
    item->Name = MakeUniqueName(
        "Nov\xFD p\xF8"
        "edm\xECt[1]",
        [this](std::string_view n) { return Items.contains(n); });
    ShownItem = Items.add(std::move(item));
    pageChanged(DocumentPage::Items);
    SetModified(true);
    return ShownItem;
}

TNabidka* EditorDocument::NewMenu() {
    auto menu = std::make_unique<TNabidka>();
    menu->Name = MakeUniqueName(
        "Nov\xE1 nab\xED"
        "dka[1]",
        [this](std::string_view n) { return Menus.contains(n); });
    menu->Parent = std::string(kAutomaticParent);
    ShownMenu = Menus.add(std::move(menu));
    pageChanged(DocumentPage::Menus);
    SetModified(true);
    return ShownMenu;
}

TPolozka* EditorDocument::NewMenuItem() {
    auto entry = std::make_unique<TPolozka>();
    entry->Name = MakeUniqueName("Nov\xE1 polo\x9Eka[1]",
                                 [this](std::string_view n) { return MenuItems.contains(n); });
    ShownMenuItem = MenuItems.add(std::move(entry));
    pageChanged(DocumentPage::MenuItems);
    SetModified(true);
    return ShownMenuItem;
}

// ---- deleting -------------------------------------------------------------------------------

template <typename T>
void EditorDocument::deleteShown(SortedNamedList<T>& list, T*& shown, DocumentPage page) {
    if (list.empty())
        return;
    int i = list.indexOfObject(shown);
    if (i >= 0) {
        list.removeAt(static_cast<std::size_t>(i));
        shown = list.empty() ? nullptr
                             : list.objectAt(std::min<std::size_t>(static_cast<std::size_t>(i),
                                                                   list.size() - 1));
    } else {
        shown = list.objectAt(0);
    }
    pageChanged(page);
    SetModified(true);
}

void EditorDocument::DeleteShownWindow() {
    if (!ShownWindow)
        return deleteShown(Windows, ShownWindow, DocumentPage::Windows);
    std::string name = ShownWindow->Name;
    for (std::size_t i = 0; i < Windows.size(); ++i)
        Windows.objectAt(i)->Paths.remove(name);
    deleteShown(Windows, ShownWindow, DocumentPage::Windows);
}

void EditorDocument::DeleteShownItem() {
    if (ShownItem) {
        std::string name = ShownItem->Name;
        for (std::size_t i = 0; i < Windows.size(); ++i)
            Windows.objectAt(i)->Items.remove(name);
    }
    deleteShown(Items, ShownItem, DocumentPage::Items);
    pageChanged(DocumentPage::Windows);
}

EditResult EditorDocument::CanDeleteShownMenu() const {
    if (ShownMenu &&
        (sameText(ShownMenu->Name, kMainMenuName) || sameText(ShownMenu->Name, kSystemMenuName)))
        return EditResult::refused(
            "Nab\xED"
            "dku '" +
            ShownMenu->Name + "' nelze smazat!");
    return {};
}

EditResult EditorDocument::DeleteShownMenu() {
    EditResult check = CanDeleteShownMenu();
    if (check.done)
        deleteShown(Menus, ShownMenu, DocumentPage::Menus);
    return check;
}

EditResult EditorDocument::CanDeleteShownMenuItem() const {
    if (ShownMenuItem) {
        for (const auto& entry : DefaultMainMenu())
            if (sameText(ShownMenuItem->Name, entry))
                return EditResult::refused("Polo\x9Eku '" + ShownMenuItem->Name +
                                           "' nelze smazat!");
    }
    return {};
}

EditResult EditorDocument::DeleteShownMenuItem() {
    EditResult check = CanDeleteShownMenuItem();
    if (check.done)
        deleteShown(MenuItems, ShownMenuItem, DocumentPage::MenuItems);
    return check;
}

// ---- moving between entities -----------------------------------------------------------------

namespace {

template <typename T>
bool step(const SortedNamedList<T>& list, T*& shown, int direction) {
    int i = list.indexOfObject(shown);
    if (i < 0)
        return false;
    long next = static_cast<long>(i) + direction;
    if (next < 0 || next >= static_cast<long>(list.size()))
        return false;
    shown = list.objectAt(static_cast<std::size_t>(next));
    return true;
}

}  // namespace

bool EditorDocument::StepShown(EntityKind kind, int direction) {
    bool moved = false;
    DocumentPage page = DocumentPage::Windows;
    switch (kind) {
        case EntityKind::Window:
            moved = step(Windows, ShownWindow, direction);
            break;
        case EntityKind::Item:
            moved = step(Items, ShownItem, direction);
            page = DocumentPage::Items;
            break;
        case EntityKind::Menu:
            moved = step(Menus, ShownMenu, direction);
            page = DocumentPage::Menus;
            break;
        case EntityKind::MenuItem:
            moved = step(MenuItems, ShownMenuItem, direction);
            page = DocumentPage::MenuItems;
            break;
    }
    if (moved)
        pageChanged(page);
    return moved;
}

// ---- renaming -------------------------------------------------------------------------------

namespace {

template <typename T>
T* renameIn(SortedNamedList<T>& list, T* shown, std::string_view newText) {
    int i = list.indexOfObject(shown);
    if (i < 0)
        return nullptr;
    std::unique_ptr<T> object = list.takeAt(static_cast<std::size_t>(i));
    object->Name =
        MakeUniqueName(newText, [&list](std::string_view n) { return list.contains(n); });
    return list.add(std::move(object));
}

void replaceEvery(TSpecStrings& list, std::string_view oldName, const std::string& newName) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (sameText(list[i], oldName))
            list.set(i, newName);
}

}  // namespace

EditResult EditorDocument::CanRename(EntityKind kind) const {
    if (kind == EntityKind::Menu && ShownMenu &&
        (sameText(ShownMenu->Name, kMainMenuName) || sameText(ShownMenu->Name, kSystemMenuName)))
        return EditResult::refused(
            "Nab\xED"
            "dku '" +
            ShownMenu->Name +
            "' nelze p\xF8"
            "ejmenovat!");
    return {};
}

EditResult EditorDocument::Rename(EntityKind kind, std::string_view newText) {
    EditResult check = CanRename(kind);
    if (!check.done)
        return check;
    switch (kind) {
        case EntityKind::Window: {
            if (!ShownWindow)
                return EditResult{false, {}};
            std::string oldName = ShownWindow->Name;
            ShownWindow = renameIn(Windows, ShownWindow, newText);
            for (std::size_t i = 0; i < Windows.size(); ++i)
                replaceEvery(Windows.objectAt(i)->Paths, oldName, ShownWindow->Name);
            if (Settings.StartWindow == oldName)
                Settings.StartWindow = ShownWindow->Name;
            break;
        }
        case EntityKind::Item: {
            if (!ShownItem)
                return EditResult{false, {}};
            std::string oldName = ShownItem->Name;
            ShownItem = renameIn(Items, ShownItem, newText);
            for (std::size_t i = 0; i < Windows.size(); ++i)
                replaceEvery(Windows.objectAt(i)->Items, oldName, ShownItem->Name);
            pageChanged(DocumentPage::Items);
            break;
        }
        case EntityKind::Menu:
            if (!ShownMenu)
                return EditResult{false, {}};
            ShownMenu = renameIn(Menus, ShownMenu, newText);
            pageChanged(DocumentPage::Menus);
            break;
        case EntityKind::MenuItem:
            if (!ShownMenuItem)
                return EditResult{false, {}};
            ShownMenuItem = renameIn(MenuItems, ShownMenuItem, newText);
            pageChanged(DocumentPage::MenuItems);
            break;
    }
    pageChanged(DocumentPage::Windows);
    SetModified(true);
    return {};
}

// ---- list entries ---------------------------------------------------------------------------

std::vector<std::string> EditorDocument::Choices(EntryList list) const {
    std::vector<std::string> out;
    switch (list) {
        case EntryList::Paths:
            return Windows.names();
        case EntryList::Items:
            return Items.names();
        case EntryList::Music:
            out = UserSounds.lines();
            for (auto& line : out)
                line = std::string(entry_line::Key(line));
            for (const auto& line : SystemSounds)
                out.emplace_back(entry_line::Key(line));
            return out;
        case EntryList::MenuEntries:
            out = MenuItems.names();
            out.insert(out.end(), DefaultMainMenu().begin(), DefaultMainMenu().end());
            return out;
        case EntryList::Inventory:
            return TakeableItemNames();
    }
    return out;
}

std::vector<std::string> EditorDocument::TakeableItemNames() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items.objectAt(i)->CanTake)
            out.push_back(Items.nameAt(i));
    return out;
}

std::vector<std::string> EditorDocument::SoundChoices() const {
    std::vector<std::string> out{std::string(kNoSound)};
    auto music = Choices(EntryList::Music);
    out.insert(out.end(), music.begin(), music.end());
    return out;
}

TSpecStrings* EditorDocument::EntriesOf(EntryList list) const {
    switch (list) {
        case EntryList::Paths:
            return ShownWindow ? &ShownWindow->Paths : nullptr;
        case EntryList::Items:
            return ShownWindow ? &ShownWindow->Items : nullptr;
        case EntryList::Music:
            return ShownWindow ? &ShownWindow->Music : nullptr;
        case EntryList::MenuEntries:
            return ShownMenu ? &ShownMenu->Entries : nullptr;
        case EntryList::Inventory:
            return const_cast<TSpecStrings*>(&Settings.Inventory);
    }
    return nullptr;
}

TSpecStrings* EditorDocument::entryTarget(EntryList list, EditResult& refusal) const {
    if (list == EntryList::MenuEntries &&
        (!ShownMenu || sameText(ShownMenu->Name, kSystemMenuName))) {
        refusal = EditResult::refused(
            "Syst\xE9movou nab\xED"
            "dku nelze m\xECnit!");
        return nullptr;
    }
    TSpecStrings* target = EntriesOf(list);
    if (!target)
        refusal = EditResult{false, {}};
    return target;
}

EditResult EditorDocument::AddEntry(EntryList list, std::string_view name) {
    EditResult result;
    TSpecStrings* target = entryTarget(list, result);
    if (!target || name.empty())
        return target ? EditResult{false, {}} : result;
    if (!target->contains(name))
        target->add(std::string(name));
    SetModified(true);
    return result;
}

EditResult EditorDocument::RemoveEntry(EntryList list, std::size_t position) {
    EditResult result;
    TSpecStrings* target = entryTarget(list, result);
    if (!target || position >= target->size())
        return target ? EditResult{false, {}} : result;
    target->removeAt(position);
    SetModified(true);
    return result;
}

int EditorDocument::MoveEntry(EntryList list, std::size_t position, int direction) {
    EditResult refusal;
    TSpecStrings* target = entryTarget(list, refusal);
    if (!target || position >= target->size())
        return -1;
    long other = static_cast<long>(position) + direction;
    if (other < 0 || other >= static_cast<long>(target->size()))
        return -1;
    std::string moved = (*target)[position];
    target->set(position, (*target)[static_cast<std::size_t>(other)]);
    target->set(static_cast<std::size_t>(other), std::move(moved));
    SetModified(true);
    return static_cast<int>(other);
}

void EditorDocument::DeleteUserSounds(std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        if (*it < UserSounds.size())
            UserSounds.removeAt(*it);
    pageChanged(DocumentPage::Sounds);
    SetModified(true);
}

void EditorDocument::ResetSystemSounds() {
    SystemSounds.assign(editorDefaultSystemSounds());
    pageChanged(DocumentPage::Sounds);
    SetModified(true);
}

void EditorDocument::StoreWindowSound(std::string_view text) {
    if (!ShownWindow || Updating)
        return;
    ShownWindow->SoundId = text == kNoSound ? std::string() : std::string(text);
    SetModified(true);
}

void EditorDocument::StoreItemSound(std::string_view text) {
    if (!ShownItem || Updating)
        return;
    ShownItem->SoundId = text == kNoSound ? std::string() : std::string(text);
    SetModified(true);
}

void EditorDocument::EnsureStartWindow() {
    // Looked up as every window name is, without regard to case: the player finds "sklep" in a
    // window called Sklep, so such a start window is kept as written.
    if (!Windows.empty() && !Windows.contains(Settings.StartWindow))
        Settings.StartWindow = Windows.nameAt(0);
}

const std::string* EditorDocument::FindSoundLine(std::string_view key) const {
    int i = UserSounds.indexOfKey(key);
    if (i >= 0)
        return &UserSounds[static_cast<std::size_t>(i)];
    for (const auto& line : SystemSounds)
        if (sameText(entry_line::Key(line), key))
            return &line;
    return nullptr;
}

int SortedLines::indexOfKey(std::string_view key) const {
    for (std::size_t i = 0; i < size(); ++i)
        if (sameText(entry_line::Key((*this)[i]), key))
            return static_cast<int>(i);
    return -1;
}

}  // namespace vek::editor
