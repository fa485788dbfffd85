// The options dialog "Nastavení": three volume sliders with looping preview sounds, and how the
// player speaks texts without recordings (page "Řeč").
#pragma once

#include <string>

#include "player/shell/config.h"
#include "player/sound/background.h"
#include "player/sound/sound_box.h"

namespace vek::player {

// The logic of the options dialog, without a window: the sliders' positions and what moving one,
// showing and hiding the dialog do to the preview sounds and the volumes. The name is the
// dialog's own; the window a person sees is VEK2_options (player/shell/qt/vek2_options.h), which
// shows a TOptionsForm and writes every change into it.
class TOptionsForm {
  public:
    enum class Slider { Rec = 0, Zvuk = 1, Hudba = 2 };  // RecHlasBar, ZvukHlasBar, HudbaHlasBar

    static constexpr int kMax = 65535;
    static constexpr int kLineStep = 1000;  // arrow keys
    static constexpr int kPageStep = 10000;
    static constexpr int kTickEvery = 2500;

    // `volumes` is what ComputeVolumePan reads: the sliders' positions live there.
    TOptionsForm(VolumeSettings& volumes, TBackFronta& background, const bool& soundsOn);

    int Position(Slider slider) const;
    // Moves a slider (clamped to 0..65535) and runs its change handler.
    void SetPosition(Slider slider, int position);

    void FormShow();
    void FormHide();

    bool ZvukCheckBox = true;  // "Zvuky zapnuty": hidden, ticked; a new game copies it
    SpeechSettings Speech;     // page "Řeč": the shell reads it when the dialog closes
    DisplaySettings Display;   // page "Zobrazení" and Ctrl+Plus, Ctrl+Minus: the window reads it

  private:
    void RecHlasBarChange(Slider slider);

    VolumeSettings& volumes_;
    TBackFronta& background_;
    const bool& soundsOn_;
    bool updating_ = true;
};

}  // namespace vek::player
