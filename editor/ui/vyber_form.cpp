#include "editor/ui/vyber_form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "common/qt/accessible.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "editor/ui/dialog_buttons.h"

namespace vek::editor {

Vyber_form::Vyber_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent)
    : Vyber_form(boxes, parent) {
    doc_ = &doc;
}

Vyber_form::Vyber_form(MessageBoxes& boxes, QWidget* parent) : QDialog(parent), boxes_(boxes) {
    setObjectName("TVyberForm");
    setWindowTitle(QString::fromUtf8("V\u00FDb\u011Br"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    makeChoiceSpoken(ComboBox1);
    // A combo box reads with the label it is labelled by; the label says what is chosen.
    ComboBox1Label = labelFor(ComboBox1, windowTitle() + QLatin1Char(':'), this);
    auto [ok, cancel] = addOkCancel(this, {ComboBox1Label, ComboBox1});
    OKButton = ok;
    CancelButton = cancel;
    resize(300, 100);
}

QString Vyber_form::captionFor(EntryList list) {
    switch (list) {
        case EntryList::Paths:
            return QString::fromUtf8("V\u00FDb\u011Br okna");
        case EntryList::Items:
        case EntryList::Inventory:
            return QString::fromUtf8("V\u00FDb\u011Br p\u0159edm\u011Btu");
        case EntryList::MenuEntries:
            return QString::fromUtf8("V\u00FDb\u011Br polo\u017Eky");
        case EntryList::Music:
            break;
    }
    return QString::fromUtf8("V\u00FDb\u011Br hudby");
}

void Vyber_form::prepareChoices(const QString& title, std::vector<std::string> choices) {
    adds_ = false;
    chosen_.reset();
    choices_ = std::move(choices);
    setWindowTitle(title);
    ComboBox1Label->setText(title + QLatin1Char(':'));
    ComboBox1->setAccessibleName(title);
    ComboBox1->clear();
    for (const auto& name : choices_)
        ComboBox1->addItem(fromCp1250(name));
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setFocus();
}

std::optional<std::string> Vyber_form::choose(const std::string& title,
                                              const std::vector<std::string>& choices) {
    if (choices.empty())
        return std::nullopt;
    prepareChoices(QString::fromStdString(title), choices);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen_;
}

bool Vyber_form::prepare(EntryList list) {
    if (!doc_)
        return false;
    EditResult refusal = doc_->CanEditEntries(list);
    if (!refusal.done) {
        if (!refusal.message.empty())
            boxes_.stop(parentWidget(), fromCp1250(refusal.message));
        return false;
    }
    std::vector<std::string> choices = doc_->Choices(list);
    if (choices.empty())
        return false;
    prepareChoices(captionFor(list), std::move(choices));
    list_ = list;
    adds_ = true;
    return true;
}

bool Vyber_form::addTo(EntryList list) {
    return prepare(list) && exec() == QDialog::Accepted;
}

void Vyber_form::accept() {
    int i = ComboBox1->currentIndex();
    std::string name = i >= 0 && static_cast<std::size_t>(i) < choices_.size()
                           ? choices_[static_cast<std::size_t>(i)]
                           : std::string();
    if (adds_ && doc_) {
        EditResult result = doc_->AddEntry(list_, name);
        if (!result.done && !result.message.empty())
            boxes_.stop(this, fromCp1250(result.message));
    }
    chosen_ = name;
    QDialog::accept();
}

}  // namespace vek::editor
