// The colours of the sky map and the SNR chart.
#pragma once

#include <cstdint>

struct TRgb {
    uint8_t R, G, B;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

inline constexpr TRgb kBlue{0, 0, 255};       // satellites in view only
inline constexpr TRgb kLime{0, 255, 0};       // satellites used in the solution
inline constexpr TRgb kSilver{192, 192, 192}; // symbol outline
inline constexpr TRgb kGrey{128, 128, 128};   // direction label boxes
inline constexpr TRgb kWhite{255, 255, 255};  // rings, cross, label letters
inline constexpr TRgb kBlack{0, 0, 0};        // label box outline

// Colour of a satellite's symbol and bar.
constexpr TRgb SatelliteColour(bool inUse) {
    return inUse ? kLime : kBlue;
}

// How far apart two colours stand for the eye, by their relative luminance (sRGB): from
// 1 for the same colour to 21 for black on white; text wants at least 4.5.
double ContrastRatio(TRgb first, TRgb second);

// Black or white, whichever reads better on `background`: the number on a symbol.
TRgb ReadableTextColour(TRgb background);
