#include "ConfigurationPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int kSelectorWidth = 220;

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* Selector(QWidget* page, const char* name) {
    auto* selector = Named(new QComboBox(page), name);
    selector->setFixedWidth(kSelectorWidth);
    return selector;
}

// The page's own "Config" button, never shown.
void AddHiddenConfigButton(QWidget* page, const char* name, QGridLayout* grid, int row) {
    auto* button = Named(new QPushButton(QStringLiteral("Config"), page), name);
    button->hide();
    grid->addWidget(button, row, 0);
}

QGridLayout* PageGrid(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    return grid;
}

void EndGrid(QGridLayout* grid, int rows) {
    grid->setRowStretch(rows, 1);
}

} // namespace

void FillBaudRatePage(QWidget* page) {
    QGridLayout* grid = PageGrid(page);
    grid->addWidget(new QLabel(QStringLiteral("RS-232"), page), 0, 0);
    grid->addWidget(Selector(page, "cbxBaud_RS232"), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("NMEA"), page), 1, 0);
    grid->addWidget(Selector(page, "cbxBaud_NMEA"), 1, 1);
    AddHiddenConfigButton(page, "spbBaudRate", grid, 2);
    EndGrid(grid, 3);
}

void FillInternalGpsPage(QWidget* page) {
    QGridLayout* grid = PageGrid(page);
    grid->addWidget(Named(new QCheckBox(QStringLiteral("Enable Internal GPS Module"), page),
                          "CheckBoxInternalGPSEnable"),
                    0, 0, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("GPS Mode"), page), "LabelGPSNavStatus"), 1, 0);
    grid->addWidget(Selector(page, "ComboBoxGPSNavStatus"), 1, 1);
    AddHiddenConfigButton(page, "spbInternalGPS", grid, 2);
    EndGrid(grid, 3);
}

void FillRestorePage(QWidget* page) {
    QGridLayout* grid = PageGrid(page);
    // The caption is the receiver maker's own, spelling included.
    grid->addWidget(
        Named(new QCheckBox(QStringLiteral("Netowrk Settings"), page), "CheckBoxNetworkRestore"), 0,
        0, 1, 2);
    AddHiddenConfigButton(page, "spbRestore", grid, 1);
    EndGrid(grid, 2);
}
