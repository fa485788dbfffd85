#include "editor/ui/windows_page.h"

#include <array>
#include <tuple>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "editor/document/fields.h"
#include "editor/ui/control_menus.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/page_controls.h"

namespace vek::editor {

WindowsPage::WindowsPage(PageCommands& commands, KeyMap& keys)
    : EditorPage(commands, keys, "OknaSheet"), fields_(doc_, commands.services().boxes, keys) {
    CisloOknaBox = selector("CisloOknaBox", false);
    OknoZvukEdit = selector("OknoZvukEdit", true);
    Okno2pEdit = lineEdit("Okno2pEdit");
    NoveOknoButton = pageButton("NoveOknoButton", "Nové", "Nové okno");
    RnOknoButton = pageButton("RnOknoButton", "Jméno", "Změnit jméno okna");
    SmazOknoButton = pageButton("SmazOknoButton", "Smaž", "Zruš toto okno");
    auto* top = new QHBoxLayout;
    top->addWidget(labelled(CisloOknaBox, "Seznam oken:", "Název okna"));
    top->addWidget(CisloOknaBox, 2);
    top->addWidget(NoveOknoButton);
    top->addWidget(RnOknoButton);
    top->addWidget(SmazOknoButton);
    top->addWidget(fields_.add(OknoZvukEdit, Field::WindowSound, "Zvuk okna"));
    top->addWidget(OknoZvukEdit, 1);
    top->addWidget(fields_.add(Okno2pEdit, Field::Kam, "2. pád názvu okna"));
    top->addWidget(Okno2pEdit, 1);

    RozhlEdit = scriptEditor("RozhlEdit");
    PrichEdit = scriptEditor("PrichEdit");
    OdchEdit = scriptEditor("OdchEdit");
    auto* scripts = new QVBoxLayout;
    for (auto [editor, field, hint] :
         {std::tuple{RozhlEdit, Field::LookScript, "Pole pro příkaz rozhlédni se"},
          {PrichEdit, Field::ArrivalScript, "Pole, prováděné po příchodu do okna"},
          {OdchEdit, Field::DepartureScript, "Pole, prováděné před odchodem z okna"}}) {
        scripts->addWidget(fields_.add(editor, field, hint));
        scripts->addWidget(editor, 1);
    }

    SeznamCestList = entryList("SeznamCestList");
    SeznamPredmetuList = entryList("SeznamPredmetuList");
    HudbaList = entryList("HudbaList");
    AddCestButton = pageButton("AddCestButton", "Přidej", "Přidej cestu");
    DelCestButton = pageButton("DelCestButton", "Uber", "Uber cestu");
    AddPredButton = pageButton("AddPredButton", "Přidej", "Přidej předmět do okna");
    DelPredButton = pageButton("DelPredButton", "Uber", "Uber předmět z okna");
    AddHudButton = pageButton("AddHudButton", "Přidej", "Přidej hudbu");
    DelHudButton = pageButton("DelHudButton", "Uber", "Uber hudbu");
    auto* lists = new QVBoxLayout;
    for (auto [list, entries, hint, add, del] :
         {std::tuple{SeznamCestList, EntryList::Paths, "Seznam cest z tohoto okna", AddCestButton,
                     DelCestButton},
          {SeznamPredmetuList, EntryList::Items, "Seznam předmětů v tomto okně", AddPredButton,
           DelPredButton},
          {HudbaList, EntryList::Music, "Hudba, která tu hraje", AddHudButton, DelHudButton}}) {
        lists->addLayout(
            row({labelled(list, std::string(FieldDefOf(entries).label) + ":", hint), add, del}));
        lists->addWidget(list, 1);
        connect(add, &QPushButton::clicked, this, [this, e = entries] { addEntry(e); });
        connect(del, &QPushButton::clicked, this,
                [this, e = entries, l = list] { commands_.removeEntry(e, l); });
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    }

    auto* body = new QHBoxLayout;
    body->addLayout(scripts, 3);
    body->addLayout(lists, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    const std::array<QWidget*, 9> chain = {CisloOknaBox,   OknoZvukEdit,       Okno2pEdit,
                                           RozhlEdit,      PrichEdit,          OdchEdit,
                                           SeznamCestList, SeznamPredmetuList, HudbaList};
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    bindNameSelector(
        CisloOknaBox, EntityKind::Window, [this] { newWindow(); }, "OknaPopup", "Nové");
    connect(NoveOknoButton, &QPushButton::clicked, this, [this] { newWindow(); });
    connect(RnOknoButton, &QPushButton::clicked, this,
            [this] { commands_.renameEntity(EntityKind::Window); });
    connect(SmazOknoButton, &QPushButton::clicked, this,
            [this] { commands_.deleteEntity(EntityKind::Window); });
    bindEntryKeys(keys_, commands_, SeznamCestList, EntryList::Paths,
                  [this] { goToEntry(EntryList::Paths); });
    bindEntryKeys(keys_, commands_, SeznamPredmetuList, EntryList::Items,
                  [this] { goToEntry(EntryList::Items); });
    bindEntryKeys(keys_, commands_, HudbaList, EntryList::Music);

    const QKeySequence insert(Qt::Key_Insert), del(Qt::Key_Delete), enter(Qt::Key_Return);
    auto window = [this] { return doc_.ShownWindow() != nullptr; };
    for (auto [list, entries, menu, goTo, add, remove] :
         {std::tuple{SeznamCestList, EntryList::Paths, "PathsPopup", "PopJdiNaCestu",
                     "PopPridejCestu", "PopOdstranCestu"},
          {SeznamPredmetuList, EntryList::Items, "ItemsPopup", "PopJdiNaPredmet",
           "PopPridejPredmet", "PopOdstranPredmet"}}) {
        auto selected = [l = list] { return hasSelection(l); };
        attachContextMenu(
            list, menu,
            {{goTo, "Jdi na", enter, [this, e = entries] { goToEntry(e); }, selected},
             {add, "Přidej...", insert, [this, e = entries] { addEntry(e); }, window},
             {remove, "Odstraň", del,
              [this, e = entries, l = list] { commands_.removeEntry(e, l); }, selected}});
    }
    attachContextMenu(
        HudbaList, "HudbaPopup",
        {{"PopPridej", "Přidej", insert, [this] { addEntry(EntryList::Music); }},
         {"PopUber", "Uber", del, [this] { commands_.removeEntry(EntryList::Music, HudbaList); },
          [this] { return hasSelection(HudbaList); }}});

    follow([this](const DocumentChange& change) { changed(change); });
}

QWidget* WindowsPage::firstControl() const {
    return CisloOknaBox;
}

QWidget* WindowsPage::controlOf(Field field) const {
    return fields_.controlOf(field);
}

QListWidget* WindowsPage::controlOf(EntryList list) const {
    switch (list) {
        case EntryList::Paths:
            return SeznamCestList;
        case EntryList::Items:
            return SeznamPredmetuList;
        case EntryList::Music:
            return HudbaList;
        default:
            return nullptr;
    }
}

QComboBox* WindowsPage::steppedSelector(const QWidget*, EntityKind& kind) const {
    kind = EntityKind::Window;
    return CisloOknaBox;
}

void WindowsPage::changed(const DocumentChange& change) {
    switch (change.kind) {
        case ChangeKind::DocumentReplaced:
            return refill();
        case ChangeKind::EntityAdded:
        case ChangeKind::EntityRemoved:
        case ChangeKind::EntityRenamed:
        case ChangeKind::CurrentChanged:
            if (change.entity == EntityKind::Window)
                refill();
            return;
        case ChangeKind::FieldChanged:
            return fields_.fill(change.field);
        case ChangeKind::EntriesChanged:
            if (change.object && change.object == doc_.ShownWindow())
                entriesChanged(change.list);
            return;
        case ChangeKind::SoundsChanged: {
            EditorDocument::UpdateGuard filling(doc_);
            return fillSoundChoices(OknoZvukEdit, shownSoundChoices_);
        }
        default:
            return;
    }
}

void WindowsPage::entriesChanged(EntryList list) {
    QListWidget* widget = controlOf(list);
    if (!widget)
        return;
    EditorDocument::UpdateGuard filling(doc_);
    int row = widget->currentRow();
    fillList(widget, doc_.EntriesOf(list));
    placeCursor(widget, row);
    updateButtons();
}

void WindowsPage::refill() {
    EditorDocument::UpdateGuard filling(doc_);
    fillSoundChoices(OknoZvukEdit, shownSoundChoices_);
    const TOkna* w = doc_.ShownWindow();
    fillEntries(CisloOknaBox, doc_.Windows().names(), shownNames_, doc_.Windows().indexOfObject(w));
    CisloOknaBox->setCurrentIndex(doc_.Windows().indexOfObject(w));
    fields_.fillOwner(FieldOwner::Window);
    fillList(SeznamCestList, w ? &w->Paths : nullptr);
    fillList(SeznamPredmetuList, w ? &w->Items : nullptr);
    fillList(HudbaList, w ? &w->Music : nullptr);
    enableAll({OknoZvukEdit, Okno2pEdit, RozhlEdit, PrichEdit, OdchEdit, SeznamCestList,
               SeznamPredmetuList, HudbaList, AddCestButton, AddPredButton, AddHudButton,
               RnOknoButton, SmazOknoButton},
              w != nullptr);
    updateButtons();
}

void WindowsPage::newWindow() {
    doc_.NewWindow();
    commands_.turnTo(OknaPage, false);
}

void WindowsPage::addEntry(EntryList list) {
    commands_.addEntry(list, controlOf(list));
}

void WindowsPage::goToEntry(EntryList list) {
    std::optional<std::string> name = commands_.currentEntry(controlOf(list));
    if (!name)
        return;
    if (list == EntryList::Paths && doc_.ShowNamed(EntityKind::Window, *name))
        CisloOknaBox->setFocus();
    else if (list == EntryList::Items && doc_.ShowNamed(EntityKind::Item, *name))
        commands_.turnTo(PredmetyPage, true);
}

void WindowsPage::updateButtons() {
    bool shown = doc_.ShownWindow() != nullptr;
    DelCestButton->setEnabled(shown && hasSelection(SeznamCestList));
    DelPredButton->setEnabled(shown && hasSelection(SeznamPredmetuList));
    DelHudButton->setEnabled(shown && hasSelection(HudbaList));
}

}  // namespace vek::editor
