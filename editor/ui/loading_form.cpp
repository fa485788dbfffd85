#include "editor/ui/loading_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "common/qt/accessible.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "editor/ui/dialog_buttons.h"

namespace vek::editor {

Loading_form::Loading_form(MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), boxes_(boxes) {
    setObjectName("TLoadingForm");
    setWindowTitle(QString::fromUtf8("Soubor je k\u00F3dovan\u00FD"));
    HesloEdit = new QLineEdit(this);
    HesloEdit->setObjectName("HesloEdit");
    HesloEdit->setEchoMode(QLineEdit::Password);
    guardCp1250(HesloEdit, boxes_);
    Label1 = labelFor(HesloEdit, QString::fromUtf8("Pro editaci je nutno zadat heslo:"), this);
    Label1->setObjectName("Label1");
    auto [ok, cancel] = addOkCancel(this, {Label1, HesloEdit});
    OKButton = ok;
    CancelButton = cancel;
    resize(280, 110);
}

void Loading_form::prepare() {
    HesloEdit->clear();
    HesloEdit->setFocus();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

std::optional<std::string> Loading_form::typedPassword() {
    UnmappableCharacter bad;
    std::optional<std::string> password = toCp1250(HesloEdit->text(), &bad);
    if (!password)
        boxes_.stop(this, unmappableMessage(bad));
    return password;
}

std::optional<std::string> Loading_form::askPassword() {
    prepare();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return typedPassword();
}

PasswordPrompt Loading_form::prompt() {
    return [this] { return askPassword(); };
}

}  // namespace vek::editor
