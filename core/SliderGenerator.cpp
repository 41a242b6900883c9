#include "SliderGenerator.h"

#include "PartValidation.h"
#include "PatternGeometry.h"

#include <cmath>

namespace velmora {

PartType sliderPartType(const SliderParameters& p)
{
    requireCountWithinBound(p.N, "cycles");

    const std::int32_t N = p.N;
    const double L = p.L;
    const double g = p.g;
    const double W = p.W;
    const double P = sliderPitch(L, g, N);

    PartType part;
    part.kind = PartKind::Slider;
    part.name = p.name;
    part.nameData = nameDataValue(W);
    if (N <= 0) {
        requireFiniteNumbers(part);
        return part;
    }

    const double q = sliderStep(P, N);
    double h = W * 1000.0;
    h = h + 0.5;
    h = std::floor(h);

    part.pads.reserve(static_cast<std::size_t>(N));
    for (std::int32_t k = 1; k <= N; ++k) {
        double t = q * static_cast<double>(k);
        t = t - g;
        t = 1000.0 * t;
        part.pads.push_back({std::floor(t) - 1.0, h});
    }

    part.pins.reserve(2 * static_cast<std::size_t>(N));
    for (std::int32_t a = 0; a < N; ++a) {
        // Centre of the first pad of cycle a.
        double s = static_cast<double>(a) * P;
        double m = 0.5 * L;
        s = s - m;
        double t = q * static_cast<double>(a + 1);
        t = t - g;
        t = 0.5 * t;
        s = s + t;
        s = 1000.0 * s;
        s = s + 0.5;
        const double x1 = std::floor(s);

        // Centre of the second pad of cycle a.
        s = static_cast<double>(a) * P;
        t = q * static_cast<double>(a + 1);
        s = s + t;
        m = 0.5 * L;
        s = s - m;
        t = q * static_cast<double>(N - a);
        t = t - g;
        t = 0.5 * t;
        s = s + t;
        s = 1000.0 * s;
        s = s + 0.5;
        const double x2 = std::floor(s);

        part.pins.push_back({2 * a + 1, a + 1, x1, 0.0});
        part.pins.push_back({2 * a + 2, N - a, x2, 0.0});
    }

    requireFiniteNumbers(part);
    return part;
}

ComponentText SliderComponentText(const SliderParameters& parameters)
{
    return quarlinText(sliderPartType(parameters));
}

} // namespace velmora
