#include "skyview/SkyMapGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// One degree in radians as the map has always computed it: slightly above pi / 180, so
// that north comes out one pixel left of the centre line.
constexpr float kDegree = 0.0174533f;

// The letter's place relative to the centre and radius, and its box around the letter.
struct LabelRow {
    char Letter;
    int CenterXFactor, OffsetX; // x = CenterX + factor * Radius + offset
    int CenterYFactor, OffsetY;
    int BoxLeft, BoxTop, BoxRight, BoxBottom; // relative to the letter's place
    int TextShiftX;                           // the letter itself is written this far right
};

// clang-format off
constexpr LabelRow kLabelRows[] = {
    {'N',  0, -4, -1, -4,   -3, -1, 13, 17,   0},
    {'S',  0, -4,  1, -8,   -4, -2, 12, 16,   0},
    {'E',  1, -8,  0, -4,   -4, -2, 12, 16,   0},
    {'W', -1, -4,  0, -4,   -4, -2, 12, 16,  -2},
};
// clang-format on

} // namespace

TSkyMapGeometry ComputeGeometry(int width, int height) {
    return {std::min((width - 16) / 2, (height - 16) / 2), width / 2, height / 2};
}

TPixel PolarToPoint(const TSkyMapGeometry& map, int azimuth, int elevation) {
    // The distance from the centre keeps its fraction: rounding it to whole pixels first
    // would put many satellites a pixel off.
    auto radius = static_cast<float>(map.Radius);
    float rho = radius - radius * static_cast<float>(elevation) / 90.0f;
    auto theta = static_cast<float>(450 - azimuth);
    if (theta < 0)
        theta += 360;
    if (theta > 360)
        theta -= 360;
    float radians = theta * kDegree;
    double x = map.CenterX + static_cast<double>(rho) * std::cos(static_cast<double>(radians));
    double y = map.CenterY - static_cast<double>(rho) * std::sin(static_cast<double>(radians));
    return {static_cast<int>(x), static_cast<int>(y)};
}

TSkyMapLayout LayoutSkyMap(int width, int height) {
    TSkyMapLayout layout;
    TSkyMapGeometry& g = layout.Geometry;
    g = ComputeGeometry(width, height);
    TPixel center{g.CenterX, g.CenterY};

    int step = g.Radius / 3;
    if (step > 0) {
        layout.Rings.push_back({center, step});
        if (2 * step < g.Radius)
            layout.Rings.push_back({center, 2 * step});
    }
    layout.Cross[0] = {{g.CenterX - g.Radius, g.CenterY}, {g.CenterX + g.Radius, g.CenterY}};
    layout.Cross[1] = {{g.CenterX, g.CenterY - g.Radius}, {g.CenterX, g.CenterY + g.Radius}};

    for (size_t i = 0; i < std::size(kLabelRows); ++i) {
        const LabelRow& row = kLabelRows[i];
        int x = g.CenterX + row.CenterXFactor * g.Radius + row.OffsetX;
        int y = g.CenterY + row.CenterYFactor * g.Radius + row.OffsetY;
        layout.Labels[i] = {row.Letter,
                            {x + row.TextShiftX, y},
                            {x + row.BoxLeft, y + row.BoxTop, x + row.BoxRight, y + row.BoxBottom}};
    }
    return layout;
}
