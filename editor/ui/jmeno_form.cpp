#include "editor/ui/jmeno_form.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/qt/accessible.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "editor/ui/dialog_buttons.h"

namespace vek::editor {
namespace {

const std::string* shownName(const EditorDocument& doc, EntityKind kind) {
    switch (kind) {
        case EntityKind::Window:
            return doc.ShownWindow() ? &doc.ShownWindow()->Name : nullptr;
        case EntityKind::Item:
            return doc.ShownItem() ? &doc.ShownItem()->Name : nullptr;
        case EntityKind::Menu:
            return doc.ShownMenu() ? &doc.ShownMenu()->Name : nullptr;
        case EntityKind::MenuItem:
            return doc.ShownMenuItem() ? &doc.ShownMenuItem()->Name : nullptr;
    }
    return nullptr;
}

}  // namespace

Jmeno_form::Jmeno_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent)
    : Jmeno_form(boxes, parent) {
    doc_ = &doc;
}

Jmeno_form::Jmeno_form(MessageBoxes& boxes, QWidget* parent) : QDialog(parent), boxes_(boxes) {
    setObjectName("TJmenoForm");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    guardCp1250(Edit1, boxes_);
    auto [ok, cancel] = addOkCancel(this, {Edit1});
    OKButton = ok;
    CancelButton = cancel;
    resize(300, 100);
}

QString Jmeno_form::captionFor(EntityKind kind) {
    switch (kind) {
        case EntityKind::Window:
            return QString::fromUtf8("Jm\u00E9no okna");
        case EntityKind::Item:
            return QString::fromUtf8("Jm\u00E9no p\u0159edm\u011Btu");
        case EntityKind::Menu:
            return QString::fromUtf8("Jm\u00E9no nab\u00EDdky");
        case EntityKind::MenuItem:
            break;
    }
    return QString::fromUtf8("Jm\u00E9no polo\u017Eky");
}

void Jmeno_form::prepareName(const QString& title, const std::string& current) {
    renames_ = false;
    typed_.reset();
    setWindowTitle(title);
    Edit1->setAccessibleName(title);
    Edit1->setText(fromCp1250(current));
    Edit1->selectAll();
    Edit1->setFocus();
}

std::optional<std::string> Jmeno_form::askName(const std::string& title,
                                               const std::string& current) {
    prepareName(QString::fromStdString(title), current);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return typed_;
}

bool Jmeno_form::prepare(EntityKind kind) {
    if (!doc_)
        return false;
    EditResult refusal = doc_->CanRename(kind);
    if (!refusal.done) {
        boxes_.stop(parentWidget(), fromCp1250(refusal.message));
        return false;
    }
    const std::string* name = shownName(*doc_, kind);
    if (!name)
        return false;
    prepareName(captionFor(kind), *name);
    kind_ = kind;
    renames_ = true;
    return true;
}

bool Jmeno_form::renameShown(EntityKind kind) {
    return prepare(kind) && exec() == QDialog::Accepted;
}

void Jmeno_form::accept() {
    UnmappableCharacter bad;
    std::optional<std::string> name = toCp1250(Edit1->text(), &bad);
    if (!name) {
        boxes_.stop(this, unmappableMessage(bad));
        return;
    }
    // An unnamed window or item would be dropped, scripts and all, at the next save.
    if (MakeUniqueName(*name).empty()) {
        boxes_.stop(this, QString::fromUtf8("Jm\u00E9no nesm\u00ED b\u00FDt pr\u00E1zdn\u00E9."));
        Edit1->setFocus();
        return;
    }
    typed_ = name;
    if (renames_ && doc_) {
        EditResult result = doc_->Rename(kind_, *name);
        if (!result.done && !result.message.empty())
            boxes_.stop(this, fromCp1250(result.message));
    }
    QDialog::accept();
}

}  // namespace vek::editor
