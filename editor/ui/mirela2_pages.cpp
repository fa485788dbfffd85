// Filling the pages from the document, and writing each control's change back into it.
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/qt/cp1250_guard.h"
#include "common/qt/qt_text.h"
#include "common/sound_entry.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

// Refills a selector's entries only when they changed: stepping through thousands of windows
// must not rebuild a list of thousands each time.
void fillEntries(QComboBox* box, const std::vector<std::string>& names,
                 std::vector<std::string>& shown) {
    if (names == shown && box->count() == static_cast<int>(names.size()))
        return;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names)
        entries << fromCp1250(name);
    box->clear();
    box->addItems(entries);
    shown = names;
}

void fillEntries(QListWidget* list, const std::vector<std::string>& lines,
                 std::vector<std::string>& shown) {
    if (lines == shown && list->count() == static_cast<int>(lines.size()))
        return;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        entries << fromCp1250(line);
    list->clear();
    list->addItems(entries);
    shown = lines;
}

void fillList(QListWidget* list, const TSpecStrings* lines) {
    list->clear();
    if (!lines)
        return;
    QStringList entries;
    for (const auto& line : *lines)
        entries << fromCp1250(line);
    list->addItems(entries);
}

}  // namespace

// Leaves the list's keyboard cursor at `row` (or the last entry) without selecting it.
void placeCursor(QListWidget* list, int row) {
    row = std::min(row, list->count() - 1);
    if (row >= 0)
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::NoUpdate);
}

void fillEditor(QPlainTextEdit* editor, const TSpecStrings* lines) {
    QString text;
    if (lines) {
        for (std::size_t i = 0; i < lines->size(); ++i) {
            if (i)
                text += '\n';
            text += fromCp1250((*lines)[i]);
        }
    }
    if (editor->toPlainText() != text)
        editor->setPlainText(text);
}

namespace {

void setText(QLineEdit* edit, const std::string* text) {
    QString value = text ? fromCp1250(*text) : QString();
    if (edit->text() != value)
        edit->setText(value);
}

void setSelectorText(QComboBox* box, const std::string& text) {
    QString value = fromCp1250(text);
    int index = box->findText(value, Qt::MatchFixedString);
    box->setCurrentIndex(index);
    if (box->isEditable() && box->currentText() != value)
        box->setEditText(value);
}

// The window and item sound selectors show no sound as "(žádný)".
void setSoundText(QComboBox* box, const std::string& soundId) {
    setSelectorText(box, soundId.empty() ? std::string(kNoSound) : soundId);
}

template <typename T>
int indexIn(const SortedNamedList<T>& list, const T* shown) {
    return list.indexOfObject(shown);
}

}  // namespace

void Mirela2_form::documentChanged(const DocumentChange& change) {
    switch (change.kind) {
        case ChangeKind::DocumentReplaced:
            refreshAll();
            return;
        case ChangeKind::EntityAdded:
        case ChangeKind::EntityRemoved:
        case ChangeKind::EntityRenamed:
        case ChangeKind::CurrentChanged:
            entityPageChanged(change.entity);
            break;
        case ChangeKind::FieldChanged:
            fieldChanged(change.field);
            break;
        case ChangeKind::EntriesChanged:
            entriesChanged(change.list, change.object);
            break;
        case ChangeKind::SoundsChanged:
            showSoundPage();
            break;
        case ChangeKind::ModifiedChanged:
            break;
    }
    updateStatus();
}

void Mirela2_form::entityPageChanged(EntityKind kind) {
    switch (kind) {
        case EntityKind::Window:
            showWindowPage();
            break;
        case EntityKind::Item:
            showItemPage();
            break;
        case EntityKind::Menu:
            showMenuPage();
            break;
        case EntityKind::MenuItem:
            showMenuItemPage();
            break;
    }
}

// Only the control of the changed field is refilled: the others keep their selection and caret.
void Mirela2_form::fieldChanged(Field field) {
    if (writing_ == field)
        return;  // the control shows the change already; refilling would move its caret
    EditorDocument::UpdateGuard filling(doc_);
    for (QPlainTextEdit* editor : scriptEditors_)
        if (editor->property("field").toInt() == static_cast<int>(field))
            return fillEditor(editor, doc_.FieldLines(field));
    switch (field) {
        case Field::Kam:
            return setText(Okno2pEdit, doc_.ShownWindow() ? &doc_.ShownWindow()->Kam : nullptr);
        case Field::Co:
            return setText(Pred4pEdit, doc_.ShownItem() ? &doc_.ShownItem()->Co : nullptr);
        case Field::WindowSound:
            return setSoundText(OknoZvukEdit, doc_.FieldText(field));
        case Field::ItemSound:
            return setSoundText(PredZvukEdit, doc_.FieldText(field));
        case Field::MenuItemSound:
            return setSelectorText(ZvukPolBox, doc_.FieldText(field));
        case Field::MenuParent:
            return setSelectorText(ParentMenuBox, doc_.FieldText(field));
        case Field::CanTake:
            return LzeVzitBox->setChecked(doc_.FieldFlag(field));
        case Field::UseOn:
            return PouzNaBox->setChecked(doc_.FieldFlag(field));
        case Field::IsCharacter:
            return PostavaBox->setChecked(doc_.FieldFlag(field));
        default:
            return;  // the settings belong to the properties dialog
    }
}

void Mirela2_form::entriesChanged(EntryList list, const void* owner) {
    bool shown = list == EntryList::MenuEntries ? owner == doc_.ShownMenu()
                                                : owner == doc_.ShownWindow() && owner;
    if (!shown || list == EntryList::Inventory)
        return;
    EditorDocument::UpdateGuard filling(doc_);
    QListWidget* widget = listOf(list);
    int row = widget->currentRow();
    fillList(widget, doc_.EntriesOf(list));
    placeCursor(widget, row);
    updateButtons();
}

// Every script editor of the owner's page, from the shown window, item or menu item.
void Mirela2_form::fillScripts(FieldOwner owner) {
    for (QPlainTextEdit* editor : scriptEditors_) {
        auto field = static_cast<Field>(editor->property("field").toInt());
        if (OwnerOf(field) == owner)
            fillEditor(editor, doc_.FieldLines(field));
    }
}

void Mirela2_form::showWindowPage() {
    EditorDocument::UpdateGuard filling(doc_);
    fillSoundSelectors();
    fillEntries(CisloOknaBox, doc_.Windows().names(), shownWindowNames_);
    const TOkna* w = doc_.ShownWindow();
    CisloOknaBox->setCurrentIndex(indexIn(doc_.Windows(), w));
    setSoundText(OknoZvukEdit, w ? w->SoundId : std::string());
    setText(Okno2pEdit, w ? &w->Kam : nullptr);
    fillScripts(FieldOwner::Window);
    fillList(SeznamCestList, w ? &w->Paths : nullptr);
    fillList(SeznamPredmetuList, w ? &w->Items : nullptr);
    fillList(HudbaList, w ? &w->Music : nullptr);
    for (QWidget* control : std::initializer_list<QWidget*>{
             OknoZvukEdit, Okno2pEdit, RozhlEdit, PrichEdit, OdchEdit, SeznamCestList,
             SeznamPredmetuList, HudbaList, AddCestButton, AddPredButton, AddHudButton,
             RnOknoButton, SmazOknoButton})
        control->setEnabled(w != nullptr);
    updateButtons();
}

void Mirela2_form::showItemPage() {
    EditorDocument::UpdateGuard filling(doc_);
    fillSoundSelectors();
    fillEntries(CisloPredmetuBox, doc_.Items().names(), shownItemNames_);
    const TPredmet* p = doc_.ShownItem();
    CisloPredmetuBox->setCurrentIndex(indexIn(doc_.Items(), p));
    setText(Pred4pEdit, p ? &p->Co : nullptr);
    setSoundText(PredZvukEdit, p ? p->SoundId : std::string());
    fillScripts(FieldOwner::Item);
    LzeVzitBox->setChecked(p && p->CanTake);
    PouzNaBox->setChecked(p && p->UseOn);
    PostavaBox->setChecked(p && p->IsCharacter);
    for (QWidget* control : std::initializer_list<QWidget*>{
             Pred4pEdit, PredZvukEdit, ProzkEdit, VezmiEdit, PolozEdit, PouzEdit, PromlEdit,
             LzeVzitBox, PouzNaBox, PostavaBox, JmenoPredmetuButton, SmazPredmetButton})
        control->setEnabled(p != nullptr);
}

void Mirela2_form::showSoundPage() {
    EditorDocument::UpdateGuard filling(doc_);
    fillEntries(ZvukyListBox, doc_.UserSounds().lines(), shownUserSounds_);
    fillEntries(ZvukySysListBox, doc_.SystemSounds().items(), shownSystemSounds_);
    fillSoundSelectors();
    updateButtons();
}

void Mirela2_form::showMenuPage() {
    EditorDocument::UpdateGuard filling(doc_);
    std::vector<std::string> names = doc_.Menus().names();
    fillEntries(CisloNabidkyBox, names, shownMenuNames_);
    const TNabidka* m = doc_.ShownMenu();
    CisloNabidkyBox->setCurrentIndex(indexIn(doc_.Menus(), m));
    // "(automaticky)" first, then every menu.
    ParentMenuBox->clear();
    ParentMenuBox->addItem(fromCp1250(kAutomaticParent));
    for (const auto& name : names)
        ParentMenuBox->addItem(fromCp1250(name));
    setSelectorText(ParentMenuBox, m ? m->Parent : "");
    fillList(SeznamPolBox, m ? &m->Entries : nullptr);
    for (QWidget* control : std::initializer_list<QWidget*>{ParentMenuBox, SeznamPolBox, AddPolButt,
                                                            JmenoNabButton, SmazNabButton})
        control->setEnabled(m != nullptr);
    updateButtons();
}

void Mirela2_form::showMenuItemPage() {
    EditorDocument::UpdateGuard filling(doc_);
    fillSoundSelectors();
    fillEntries(CisloPolozkyBox, doc_.MenuItems().names(), shownMenuItemNames_);
    const TPolozka* item = doc_.ShownMenuItem();
    CisloPolozkyBox->setCurrentIndex(indexIn(doc_.MenuItems(), item));
    setSelectorText(ZvukPolBox, item ? item->SoundId : "");
    fillScripts(FieldOwner::MenuItem);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ZvukPolBox, FunkcePolMemo, JmenoPolButton, SmazPolButton})
        control->setEnabled(item != nullptr);
}

void Mirela2_form::fillSoundSelectors() {
    std::vector<std::string> choices = doc_.SoundChoices();
    if (choices == shownSoundChoices_)
        return;
    shownSoundChoices_ = choices;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(choices.size()));
    for (const auto& choice : choices)
        entries << fromCp1250(choice);
    for (QComboBox* box : {OknoZvukEdit, PredZvukEdit, ZvukPolBox}) {
        QString text = box->currentText();
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(box->findText(text, Qt::MatchFixedString));
        box->setEditText(text);
    }
}

void Mirela2_form::updateStatus() {
    StatusLine line = doc_.UpdateStatusLine();
    CountsPanel->setText(fromCp1250(line.counts));
    ModifiedPanel->setText(fromCp1250(line.modified));
}

void Mirela2_form::updateTitle() {
    setWindowTitle(QString::fromStdString(doc_.WindowTitle()));
}

void Mirela2_form::updateButtons() {
    auto selected = [](QListWidget* list) { return !list->selectedItems().isEmpty(); };
    DelCestButton->setEnabled(doc_.ShownWindow() && selected(SeznamCestList));
    DelPredButton->setEnabled(doc_.ShownWindow() && selected(SeznamPredmetuList));
    DelHudButton->setEnabled(doc_.ShownWindow() && selected(HudbaList));
    DelPolButt->setEnabled(doc_.ShownMenu() && selected(SeznamPolBox));
    bool userSelected = !ZvukyListBox->selectedItems().isEmpty();
    ChZvukButt->setEnabled(userSelected);
    DelZvukButt->setEnabled(userSelected);
    ChSysZvukButt->setEnabled(!ZvukySysListBox->selectedItems().isEmpty());
}

void Mirela2_form::updateRecentMenu() {
    std::vector<std::string> captions = services_.recent.NastavSoubory();
    for (std::size_t i = 0; i < MIRecent.size(); ++i) {
        // Slots beyond the list stay as they are: an opened file never leaves the list.
        if (i < captions.size()) {
            QString caption = QString::fromStdString(captions[i]);
            caption.replace('&', "&&");
            MIRecent[i]->setText(caption);
            MIRecent[i]->setVisible(true);
        }
    }
}

void Mirela2_form::updateToolsMenu() {
    QWidget* control = focusedControl();
    bool script = isScriptEditor(control);
    bool caseForm = control == Okno2pEdit || control == Pred4pEdit;
    MIPodminka->setEnabled(script && hooks_.condition);
    MIAkce->setEnabled(script && hooks_.action);
    MIZvukovaAkce->setEnabled((script || caseForm) && hooks_.soundAction);
}

// ---- write-back ------------------------------------------------------------------------------

void Mirela2_form::connectWriteBack() {
    const std::array<std::pair<QPlainTextEdit*, Field>, 9> scripts = {
        {{RozhlEdit, Field::LookScript},
         {PrichEdit, Field::ArrivalScript},
         {OdchEdit, Field::DepartureScript},
         {ProzkEdit, Field::ExamineScript},
         {VezmiEdit, Field::TakeScript},
         {PolozEdit, Field::PutScript},
         {PouzEdit, Field::UseScript},
         {PromlEdit, Field::TalkScript},
         {FunkcePolMemo, Field::FunctionScript}}};
    for (auto [editor, field] : scripts) {
        editor->setProperty("field", static_cast<int>(field));
        connect(editor, &QPlainTextEdit::textChanged, this,
                [this, editor, field] { scriptEdited(editor, field); });
    }
    connect(Okno2pEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { textEdited(text, Field::Kam); });
    connect(Pred4pEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { textEdited(text, Field::Co); });
    for (auto [box, field] :
         {std::pair{OknoZvukEdit, Field::WindowSound}, std::pair{PredZvukEdit, Field::ItemSound},
          std::pair{ZvukPolBox, Field::MenuItemSound}, std::pair{ParentMenuBox, Field::MenuParent}})
        connect(box, &QComboBox::currentTextChanged, this,
                [this, field](const QString& text) { textEdited(text, field); });
    for (auto [box, field] :
         {std::pair{LzeVzitBox, Field::CanTake}, std::pair{PouzNaBox, Field::UseOn},
          std::pair{PostavaBox, Field::IsCharacter}})
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            if (!doc_.Updating())
                writeField(field, [&] { doc_.SetFieldFlag(field, on); });
        });

    connect(CisloOknaBox, &QComboBox::activated, this,
            [this](int i) { chooseShown(EntityKind::Window, i); });
    connect(CisloPredmetuBox, &QComboBox::activated, this,
            [this](int i) { chooseShown(EntityKind::Item, i); });
    connect(CisloNabidkyBox, &QComboBox::activated, this,
            [this](int i) { chooseShown(EntityKind::Menu, i); });
    connect(CisloPolozkyBox, &QComboBox::activated, this,
            [this](int i) { chooseShown(EntityKind::MenuItem, i); });
    // Arrow keys in a closed selector change the choice without "activated".
    for (auto [box, kind] : {std::pair{CisloOknaBox, EntityKind::Window},
                             std::pair{CisloPredmetuBox, EntityKind::Item},
                             std::pair{CisloNabidkyBox, EntityKind::Menu},
                             std::pair{CisloPolozkyBox, EntityKind::MenuItem}})
        connect(box, &QComboBox::currentIndexChanged, this, [this, kind](int i) {
            if (!doc_.Updating() && i >= 0)
                chooseShown(kind, i);
        });

    for (QListWidget* list : {SeznamCestList, SeznamPredmetuList, HudbaList, SeznamPolBox,
                              ZvukyListBox, ZvukySysListBox})
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { updateButtons(); });

    connect(NoveOknoButton, &QPushButton::clicked, this, [this] { newEntity(EntityKind::Window); });
    connect(RnOknoButton, &QPushButton::clicked, this,
            [this] { renameEntity(EntityKind::Window); });
    connect(SmazOknoButton, &QPushButton::clicked, this,
            [this] { deleteEntity(EntityKind::Window); });
    connect(NovyPredmetButton, &QPushButton::clicked, this,
            [this] { newEntity(EntityKind::Item); });
    connect(JmenoPredmetuButton, &QPushButton::clicked, this,
            [this] { renameEntity(EntityKind::Item); });
    connect(SmazPredmetButton, &QPushButton::clicked, this,
            [this] { deleteEntity(EntityKind::Item); });
    connect(NewNabButton, &QPushButton::clicked, this, [this] { newEntity(EntityKind::Menu); });
    connect(JmenoNabButton, &QPushButton::clicked, this,
            [this] { renameEntity(EntityKind::Menu); });
    connect(SmazNabButton, &QPushButton::clicked, this, [this] { deleteEntity(EntityKind::Menu); });
    connect(NewPolButton, &QPushButton::clicked, this, [this] { newEntity(EntityKind::MenuItem); });
    connect(JmenoPolButton, &QPushButton::clicked, this,
            [this] { renameEntity(EntityKind::MenuItem); });
    connect(SmazPolButton, &QPushButton::clicked, this,
            [this] { deleteEntity(EntityKind::MenuItem); });

    connect(AddCestButton, &QPushButton::clicked, this, [this] { addEntry(EntryList::Paths); });
    connect(DelCestButton, &QPushButton::clicked, this, [this] { removeEntry(EntryList::Paths); });
    connect(AddPredButton, &QPushButton::clicked, this, [this] { addEntry(EntryList::Items); });
    connect(DelPredButton, &QPushButton::clicked, this, [this] { removeEntry(EntryList::Items); });
    connect(AddHudButton, &QPushButton::clicked, this, [this] { addEntry(EntryList::Music); });
    connect(DelHudButton, &QPushButton::clicked, this, [this] { removeEntry(EntryList::Music); });
    connect(AddPolButt, &QPushButton::clicked, this, [this] { addEntry(EntryList::MenuEntries); });
    connect(DelPolButt, &QPushButton::clicked, this,
            [this] { removeEntry(EntryList::MenuEntries); });
    connect(SetDefHNButt, &QPushButton::clicked, this, [this] { resetMainMenu(); });

    connect(AddZvukButt, &QPushButton::clicked, this, [this] { addSound(); });
    connect(ChZvukButt, &QPushButton::clicked, this, [this] { changeSounds(); });
    connect(DelZvukButt, &QPushButton::clicked, this, [this] { deleteSounds(); });
    connect(AddMoreButt, &QPushButton::clicked, this, [this] { addMoreSounds(); });
    connect(ChSysZvukButt, &QPushButton::clicked, this, [this] { changeSystemSound(); });
    connect(SysZvukDefButt, &QPushButton::clicked, this, [this] { resetSystemSounds(); });
}

// Text the code page cannot hold never gets this far: the guards of vek_qt refuse it in the
// control and say so.
void Mirela2_form::guardFields() {
    for (QPlainTextEdit* editor : scriptEditors_)
        guardCp1250(editor, services_.boxes);
    for (QLineEdit* edit : {Okno2pEdit, Pred4pEdit})
        guardCp1250(edit, services_.boxes);
    for (QComboBox* box : {OknoZvukEdit, PredZvukEdit, ZvukPolBox, ParentMenuBox})
        guardCp1250(box, services_.boxes);
}

void Mirela2_form::scriptEdited(QPlainTextEdit* editor, Field field) {
    if (doc_.Updating())
        return;
    std::optional<std::string> text = toCp1250(editor->toPlainText());
    const TSpecStrings* current = doc_.FieldLines(field);
    if (!text || !current)
        return;
    // The editor breaks lines with LF; a last empty line is kept, as the author typed it.
    std::vector<std::string> lines;
    if (!text->empty()) {
        std::size_t start = 0;
        for (std::size_t end; (end = text->find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text->substr(start, end - start));
        lines.push_back(text->substr(start));
    }
    // The same lines again (a refused character taken back) change nothing.
    if (lines != current->items())
        writeField(field, [&] { doc_.SetFieldLines(field, std::move(lines)); });
}

void Mirela2_form::textEdited(const QString& value, Field field) {
    if (doc_.Updating())
        return;
    std::optional<std::string> text = toCp1250(value);
    if (text && doc_.FieldText(field) != *text)
        writeField(field, [&] { doc_.SetField(field, *text); });
}

void Mirela2_form::writeField(Field field, const std::function<void()>& write) {
    std::optional<Field> outer = std::exchange(writing_, field);
    write();
    writing_ = outer;
}

}  // namespace vek::editor
