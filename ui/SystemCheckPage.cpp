#include "SystemCheckPage.h"

#include "CheckIcons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

struct CheckRow {
    const char* icon;
    const char* captionName;
    const char* caption;
    const char* valueName; // null for the reception row, which has two values
    const char* value;
    bool shown;
};

constexpr CheckRow kRows[] = {
    {"ImageChkFwVer", "lblChkFwVer", "Firmware Version", "lblValFwVer", "---------", true},
    {"ImageChkProdSN", "lblChkProdSN", "Product Serial No.", "lblValProdSN", "---------", true},
    {"ImageChkRx", "lblChkRx", "RX position reports", nullptr, nullptr, true},
    {"ImageNetworkFirmwareVersion", "LabelNetworkFirmwareVersionCaption",
     "Network Firmware Version", "LabelNetworkFirmwareVersoinData", "N/A", false},
    {"ImageChkGps", "lblChkGPS", "GPS", "lblValGps", "N/A", false},
};

QLabel* NamedLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// "Channel A: " 0 and "Channel B: " 0, side by side.
QWidget* ReceptionCounts(QWidget* parent) {
    auto* counts = new QWidget(parent);
    auto* layout = new QGridLayout(counts);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NamedLabel(counts, "lblChkRxCntChA", "Channel A: "), 0, 0);
    layout->addWidget(NamedLabel(counts, "lblValRxCntA", "0"), 0, 1);
    layout->addWidget(NamedLabel(counts, "lblChkRxCntChB", "Channel B: "), 0, 2);
    layout->addWidget(NamedLabel(counts, "lblValRxCntB", "0"), 0, 3);
    layout->setColumnMinimumWidth(1, 80);
    return counts;
}

} // namespace

void FillSystemCheckPage(QWidget* page) {
    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const CheckRow& check : kRows) {
        QLabel* icon = NamedLabel(page, check.icon, "");
        icon->setFixedSize(kCheckIconSize, kCheckIconSize);
        QLabel* caption = NamedLabel(page, check.captionName, check.caption);
        QWidget* value = check.valueName != nullptr ? NamedLabel(page, check.valueName, check.value)
                                                    : ReceptionCounts(page);
        for (QWidget* cell : {static_cast<QWidget*>(icon), static_cast<QWidget*>(caption), value})
            cell->setVisible(check.shown);
        grid->addWidget(icon, row, 0);
        grid->addWidget(caption, row, 1);
        grid->addWidget(value, row, 2);
        ++row;
    }
    auto* refresh = new QPushButton(QStringLiteral("Refresh"), page);
    refresh->setObjectName(QStringLiteral("SpeedButtonClearCheck"));
    grid->addWidget(refresh, 0, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
}
