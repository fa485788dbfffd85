#include "player/shell/qt/percent_slider.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QSlider>

#include <cmath>

namespace vek::player {
namespace {

constexpr const char* kProperty = "vekHundredPercent";

class PercentSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit PercentSliderAccessible(QSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return QStringLiteral("%1 %").arg(percent(slider()->value()));
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return percent(slider()->value()); }
    void setCurrentValue(const QVariant& value) override {
        slider()->setValue(static_cast<int>(std::lround(value.toDouble() * hundred() / 100.0)));
    }
    QVariant maximumValue() const override { return percent(slider()->maximum()); }
    QVariant minimumValue() const override { return percent(slider()->minimum()); }
    QVariant minimumStepSize() const override { return 1; }

  private:
    QSlider* slider() const { return static_cast<QSlider*>(object()); }
    int hundred() const { return slider()->property(kProperty).toInt(); }
    int percent(int position) const {
        return static_cast<int>(std::lround(position * 100.0 / hundred()));
    }
};

QAccessibleInterface* percentSliderFactory(const QString&, QObject* object) {
    auto* slider = qobject_cast<QSlider*>(object);
    if (slider && slider->property(kProperty).toInt() > 0)
        return new PercentSliderAccessible(slider);
    return nullptr;
}

}  // namespace

void readValueAsPercent(QSlider* slider, int hundredPercent) {
    static const bool installed = [] {
        QAccessible::installFactory(percentSliderFactory);
        return true;
    }();
    (void)installed;
    slider->setProperty(kProperty, hundredPercent);
}

}  // namespace vek::player
