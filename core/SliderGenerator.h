#pragma once

#include "ComponentText.h"
#include "DesignParameters.h"
#include "PartType.h"

namespace velmora {

// The slider part type: 2N pads in N cycles. Throws GenerationError for more
// than kMaxCount cycles or a number that is not finite.
PartType sliderPartType(const SliderParameters& parameters);

// The slider part type as Quarlin component text.
ComponentText SliderComponentText(const SliderParameters& parameters);

} // namespace velmora
