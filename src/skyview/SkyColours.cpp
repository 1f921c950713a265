#include "skyview/SkyColours.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB channel, 0..255, as linear light 0..1.
double LinearChannel(uint8_t value) {
    double channel = value / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(TRgb colour) {
    return 0.2126 * LinearChannel(colour.R) + 0.7152 * LinearChannel(colour.G) +
           0.0722 * LinearChannel(colour.B);
}

} // namespace

double ContrastRatio(TRgb first, TRgb second) {
    double a = RelativeLuminance(first);
    double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TRgb ReadableTextColour(TRgb background) {
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}
