#include "SkyMapWidget.h"

#include "AnsiText.h"
#include "QtColours.h"

#include <QPainter>

namespace {

QPoint ToQPoint(TPixel pixel) {
    return {pixel.X, pixel.Y};
}

// A box given by its edges, the right and bottom ones outside it. A stroked rectangle
// covers one pixel more than its size each way, so it is given one pixel smaller.
QRect OutlineOf(const TRectShape& box) {
    return QRect(box.Left, box.Top, box.Right - box.Left - 1, box.Bottom - box.Top - 1);
}

// Small enough for a three-digit PRN between the disc's edges.
constexpr int kSymbolFontPixels = 11;

void DrawSkyMap(QPainter& painter, const TSkyMapLayout& layout) {
    painter.setPen(QPen(ToQColor(kGridPen), 1));
    painter.setBrush(Qt::NoBrush);
    for (const TCircleShape& ring : layout.Rings)
        painter.drawEllipse(ToQPoint(ring.Center), ring.Radius, ring.Radius);
    for (const TLineShape& line : layout.Cross)
        painter.drawLine(ToQPoint(line.From), ToQPoint(line.To));

    QFont font(QString::fromLatin1(kLabelFont));
    font.setPointSize(kLabelFontPoints);
    painter.setFont(font);
    for (const TDirectionLabel& label : layout.Labels) {
        painter.setPen(QPen(ToQColor(kLabelPen), 1));
        painter.setBrush(ToQColor(kLabelBrush));
        QRect box = OutlineOf(label.Box);
        painter.drawRect(box);
        // The layout has already placed each letter, the "W" included.
        painter.setPen(ToQColor(kLabelTextColour));
        painter.drawText(QRect(label.Text.X, label.Text.Y, box.width(), box.height()),
                         Qt::AlignLeft | Qt::AlignTop, QString(QChar::fromLatin1(label.Letter)));
    }
}

} // namespace

TPaintSatellite::TPaintSatellite(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSymbolSize, kSymbolSize);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void TPaintSatellite::SetSymbol(const TSatelliteSymbol& symbol) {
    symbol_ = symbol;
    move(symbol.Left, symbol.Top);
    update();
}

void TPaintSatellite::paintEvent(QPaintEvent*) {
    TSymbolDrawing drawing = SymbolDrawing(symbol_);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(drawing.Fill));
    painter.drawEllipse(ToQPoint(drawing.Center), drawing.Radius, drawing.Radius);
    painter.setPen(QPen(ToQColor(drawing.Outline), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ToQPoint(drawing.Center), drawing.Radius, drawing.Radius);
    QFont font = painter.font();
    font.setPixelSize(kSymbolFontPixels);
    painter.setFont(font);
    painter.setPen(ToQColor(drawing.TextColour));
    painter.drawText(QRect(ToQPoint(drawing.TextAt), size()), Qt::AlignLeft | Qt::AlignTop,
                     ToQString(drawing.Text));
}

TPaintSatelliteChart::TPaintSatelliteChart(QWidget* parent) : QWidget(parent) {
    for (size_t i = 0; i < symbols_.size(); ++i) {
        symbols_[i] = new TPaintSatellite(this);
        symbols_[i]->setObjectName(QStringLiteral("SatelliteSymbol%1").arg(i));
    }
}

void TPaintSatelliteChart::SetMapBackground(const QPixmap& picture) {
    background_ = picture;
    map_ = QPixmap();
    update();
}

void TPaintSatelliteChart::ShowSymbols(const std::array<TSatelliteSymbol, kSymbolCount>& symbols) {
    for (size_t i = 0; i < symbols.size(); ++i) {
        symbols_[i]->SetSymbol(symbols[i]);
        symbols_[i]->setVisible(symbols[i].Visible);
    }
}

void TPaintSatelliteChart::paintEvent(QPaintEvent*) {
    if (map_.size() != size())
        DrawMap();
    QPainter(this).drawPixmap(0, 0, map_);
}

void TPaintSatelliteChart::DrawMap() {
    map_ = QPixmap(size());
    map_.fill(Qt::transparent);
    QPainter painter(&map_);
    if (!background_.isNull())
        painter.drawPixmap(rect(), background_);
    DrawSkyMap(painter, LayoutSkyMap(width(), height()));
    painter.end();
    emit MapDrawn(width(), height());
}
