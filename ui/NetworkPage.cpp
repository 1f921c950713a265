#include "NetworkPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

template <class Kind> Kind* Named(Kind* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    return Named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

QPlainTextEdit* Memo(QWidget* parent, const char* name) {
    auto* memo = Named(new QPlainTextEdit(parent), name);
    memo->setReadOnly(true);
    return memo;
}

// The link to the module's web page, drawn as a link.
QPushButton* WebLink(QWidget* parent) {
    QPushButton* link = Button(parent, "LabelEthernetSettingButton", "Go to Network Configuration");
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(
        QStringLiteral("color: navy; font-weight: bold; text-decoration: underline;"));
    link->setToolTip(QStringLiteral("DEFAULT USER NAME: Admin, PASSWORD: QZX"));
    return link;
}

} // namespace

void FillNetworkPage(QWidget* page) {
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Tidelane Network Firmware Version:"), page), 0, 0);
    layout->addWidget(Named(new QLabel(QStringLiteral("None"), page), "LabelEthFirmwareVersion"), 0,
                      1);
    layout->addWidget(new QLabel(QStringLiteral("Tidelane IP Address:"), page), 1, 0);
    layout->addWidget(Named(new QLabel(QStringLiteral("None"), page), "LabelEthIP"), 1, 1);
    layout->addWidget(WebLink(page), 2, 0, 1, 2);
    layout->addWidget(Memo(page, "MemoEthernetTx"), 3, 0);
    layout->addWidget(Memo(page, "MemoEthernetRx"), 3, 1);
    layout->addWidget(Named(new QLineEdit(page), "EditEthernetText"), 4, 0);
    layout->addWidget(Button(page, "ButtonEthernetSend", "Send"), 4, 1);
    layout->addWidget(Button(page, "ButtonEnterEthConfigMode", "Config On"), 5, 0);
    layout->addWidget(Button(page, "ButtonExitEthConfigMode", "Config Off"), 5, 1);
    layout->addWidget(Button(page, "ButtonCMD1", "CMD1"), 6, 0);
    layout->addWidget(Button(page, "ButtonCompareIP", "Compare IP"), 6, 1);
    layout->setRowStretch(3, 1);
}
