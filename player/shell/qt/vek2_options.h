// The options dialog "Nastavení": three volume sliders on the page "Hlasitost" and the page
// "O programu". The sliders live in TOptionsForm; the dialog shows and moves them.
#pragma once

#include <QDialog>

#include "player/shell/options.h"

class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;

namespace vek::player {

class VEK2_options : public QDialog {
  public:
    explicit VEK2_options(QWidget* parent = nullptr);

    // Runs the dialog modally over `form`: the sliders start at its positions and every move
    // goes to it at once (so the preview sounds follow the slider).
    void showFor(TOptionsForm& form);

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet3;
    QLabel* STRecHlasBar;
    QSlider* RecHlasBar;
    QLabel* STZvukyHlas;
    QSlider* ZvukHlasBar;
    QLabel* STHudbaHlas;
    QSlider* HudbaHlasBar;
    QPushButton* OKButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QSlider* addSlider(const char* labelText, const char* name, TOptionsForm::Slider which,
                       QLabel** label);
    TOptionsForm* form_ = nullptr;
};

}  // namespace vek::player
