#include "player/shell/qt/vek2_splash.h"

#include "player/shell/qt/display_style.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace vek::player {

VEK2_splash::VEK2_splash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("VEK2_splash");
    setAutoFillBackground(true);
    setStyleSheet(
        "VEK2_splash, QWidget#VEK2_splash { background: navy; border: 2px solid #c0c0ff; }");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(palette);

    Label1 = new QLabel(QString::fromUtf8("Inicializace DirectX..."), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: #ffffc0; background: transparent; border: none;");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Label1);

    setAccessibleName(QString::fromUtf8("Kvelmora Sound Adventure"));
    applyDisplay(DisplayStyle(DisplaySettings{}));
}

void VEK2_splash::applyDisplay(const DisplayStyle& style) {
    setFixedSize(style.px(206), style.px(53));
    QFont font = Label1->font();
    font.setBold(true);
    font.setPixelSize(style.px(16));
    Label1->setFont(font);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void VEK2_splash::showText(const QString& text) {
    Label1->setText(text);
    Label1->setAccessibleName(text);
    show();
    raise();
    repaint();
}

}  // namespace vek::player
