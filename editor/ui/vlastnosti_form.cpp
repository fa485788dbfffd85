#include "editor/ui/vlastnosti_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "common/qt/accessible.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "common/scenario_format.h"
#include "editor/document/document.h"
#include "editor/document/fields.h"
#include "editor/ui/akce_form.h"

namespace vek::editor {

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The builder keys of the main window's "Nástroje" menu, which act in the texts here too.
std::optional<BuilderPurpose> builderKey(int key) {
    switch (key) {
        case Qt::Key_P:
            return BuilderPurpose::Conditions;
        case Qt::Key_A:
            return BuilderPurpose::Actions;
        case Qt::Key_Z:
            return BuilderPurpose::SoundActions;
        default:
            return std::nullopt;
    }
}

// The accessible name a label gives its control: its text without the "&" and the colon.
QString nameFromLabel(const QString& label) {
    QString name = label;
    name.remove('&');
    if (name.endsWith(':'))
        name.chop(1);
    return name;
}

void describe(QWidget* control, const char* name, const QString& accessibleName, const char* hint) {
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    control->setToolTip(u(hint));
    control->setAccessibleDescription(u(hint));
}

QLabel* labelFor(QWidget* control, const char* text, QWidget* parent) {
    auto* label = new QLabel(u(text), parent);
    label->setBuddy(control);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* box = new QCheckBox(u(caption), parent);
    describe(box, name, nameFromLabel(u(caption)), hint);
    return box;
}

// The item limit as a number: 99 for what does not parse.
int maxItemsNumber(const QString& text) {
    auto cp = toCp1250(text);
    auto n = cp ? parseDecimal32(*cp) : std::nullopt;
    return n ? static_cast<int>(*n) : 99;
}

}  // namespace

const std::vector<const char*>& CycleIntervals() {
    static const std::vector<const char*> entries = {
        "200 ms",  "400 ms",  "600 ms",  "800 ms",  "1 sec",   "1,2 sec", "1,4 sec", "1,6 sec",
        "1,8 sec", "2 sec",   "2 sec",   "2,2 sec", "2,4 sec", "2,6 sec", "2,8 sec", "3 sec",
        "3,2 sec", "3,4 sec", "3,6 sec", "3,8 sec", "4 sec",   "4,2 sec", "4,4 sec", "4,6 sec",
        "4,8 sec", "5 sec",   "6 sec",   "7 sec",   "8 sec",   "9 sec",   "10 sec",  "11 sec",
        "12 sec",  "13 sec",  "14 sec",  "15 sec",  "16 sec",  "17 sec",  "18 sec",  "19 sec",
        "20 sec",  "22 sec",  "24 sec",  "26 sec",  "28 sec",  "30 sec",  "35 sec",  "40 sec",
        "45 sec",  "50 sec",  "55 sec",  "1 min",   "1,2 min", "1,5 min", "2 min",   "2,5 min",
        "3 min",   "4 min",   "5 min",   "6 min",   "7 min",   "8 min",   "9 min",   "10 min",
    };
    return entries;
}

Vlastnosti_form::Vlastnosti_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), doc_(doc), boxes_(boxes) {
    token_ = doc_.Subscribe([this](const DocumentChange& change) { documentChanged(change); });
    setObjectName("Vlastnosti_form");
    setWindowTitle(u("Vlastnosti scénáře"));
    setModal(false);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl1");
    PageControl->addTab(buildGeneralPage(), u("Obecné"));
    PageControl->addTab(buildTextsPage(), u("Další texty"));

    OkButton = new QPushButton(u("&OK"), this);
    OkButton->setObjectName("OkButton");
    OkButton->setAccessibleName("OK");
    OkButton->setDefault(true);
    CancelButton = new QPushButton(u("&Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAccessibleName("Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    connect(OkButton, &QPushButton::clicked, this, &Vlastnosti_form::accept);
    connect(CancelButton, &QPushButton::clicked, this, &Vlastnosti_form::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);

    chooseItem = [this](const QString& caption,
                        const std::vector<std::string>& choices) -> std::optional<std::string> {
        QStringList items;
        for (const auto& c : choices)
            items << fromCp1250(c);
        bool ok = false;
        QString chosen = QInputDialog::getItem(this, caption, caption, items, 0, false, &ok);
        if (!ok)
            return std::nullopt;
        return toCp1250(chosen);
    };
    for (QLineEdit* edit : {JmenoEdit, HesloEdit, MaxPrEdit})
        guardCp1250(edit, boxes);
    guardCp1250(IntervalBox, boxes);
    for (QPlainTextEdit* memo : memos_)
        guardCp1250(memo, boxes);
}

QWidget* Vlastnosti_form::buildGeneralPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* form = new QFormLayout(page);

    JmenoEdit = new QLineEdit(page);
    describe(JmenoEdit, "JmenoEdit", u("Jméno"), "Název scénáře");
    form->addRow(labelFor(JmenoEdit, "&Jméno:", page), JmenoEdit);

    ZacitComboBox = new QComboBox(page);
    makeChoiceSpoken(ZacitComboBox);
    describe(ZacitComboBox, "ZacitComboBox", u("Začít na pozici"), "V kterém okně hra začíná");
    form->addRow(labelFor(ZacitComboBox, "&Začít na pozici:", page), ZacitComboBox);

    PredmetyListBox = new QListWidget(page);
    describe(PredmetyListBox, "PredmetyListBox", u("Předměty do začátku"),
             "Co bude mít hráč u sebe na začátku hry");
    describeCurrentEntry(PredmetyListBox);
    AddZacButton = new QPushButton(u("Přidej"), page);
    AddZacButton->setObjectName("AddZacButton");
    AddZacButton->setAccessibleName(u("Přidej předmět do začátku"));
    DelZacButton = new QPushButton(u("Uber"), page);
    DelZacButton->setObjectName("DelZacButton");
    DelZacButton->setAccessibleName(u("Uber předmět ze začátku"));
    DelZacButton->setEnabled(false);
    auto* inventoryButtons = new QVBoxLayout;
    inventoryButtons->addWidget(AddZacButton);
    inventoryButtons->addWidget(DelZacButton);
    inventoryButtons->addStretch();
    auto* inventory = new QHBoxLayout;
    inventory->addWidget(PredmetyListBox, 1);
    inventory->addLayout(inventoryButtons);
    form->addRow(labelFor(PredmetyListBox, "&Předměty do začátku:", page), inventory);

    IntroMemo = new QPlainTextEdit(page);
    describe(IntroMemo, "IntroMemo", u("Úvodní text"), "Vše, co se stane na začátku");
    form->addRow(labelFor(IntroMemo, "Ú&vodní text:", page), IntroMemo);

    HesloCheckBox = checkBox(page, "HesloCheckBox", "Zak&ódovat",
                             "Při zatržení je uložený soubor nečitelný a editace je možná jen "
                             "po vložení hesla");
    form->addRow(HesloCheckBox);
    HesloEdit = new QLineEdit(page);
    describe(HesloEdit, "HesloEdit", u("Heslo"), "Pouze pro kódované scénáře");
    HesloEdit->setEnabled(false);
    form->addRow(labelFor(HesloEdit, "&Heslo:", page), HesloEdit);

    MaxPrEdit = new QLineEdit(page);
    describe(MaxPrEdit, "MaxPrEdit", u("Maximum předmětů"),
             "Kolik nejvýše lze sebrat předmětů (99 a víc je nekonečno)");
    MaxUpDown = new QSpinBox(page);
    MaxUpDown->setObjectName("MaxUpDown");
    MaxUpDown->setRange(0, 99);
    MaxUpDown->setValue(99);
    MaxUpDown->setButtonSymbols(QSpinBox::UpDownArrows);
    // Only its arrows are used: the number is typed into MaxPrEdit, whose Up and Down keys move
    // it, so the pair is one stop for the keyboard.
    MaxUpDown->setFocusPolicy(Qt::NoFocus);
    if (auto* inner = MaxUpDown->findChild<QLineEdit*>())
        inner->setFocusPolicy(Qt::NoFocus);
    MaxUpDown->setAccessibleName(u("Maximum předmětů"));
    MaxUpDown->setMaximumWidth(MaxUpDown->sizeHint().height());
    auto* maxRow = new QHBoxLayout;
    maxRow->addWidget(MaxPrEdit);
    maxRow->addWidget(MaxUpDown);
    maxRow->addStretch();
    form->addRow(labelFor(MaxPrEdit, "&Maximum předmětů:", page), maxRow);

    MluvPredBox = checkBox(page, "MluvPredBox", "Lze m&luvit s předměty",
                           "Zda příkaz 'Promluv si' nabídne i předměty nebo jen postavy");
    RepWalkBox = checkBox(page, "RepWalkBox", "Odezva př&esunu (Jdeš...)",
                          "Zda se po změně pozice přehraje 'Jdeš tam a tam'");
    RepTakeBox = checkBox(page, "RepTakeBox", "Odezva &sebrání (Vzal jsi...)",
                          "Zda se po sebrání předmětu přehraje 'Vzal jsi to a to'");
    form->addRow(MluvPredBox);
    form->addRow(RepWalkBox);
    form->addRow(RepTakeBox);

    connect(JmenoEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { store(Field::ScenarioName, text); });
    connect(ZacitComboBox, &QComboBox::activated, this,
            [this](int i) { store(Field::StartWindow, ZacitComboBox->itemText(i)); });
    connect(PredmetyListBox, &QListWidget::currentRowChanged, this,
            [this](int row) { DelZacButton->setEnabled(row >= 0); });
    connect(AddZacButton, &QPushButton::clicked, this, &Vlastnosti_form::AddInventoryItem);
    connect(DelZacButton, &QPushButton::clicked, this, &Vlastnosti_form::RemoveInventoryItem);
    connect(HesloCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        HesloEdit->setEnabled(on);
        storeFlag(Field::Encode, on);
    });
    connect(HesloEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { store(Field::Password, text); });
    connect(MaxPrEdit, &QLineEdit::textEdited, this, &Vlastnosti_form::storeMaxItems);
    connect(MaxUpDown, &QSpinBox::valueChanged, this, [this](int value) {
        if (doc_.Updating())
            return;
        MaxPrEdit->setText(QString::number(value));
        storeMaxItems(MaxPrEdit->text());
    });
    auto flag = [this](QCheckBox* box, Field field) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) { storeFlag(field, on); });
    };
    flag(MluvPredBox, Field::TalkToItems);
    flag(RepWalkBox, Field::ReportWalk);
    flag(RepTakeBox, Field::ReportTake);

    PredmetyListBox->installEventFilter(this);
    MaxPrEdit->installEventFilter(this);
    memos_[0] = IntroMemo;
    IntroMemo->setTabChangesFocus(true);
    IntroMemo->installEventFilter(this);
    connect(IntroMemo, &QPlainTextEdit::textChanged, this,
            [this] { store(Field::IntroText, IntroMemo->toPlainText()); });
    return page;
}

QPlainTextEdit* Vlastnosti_form::addMemo(QWidget* page, const char* name, const char* label,
                                         const char* hint, Field field) {
    auto* memo = new QPlainTextEdit(page);
    describe(memo, name, nameFromLabel(u(label)), hint);
    memo->setTabChangesFocus(true);
    memo->installEventFilter(this);
    connect(memo, &QPlainTextEdit::textChanged, this,
            [this, memo, field] { store(field, memo->toPlainText()); });
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(labelFor(memo, label, page));
    layout->addWidget(memo, 1);  // the three memos share the height
    return memo;
}

QWidget* Vlastnosti_form::buildTextsPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet2");
    new QVBoxLayout(page);
    WinMemo = addMemo(page, "WinMemo", "&Vítězství:", "Co se stane po příkazu WIN", Field::WinText);
    LoseMemo =
        addMemo(page, "LoseMemo", "&Prohra:", "Co se stane po příkazu LOSE", Field::LoseText);
    CyklusMemo = addMemo(page, "CyklusMemo", "C&yklus:", "Obsah cyklu", Field::CycleText);
    memos_[1] = WinMemo;
    memos_[2] = LoseMemo;
    memos_[3] = CyklusMemo;

    AktivniBox = checkBox(page, "AktivniBox", "&Aktivní",
                          "Zda je na začátku cyklus aktivní (lze změnit během hry příkazem "
                          "CYKLUS)");
    IntervalBox = new QComboBox(page);
    const char* intervalHint = "Interval opakování cyklu (min 200 ms, max 58 hod)";
    describe(IntervalBox, "IntervalBox", u(intervalHint), intervalHint);
    // No label on screen: a hidden one gives the box its hint as its name.
    auto* intervalLabel = new QLabel(page);
    intervalLabel->setBuddy(IntervalBox);
    intervalLabel->setAccessibleName(u(intervalHint));
    intervalLabel->hide();
    IntervalBox->setEditable(true);
    IntervalBox->setInsertPolicy(QComboBox::NoInsert);
    for (const char* entry : CycleIntervals())
        IntervalBox->addItem(u(entry));
    auto* cycle = new QHBoxLayout;
    cycle->addWidget(AktivniBox);
    cycle->addWidget(IntervalBox);
    cycle->addStretch();
    static_cast<QVBoxLayout*>(page->layout())->addLayout(cycle);

    connect(AktivniBox, &QCheckBox::toggled, this,
            [this](bool on) { storeFlag(Field::CycleActive, on); });
    connect(IntervalBox, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { store(Field::CycleInterval, text); });
    return page;
}

void Vlastnosti_form::store(Field field, const QString& text) {
    // What the code page cannot hold is refused by the field itself; nothing is stored altered.
    auto cp = toCp1250(text);
    if (!cp)
        return;
    writing_ = true;
    doc_.SetField(field, *cp);
    writing_ = false;
}

void Vlastnosti_form::storeFlag(Field field, bool value) {
    writing_ = true;
    doc_.SetFieldFlag(field, value);
    writing_ = false;
}

void Vlastnosti_form::storeMaxItems(const QString& text) {
    if (doc_.Updating())
        return;
    {
        QSignalBlocker block(MaxUpDown);
        MaxUpDown->setValue(std::clamp(maxItemsNumber(text), 0, 99));
    }
    store(Field::MaxItems, text);
}

void Vlastnosti_form::documentChanged(const DocumentChange& change) {
    if (writing_)
        return;
    switch (change.kind) {
        case ChangeKind::DocumentReplaced:
            // Another scenario: Cancel now goes back to its settings.
            takeSnapshot();
            Refresh();
            break;
        case ChangeKind::FieldChanged:
            if (OwnerOf(change.field) == FieldOwner::Settings)
                Refresh();
            break;
        case ChangeKind::EntriesChanged:
            if (change.list == EntryList::Inventory)
                fillInventory(PredmetyListBox->currentRow());
            break;
        case ChangeKind::EntityAdded:
        case ChangeKind::EntityRemoved:
        case ChangeKind::EntityRenamed:
            if (change.entity == EntityKind::Window)
                Refresh();
            break;
        default:
            break;
    }
}

void Vlastnosti_form::takeSnapshot() {
    snapshot_ = doc_.Settings();
    // The limit is remembered as the number the dialog shows.
    snapshot_.MaxItems = std::to_string(maxItemsNumber(fromCp1250(snapshot_.MaxItems)));
}

void Vlastnosti_form::Refresh() {
    EditorDocument::UpdateGuard guard(doc_);
    const ScenarioSettings& s = doc_.Settings();
    if (JmenoEdit->text() != fromCp1250(s.ScenarioName))
        JmenoEdit->setText(fromCp1250(s.ScenarioName));

    ZacitComboBox->clear();
    QStringList windows;
    for (const auto& name : doc_.Windows().names())
        windows << fromCp1250(name);
    ZacitComboBox->addItems(windows);
    ZacitComboBox->setCurrentIndex(doc_.Windows().indexOf(s.StartWindow));

    fillInventory(PredmetyListBox->currentRow());
    auto texts = StoryFields(FieldOwner::Settings);
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        QString text = fromCp1250(texts[i]->linesIn(&s).text());
        text.replace("\r\n", "\n");
        if (memos_[i]->toPlainText() != text)
            memos_[i]->setPlainText(text);
    }
    HesloCheckBox->setChecked(s.Encode);
    HesloEdit->setEnabled(s.Encode);
    HesloEdit->setText(fromCp1250(s.Password));
    MaxPrEdit->setText(fromCp1250(s.MaxItems));
    MaxUpDown->setValue(std::clamp(maxItemsNumber(MaxPrEdit->text()), 0, 99));
    MluvPredBox->setChecked(s.TalkToItems);
    RepWalkBox->setChecked(s.ReportWalk);
    RepTakeBox->setChecked(s.ReportTake);
    AktivniBox->setChecked(s.CycleActive);
    if (IntervalBox->currentText() != fromCp1250(s.CycleInterval))
        IntervalBox->setCurrentText(fromCp1250(s.CycleInterval));
}

void Vlastnosti_form::fillInventory(int select) {
    QSignalBlocker block(PredmetyListBox);
    PredmetyListBox->clear();
    for (const auto& name : doc_.Settings().Inventory)
        PredmetyListBox->addItem(fromCp1250(name));
    int row = std::min(select, PredmetyListBox->count() - 1);
    PredmetyListBox->setCurrentRow(row);
    DelZacButton->setEnabled(row >= 0 && select >= 0);
}

void Vlastnosti_form::Open(int page) {
    doc_.EnsureStartWindow();
    PageControl->setCurrentIndex(page);
    Refresh();
    takeSnapshot();
    show();
    raise();
    activateWindow();
}

void Vlastnosti_form::ShowSetting(std::optional<Field> field, std::optional<EntryList> list) {
    const std::pair<Field, QWidget*> controls[] = {
        {Field::ScenarioName, JmenoEdit},  {Field::StartWindow, ZacitComboBox},
        {Field::IntroText, IntroMemo},     {Field::Encode, HesloCheckBox},
        {Field::Password, HesloEdit},      {Field::MaxItems, MaxPrEdit},
        {Field::TalkToItems, MluvPredBox}, {Field::ReportWalk, RepWalkBox},
        {Field::ReportTake, RepTakeBox},   {Field::WinText, WinMemo},
        {Field::LoseText, LoseMemo},       {Field::CycleText, CyklusMemo},
        {Field::CycleActive, AktivniBox},  {Field::CycleInterval, IntervalBox},
    };
    QWidget* control = list == EntryList::Inventory ? PredmetyListBox : nullptr;
    for (const auto& [f, c] : controls)
        if (field == f)
            control = c;
    if (!control)
        return;
    int page = -1;
    for (QWidget* w = control; w && page < 0; w = w->parentWidget())
        page = PageControl->indexOf(w);
    if (isVisible()) {
        PageControl->setCurrentIndex(page);
        raise();
        activateWindow();
    } else {
        Open(page);
    }
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

QPlainTextEdit* Vlastnosti_form::TextMemo(int field) const {
    return field >= 1 && field <= 4 ? memos_[static_cast<std::size_t>(field - 1)] : nullptr;
}

bool Vlastnosti_form::IsMemo(const QWidget* control) const {
    return control && std::find(memos_.begin(), memos_.end(), control) != memos_.end();
}

QPlainTextEdit* Vlastnosti_form::FocusedMemo() const {
    QWidget* focused = focusWidget();
    return IsMemo(focused) ? static_cast<QPlainTextEdit*>(focused) : nullptr;
}

void Vlastnosti_form::AddInventoryItem() {
    std::vector<std::string> takeable = doc_.TakeableItemNames();
    if (takeable.empty())
        return;  // nothing to choose
    auto chosen = chooseItem(u("Výběr předmětu"), takeable);
    if (!chosen)
        return;
    bool present = doc_.Settings().Inventory.contains(*chosen);
    if (doc_.AddEntry(EntryList::Inventory, *chosen).done) {
        int row = present ? PredmetyListBox->currentRow()
                          : static_cast<int>(doc_.Settings().Inventory.size()) - 1;
        fillInventory(row);
    }
    PredmetyListBox->setFocus();
}

void Vlastnosti_form::RemoveInventoryItem() {
    int row = PredmetyListBox->currentRow();
    if (row < 0 || !DelZacButton->isEnabled())
        return;
    doc_.RemoveEntry(EntryList::Inventory, static_cast<std::size_t>(row));
    fillInventory(-1);
    DelZacButton->setEnabled(false);
    PredmetyListBox->setFocus();
}

void Vlastnosti_form::MoveInventoryItem(int direction) {
    int row = PredmetyListBox->currentRow();
    if (row < 0)
        return;
    int moved = doc_.MoveEntry(EntryList::Inventory, static_cast<std::size_t>(row), direction);
    if (moved >= 0)
        fillInventory(moved);
}

bool Vlastnosti_form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    bool ctrl = key->modifiers() == Qt::ControlModifier;
    bool plain = key->modifiers() == Qt::NoModifier;
    if (IsMemo(static_cast<QWidget*>(watched)) && ctrl) {
        if (std::optional<BuilderPurpose> purpose = builderKey(key->key())) {
            if (builder_)
                OpenBuilder(*builder_, *purpose, static_cast<QWidget*>(watched),
                            BuilderTarget::ScriptEditor);
            return true;
        }
    }
    if (watched == PredmetyListBox) {
        if (ctrl && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveInventoryItem(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (plain && key->key() == Qt::Key_Insert) {
            AddInventoryItem();
            return true;
        }
        if (plain && key->key() == Qt::Key_Delete) {
            if (PredmetyListBox->currentRow() >= 0) {
                DelZacButton->setEnabled(true);
                RemoveInventoryItem();
            }
            return true;
        }
    }
    if (watched == MaxPrEdit && plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        MaxUpDown->stepBy(key->key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Vlastnosti_form::accept() {
    const ScenarioSettings& s = doc_.Settings();
    if (s.Encode) {
        auto key = keyForPassword(s.Password);
        if (key && !keyIsWritable(*key)) {
            boxes_.error(this, fromCp1250(UnwritablePasswordError().what()));
            PageControl->setCurrentIndex(0);
            HesloEdit->setFocus();
            return;
        }
    }
    doc_.SetModified(true);
    hide();
}

void Vlastnosti_form::reject() {
    if (!(doc_.Settings() == snapshot_)) {
        writing_ = true;
        doc_.SetSettings(snapshot_);
        writing_ = false;
    }
    Refresh();
    hide();
}

Vlastnosti_form::~Vlastnosti_form() {
    doc_.Unsubscribe(token_);
}

}  // namespace vek::editor
