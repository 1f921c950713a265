#include "GlobePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kPictureSize = 200;
constexpr double kSphereRadius = 92.0;
constexpr int kGraticuleLines = 5; // each way, the equator and the central meridian included

} // namespace

QPixmap GlobePicture() {
    QPixmap picture(kPictureSize, kPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(kPictureSize / 2.0, kPictureSize / 2.0);
    QRadialGradient ocean(centre - QPointF(30, 30), kSphereRadius * 1.6);
    ocean.setColorAt(0.0, QColor(120, 180, 235));
    ocean.setColorAt(0.6, QColor(30, 90, 170));
    ocean.setColorAt(1.0, QColor(10, 35, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ocean);
    painter.drawEllipse(centre, kSphereRadius, kSphereRadius);

    // Parallels are straight chords, meridians half-ellipses: the globe seen from the
    // equator, so the map's rings and cross stay the clearest lines.
    QPainterPath sphere;
    sphere.addEllipse(centre, kSphereRadius, kSphereRadius);
    painter.setClipPath(sphere);
    painter.setPen(QPen(QColor(170, 205, 240, 110), 1.0));
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i < kGraticuleLines * 2; ++i) {
        double offset = kSphereRadius * (i - kGraticuleLines) / kGraticuleLines;
        painter.drawLine(QPointF(centre.x() - kSphereRadius, centre.y() + offset),
                         QPointF(centre.x() + kSphereRadius, centre.y() + offset));
        painter.drawEllipse(centre, std::abs(offset), kSphereRadius);
    }
    return picture;
}
