#include "editor/ui/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/accessible.h"

namespace vek::editor {

DialogButtons addOkCancel(QDialog* dialog, std::initializer_list<QWidget*> fields) {
    auto* ok = new QPushButton(QStringLiteral("&OK"), dialog);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    cancel->setObjectName("CancelButton");
    for (auto* button : {ok, cancel})
        nameByCaption(button);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    QWidget* previous = nullptr;
    for (QWidget* field : fields) {
        layout->addWidget(field);
        if (previous && (field->focusPolicy() & Qt::TabFocus))
            QWidget::setTabOrder(previous, field);
        if (field->focusPolicy() & Qt::TabFocus)
            previous = field;
    }
    layout->addLayout(buttons);
    if (previous)
        QWidget::setTabOrder(previous, ok);
    QWidget::setTabOrder(ok, cancel);
    return {ok, cancel};
}

}  // namespace vek::editor
