#include "GpsStatusPageWidgets.h"

#include "GlobePicture.h"
#include "SkyMapWidget.h"
#include "SnrChartView.h"

#include "skyview/SnrBar.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct PageField {
    const char* name;
    const char* caption;
};

constexpr PageField kFields[] = {
    {"lblEdtGpsUtcDate", "UTC Date"},
    {"lblEdtGpsUtcTime", "UTC Time"},
    {"lblEdtGpsFixMode", "Fix Mode"},
    {"lblEdtHdop", "HDOP"},
    {"lblEdtGpsLat", "Latitude"},
    {"lblEdtGpsLon", "Longitude"},
    {"lblEdtGpsSOG", "SOG"},
    {"lblEdtGpsCOG", "COG"},
    {"lblEdtGpsNoSV_InView", "Satellites in view"},
    {"lblEdtGpsNoSV_InUse", "Satellites in use"},
};

constexpr int kMapWidth = 198;
constexpr int kMapHeight = 200;
constexpr int kChartWidth = 409;
constexpr int kChartHeight = 322;

QLabel* NamedLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QWidget* SatelliteMapPanel(QWidget* page) {
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelSatelliteMap"));
    panel->setFixedSize(kMapWidth, kMapHeight);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    auto* map = new TPaintSatelliteChart(panel);
    map->setObjectName(QStringLiteral("SatelliteMap"));
    map->SetMapBackground(GlobePicture());
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(map);
    return panel;
}

// Two columns of captioned read-only fields.
QWidget* TextFields(QWidget* page) {
    auto* fields = new QWidget(page);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    int index = 0;
    for (const PageField& field : kFields) {
        auto* edit = new QLineEdit(fields);
        edit->setObjectName(QString::fromLatin1(field.name));
        edit->setReadOnly(true);
        int row = index / 2 * 2;
        int column = index % 2;
        grid->addWidget(new QLabel(QString::fromLatin1(field.caption), fields), row, column);
        grid->addWidget(edit, row + 1, column);
        ++index;
    }
    return fields;
}

QWidget* SnrChartPanel(QWidget* page) {
    auto* panel = new QWidget(page);
    auto* chart = new SnrChartView(panel);
    chart->setObjectName(QStringLiteral("Chart1"));
    chart->setMinimumSize(kChartWidth, kChartHeight);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NamedLabel(panel, "Label10", kSnrAxisTitle));
    layout->addWidget(chart, 1);
    layout->addWidget(NamedLabel(panel, "lblSatelliteID", kSatelliteAxisTitle), 0,
                      Qt::AlignHCenter);
    return panel;
}

} // namespace

void FillGpsStatusPage(QWidget* page) {
    auto* left = new QVBoxLayout;
    left->addWidget(SatelliteMapPanel(page), 0, Qt::AlignLeft);
    left->addWidget(TextFields(page));
    left->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(SnrChartPanel(page), 1);
}
