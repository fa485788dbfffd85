#include "common/qt/accessible.h"

#include <QAbstractButton>
#include <QLabel>

namespace vek {

QString spokenText(const QString& caption) {
    QString text = caption;
    // "&&" is a literal ampersand; a single "&" marks the access key.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(spokenText(text));
    return label;
}

void nameByCaption(QAbstractButton* button) {
    button->setAccessibleName(spokenText(button->text()));
}

void setHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setAccessibleDescription(hint);
}

}  // namespace vek
