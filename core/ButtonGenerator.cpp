#include "ButtonGenerator.h"

#include "PartValidation.h"
#include "PatternGeometry.h"

#include <cmath>

namespace velmora {

namespace {

double nearestThousandths(double thousandths)
{
    return std::floor(thousandths + 0.5);
}

} // namespace

PartType buttonPartType(const ButtonParameters& p)
{
    requireCountWithinBound(p.N, "fingers");

    const std::int32_t N = p.N;
    const double L = p.L;
    const double g = p.g;
    const double W = p.W;

    PartType part;
    part.kind = PartKind::Button;
    part.name = p.name;
    part.nameData = nameDataValue(W);

    const double f = fingerWidth(L, g, N);
    const double wA = std::floor(1000.0 * f) - 1.0;
    double t = 2.0 * g;
    t = W - t;
    t = t * 1000.0;
    const double hA = nearestThousandths(t);
    const double wB = std::floor(1000.0 * L);
    const double hB = std::floor(g * 1000.0);
    part.pads = {{wA, hA}, {wB, hB}};

    const double y1 = nearestThousandths(1000.0 * -g);
    const double y2 = nearestThousandths(1000.0 * g);
    const double pitch = f + g;
    if (N > 0)
        part.pins.reserve(2 * static_cast<std::size_t>(N) + 2);
    for (std::int32_t i = 0; i < N; ++i) {
        const double offset = static_cast<double>(2 * std::int64_t{i}) * pitch;

        t = f / 2.0;
        t = t + offset;
        t = t - (0.5 * L);
        const double x1 = nearestThousandths(1000.0 * t);

        t = 3.0 * f;
        t = t / 2.0;
        t = t + g;
        t = t + offset;
        t = t - (0.5 * L);
        const double x2 = nearestThousandths(1000.0 * t);

        part.pins.push_back({1, 1, x1, y1});
        part.pins.push_back({2, 1, x2, y2});
    }

    const double v = (W / 2.0) - (g / 2.0);
    part.pins.push_back({1, 2, 0.0, nearestThousandths(1000.0 * -v)});
    part.pins.push_back({2, 2, 0.0, nearestThousandths(1000.0 * v)});

    requireFiniteNumbers(part);
    return part;
}

ComponentText ButtonComponentText(const ButtonParameters& parameters)
{
    return quarlinText(buttonPartType(parameters));
}

} // namespace velmora
