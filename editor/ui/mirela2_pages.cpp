// Filling the pages from the document, and writing each control's change back into it.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "common/sound_entry.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

// Sets `doc.Updating` for the time a page is filled.
class FillingPage {
  public:
    explicit FillingPage(EditorDocument& doc) : doc_(doc), was_(doc.Updating) {
        doc_.Updating = true;
    }
    ~FillingPage() { doc_.Updating = was_; }

  private:
    EditorDocument& doc_;
    bool was_;
};

// Refills a selector's entries only when they changed: stepping through thousands of windows
// must not rebuild a list of thousands each time.
void fillEntries(QComboBox* box, const std::vector<std::string>& names,
                 std::vector<std::string>& shown) {
    if (names == shown && box->count() == static_cast<int>(names.size()))
        return;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names)
        entries << fromCp(name);
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
        entries << fromCp(line);
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
        entries << fromCp(line);
    list->addItems(entries);
}

void fillEditor(QPlainTextEdit* editor, const TSpecStrings* lines) {
    QString text;
    if (lines) {
        for (std::size_t i = 0; i < lines->size(); ++i) {
            if (i)
                text += '\n';
            text += fromCp((*lines)[i]);
        }
    }
    if (editor->toPlainText() != text)
        editor->setPlainText(text);
}

void setText(QLineEdit* edit, const std::string* text) {
    QString value = text ? fromCp(*text) : QString();
    if (edit->text() != value)
        edit->setText(value);
}

void setSelectorText(QComboBox* box, const std::string& text) {
    QString value = fromCp(text);
    int index = box->findText(value, Qt::MatchFixedString);
    box->setCurrentIndex(index);
    if (box->isEditable() && box->currentText() != value)
        box->setEditText(value);
}

template <typename T>
int indexIn(const SortedNamedList<T>& list, const T* shown) {
    return list.indexOfObject(shown);
}

std::vector<std::string> soundChoices(const EditorDocument& doc) {
    return doc.SoundChoices();
}

}  // namespace

void Mirela2_form::pageChanged(DocumentPage page) {
    switch (page) {
        case DocumentPage::Windows:
            showWindowPage();
            break;
        case DocumentPage::Items:
            showItemPage();
            break;
        case DocumentPage::Sounds:
            showSoundPage();
            break;
        case DocumentPage::Menus:
            showMenuPage();
            break;
        case DocumentPage::MenuItems:
            showMenuItemPage();
            break;
    }
    updateStatus();
}

void Mirela2_form::showWindowPage() {
    FillingPage filling(doc_);
    fillSoundSelectors();
    fillEntries(CisloOknaBox, doc_.Windows.names(), shownWindowNames_);
    TOkna* w = doc_.ShownWindow;
    CisloOknaBox->setCurrentIndex(indexIn(doc_.Windows, w));
    setSelectorText(OknoZvukEdit, w ? (w->SoundId.empty() ? std::string() : w->SoundId) : "");
    setText(Okno2pEdit, w ? &w->Kam : nullptr);
    fillEditor(RozhlEdit, w ? &w->LookScript : nullptr);
    fillEditor(PrichEdit, w ? &w->ArrivalScript : nullptr);
    fillEditor(OdchEdit, w ? &w->DepartureScript : nullptr);
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
    FillingPage filling(doc_);
    fillSoundSelectors();
    fillEntries(CisloPredmetuBox, doc_.Items.names(), shownItemNames_);
    TPredmet* p = doc_.ShownItem;
    CisloPredmetuBox->setCurrentIndex(indexIn(doc_.Items, p));
    setText(Pred4pEdit, p ? &p->Co : nullptr);
    setSelectorText(PredZvukEdit, p ? p->SoundId : "");
    fillEditor(ProzkEdit, p ? &p->ExamineScript : nullptr);
    fillEditor(VezmiEdit, p ? &p->TakeScript : nullptr);
    fillEditor(PolozEdit, p ? &p->PutScript : nullptr);
    fillEditor(PouzEdit, p ? &p->UseScript : nullptr);
    fillEditor(PromlEdit, p ? &p->TalkScript : nullptr);
    LzeVzitBox->setChecked(p && p->CanTake);
    PouzNaBox->setChecked(p && p->UseOn);
    PostavaBox->setChecked(p && p->IsCharacter);
    for (QWidget* control : std::initializer_list<QWidget*>{
             Pred4pEdit, PredZvukEdit, ProzkEdit, VezmiEdit, PolozEdit, PouzEdit, PromlEdit,
             LzeVzitBox, PouzNaBox, PostavaBox, JmenoPredmetuButton, SmazPredmetButton})
        control->setEnabled(p != nullptr);
}

void Mirela2_form::showSoundPage() {
    FillingPage filling(doc_);
    fillEntries(ZvukyListBox, doc_.UserSounds.lines(), shownUserSounds_);
    fillEntries(ZvukySysListBox, doc_.SystemSounds.items(), shownSystemSounds_);
    fillSoundSelectors();
    updateButtons();
}

void Mirela2_form::showMenuPage() {
    FillingPage filling(doc_);
    std::vector<std::string> names = doc_.Menus.names();
    fillEntries(CisloNabidkyBox, names, shownMenuNames_);
    TNabidka* m = doc_.ShownMenu;
    CisloNabidkyBox->setCurrentIndex(indexIn(doc_.Menus, m));
    // "(automaticky)" first, then every menu.
    ParentMenuBox->clear();
    ParentMenuBox->addItem(fromCp(kAutomaticParent));
    for (const auto& name : names)
        ParentMenuBox->addItem(fromCp(name));
    setSelectorText(ParentMenuBox, m ? m->Parent : "");
    fillList(SeznamPolBox, m ? &m->Entries : nullptr);
    for (QWidget* control : std::initializer_list<QWidget*>{ParentMenuBox, SeznamPolBox, AddPolButt,
                                                            JmenoNabButton, SmazNabButton})
        control->setEnabled(m != nullptr);
    updateButtons();
}

void Mirela2_form::showMenuItemPage() {
    FillingPage filling(doc_);
    fillSoundSelectors();
    fillEntries(CisloPolozkyBox, doc_.MenuItems.names(), shownMenuItemNames_);
    TPolozka* item = doc_.ShownMenuItem;
    CisloPolozkyBox->setCurrentIndex(indexIn(doc_.MenuItems, item));
    setSelectorText(ZvukPolBox, item ? item->SoundId : "");
    fillEditor(FunkcePolMemo, item ? &item->FunctionScript : nullptr);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ZvukPolBox, FunkcePolMemo, JmenoPolButton, SmazPolButton})
        control->setEnabled(item != nullptr);
}

void Mirela2_form::fillSoundSelectors() {
    std::vector<std::string> choices = soundChoices(doc_);
    if (choices == shownSoundChoices_)
        return;
    shownSoundChoices_ = choices;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(choices.size()));
    for (const auto& choice : choices)
        entries << fromCp(choice);
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
    CountsPanel->setText(fromCp(line.counts));
    ModifiedPanel->setText(fromCp(line.modified));
}

void Mirela2_form::updateTitle() {
    setWindowTitle(QString::fromStdString(doc_.WindowTitle()));
}

void Mirela2_form::updateButtons() {
    auto selected = [](QListWidget* list) { return !list->selectedItems().isEmpty(); };
    DelCestButton->setEnabled(doc_.ShownWindow && selected(SeznamCestList));
    DelPredButton->setEnabled(doc_.ShownWindow && selected(SeznamPredmetuList));
    DelHudButton->setEnabled(doc_.ShownWindow && selected(HudbaList));
    DelPolButt->setEnabled(doc_.ShownMenu && selected(SeznamPolBox));
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
    for (QPlainTextEdit* editor : {RozhlEdit, PrichEdit, OdchEdit, ProzkEdit, VezmiEdit, PolozEdit,
                                   PouzEdit, PromlEdit, FunkcePolMemo})
        connect(editor, &QPlainTextEdit::textChanged, this,
                [this, editor] { scriptEdited(editor); });
    for (QLineEdit* edit : {Okno2pEdit, Pred4pEdit})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { lineEdited(edit); });
    for (QComboBox* box : {OknoZvukEdit, PredZvukEdit, ZvukPolBox})
        connect(box, &QComboBox::currentTextChanged, this,
                [this, box] { soundSelectorEdited(box); });
    connect(ParentMenuBox, &QComboBox::currentTextChanged, this, [this] { parentMenuEdited(); });
    for (QCheckBox* box : {LzeVzitBox, PouzNaBox, PostavaBox})
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) { flagToggled(box, on); });

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
            if (!doc_.Updating && i >= 0)
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

// Text the code page cannot hold is refused with a message and the control shows the
// document's value again: nothing is ever stored altered.
bool Mirela2_form::takeText(const QString& text, std::string& out) {
    std::string error;
    std::optional<std::string> converted = toCp(text, &error);
    if (converted) {
        out = std::move(*converted);
        return true;
    }
    // Queued: the control is still inside its own change signal.
    QMetaObject::invokeMethod(
        this,
        [this, error] {
            services_.prompts.message({"Chyba", error, MessageIcon::Stop, MessageButtons::Ok});
            refreshAll();
        },
        Qt::QueuedConnection);
    return false;
}

TSpecStrings* Mirela2_form::scriptField(QPlainTextEdit* editor) const {
    TOkna* w = doc_.ShownWindow;
    TPredmet* p = doc_.ShownItem;
    TPolozka* m = doc_.ShownMenuItem;
    if (editor == RozhlEdit)
        return w ? &w->LookScript : nullptr;
    if (editor == PrichEdit)
        return w ? &w->ArrivalScript : nullptr;
    if (editor == OdchEdit)
        return w ? &w->DepartureScript : nullptr;
    if (editor == ProzkEdit)
        return p ? &p->ExamineScript : nullptr;
    if (editor == VezmiEdit)
        return p ? &p->TakeScript : nullptr;
    if (editor == PolozEdit)
        return p ? &p->PutScript : nullptr;
    if (editor == PouzEdit)
        return p ? &p->UseScript : nullptr;
    if (editor == PromlEdit)
        return p ? &p->TalkScript : nullptr;
    if (editor == FunkcePolMemo)
        return m ? &m->FunctionScript : nullptr;
    return nullptr;
}

void Mirela2_form::scriptEdited(QPlainTextEdit* editor) {
    if (doc_.Updating)
        return;
    TSpecStrings* field = scriptField(editor);
    std::string text;
    if (!field || !takeText(editor->toPlainText(), text))
        return;
    // The editor breaks lines with LF; the field holds lines.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (text.empty())
        lines.clear();
    field->assign(std::move(lines));
    doc_.SetModified(true);
}

void Mirela2_form::lineEdited(QLineEdit* edit) {
    if (doc_.Updating)
        return;
    std::string* field = edit == Okno2pEdit ? (doc_.ShownWindow ? &doc_.ShownWindow->Kam : nullptr)
                                            : (doc_.ShownItem ? &doc_.ShownItem->Co : nullptr);
    std::string text;
    if (!field || !takeText(edit->text(), text))
        return;
    *field = std::move(text);
    doc_.SetModified(true);
}

void Mirela2_form::soundSelectorEdited(QComboBox* box) {
    if (doc_.Updating)
        return;
    std::string text;
    if (!takeText(box->currentText(), text))
        return;
    if (box == OknoZvukEdit) {
        doc_.StoreWindowSound(text);
    } else if (box == PredZvukEdit) {
        doc_.StoreItemSound(text);
    } else if (doc_.ShownMenuItem) {
        doc_.ShownMenuItem->SoundId = std::move(text);
        doc_.SetModified(true);
    }
}

void Mirela2_form::parentMenuEdited() {
    if (doc_.Updating || !doc_.ShownMenu)
        return;
    std::string text;
    if (!takeText(ParentMenuBox->currentText(), text))
        return;
    doc_.ShownMenu->Parent = std::move(text);
    doc_.SetModified(true);
}

void Mirela2_form::flagToggled(QCheckBox* box, bool on) {
    if (doc_.Updating || !doc_.ShownItem)
        return;
    bool& flag = box == LzeVzitBox  ? doc_.ShownItem->CanTake
                 : box == PouzNaBox ? doc_.ShownItem->UseOn
                                    : doc_.ShownItem->IsCharacter;
    flag = on;
    doc_.SetModified(true);
}

}  // namespace vek::editor
