// Sliders that a screen reader reads as a percentage ("95 %") instead of their raw position.
#pragma once

class QSlider;

namespace vek::player {

// From now on the slider reports its value as a percentage of `hundredPercent` (the position
// that means 100 %), rounded to whole percent. Call it before anything asks the slider for its
// accessible interface.
void readValueAsPercent(QSlider* slider, int hundredPercent);

}  // namespace vek::player
