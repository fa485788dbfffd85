#include "player/shell/options.h"

#include <algorithm>
#include <cmath>

namespace vek::player {

namespace {

constexpr const char* kPreviewKeys[] = {"VOLrec", "VOLsnd", "INTROmus"};

}  // namespace

TOptionsForm::TOptionsForm(VolumeSettings& volumes, TBackFronta& background, const bool& soundsOn)
    : volumes_(volumes), background_(background), soundsOn_(soundsOn) {}

int TOptionsForm::Position(Slider slider) const {
    switch (slider) {
        case Slider::Rec:
            return volumes_.voice;
        case Slider::Zvuk:
            return volumes_.sound;
        case Slider::Hudba:
            return volumes_.music;
    }
    return 0;
}

void TOptionsForm::SetPosition(Slider slider, int position) {
    position = std::clamp(position, 0, kMax);
    switch (slider) {
        case Slider::Rec:
            volumes_.voice = position;
            break;
        case Slider::Zvuk:
            volumes_.sound = position;
            break;
        case Slider::Hudba:
            volumes_.music = position;
            break;
    }
    RecHlasBarChange(slider);
}

void TOptionsForm::RecHlasBarChange(Slider slider) {
    if (updating_)
        return;
    int volume = static_cast<int>(std::nearbyint(Position(slider) / 65535.0 * 255.0));
    background_.ReVolume(kPreviewKeys[static_cast<int>(slider)], volume);
}

void TOptionsForm::FormShow() {
    updating_ = false;
    if (!soundsOn_)
        return;
    background_.AddNew("VOLrec", true, 0, "100x100");
    background_.AddNew("VOLsnd", true, 0, "100x100");
}

void TOptionsForm::FormHide() {
    if (!soundsOn_)
        return;
    background_.Stop("VOLrec");
    background_.Stop("VOLsnd");
    background_.ReVolumeAll();
}

}  // namespace vek::player
