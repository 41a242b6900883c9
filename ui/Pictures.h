#pragma once

class QPicture;

namespace velmora::ui {

// The two diagrams of the window, drawn from the application's resource
// pictures 169 (slider) and 170 (button). The first call loads the picture;
// every later call returns the same object. The pictures hold vector drawing
// commands, so they stay sharp at any device pixel ratio.
const QPicture& Slider2a();
const QPicture& ButtonCvs();

} // namespace velmora::ui
