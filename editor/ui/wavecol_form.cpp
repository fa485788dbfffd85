#include "editor/ui/wavecol_form.h"

#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "editor/document/collation.h"
#include "editor/document/collection_builder.h"
#include "editor/document/document.h"
#include "editor/document/sound_lines.h"

namespace vek::editor {

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr int kKeyRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(u(caption), parent);
    b->setObjectName(name);
    b->setAccessibleName(u(caption).remove('&'));
    b->setAutoDefault(false);
    return b;
}

// The percentage at the end of a progress text ("Ukládám kolekci: 67%").
int percentOf(const std::string& text) {
    std::size_t end = text.rfind('%');
    std::size_t start = end;
    while (start > 0 && start != std::string::npos && text[start - 1] >= '0' &&
           text[start - 1] <= '9')
        --start;
    return end == std::string::npos ? 0 : std::stoi("0" + text.substr(start, end - start));
}

}  // namespace

KeyList::KeyList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void KeyList::addKey(const std::string& key) {
    QByteArray sortKey = QByteArray::fromStdString(czechSortKey(key));
    int lo = 0, hi = count();
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (item(mid)->data(kSortRole).toByteArray() <= sortKey)
            lo = mid + 1;
        else
            hi = mid;
    }
    auto* entry = new QListWidgetItem(fromCp1250(key));
    entry->setData(kKeyRole, QByteArray::fromStdString(key));
    entry->setData(kSortRole, sortKey);
    insertItem(lo, entry);
}

std::string KeyList::keyAt(int row) const {
    return item(row)->data(kKeyRole).toByteArray().toStdString();
}

std::vector<std::string> KeyList::keys() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        out.push_back(keyAt(i));
    return out;
}

void KeyList::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDropFrom(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KeyList::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsDropFrom(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KeyList::dropEvent(QDropEvent* event) {
    if (!acceptsDropFrom(event->source())) {
        event->ignore();
        return;
    }
    if (onDrop)
        onDrop();
    // The move is done: the source must not remove anything itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

WaveCol_form::WaveCol_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), doc_(doc), boxes_(boxes) {
    setObjectName("WaveCol_form");
    setWindowTitle(u("Kolekce zvuků"));
    setModal(false);
    setMinimumSize(460, 356);

    UnUsedList = new KeyList(this);
    UnUsedList->setObjectName("UnUsedList");
    UnUsedList->setAccessibleName(u("Zvuky k dispozici"));
    UsedList = new KeyList(this);
    UsedList->setObjectName("UsedList");
    UsedList->setAccessibleName(u("Zvuky v kolekci"));
    UnUsedList->setPartner(UsedList);
    UsedList->setPartner(UnUsedList);
    auto* unusedLabel = new QLabel(u("Zvuky k &dispozici:"), this);
    unusedLabel->setBuddy(UnUsedList);
    auto* usedLabel = new QLabel(u("Zvuky v ko&lekci:"), this);
    usedLabel->setBuddy(UsedList);

    AddButt = button(this, "AddButt", "&Přidej vybrané");
    AddAllButt = button(this, "AddAllButt", "Přidej &vše");
    RemButt = button(this, "RemButt", "&Odeber vybrané");
    RemAllButt = button(this, "RemAllButt", "Odebe&r vše");

    FileEdit = new QLineEdit(this);
    FileEdit->setObjectName("FileEdit");
    FileEdit->setAccessibleName(u("Soubor kolekce"));
    auto* fileLabel = new QLabel(u("&Soubor kolekce:"), this);
    fileLabel->setBuddy(FileEdit);
    ProchButt = button(this, "ProchButt", "Procházet");
    CreateButt = button(this, "CreateButt", "Vytvořit &kolekci");
    CloseButt = button(this, "CloseButt", "&Zavřít");
    NahraditBox = new QCheckBox(u("Nahradit zvuky v seznamu ukazatelem do kolekce"), this);
    NahraditBox->setObjectName("NahraditBox");
    NahraditBox->setAccessibleName(NahraditBox->text());
    NahraditBox->setChecked(true);

    STProgress = new QLabel(u("Formátuji kolekci: 0%"), this);
    STProgress->setObjectName("STProgress");
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setAccessibleName(u("Průběh"));
    ProgressBar->setRange(0, 100);
    CancelButt = button(this, "CancelButt", "&Zrušit");

    auto* lists = new QGridLayout;
    lists->addWidget(unusedLabel, 0, 0);
    lists->addWidget(usedLabel, 0, 2);
    lists->addWidget(UnUsedList, 1, 0);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* b : {AddButt, AddAllButt, RemButt, RemAllButt})
        moves->addWidget(b);
    moves->addStretch();
    lists->addLayout(moves, 1, 1);
    lists->addWidget(UsedList, 1, 2);
    lists->setColumnStretch(0, 1);  // the two lists share the width
    lists->setColumnStretch(2, 1);

    auto* file = new QHBoxLayout;
    file->addWidget(fileLabel);
    file->addWidget(FileEdit, 1);
    file->addWidget(ProchButt);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(STProgress);
    progressRow->addWidget(ProgressBar, 1);
    progressRow->addWidget(CancelButt);
    auto* commands = new QHBoxLayout;
    commands->addWidget(NahraditBox, 1);
    commands->addWidget(CreateButt);
    commands->addWidget(CloseButt);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(file);
    layout->addLayout(progressRow);
    layout->addLayout(commands);
    setBuilding(false);

    setTabOrder(UnUsedList, AddButt);
    setTabOrder(AddButt, AddAllButt);
    setTabOrder(AddAllButt, RemButt);
    setTabOrder(RemButt, RemAllButt);
    setTabOrder(RemAllButt, UsedList);
    setTabOrder(UsedList, FileEdit);
    setTabOrder(FileEdit, ProchButt);
    setTabOrder(ProchButt, NahraditBox);
    setTabOrder(NahraditBox, CreateButt);
    setTabOrder(CreateButt, CloseButt);

    connect(AddButt, &QPushButton::clicked, this, [this] { MoveSelected(UnUsedList, UsedList); });
    connect(AddAllButt, &QPushButton::clicked, this, [this] { MoveAll(UnUsedList, UsedList); });
    connect(RemButt, &QPushButton::clicked, this, [this] { MoveSelected(UsedList, UnUsedList); });
    connect(RemAllButt, &QPushButton::clicked, this, [this] { MoveAll(UsedList, UnUsedList); });
    UsedList->onDrop = [this] { MoveSelected(UnUsedList, UsedList); };
    UnUsedList->onDrop = [this] { MoveSelected(UsedList, UnUsedList); };
    UnUsedList->installEventFilter(this);
    UsedList->installEventFilter(this);
    connect(ProchButt, &QPushButton::clicked, this, &WaveCol_form::Browse);
    connect(CreateButt, &QPushButton::clicked, this, [this] { CreateCollection(); });
    connect(CloseButt, &QPushButton::clicked, this, &QDialog::hide);
    connect(CancelButt, &QPushButton::clicked, this, [this] {
        cancel_ = true;
        STProgress->setText(fromCp1250(kCollectionCancelPressed));
        ProgressBar->setFormat(STProgress->text());
    });

    // Keys chosen from another scenario must never be packed or pointed into this one's.
    token_ = doc_.Subscribe([this](const DocumentChange& change) {
        if (change.kind == ChangeKind::DocumentReplaced && !building_)
            fillLists();
    });

    browseFile = [this] {
        QFileDialog dialog(this, u("Jméno zvukové kolekce"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({u("Kvelmora sound collection (*.zvk)"), u("All files (*)")});
        // The overwrite question is the builder's own.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().front()
                   : QString();
    };
}

WaveCol_form::~WaveCol_form() {
    doc_.Unsubscribe(token_);
}

void WaveCol_form::fillLists() {
    UnUsedList->clear();
    UsedList->clear();
    for (const auto& key : OfferedCollectionKeys(doc_))
        UnUsedList->addKey(key);
}

void WaveCol_form::Open() {
    fillLists();
    if (FileEdit->text().isEmpty())
        FileEdit->setText(QString::fromStdString(DefaultCollectionName(doc_.FileName)));
    UnUsedList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    show();
    raise();
    activateWindow();
    UnUsedList->setFocus();
}

void WaveCol_form::MoveSelected(KeyList* from, KeyList* to) {
    const auto selected = from->selectedItems();
    if (selected.isEmpty())
        return;
    int firstRow = from->row(selected.front());
    for (QListWidgetItem* item : selected) {
        to->addKey(from->keyAt(from->row(item)));
        delete item;
    }
    // The focus stays on a key near the ones that left.
    if (from->count() > 0)
        from->setCurrentRow(std::min(firstRow, from->count() - 1), QItemSelectionModel::NoUpdate);
}

void WaveCol_form::MoveAll(KeyList* from, KeyList* to) {
    for (const auto& key : from->keys())
        to->addKey(key);
    from->clear();
}

void WaveCol_form::Browse() {
    QString chosen = browseFile();
    if (chosen.isEmpty())
        return;
    FileEdit->setText(QString::fromStdString(BrowsedCollectionName(chosen.toStdString())));
}

void WaveCol_form::setBuilding(bool on) {
    building_ = on;
    for (QWidget* w : {static_cast<QWidget*>(FileEdit), static_cast<QWidget*>(ProchButt),
                       static_cast<QWidget*>(CreateButt), static_cast<QWidget*>(CloseButt)})
        w->setVisible(!on);
    STProgress->setVisible(on);
    ProgressBar->setVisible(on);
    CancelButt->setVisible(on);
    for (QPushButton* b : {AddButt, AddAllButt, RemButt, RemAllButt})
        b->setEnabled(!on);
}

bool WaveCol_form::progress(const std::string& text) {
    QString shown = fromCp1250(text);
    STProgress->setText(shown);
    ProgressBar->setValue(percentOf(text));
    ProgressBar->setFormat(shown);
    QApplication::processEvents();
    if (onProgress)
        onProgress();
    return !cancel_;
}

bool WaveCol_form::CreateCollection() {
    std::vector<std::string> keys = UsedList->keys();
    QString fileText = FileEdit->text();
    if (building_ || fileText.isEmpty() || keys.empty())
        return false;
    // The entries will name the collection in the scenario's code page: refuse a name it
    // cannot hold before anything is written.
    std::error_code ec;
    std::string directory = std::filesystem::current_path(ec).string();
    EncodingError bad;
    if (NahraditBox->isChecked() && !EntryPath(fileText.toStdString(), directory, &bad)) {
        boxes_.stop(this, fromCp1250(bad.message()));
        return false;
    }
    if (boxes_.ask(this, fromCp1250(CreateCollectionQuestion(keys.size())), BoxButtons::YesNo) !=
        BoxAnswer::Yes)
        return false;
    std::filesystem::path target(fileText.toStdString());
    if (std::filesystem::exists(target, ec)) {
        MessageRequest overwrite{captionText(BoxCaption::Notice),
                                 fromCp1250(OverwriteCollectionQuestion("%1")).arg(fileText),
                                 BoxIcon::Warning, BoxButtons::YesNo, BoxAnswer::Yes};
        if (boxes_.show(this, overwrite) != BoxAnswer::Yes)
            return false;
    }

    cancel_ = false;
    setBuilding(true);
    CancelButt->setFocus();
    STProgress->setText(u("Formátuji kolekci: 0%"));
    ProgressBar->setValue(0);
    ProgressBar->setFormat(STProgress->text());
    QApplication::processEvents();
    std::string error;
    CollectionWriteResult result = BuildCollection(
        doc_, keys, target, [this](const std::string& text) { return progress(text); }, &error);
    setBuilding(false);
    CreateButt->setFocus();

    if (result == CollectionWriteResult::Cancelled) {
        boxes_.stop(this, fromCp1250(kCollectionCancelled));
        return false;
    }
    if (result == CollectionWriteResult::Failed) {
        // Nothing was written: the entries keep pointing where they did.
        boxes_.error(this, fromCp1250(error));
        return false;
    }
    if (NahraditBox->isChecked()) {
        ReplaceWithCollectionPointers(doc_, keys, fileText.toStdString(), directory);
        UsedList->clear();
    }
    return true;
}

bool WaveCol_form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !building_) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == UnUsedList)
                MoveSelected(UnUsedList, UsedList);
            else
                MoveSelected(UsedList, UnUsedList);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WaveCol_form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && building_) {
        CancelButt->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WaveCol_form::closeEvent(QCloseEvent* event) {
    if (building_) {
        CancelButt->click();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace vek::editor
