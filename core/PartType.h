#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

enum class PartKind { Slider, Button };

// One pad shape. Sizes are whole thousandths of an inch, held as doubles so
// that any whole value is exact. The shape's name follows from its position
// in PartType::pads (see padName).
struct PadShape {
    double width = 0.0;  // along x
    double height = 0.0; // along y
};

// One placed pad: pin `number` puts pad shape `pad` (1-based position in
// PartType::pads) with its centre at (x, y), whole thousandths of an inch.
struct PlacedPin {
    std::int32_t number = 0;
    std::int32_t pad = 0;
    double x = 0.0;
    double y = 0.0;
};

// A part type as data: everything that any writer puts into a file, computed
// once by a generator.
struct PartType {
    PartKind kind = PartKind::Slider;
    std::string name;
    double nameData = 0.0; // the NameData offset, whole thousandths of an inch
    std::vector<PadShape> pads;
    std::vector<PlacedPin> pins;
};

} // namespace velmora
