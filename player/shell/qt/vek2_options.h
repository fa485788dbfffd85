// The options dialog "Nastavení": three volume sliders on the page "Hlasitost", how texts without
// recordings are spoken on the page "Řeč", the text size and colours of the window on the page
// "Zobrazení", and the page "O programu". The settings live in TOptionsForm; the dialog shows and
// changes them.
#pragma once

#include <QDialog>

#include <functional>
#include <initializer_list>

#include "player/shell/options.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;

namespace vek::player {

class DisplayStyle;

// The window of the options dialog; its logic is TOptionsForm (player/shell/options.h).
class VEK2_options : public QDialog {
  public:
    explicit VEK2_options(QWidget* parent = nullptr);

    // Runs the dialog modally over `form`: the sliders start at its positions and every move
    // goes to it at once (so the preview sounds follow the slider). `displayChanged` runs after
    // each change of the display settings, so the window follows them while the dialog is open.
    void showFor(TOptionsForm& form, std::function<void()> displayChanged = {});
    // Colours and size for the window's display settings; its text takes the application font.
    void applyDisplay(const DisplayStyle& style);

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    QLabel* STRecHlasBar;
    QSlider* RecHlasBar;
    QLabel* STZvukyHlas;
    QSlider* ZvukHlasBar;
    QLabel* STHudbaHlas;
    QSlider* HudbaHlasBar;
    QLabel* STPredcitat;
    QComboBox* PredcitatBox;  // Ne / Ano
    QLabel* STRychlost;
    QSlider* RychlostBar;  // percent of the normal speed
    QLabel* STCteTexty;
    QComboBox* CteTextyBox;  // Ne / Ano: also texts that are only shown
    QLabel* STOhlasit;
    QComboBox* OhlasitBox;  // Ne / Ano: the selected entry after a command
    QLabel* STCteSeznam;
    QComboBox* CteSeznamBox;  // hra / čtečka obrazovky
    QLabel* STTextyCtecka;
    QComboBox* TextyCteckaBox;  // Ne / Ano
    QLabel* STVelikost;
    QSlider* VelikostBar;  // text scale, percent
    QLabel* STBarvy;
    QComboBox* BarvyBox;  // Contrast
    QPushButton* OKButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QSlider* addSlider(const char* labelText, const char* name, TOptionsForm::Slider which,
                       QLabel** label);
    void buildSpeechPage();
    void buildDisplayPage();
    QComboBox* addChoice(QWidget* page, QFormLayout* form, const char* labelText, const char* name,
                         std::initializer_list<const char*> choices, QLabel** label);
    void showSpeech(const SpeechSettings& speech);
    void showDisplay(const DisplaySettings& display);
    TOptionsForm* form_ = nullptr;
    std::function<void()> displayChanged_;
};

}  // namespace vek::player
