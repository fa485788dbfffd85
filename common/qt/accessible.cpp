#include "common/qt/accessible.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

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

namespace {

// Type-ahead over a read-only line edit: the typed start, renewed after a pause, selects the
// next entry beginning with it, as in a choice-only box.
class TypeAhead : public QObject {
  public:
    explicit TypeAhead(QComboBox* box) : QObject(box), box_(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        if (!typed_.isValid() || typed_.elapsed() > kPauseMs)
            prefix_.clear();
        typed_.start();
        prefix_ += text;
        int count = box_->count();
        int from = prefix_.size() == 1 ? box_->currentIndex() + 1 : box_->currentIndex();
        for (int i = 0; i < count; ++i) {
            int row = (std::max(from, 0) + i) % count;
            if (box_->itemText(row).startsWith(prefix_, Qt::CaseInsensitive)) {
                box_->setCurrentIndex(row);
                break;
            }
        }
        return true;
    }

  private:
    static constexpr qint64 kPauseMs = 1000;
    QComboBox* box_;
    QString prefix_;
    QElapsedTimer typed_;
};

}  // namespace

void makeChoiceSpoken(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->lineEdit()->setReadOnly(true);
    box->lineEdit()->installEventFilter(new TypeAhead(box));
}

void describeCurrentEntry(QAbstractItemView* list) {
    const QString hint = list->accessibleDescription();
    // A view's own model announces a reset while ~QWidget deletes it, when the view is a view no
    // more: the cast, made through QObject, then fails and nothing is touched.
    QObject* object = list;
    auto update = [object, hint] {
        auto* list = qobject_cast<QAbstractItemView*>(object);
        if (!list)
            return;
        QModelIndex entry = list->currentIndex();
        if (!entry.isValid() && list->model()->rowCount(list->rootIndex()) > 0)
            entry = list->model()->index(0, 0, list->rootIndex());
        QString text = entry.isValid() ? entry.data(Qt::DisplayRole).toString() : QString();
        list->setAccessibleDescription(text.isEmpty() ? hint : text + QStringLiteral(". ") + hint);
    };
    QAbstractItemModel* model = list->model();
    QObject::connect(list->selectionModel(), &QItemSelectionModel::currentChanged, list, update);
    QObject::connect(model, &QAbstractItemModel::modelReset, list, update);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, update);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, list, update);
    QObject::connect(model, &QAbstractItemModel::dataChanged, list, update);
    update();
}

void setHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setAccessibleDescription(hint);
}

}  // namespace vek
