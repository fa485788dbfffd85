#include "editor/ui/zvuky_form.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "common/qt/accessible.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "editor/document/document.h"
#include "editor/ui/sound_preview.h"

namespace vek::editor {
namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(u(caption), parent);
    b->setObjectName(name);
    nameByCaption(b);
    return b;
}

QLineEdit* field(const char* name, QWidget* parent) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    return f;
}

}  // namespace

SoundBrowser qtSoundBrowser() {
    return [](QWidget* parent) -> std::optional<std::string> {
        // Qt's own dialog reads well with a screen reader; it leaves the current directory.
        QString file = QFileDialog::getOpenFileName(parent, QString(), QString(),
                                                    u("Zvuk (*.wav);;V\u0161echny soubory (*)"),
                                                    nullptr, QFileDialog::DontUseNativeDialog);
        if (file.isEmpty())
            return std::nullopt;
        return file.toStdString();
    };
}

Zvuky_form::Zvuky_form(EditorDocument& doc, MessageBoxes& boxes, SoundBrowser browser,
                       SoundPreview& preview, QWidget* parent)
    : Zvuky_form(boxes, std::move(browser), preview, parent) {
    doc_ = &doc;
}

Zvuky_form::Zvuky_form(MessageBoxes& boxes, SoundBrowser browser, SoundPreview& preview,
                       QWidget* parent)
    : QDialog(parent), boxes_(boxes), browser_(std::move(browser)), preview_(preview) {
    setObjectName("TZvukyForm");
    setWindowTitle(u("Zvuk"));
    directory_ = std::filesystem::current_path();

    ZvukIDEdit = field("ZvukIDEdit", this);
    ZvukTextEdit = field("ZvukTextEdit", this);
    ZvukSouborEdit = field("ZvukSouborEdit", this);
    for (QLineEdit* edit : {ZvukIDEdit, ZvukTextEdit, ZvukSouborEdit})
        guardCp1250(edit, boxes_);
    NactiButt = button("&proch\u00E1zet", "NactiButt", this);

    ZvukPriorityBox = new QComboBox(this);
    ZvukPriorityBox->setObjectName("ZvukPriorityBox");
    ZvukPriorityBox->setEditable(true);
    for (int p = 0; p <= 9; ++p)
        ZvukPriorityBox->addItem(QString::number(p));
    // One digit, or nothing (several sounds keep their own priorities).
    ZvukPriorityBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), this));

    ZakHlasBox = new QComboBox(this);
    ZakHlasBox->setObjectName("ZakHlasBox");
    ZakHlasBox->addItems({u("Dialogy"), u("Ruchy"), u("Hudba"), u(" ")});
    // The blank choice keeps each sound's own kind; a screen reader needs words for it.
    ZakHlasBox->setItemData(3, u("beze zm\u011Bny"), Qt::AccessibleTextRole);
    setHint(ZakHlasBox, u("Z\u00E1kladn\u00ED hlasitost zvuku"));

    ZvukPlayButt = button("&Hrej / Stop", "ZvukPlayButt", this);
    OKZvukButt = button("&OK", "OKZvukButt", this);
    OKZvukButt->setDefault(true);
    CancelZvukButt = button("&Cancel", "CancelZvukButt", this);
    PreviewStatus = new QLabel(this);
    PreviewStatus->setObjectName("PreviewStatus");
    PreviewStatus->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->addWidget(labelFor(ZvukIDEdit, u("Identifik\u00E1tor:"), this), 0, 0);
    grid->addWidget(ZvukIDEdit, 0, 1, 1, 2);
    grid->addWidget(labelFor(ZvukTextEdit, u("Text:"), this), 1, 0);
    grid->addWidget(ZvukTextEdit, 1, 1, 1, 2);
    grid->addWidget(labelFor(ZvukSouborEdit, u("Soubor:"), this), 2, 0);
    grid->addWidget(ZvukSouborEdit, 2, 1);
    grid->addWidget(NactiButt, 2, 2);
    grid->addWidget(labelFor(ZvukPriorityBox, u("Priorita:"), this), 3, 0);
    grid->addWidget(ZvukPriorityBox, 3, 1);
    grid->addWidget(labelFor(ZakHlasBox, u("Hlasitost:"), this), 4, 0);
    grid->addWidget(ZakHlasBox, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ZvukPlayButt);
    buttons->addStretch();
    buttons->addWidget(OKZvukButt);
    buttons->addWidget(CancelZvukButt);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(PreviewStatus);
    layout->addLayout(buttons);

    QWidget* order[] = {ZvukIDEdit, ZvukTextEdit, ZvukSouborEdit, NactiButt,     ZvukPriorityBox,
                        ZakHlasBox, ZvukPlayButt, OKZvukButt,     CancelZvukButt};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(NactiButt, &QPushButton::clicked, this, &Zvuky_form::browse);
    connect(ZvukPlayButt, &QPushButton::clicked, this, &Zvuky_form::play);
    connect(OKZvukButt, &QPushButton::clicked, this, &Zvuky_form::accept);
    connect(CancelZvukButt, &QPushButton::clicked, this, &Zvuky_form::reject);
    resize(420, 230);
}

void Zvuky_form::setCurrentDirectory(std::filesystem::path directory) {
    directory_ = std::move(directory);
}

void Zvuky_form::showFields(const SoundFields& fields) {
    ZvukIDEdit->setText(fromCp1250(fields.id));
    ZvukTextEdit->setText(fromCp1250(fields.text));
    ZvukSouborEdit->setText(fromCp1250(fields.file));
    ZvukPriorityBox->setEditText(fromCp1250(fields.priority));
    ZakHlasBox->setCurrentIndex(static_cast<int>(fields.category));
    PreviewStatus->clear();
    changed_.clear();
    accepted_.reset();
}

// What each mode lets the author change, and where the focus starts.
void Zvuky_form::enableFor(SoundDialogMode mode) {
    mode_ = mode;
    bool system = mode == SoundDialogMode::ChangeSystem;
    bool several = mode == SoundDialogMode::ChangeSeveral;
    ZvukIDEdit->setEnabled(!system && !several);
    ZvukPriorityBox->setEnabled(true);
    ZvukPlayButt->setEnabled(mode == SoundDialogMode::ChangeOne || system);
    if (system || several) {
        ZvukSouborEdit->setFocus();
    } else {
        ZvukIDEdit->selectAll();
        ZvukIDEdit->setFocus();
    }
}

void Zvuky_form::prepare(SoundDialogMode mode, const std::string& title, const SoundFields& fields,
                         std::size_t count) {
    applyToDocument_ = false;
    selected_.clear();
    count_ = count;
    setWindowTitle(title.empty() ? u("Zvuk") : QString::fromStdString(title));
    showFields(fields);
    enableFor(mode);
}

std::optional<SoundFields> Zvuky_form::edit(SoundDialogMode mode, const std::string& title,
                                            const SoundFields& fields, std::size_t count) {
    prepare(mode, title, fields, count);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return accepted_;
}

void Zvuky_form::prepareNewSound() {
    applyToDocument_ = doc_ != nullptr;
    selected_.clear();
    count_ = 1;
    setWindowTitle(u("Zvuk"));
    showFields(NewSoundFields(counter_));
    enableFor(SoundDialogMode::New);
}

bool Zvuky_form::prepareChange(const std::vector<std::size_t>& selected) {
    selected_.clear();
    for (std::size_t i : selected)
        if (doc_ && i < doc_->UserSounds().size())
            selected_.push_back(i);
    if (selected_.empty())
        return false;
    applyToDocument_ = true;
    count_ = selected_.size();
    if (selected_.size() == 1) {
        setWindowTitle(u("Zvuk"));
        showFields(FieldsFromLine(doc_->UserSounds()[selected_.front()]));
        enableFor(SoundDialogMode::ChangeOne);
        return true;
    }
    setWindowTitle(u("Zvuky"));
    showFields(SeveralSoundsFields());
    enableFor(SoundDialogMode::ChangeSeveral);
    return true;
}

bool Zvuky_form::prepareSystemSound(std::size_t index) {
    if (!doc_ || index >= doc_->SystemSounds().size())
        return false;
    applyToDocument_ = true;
    selected_ = {index};
    count_ = 1;
    setWindowTitle(u("Syst\u00E9mov\u00FD zvuk"));
    showFields(FieldsFromLine(doc_->SystemSounds()[index]));
    enableFor(SoundDialogMode::ChangeSystem);
    return true;
}

bool Zvuky_form::newSound() {
    prepareNewSound();
    return exec() == QDialog::Accepted;
}

bool Zvuky_form::changeSounds(const std::vector<std::size_t>& selected) {
    return prepareChange(selected) && exec() == QDialog::Accepted;
}

bool Zvuky_form::changeSystemSound(std::size_t index) {
    return prepareSystemSound(index) && exec() == QDialog::Accepted;
}

SoundFields Zvuky_form::readFields(bool& ok) {
    SoundFields fields;
    ok = true;
    std::pair<QLineEdit*, std::string*> texts[] = {
        {ZvukIDEdit, &fields.id}, {ZvukTextEdit, &fields.text}, {ZvukSouborEdit, &fields.file}};
    for (auto [edit, target] : texts) {
        UnmappableCharacter bad;
        std::optional<std::string> value = toCp1250(edit->text(), &bad);
        if (!value) {
            boxes_.stop(this, unmappableMessage(bad));
            edit->setFocus();
            ok = false;
            return fields;
        }
        *target = std::move(*value);
    }
    fields.priority = ZvukPriorityBox->currentText().trimmed().toStdString();
    fields.category = static_cast<SoundCategory>(std::max(0, ZakHlasBox->currentIndex()));
    return fields;
}

void Zvuky_form::browse() {
    std::optional<std::string> chosen = browser_ ? browser_(this) : std::nullopt;
    if (!chosen)
        return;
    bool ok = false;
    SoundFields fields = readFields(ok);
    if (!ok)
        return;
    EncodingError error;
    if (!BrowseSoundFile(fields, *chosen, directory_.string(), &error)) {
        QString name = QString::fromStdString(*chosen);
        boxes_.stop(
            this, u("Soubor %1 nelze pou\u017E\u00EDt: %2").arg(name, fromCp1250(error.message())));
        return;
    }
    ZvukSouborEdit->setText(fromCp1250(fields.file));
    ZvukIDEdit->setText(fromCp1250(fields.id));
    ZvukPlayButt->setEnabled(true);
    ZvukSouborEdit->setFocus();
}

void Zvuky_form::sayPreview(const QString& text) {
    PreviewStatus->setText(text);
    PreviewStatus->setAccessibleName(text);
    if (!text.isEmpty()) {
        QAccessibleEvent event(PreviewStatus, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

void Zvuky_form::play() {
    QString file = ZvukSouborEdit->text();
    if (file.isEmpty() || file == fromCp1250(kUnchangedField))
        return;
    std::optional<std::string> spec = toCp1250(file);
    if (!spec)
        return;
    switch (preview_.Toggle(*spec, directory_)) {
        case PreviewOutcome::CannotPlay:
            sayPreview(u("Soubor %1 nelze p\u0159ehr\u00E1t.").arg(file));
            break;
        case PreviewOutcome::Started:
        case PreviewOutcome::Stopped:
        case PreviewOutcome::NoDevice:
            sayPreview({});
            break;
    }
}

void Zvuky_form::accept() {
    bool ok = false;
    SoundFields fields = readFields(ok);
    if (!ok)
        return;
    if (std::optional<std::string> problem = SoundFieldsProblem(fields, mode_)) {
        boxes_.stop(this, fromCp1250(*problem));
        return;
    }
    if (mode_ == SoundDialogMode::ChangeSeveral &&
        boxes_.ask(this, fromCp1250(ChangeSeveralQuestion(count_)), BoxButtons::OkCancel) !=
            BoxAnswer::Ok)
        return;
    accepted_ = fields;
    if (applyToDocument_ && doc_)
        changed_ = ApplySoundDialog(*doc_, mode_, fields, selected_, counter_);
    QDialog::accept();
}

}  // namespace vek::editor
