#include "common/qt/message_boxes.h"

#include <QMessageBox>

#include <cstddef>
#include <iterator>

namespace vek {
namespace {

// The shared words as Qt's, indexed by the enumerators' order.
constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                        QMessageBox::Warning, QMessageBox::Question,
                                        QMessageBox::Critical};
constexpr QMessageBox::StandardButton kAnswerButtons[] = {QMessageBox::Ok, QMessageBox::Yes,
                                                          QMessageBox::No, QMessageBox::Cancel};
const QMessageBox::StandardButtons kButtons[] = {
    QMessageBox::Ok, QMessageBox::Yes | QMessageBox::No, QMessageBox::Ok | QMessageBox::Cancel,
    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel};

static_assert(std::size(kIcons) == static_cast<std::size_t>(BoxIcon::Stop) + 1);
static_assert(std::size(kAnswerButtons) == static_cast<std::size_t>(BoxAnswer::Cancel) + 1);
static_assert(std::size(kButtons) == static_cast<std::size_t>(BoxButtons::YesNoCancel) + 1);

template <typename Table, typename Enum>
auto at(const Table& table, Enum value) {
    return table[static_cast<std::size_t>(value)];
}

BoxAnswer answerOf(int button, BoxAnswer fallback) {
    for (std::size_t i = 0; i < std::size(kAnswerButtons); ++i)
        if (kAnswerButtons[i] == button)
            return static_cast<BoxAnswer>(i);
    return fallback;
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

MessageRequest MessageRequest::of(BoxCaption caption, const QString& text, BoxButtons buttons) {
    return of(caption, text, buttons, firstAnswer(buttons));
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
    QMessageBox box(at(kIcons, request.icon), request.caption, request.text,
                    at(kButtons, request.buttons), parent);
    box.setDefaultButton(at(kAnswerButtons, request.defaultAnswer));
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
