#include "editor/ui/loading_form.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "common/qt/accessible.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"

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
    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    for (auto* button : {OKButton, CancelButton})
        nameByCaption(button);
    connect(OKButton, &QPushButton::clicked, this, &Loading_form::accept);
    connect(CancelButton, &QPushButton::clicked, this, &Loading_form::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(HesloEdit);
    layout->addLayout(buttons);
    setTabOrder(HesloEdit, OKButton);
    setTabOrder(OKButton, CancelButton);
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
