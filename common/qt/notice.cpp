#include "common/qt/notice.h"

#include <QAccessibleWidget>

namespace vek {

namespace {

constexpr const char* kNoticeProperty = "vekNotice";

QAccessibleInterface* noticeInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(kNoticeProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

}  // namespace

Notice::Notice(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(noticeInterface);
        return true;
    }();
    (void)installed;
    setObjectName("Notice");
    setProperty(kNoticeProperty, true);
    hide();
}

void Notice::announce(const QString& text) {
    // Shown anew each time: the screen reader speaks a notification as it appears.
    hide();
    setText(text);
    setAccessibleName(text);
    show();
}

}  // namespace vek
