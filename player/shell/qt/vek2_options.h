// The options dialog "Nastavení": three volume sliders on the page "Hlasitost", how texts without
// recordings are spoken on the page "Řeč", and the page "O programu". The settings live in
// TOptionsForm; the dialog shows and changes them.
#pragma once

#include <QDialog>

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

// The window of the options dialog; its logic is TOptionsForm (player/shell/options.h).
class VEK2_options : public QDialog {
  public:
    explicit VEK2_options(QWidget* parent = nullptr);

    // Runs the dialog modally over `form`: the sliders start at its positions and every move
    // goes to it at once (so the preview sounds follow the slider).
    void showFor(TOptionsForm& form);

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
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
    QPushButton* OKButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QSlider* addSlider(const char* labelText, const char* name, TOptionsForm::Slider which,
                       QLabel** label);
    void buildSpeechPage();
    QComboBox* addChoice(QFormLayout* form, const char* labelText, const char* name,
                         std::initializer_list<const char*> choices, QLabel** label);
    void showSpeech(const SpeechSettings& speech);
    TOptionsForm* form_ = nullptr;
};

}  // namespace vek::player
