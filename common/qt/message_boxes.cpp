#include "common/qt/message_boxes.h"

#include <QMessageBox>

namespace vek {
namespace {

QMessageBox::Icon iconOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::Warning:
            return QMessageBox::Warning;
        case BoxIcon::Question:
            return QMessageBox::Question;
        case BoxIcon::Stop:
            return QMessageBox::Critical;
        case BoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Yes:
            return QMessageBox::Yes;
        case BoxAnswer::No:
            return QMessageBox::No;
        case BoxAnswer::Cancel:
            return QMessageBox::Cancel;
        case BoxAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons buttonsOf(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case BoxButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case BoxButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

BoxAnswer answerOf(int button, BoxAnswer fallback) {
    switch (button) {
        case QMessageBox::Ok:
            return BoxAnswer::Ok;
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        default:
            return fallback;
    }
}

}  // namespace

QString captionText(BoxCaption caption) {
    switch (caption) {
        case BoxCaption::Stop:
            return QStringLiteral("Stop");
        case BoxCaption::Question:
            return QString::fromUtf8("Ot\u00E1zka");
        case BoxCaption::Error:
            return QStringLiteral("Chyba");
        case BoxCaption::Notice:
            return QString::fromUtf8("Upozorn\u011Bn\u00ED");
        case BoxCaption::Warning:
            return QString::fromUtf8("Varov\u00E1n\u00ED");
        case BoxCaption::Fatal:
            break;
    }
    return QStringLiteral("Error");
}

BoxIcon captionIcon(BoxCaption caption) {
    switch (caption) {
        case BoxCaption::Question:
            return BoxIcon::Question;
        case BoxCaption::Notice:
            return BoxIcon::Information;
        case BoxCaption::Warning:
            return BoxIcon::Warning;
        case BoxCaption::Stop:
        case BoxCaption::Error:
        case BoxCaption::Fatal:
            break;
    }
    return BoxIcon::Stop;
}

MessageRequest MessageRequest::of(BoxCaption caption, const QString& text, BoxButtons buttons) {
    BoxAnswer first = buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel
                          ? BoxAnswer::Yes
                          : BoxAnswer::Ok;
    return of(caption, text, buttons, first);
}

MessageRequest MessageRequest::of(BoxCaption caption, const QString& text, BoxButtons buttons,
                                  BoxAnswer defaultAnswer) {
    return {captionText(caption), text, captionIcon(caption), buttons, defaultAnswer};
}

void MessageBoxes::stop(QWidget* parent, const QString& text) {
    show(parent, MessageRequest::of(BoxCaption::Stop, text));
}

BoxAnswer MessageBoxes::ask(QWidget* parent, const QString& text, BoxButtons buttons) {
    return show(parent, MessageRequest::of(BoxCaption::Question, text, buttons));
}

void MessageBoxes::error(QWidget* parent, const QString& text) {
    show(parent, MessageRequest::of(BoxCaption::Error, text));
}

BoxAnswer QtMessageBoxes::show(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(iconOf(request.icon), request.caption, request.text, buttonsOf(request.buttons),
                    parent);
    box.setDefaultButton(buttonOf(request.defaultAnswer));
    // Escape gives the answer that changes nothing.
    if (request.buttons != BoxButtons::Ok && request.buttons != BoxButtons::YesNo)
        box.setEscapeButton(QMessageBox::Cancel);
    box.setAccessibleName(request.caption);
    box.setAccessibleDescription(request.text);
    return answerOf(box.exec(), request.defaultAnswer);
}

MessageBoxes& defaultMessageBoxes() {
    static QtMessageBoxes boxes;
    return boxes;
}

}  // namespace vek
