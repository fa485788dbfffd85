#include "player/shell/qt/vek2_options.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vek::player {
namespace {

QLineEdit* aboutField(const char* text, const char* name, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromUtf8(text), parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAccessibleName(QString::fromUtf8(text));
    return field;
}

}  // namespace

VEK2_options::VEK2_options(QWidget* parent) : QDialog(parent) {
    setObjectName("TOptionsForm");
    setWindowTitle(QString::fromUtf8("Nastaven\u00ed"));
    setFixedSize(307, 190);
    setStyleSheet(
        "#TOptionsForm, #TabSheet1, #TabSheet3 { background-color: black; }"
        "QLabel { color: white; font-weight: bold; background: transparent; }");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    for (QWidget* page : {TabSheet1, TabSheet3})
        page->setAttribute(Qt::WA_StyledBackground);  // plain widgets paint no background else
    PageControl1->addTab(TabSheet1, QString::fromUtf8("Hlasitost"));
    PageControl1->addTab(TabSheet3, QString::fromUtf8("O programu"));
    PageControl1->setAccessibleName(QString::fromUtf8("Nastaven\u00ed"));

    auto* volumes = new QVBoxLayout(TabSheet1);
    volumes->setContentsMargins(6, 4, 6, 4);
    volumes->setSpacing(0);
    TabSheet1->setLayout(volumes);
    RecHlasBar =
        addSlider("Hlasitost dialog\u016f", "RecHlasBar", TOptionsForm::Slider::Rec, &STRecHlasBar);
    ZvukHlasBar =
        addSlider("Hlasitost zvuk\u016f", "ZvukHlasBar", TOptionsForm::Slider::Zvuk, &STZvukyHlas);
    HudbaHlasBar =
        addSlider("Hlasitost hudby", "HudbaHlasBar", TOptionsForm::Slider::Hudba, &STHudbaHlas);
    STRecHlasBar->setObjectName("STRecHlasBar");
    STZvukyHlas->setObjectName("STZvukyHlas");
    STHudbaHlas->setObjectName("STHudbaHlas");

    auto* about = new QVBoxLayout(TabSheet3);
    about->addWidget(aboutField("Kvelmora Sound Adventure", "TitleEdit", TabSheet3));
    about->addWidget(
        aboutField("Hr\u00e1\u010d zvukov\u00fdch adventur VEK2", "InfoEdit", TabSheet3));
    about->addWidget(aboutField("Kvelmora, verze 2.0", "MakerEdit", TabSheet3));
    about->addStretch();

    OKButton = new QPushButton(QString::fromUtf8("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    OKButton->setAccessibleName(QString::fromUtf8("OK"));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(PageControl1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    setTabOrder(RecHlasBar, ZvukHlasBar);
    setTabOrder(ZvukHlasBar, HudbaHlasBar);
    setTabOrder(HudbaHlasBar, OKButton);
}

QSlider* VEK2_options::addSlider(const char* labelText, const char* name,
                                 TOptionsForm::Slider which, QLabel** label) {
    QString text = QString::fromUtf8(labelText);
    *label = new QLabel(text, TabSheet1);
    auto* slider = new QSlider(Qt::Horizontal, TabSheet1);
    slider->setObjectName(name);
    slider->setRange(0, TOptionsForm::kMax);
    slider->setSingleStep(TOptionsForm::kLineStep);
    slider->setPageStep(TOptionsForm::kPageStep);
    slider->setTickInterval(TOptionsForm::kTickEvery);
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setValue(TOptionsForm::kMax);
    slider->setAccessibleName(text);
    (*label)->setBuddy(slider);
    TabSheet1->layout()->addWidget(*label);
    TabSheet1->layout()->addWidget(slider);

    connect(slider, &QSlider::valueChanged, this, [this, which](int value) {
        if (form_)
            form_->SetPosition(which, value);
    });
    return slider;
}

void VEK2_options::showFor(TOptionsForm& form) {
    {
        const QSignalBlocker rec(RecHlasBar), zvuk(ZvukHlasBar), hudba(HudbaHlasBar);
        RecHlasBar->setValue(form.Position(TOptionsForm::Slider::Rec));
        ZvukHlasBar->setValue(form.Position(TOptionsForm::Slider::Zvuk));
        HudbaHlasBar->setValue(form.Position(TOptionsForm::Slider::Hudba));
    }
    form_ = &form;
    PageControl1->setCurrentWidget(TabSheet1);
    RecHlasBar->setFocus();
    exec();
    form_ = nullptr;
}

void VEK2_options::keyPressEvent(QKeyEvent* event) {
    // "OK" is both the default and the cancel button: Enter and Escape close, whatever has focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vek::player
