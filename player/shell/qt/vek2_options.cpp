#include "player/shell/qt/vek2_options.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "player/shell/qt/display_style.h"
#include "player/shell/qt/percent_slider.h"
#include "player/sound/speech_synthesizer.h"

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

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName("TabSheet4");
    PageControl1->addTab(TabSheet1, QString::fromUtf8("Hlasitost"));
    PageControl1->addTab(TabSheet2, QString::fromUtf8("\u0158e\u010d"));
    PageControl1->addTab(TabSheet4, QString::fromUtf8("Zobrazení"));
    PageControl1->addTab(TabSheet3, QString::fromUtf8("O programu"));
    PageControl1->setAccessibleName(QString::fromUtf8("Nastaven\u00ed"));
    PageControl1->tabBar()->setAccessibleName(QString::fromUtf8("Str\u00e1nky nastaven\u00ed"));
    for (int i = 0; i < PageControl1->count(); ++i) {
        QWidget* page = PageControl1->widget(i);
        page->setAttribute(Qt::WA_StyledBackground);  // plain widgets paint no background else
        page->setAccessibleName(PageControl1->tabText(i));
    }
    // The pages' container is read as a pane of its own: it carries the shown page's name.
    if (auto* stack = PageControl1->findChild<QStackedWidget*>()) {
        stack->setAccessibleName(PageControl1->tabText(0));
        connect(PageControl1, &QTabWidget::currentChanged, stack, [this, stack](int index) {
            stack->setAccessibleName(PageControl1->tabText(index));
        });
    }

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

    buildSpeechPage();
    buildDisplayPage();

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
    setTabOrder(HudbaHlasBar, PredcitatBox);
    setTabOrder(PredcitatBox, RychlostBar);
    setTabOrder(RychlostBar, CteTextyBox);
    setTabOrder(CteTextyBox, OhlasitBox);
    setTabOrder(OhlasitBox, CteSeznamBox);
    setTabOrder(CteSeznamBox, TextyCteckaBox);
    setTabOrder(TextyCteckaBox, VelikostBar);
    setTabOrder(VelikostBar, BarvyBox);
    setTabOrder(BarvyBox, OKButton);
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from any control: a choice box would keep them.
    const std::pair<QKeySequence, int> turns[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
    };
    for (const auto& [keys, step] : turns) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            const int count = PageControl1->count();
            PageControl1->setCurrentIndex((PageControl1->currentIndex() + step + count) % count);
        });
    }
    applyDisplay(DisplayStyle(DisplaySettings{}));
}

QComboBox* VEK2_options::addChoice(QWidget* page, QFormLayout* form, const char* labelText,
                                   const char* name, std::initializer_list<const char*> choices,
                                   QLabel** label) {
    QString text = QString::fromUtf8(labelText);
    *label = new QLabel(text, page);
    auto* box = new QComboBox(page);
    box->setObjectName(name);
    for (const char* choice : choices)
        box->addItem(QString::fromUtf8(choice));
    box->setAccessibleName(text);
    (*label)->setBuddy(box);
    form->addRow(*label, box);
    return box;
}

void VEK2_options::buildSpeechPage() {
    // More choices than the dialog's fixed height holds: the page scrolls, following the focus.
    auto* scroll = new QScrollArea(TabSheet2);
    scroll->setObjectName("SpeechScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget;
    page->setObjectName("SpeechPage");
    page->setAttribute(Qt::WA_StyledBackground);
    const QString pageName = PageControl1->tabText(PageControl1->indexOf(TabSheet2));
    for (QWidget* pane : {static_cast<QWidget*>(scroll), scroll->viewport(), page})
        pane->setAccessibleName(pageName);
    auto* outer = new QVBoxLayout(TabSheet2);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(6, 4, 6, 4);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);  // long labels leave the fields their width
    PredcitatBox = addChoice(page, form, "P\u0159ed\u010d\u00edtat texty bez nahr\u00e1vky",
                             "PredcitatBox", {"Ne", "Ano"}, &STPredcitat);
    PredcitatBox->setAccessibleDescription(
        QString::fromUtf8("Co nem\u00e1 nahr\u00e1vku, p\u0159e\u010dte syntetick\u00fd hlas"));

    STRychlost = new QLabel(QString::fromUtf8("Rychlost \u0159e\u010di"), TabSheet2);
    RychlostBar = new QSlider(Qt::Horizontal, TabSheet2);
    readValueAsPercent(RychlostBar, 100);
    RychlostBar->setObjectName("RychlostBar");
    RychlostBar->setRange(SpeechSynthesizer::kMinRate, SpeechSynthesizer::kMaxRate);
    RychlostBar->setSingleStep(10);
    RychlostBar->setPageStep(50);
    RychlostBar->setAccessibleName(STRychlost->text());
    STRychlost->setBuddy(RychlostBar);
    form->addRow(STRychlost, RychlostBar);

    CteTextyBox =
        addChoice(page, form, "P\u0159ed\u010d\u00edtat i texty, kter\u00e9 hra jen ukazuje",
                  "CteTextyBox", {"Ne", "Ano"}, &STCteTexty);
    CteTextyBox->setAccessibleDescription(QString::fromUtf8(
        "Hlas p\u0159e\u010dte i texty, ke kter\u00fdm hra nehraje \u017e\u00e1dn\u00fd zvuk"));
    OhlasitBox = addChoice(page, form, "Po p\u0159\u00edkazu \u0159\u00edct vybranou polo\u017eku",
                           "OhlasitBox", {"Ne", "Ano"}, &STOhlasit);
    OhlasitBox->setAccessibleDescription(QString::fromUtf8(
        "Po ka\u017ed\u00e9m p\u0159\u00edkazu hlas \u0159ekne polo\u017eku pod kurzorem"));

    CteSeznamBox = addChoice(page, form, "Polo\u017eky seznamu \u010dte", "CteSeznamBox",
                             {"hra", "\u010dte\u010dka obrazovky"}, &STCteSeznam);
    CteSeznamBox->setAccessibleDescription(QString::fromUtf8(
        "Kdo \u010dte polo\u017eky seznamu, kdy\u017e b\u011b\u017e\u00ed \u010dte\u010dka "
        "obrazovky"));
    TextyCteckaBox = addChoice(page, form, "Texty hry \u010dte\u010dce obrazovky", "TextyCteckaBox",
                               {"Ne", "Ano"}, &STTextyCtecka);

    auto update = [this] {
        if (!form_)
            return;
        form_->Speech.speakTexts = PredcitatBox->currentIndex() == 1;
        form_->Speech.rate = RychlostBar->value();
        form_->Speech.readShownTexts = CteTextyBox->currentIndex() == 1;
        form_->Speech.announceSelection = OhlasitBox->currentIndex() == 1;
        form_->Speech.entriesToReader = CteSeznamBox->currentIndex() == 1;
        form_->Speech.textsToReader = TextyCteckaBox->currentIndex() == 1;
    };
    for (QComboBox* box : {PredcitatBox, CteTextyBox, OhlasitBox, CteSeznamBox, TextyCteckaBox})
        connect(box, &QComboBox::currentIndexChanged, this, update);
    connect(RychlostBar, &QSlider::valueChanged, this, update);
    scroll->setWidget(page);
}

void VEK2_options::buildDisplayPage() {
    auto* form = new QFormLayout(TabSheet4);
    form->setContentsMargins(6, 4, 6, 4);
    STVelikost = new QLabel(QString::fromUtf8("Velikost písma"), TabSheet4);
    VelikostBar = new QSlider(Qt::Horizontal, TabSheet4);
    readValueAsPercent(VelikostBar, 100);
    VelikostBar->setObjectName("VelikostBar");
    VelikostBar->setRange(DisplaySettings::kMinScale, DisplaySettings::kMaxScale);
    VelikostBar->setSingleStep(DisplaySettings::kScaleStep);
    VelikostBar->setPageStep(DisplaySettings::kScaleStep * 2);
    VelikostBar->setAccessibleName(STVelikost->text());
    VelikostBar->setAccessibleDescription(
        QString::fromUtf8("Velikost textu okna; v okně také Ctrl+Plus a Ctrl+Mínus"));
    STVelikost->setBuddy(VelikostBar);
    form->addRow(STVelikost, VelikostBar);
    BarvyBox = addChoice(TabSheet4, form, "Barvy", "BarvyBox",
                         {"běžné", "světlé na černém", "černé na bílém"}, &STBarvy);
    BarvyBox->setAccessibleDescription(QString::fromUtf8("Barvy textu a pozadí okna"));

    auto update = [this] {
        if (!form_)
            return;
        form_->Display.textScale = VelikostBar->value();
        form_->Display.contrast = static_cast<Contrast>(BarvyBox->currentIndex());
        if (displayChanged_)
            displayChanged_();
    };
    connect(VelikostBar, &QSlider::valueChanged, this, update);
    connect(BarvyBox, &QComboBox::currentIndexChanged, this, update);
}

void VEK2_options::showDisplay(const DisplaySettings& display) {
    const QSignalBlocker a(VelikostBar), b(BarvyBox);
    VelikostBar->setValue(display.textScale);
    BarvyBox->setCurrentIndex(static_cast<int>(display.contrast));
}

void VEK2_options::applyDisplay(const DisplayStyle& style) {
    setStyleSheet(style.optionsStyle());
    // At the normal size the dialog keeps its size; larger text makes it as large as its
    // content needs.
    QSize size(style.px(307), style.px(190));
    if (style.percent() != DisplaySettings::kMinScale) {
        layout()->activate();
        size = size.expandedTo(sizeHint());
    }
    setFixedSize(size);
}

void VEK2_options::showSpeech(const SpeechSettings& speech) {
    const QSignalBlocker a(PredcitatBox), b(RychlostBar), c(CteSeznamBox), d(TextyCteckaBox),
        e(CteTextyBox), f(OhlasitBox);
    PredcitatBox->setCurrentIndex(speech.speakTexts ? 1 : 0);
    RychlostBar->setValue(speech.rate);
    CteTextyBox->setCurrentIndex(speech.readShownTexts ? 1 : 0);
    OhlasitBox->setCurrentIndex(speech.announceSelection ? 1 : 0);
    CteSeznamBox->setCurrentIndex(speech.entriesToReader ? 1 : 0);
    TextyCteckaBox->setCurrentIndex(speech.textsToReader ? 1 : 0);
}

QSlider* VEK2_options::addSlider(const char* labelText, const char* name,
                                 TOptionsForm::Slider which, QLabel** label) {
    QString text = QString::fromUtf8(labelText);
    *label = new QLabel(text, TabSheet1);
    auto* slider = new QSlider(Qt::Horizontal, TabSheet1);
    readValueAsPercent(slider, TOptionsForm::kMax);
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

void VEK2_options::showFor(TOptionsForm& form, std::function<void()> displayChanged) {
    {
        const QSignalBlocker rec(RecHlasBar), zvuk(ZvukHlasBar), hudba(HudbaHlasBar);
        RecHlasBar->setValue(form.Position(TOptionsForm::Slider::Rec));
        ZvukHlasBar->setValue(form.Position(TOptionsForm::Slider::Zvuk));
        HudbaHlasBar->setValue(form.Position(TOptionsForm::Slider::Hudba));
    }
    showSpeech(form.Speech);
    showDisplay(form.Display);
    form_ = &form;
    displayChanged_ = std::move(displayChanged);
    PageControl1->setCurrentWidget(TabSheet1);
    RecHlasBar->setFocus();
    exec();
    form_ = nullptr;
    displayChanged_ = nullptr;
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
