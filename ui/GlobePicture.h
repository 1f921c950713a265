// The globe behind the sky map: an ocean sphere lit from the upper left with its lines of
// latitude and longitude, drawn here so that the program carries no picture files.
#pragma once

class QPixmap;

// The picture, 200 x 200 pixels, transparent outside the sphere.
QPixmap GlobePicture();
