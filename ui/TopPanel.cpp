#include "TopPanel.h"

#include "SortedComboBox.h"
#include "StatusLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int kPanelWidth = 780;

template <class Widget> Widget* Named(Widget* widget, const char* name, int width = 0) {
    widget->setObjectName(QString::fromLatin1(name));
    if (width > 0)
        widget->setFixedWidth(width);
    return widget;
}

} // namespace

QWidget* CreateTopPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setFixedWidth(kPanelWidth);

    auto* interfaceLabel = new QLabel(QStringLiteral("Select Interface"), panel);
    auto* deviceItem = Named(new QComboBox(panel), "ComboBoxDeviceItem", 150);
    deviceItem->addItems({QStringLiteral("USB"), QStringLiteral("RS-232/NMEA-0183")});
    deviceItem->setCurrentIndex(0);

    // The PC-side rate matters only for RS-232/NMEA-0183; USB is selected at start.
    auto* baudLabel = Named(new QLabel(QStringLiteral("Baud Rate"), panel), "LabelBaudRate");
    auto* baudRate = Named(new QComboBox(panel), "ComboBoxBaudRate", 90);
    baudRate->addItems({QStringLiteral("115200"), QStringLiteral("57600"), QStringLiteral("38400"),
                        QStringLiteral("19200"), QStringLiteral("9600"), QStringLiteral("4800")});
    baudRate->setCurrentIndex(0);
    baudLabel->hide();
    baudRate->hide();

    auto* portLabel = new QLabel(QStringLiteral("Select Port"), panel);
    auto* port = Named(new SortedComboBox(panel), "cbxDeviceComEnum", 260);
    port->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* openPort = Named(new QPushButton(QStringLiteral("Connect"), panel), "OpenPort", 110);
    openPort->setCheckable(true);
    openPort->setToolTip(QStringLiteral("Connect serial port"));

    // Under Connect, as wide as it; a longer text ("Replaying" and a log's name) takes the
    // free room to its right.
    auto* status =
        Named(new StatusLabel(QStringLiteral("Click to Connect"), panel), "LabelConnectionStatus");
    status->setMinimumWidth(110);
    status->setAlignment(Qt::AlignCenter);

    auto* exit = Named(new QPushButton(QStringLiteral("EXIT"), panel), "btnExit", 80);

    auto* grid = new QGridLayout(panel);
    grid->addWidget(interfaceLabel, 0, 0);
    grid->addWidget(deviceItem, 1, 0);
    grid->addWidget(baudLabel, 0, 1);
    grid->addWidget(baudRate, 1, 1);
    grid->addWidget(portLabel, 0, 2);
    grid->addWidget(port, 1, 2);
    grid->addWidget(openPort, 1, 3);
    grid->addWidget(status, 2, 3, 1, 2, Qt::AlignLeft);
    grid->addWidget(exit, 1, 5);
    grid->setColumnStretch(4, 1);
    return panel;
}
