#include "CheckIcons.h"

#include "view/MainView.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kRed(0xD0, 0x20, 0x20);
const QColor kGreen(0x20, 0xA0, 0x30);
const QColor kOrange(0xF0, 0x90, 0x10);

QPen Stroke(const QColor& color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawCross(QPainter& painter) {
    painter.setPen(Stroke(kRed, 6));
    painter.drawLine(QPointF(7, 7), QPointF(25, 25));
    painter.drawLine(QPointF(25, 7), QPointF(7, 25));
}

void DrawTick(QPainter& painter) {
    painter.setPen(Stroke(kGreen, 6));
    QPainterPath tick;
    tick.moveTo(5, 17);
    tick.lineTo(13, 25);
    tick.lineTo(27, 7);
    painter.drawPath(tick);
}

void DrawWarning(QPainter& painter) {
    QPainterPath triangle;
    triangle.moveTo(16, 2);
    triangle.lineTo(31, 29);
    triangle.lineTo(1, 29);
    triangle.closeSubpath();
    painter.setPen(Stroke(kOrange.darker(130), 1.5));
    painter.setBrush(kOrange);
    painter.drawPath(triangle);
    // The "!": a bar and a dot in black.
    painter.setPen(Stroke(Qt::black, 3.5));
    painter.drawLine(QPointF(16, 11), QPointF(16, 20));
    painter.drawPoint(QPointF(16, 25));
}

} // namespace

QPixmap CheckIcon(int index) {
    QPixmap icon(kCheckIconSize, kCheckIconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case ciFailed:
        DrawCross(painter);
        break;
    case ciPassed:
        DrawTick(painter);
        break;
    case ciNothingYet:
        DrawWarning(painter);
        break;
    default:
        break;
    }
    return icon;
}
