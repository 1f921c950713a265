#include "StationsPageWidgets.h"

#include "CoveragePlot.h"
#include "StationTableView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int kFilterWidth = 160;
constexpr int kPlotWidth = 230;

QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

void FillAisStationsPage(QWidget* page) {
    auto* filter = new QLineEdit(page);
    filter->setObjectName(QStringLiteral("EditStationFilter"));
    filter->setPlaceholderText(QStringLiteral("MMSI or name"));
    filter->setClearButtonEnabled(true);
    filter->setMaximumWidth(kFilterWidth);

    auto* count = new QLabel(page);
    count->setObjectName(QStringLiteral("LabelStationCount"));

    auto* table = new StationTableView(page);
    table->setObjectName(QStringLiteral("GridStations"));

    auto* plot = new CoveragePlot(page);
    plot->setObjectName(QStringLiteral("PaintBoxCoverage"));
    plot->setFixedWidth(kPlotWidth);

    auto* tools = new QHBoxLayout;
    tools->addWidget(filter);
    tools->addWidget(NamedButton(page, "ButtonStationDetails", "Details"));
    tools->addWidget(NamedButton(page, "ButtonClearStations", "Clear"));
    tools->addWidget(NamedButton(page, "ButtonExportStations", "Export CSV..."));
    tools->addStretch(1);
    tools->addWidget(count);

    auto* layout = new QGridLayout(page);
    layout->addLayout(tools, 0, 0, 1, 2);
    layout->addWidget(table, 1, 0);
    layout->addWidget(plot, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);
}
