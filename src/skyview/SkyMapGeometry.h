// The sky map's geometry: north up, east right, the zenith in the centre and the horizon
// at the rim. Everything a painter draws is given here as plain shapes in pixels, so the
// drawing layer only walks the lists.
#pragma once

#include "skyview/SkyColours.h"

#include <vector>

struct TSkyMapGeometry {
    int Radius = 0; // the horizon circle
    int CenterX = 0;
    int CenterY = 0;
};

struct TPixel {
    int X, Y;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};

// The map of a control of `width` x `height` pixels: the centre in the middle and 8
// pixels kept free at each edge.
TSkyMapGeometry ComputeGeometry(int width, int height);

// Where a satellite at `azimuth` and `elevation` (whole degrees) lies on the map: an
// elevation of 90 in the centre, 0 on the rim; values outside 0..90 are not clamped.
// The distance from the centre and the angle are single-precision values, with 0.0174533
// as one degree; the pixel is truncated toward zero.
TPixel PolarToPoint(const TSkyMapGeometry& map, int azimuth, int elevation);

struct TCircleShape {
    TPixel Center;
    int Radius;
};

struct TLineShape {
    TPixel From, To;
};

struct TRectShape {
    int Left, Top, Right, Bottom;
    friend bool operator==(const TRectShape&, const TRectShape&) = default;
};

struct TDirectionLabel {
    char Letter;
    TPixel Text; // where the letter is written
    TRectShape Box;
};

// Pens, brushes and the label font, all solid and one pixel wide.
inline constexpr TRgb kGridPen = kWhite;
inline constexpr TRgb kLabelBrush = kGrey;
inline constexpr TRgb kLabelPen = kBlack;
inline constexpr TRgb kLabelTextColour = kWhite;
inline constexpr char kLabelFont[] = "Arial";
inline constexpr int kLabelFontPoints = 9;

// The map drawn for one size, in drawing order: a background picture stretched over the
// whole control (the painter's own), the rings, the cross, then the labels.
struct TSkyMapLayout {
    TSkyMapGeometry Geometry;
    std::vector<TCircleShape> Rings; // at a third and two thirds of the radius
    TLineShape Cross[2];
    TDirectionLabel Labels[4]; // N, S, E, W
};

TSkyMapLayout LayoutSkyMap(int width, int height);
