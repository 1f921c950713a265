#include "CoveragePlot.h"

#include "AnsiText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kLabelMargin = 16; // room for N, E, S, W outside the outermost ring
constexpr int kLegendLines = kDistanceBands + 1;
constexpr double kSectorDegrees = 360.0 / kCoverageSectors;

const QColor kDiscColour(255, 255, 255);
const QColor kRingColour(170, 170, 170);
const QColor kSectorFill(46, 139, 87, 170);
const QColor kSectorEdge(30, 100, 60);
const QColor kWarningColour(178, 34, 34);

QString Nm(double value) {
    return QString::number(value, 'g', 4) + QStringLiteral(" NM");
}

// A pie of radius `radius` from `bearing` clockwise over `span` degrees. Qt counts angles
// counter-clockwise from three o'clock in sixteenths of a degree.
void DrawSector(QPainter& painter, QPointF centre, double radius, double bearing, double span) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawPie(box, static_cast<int>(std::lround((90 - bearing) * 16)),
                    static_cast<int>(std::lround(-span * 16)));
}

} // namespace

CoveragePlot::CoveragePlot(QWidget* parent) : QWidget(parent) {
    // The bands are named before the first coverage arrives.
    coverage_.BandTitles = {"0-5 NM", "5-10 NM", "10-20 NM", "20-40 NM", "40+ NM"};
    setMinimumSize(200, 200 + LegendHeight());
    setMouseTracking(true);
}

void CoveragePlot::Show(const TCoverageView& coverage) {
    coverage_ = coverage;
    update();
}

int CoveragePlot::LegendHeight() const {
    return kLegendLines * fontMetrics().height() + 8;
}

QPointF CoveragePlot::Centre() const {
    const double side = std::min(width(), height() - LegendHeight());
    return {width() / 2.0, side / 2.0};
}

double CoveragePlot::OuterRadius() const {
    const double side = std::min(width(), height() - LegendHeight());
    return std::max(side / 2.0 - kLabelMargin, 1.0);
}

double CoveragePlot::OuterRangeNm() const {
    const double range = coverage_.RingStepNm * std::max(coverage_.RingCount, 1);
    return range > 0 ? range : 1.0;
}

void CoveragePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = Centre();
    const double outer = OuterRadius();
    const double perNm = outer / OuterRangeNm();

    painter.setPen(Qt::NoPen);
    painter.setBrush(kDiscColour);
    painter.drawEllipse(centre, outer, outer);

    // Sectors first, so that the rings and their labels stay readable above them.
    painter.setPen(QPen(kSectorEdge, 1));
    painter.setBrush(kSectorFill);
    for (int sector = 0; sector < kCoverageSectors; ++sector) {
        const double farthest = coverage_.FarthestNm[static_cast<size_t>(sector)];
        if (farthest > 0)
            DrawSector(painter, centre, std::min(farthest * perNm, outer), sector * kSectorDegrees,
                       kSectorDegrees);
    }

    painter.setPen(QPen(kRingColour, 1));
    painter.setBrush(Qt::NoBrush);
    const int rings = std::max(coverage_.RingCount, 1);
    for (int ring = 1; ring <= rings; ++ring) {
        const double radius = outer * ring / rings;
        painter.drawEllipse(centre, radius, radius);
    }
    painter.drawLine(QPointF(centre.x(), centre.y() - outer),
                     QPointF(centre.x(), centre.y() + outer));
    painter.drawLine(QPointF(centre.x() - outer, centre.y()),
                     QPointF(centre.x() + outer, centre.y()));

    const QFontMetrics metrics = fontMetrics();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int ring = 1; ring <= rings; ++ring) {
        const double radius = outer * ring / rings;
        painter.drawText(QPointF(centre.x() + 3, centre.y() - radius + metrics.ascent()),
                         Nm(coverage_.RingStepNm * ring));
    }
    const double half = kLabelMargin / 2.0;
    const struct {
        const char* letter;
        QPointF at;
    } directions[] = {{"N", {centre.x(), centre.y() - outer - half}},
                      {"E", {centre.x() + outer + half, centre.y()}},
                      {"S", {centre.x(), centre.y() + outer + half}},
                      {"W", {centre.x() - outer - half, centre.y()}}};
    for (const auto& direction : directions)
        painter.drawText(
            QRectF(direction.at.x() - half, direction.at.y() - half, 2 * half, 2 * half),
            Qt::AlignCenter, QString::fromLatin1(direction.letter));

    if (!coverage_.HasOwnPosition) {
        painter.setPen(kWarningColour);
        const QString text = QStringLiteral("No own position");
        const double textWidth = metrics.horizontalAdvance(text) + 6;
        const QRectF box(centre.x() - textWidth / 2, centre.y() + 4, textWidth, metrics.height());
        painter.fillRect(box, kDiscColour);
        painter.drawText(box, Qt::AlignCenter, text);
    }

    // The legend: one line a band, then the stations that count for none.
    painter.setPen(palette().color(QPalette::WindowText));
    const double left = std::max(centre.x() - outer - kLabelMargin, 2.0);
    const double right = std::min(centre.x() + outer + kLabelMargin, width() - 2.0);
    double top = centre.y() + outer + kLabelMargin + 4;
    auto legendLine = [&](const QString& title, int32_t count) {
        const QRectF line(left, top, right - left, metrics.height());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
        top += metrics.height();
    };
    for (size_t band = 0; band < kDistanceBands; ++band)
        legendLine(ToQString(coverage_.BandTitles[band]), coverage_.BandCounts[band]);
    legendLine(QStringLiteral("No usable position"), coverage_.Unusable);
}

QString CoveragePlot::SectorTip(QPointF at) const {
    const QPointF centre = Centre();
    const double dx = at.x() - centre.x();
    const double dy = at.y() - centre.y();
    if (std::hypot(dx, dy) > OuterRadius())
        return {};
    double bearing = std::atan2(dx, -dy) * 180 / std::numbers::pi;
    if (bearing < 0)
        bearing += 360;
    const int sector =
        std::clamp(static_cast<int>(bearing / kSectorDegrees), 0, kCoverageSectors - 1);
    const auto index = static_cast<size_t>(sector);
    const QString span = QStringLiteral("%1-%2%3")
                             .arg(sector * kSectorDegrees)
                             .arg((sector + 1) * kSectorDegrees)
                             .arg(QChar(0x00B0));
    if (coverage_.FarthestNm[index] <= 0)
        return QStringLiteral("%1: nothing heard").arg(span);
    return QStringLiteral("%1: %2, MMSI %3")
        .arg(span, QString::number(coverage_.FarthestNm[index], 'f', 1) + QStringLiteral(" NM"))
        .arg(coverage_.FarthestMmsi[index]);
}

bool CoveragePlot::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = SectorTip(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}
