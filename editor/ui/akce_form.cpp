#include "editor/ui/akce_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/qt/accessible.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/dialog_owner.h"
#include "common/qt/qt_text.h"
#include "editor/document/document.h"

namespace vek::editor {

namespace {

// A box whose sentence gives it no label of its own is named after what it chooses, so that a
// screen reader never announces a bare combo box.
QString unlabelledSlotName(const std::string& slot) {
    static const std::pair<const char*, const char*> names[] = {
        {"akt", "Které okno"},
        {"prid", "Přidej nebo odeber"},
        {"nast", "Nastav, zvyš nebo sniž"},
        {"activ", "Aktivuj nebo deaktivuj"},
        {"zvkam1", "Kde hraje"},
        {"zvkam2", "Fronta"},
    };
    for (const auto& [key, name] : names)
        if (slot == key)
            return QString::fromUtf8(name);
    return QString::fromUtf8("Parametr");
}

}  // namespace

Akce_form::Akce_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName("Akce_form");
    setModal(true);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    makeChoiceSpoken(ComboBox1);
    // The sentence list has no label on screen; this one names it after the purpose.
    STVeta = new QLabel(this);
    STVeta->setBuddy(ComboBox1);
    STVeta->hide();

    auto* params = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        STPar[i] = new QLabel(this);
        STPar[i]->setObjectName(QString("STPar%1").arg(i + 1));
        params->addWidget(STPar[i]);
        if (i == 3)
            break;
        ParBox[i] = new QComboBox(this);
        ParBox[i]->setObjectName(QString("ParBox%1").arg(i + 1));
        ParBox[i]->setEditable(true);
        ParBox[i]->setInsertPolicy(QComboBox::NoInsert);
        ParBox[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        guardCp1250(ParBox[i], boxes);
        STPar[i]->setBuddy(ParBox[i]);
        params->addWidget(ParBox[i]);
        connect(ParBox[i], &QComboBox::currentTextChanged, this, [this] { updatePreview(); });
    }
    params->addStretch();

    NegaceBox = new QCheckBox(QString::fromUtf8("Negace"), this);
    NegaceBox->setObjectName("NegaceBox");
    KonjRadio = new QRadioButton(QString::fromUtf8("Konjunkce"), this);
    KonjRadio->setObjectName("KonjRadio");
    DisjRadio = new QRadioButton(QString::fromUtf8("Disjunkce"), this);
    DisjRadio->setObjectName("DisjRadio");
    auto* options = new QHBoxLayout;
    options->addWidget(NegaceBox);
    options->addWidget(KonjRadio);
    options->addWidget(DisjRadio);
    options->addStretch();

    auto* resultLabel = new QLabel(QString::fromUtf8("&Výsledek:"), this);
    VysledekEdit = new QLineEdit(this);
    VysledekEdit->setObjectName("VysledekEdit");
    VysledekEdit->setReadOnly(true);
    VysledekEdit->setAccessibleName(QString::fromUtf8("Výsledek"));
    VysledekEdit->setToolTip(QString::fromUtf8("Text, který OK vloží do skriptu"));
    VysledekEdit->setAccessibleDescription(VysledekEdit->toolTip());
    resultLabel->setBuddy(VysledekEdit);
    auto* result = new QHBoxLayout;
    result->addWidget(resultLabel);
    result->addWidget(VysledekEdit, 1);

    AkceOkButton = new QPushButton(QString::fromUtf8("&OK"), this);
    AkceOkButton->setObjectName("AkceOkButton");
    AkceOkButton->setDefault(true);
    AkceOkButton->setAccessibleName("OK");
    AkceCancelButton = new QPushButton(QString::fromUtf8("&Cancel"), this);
    AkceCancelButton->setObjectName("AkceCancelButton");
    AkceCancelButton->setAccessibleName("Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AkceOkButton);
    buttons->addWidget(AkceCancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    layout->addLayout(params);
    layout->addLayout(options);
    layout->addLayout(result);
    layout->addLayout(buttons);

    setTabOrder(ComboBox1, ParBox[0]);
    setTabOrder(ParBox[0], ParBox[1]);
    setTabOrder(ParBox[1], ParBox[2]);
    setTabOrder(ParBox[2], NegaceBox);
    setTabOrder(NegaceBox, KonjRadio);
    setTabOrder(KonjRadio, DisjRadio);
    setTabOrder(DisjRadio, VysledekEdit);
    setTabOrder(VysledekEdit, AkceOkButton);
    setTabOrder(AkceOkButton, AkceCancelButton);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) { layOut(i); });
    connect(NegaceBox, &QCheckBox::toggled, this, [this] { updatePreview(); });
    connect(DisjRadio, &QRadioButton::toggled, this, [this] { updatePreview(); });
    connect(AkceOkButton, &QPushButton::clicked, this, &Akce_form::accept);
    connect(AkceCancelButton, &QPushButton::clicked, this, &Akce_form::reject);
}

void Akce_form::Prepare(BuilderPurpose purpose) {
    purpose_ = purpose;
    QString caption = fromCp1250(BuilderCaption(purpose));
    setWindowTitle(caption);
    STVeta->setAccessibleName(caption);
    bool conditions = purpose == BuilderPurpose::Conditions;
    NegaceBox->setVisible(conditions);
    KonjRadio->setVisible(conditions);
    DisjRadio->setVisible(conditions);
    NegaceBox->setChecked(false);
    KonjRadio->setChecked(true);
    result_ = BuilderPlaceholder(purpose);

    QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const auto& t : BuilderTemplates(purpose))
        ComboBox1->addItem(fromCp1250(t.sentence));
    ComboBox1->setCurrentIndex(0);
    layOut(0);
    ComboBox1->setFocus();
}

std::string Akce_form::Run(BuilderPurpose purpose) {
    Prepare(purpose);
    exec();
    return result_;
}

void Akce_form::layOut(int sentence) {
    const auto& templates = BuilderTemplates(purpose_);
    if (sentence < 0 || static_cast<std::size_t>(sentence) >= templates.size())
        return;
    TemplateLayout layout = LayoutTemplate(templates[static_cast<std::size_t>(sentence)].pattern);
    for (std::size_t i = 0; i < 3; ++i) {
        QComboBox* box = ParBox[i];
        QSignalBlocker block(box);
        box->clear();
        box->clearEditText();
        QString label = fromCp1250(layout.labels[i]).trimmed();
        STPar[i]->setText(label);
        STPar[i]->setVisible(!label.isEmpty());
        bool used = !layout.slotNames[i].empty();
        box->setVisible(used);
        if (!used)
            continue;
        std::vector<std::string> entries = SlotEntries(layout.slotNames[i], doc_);
        QStringList items;
        items.reserve(static_cast<qsizetype>(entries.size()));
        int longest = 0;
        for (const auto& e : entries) {
            items << fromCp1250(e);
            longest = std::max(longest, static_cast<int>(e.size()));
        }
        box->addItems(items);
        box->setCurrentIndex(items.isEmpty() ? -1 : 0);
        box->setMinimumContentsLength(std::clamp(longest, 4, 40));
        // A label without text stays hidden but still names its box for screen readers (combo
        // boxes are announced by the label that labels them).
        STPar[i]->setAccessibleName(label.isEmpty() ? unlabelledSlotName(layout.slotNames[i])
                                                    : QString());
    }
    QString trailing = fromCp1250(layout.trailing).trimmed();
    STPar[3]->setText(trailing);
    STPar[3]->setVisible(!trailing.isEmpty());
    updatePreview();
}

std::optional<BuilderParams> Akce_form::params() const {
    BuilderParams out;
    for (std::size_t i = 0; i < 3; ++i) {
        if (ParBox[i]->isHidden())
            continue;
        QString text = ParBox[i]->currentText();
        auto cp = toCp1250(text);
        if (!cp)
            return std::nullopt;
        out[i].text = *cp;
        // A typed value that is one of the entries counts as picked.
        out[i].index = ParBox[i]->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    return out;
}

std::string Akce_form::Preview() const {
    auto p = params();
    if (!p || ComboBox1->currentIndex() < 0)
        return {};
    ConditionOptions options{NegaceBox->isChecked(), DisjRadio->isChecked()};
    return BuildText(purpose_, static_cast<std::size_t>(ComboBox1->currentIndex()), *p, options);
}

void Akce_form::updatePreview() {
    VysledekEdit->setText(fromCp1250(Preview()));
}

void Akce_form::accept() {
    if (!params())
        return;  // the boxes refuse such text as it is typed
    result_ = Preview();
    for (QComboBox* box : ParBox)
        box->hide();
    doc_.SetModified(true);
    QDialog::accept();
}

void Akce_form::reject() {
    result_.clear();
    for (QComboBox* box : ParBox)
        box->hide();
    QDialog::reject();
}

BuilderEnabling BuilderEnablingFor(BuilderTarget target) {
    switch (target) {
        case BuilderTarget::ScriptEditor:
            return {true, true, true};
        case BuilderTarget::CaseField:
            return {false, false, true};
        case BuilderTarget::None:
            break;
    }
    return {};
}

bool OpenBuilder(Akce_form& form, BuilderPurpose purpose, QWidget* control, BuilderTarget target) {
    if (!control || target == BuilderTarget::None)
        return false;
    if (target == BuilderTarget::CaseField) {
        if (purpose != BuilderPurpose::SoundActions && purpose != BuilderPurpose::SingleSound)
            return false;
        purpose = BuilderPurpose::SingleSound;
    }
    std::string result;
    {
        DialogOwner owner(control);  // back to the window of the script, main or properties
        result = form.Run(purpose);
    }
    if (result.empty())
        return false;
    {
        // One step of the history, apart from the typing before and after it.
        EditorDocument::Step step(form.document(), "vložení z pomocníka"_cp);
        InsertBuilderResult(control, purpose, result);
    }
    control->setFocus();
    return true;
}

namespace {

// The widget's text is replaced by `after` as one edit of the part that differs, so undo and
// the scroll position stay, and the widget's change handling sees an ordinary edit.
struct Difference {
    int from = 0;
    int removed = 0;
    QString inserted;
};

Difference difference(const QString& before, const QString& after) {
    int prefix = 0;
    int limit = static_cast<int>(std::min(before.size(), after.size()));
    while (prefix < limit && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < limit - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {prefix, static_cast<int>(before.size()) - prefix - suffix,
            after.mid(prefix, after.size() - prefix - suffix)};
}

// The insertion rules count a line break as it is stored ("\r\n"); the widgets count one
// character.
std::pair<QString, int> widgetText(const Insertion& insertion) {
    std::string text;
    text.reserve(insertion.text.size());
    int caret = 0;
    for (std::size_t i = 0; i < insertion.text.size(); ++i) {
        if (i == insertion.caret)
            caret = static_cast<int>(text.size());
        if (insertion.text[i] != '\r' || i + 1 >= insertion.text.size() ||
            insertion.text[i + 1] != '\n')
            text += insertion.text[i];
    }
    if (insertion.caret >= insertion.text.size())
        caret = static_cast<int>(text.size());
    return {fromCp1250(text), caret};
}

Insertion inserted(const std::string& text, int caret, int selected, BuilderPurpose purpose,
                   const std::string& result) {
    auto at = static_cast<std::size_t>(caret);
    if (purpose == BuilderPurpose::Conditions)
        return InsertCondition(text, at, result);
    return InsertAction(text, at, static_cast<std::size_t>(selected), result, purpose);
}

}  // namespace

void InsertBuilderResult(QWidget* control, BuilderPurpose purpose, const std::string& result) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        QString before = memo->toPlainText();
        auto text = toCp1250(before);
        if (!text)
            return;
        QTextCursor cursor = memo->textCursor();
        int start = cursor.selectionStart();
        Insertion insertion =
            inserted(*text, start, cursor.selectionEnd() - start, purpose, result);
        auto [after, caret] = widgetText(insertion);
        Difference d = difference(before, after);
        cursor.beginEditBlock();
        cursor.setPosition(d.from);
        cursor.setPosition(d.from + d.removed, QTextCursor::KeepAnchor);
        cursor.insertText(d.inserted);
        cursor.endEditBlock();
        cursor.setPosition(caret);
        memo->setTextCursor(cursor);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QString before = edit->text();
        auto text = toCp1250(before);
        if (!text)
            return;
        int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        int selected = edit->hasSelectedText() ? static_cast<int>(edit->selectedText().size()) : 0;
        auto [after, caret] = widgetText(inserted(*text, start, selected, purpose, result));
        Difference d = difference(before, after);
        edit->setSelection(d.from, d.removed);
        edit->insert(d.inserted);
        edit->setCursorPosition(caret);
    }
}

}  // namespace vek::editor
