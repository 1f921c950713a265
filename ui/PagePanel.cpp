#include "PagePanel.h"

#include "ConfigurationPages.h"
#include "DataLogPage.h"
#include "GpsStatusPage.h"
#include "NetworkPage.h"
#include "SystemCheckPage.h"

#include "app/MainView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct PageDescription {
    const char* name;
    const char* caption;
};

constexpr PageDescription kMainPages[] = {
    {"TabSheetConfig", "Configuration"},
    {"TabSheetDiagnostics", "Diagnostics"},
};
constexpr PageDescription kConfigurationPages[] = {
    {"TabSheetBaudRate", "BAUD RATE"},
    {"TabSheetInternalGPS", "INTERNAL GPS"},
    {"TabSheetNetwork", "NETWORK"},
    {"TabSheetRestore", "RESTORE"},
};
constexpr PageDescription kDiagnosisPages[] = {
    {"TabSheetSystemCheck", "SYSTEM CHECK"},
    {"TabSheetGpsStatus", "GPS STATUS"},
    {"TabSheetDataLog", "DATA LOG"},
};

template <size_t N>
QTabWidget* CreatePageControl(const char* name, const PageDescription (&pages)[N],
                              QWidget* parent) {
    auto* control = new QTabWidget(parent);
    control->setObjectName(QString::fromLatin1(name));
    for (const PageDescription& page : pages) {
        auto* sheet = new QWidget(control);
        sheet->setObjectName(QString::fromLatin1(page.name));
        control->addTab(sheet, QString::fromLatin1(page.caption));
    }
    return control;
}

void FillPage(QWidget* page, QWidget* content) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

} // namespace

QWidget* CreatePagePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("PanelView"));

    QTabWidget* main = CreatePageControl("PageControlMain", kMainPages, panel);
    QTabWidget* configuration = CreatePageControl("PageControlConf", kConfigurationPages, panel);
    // The network page keeps its index; only its tab is never offered.
    configuration->setTabVisible(pgNetwork, false);
    QTabWidget* diagnosis = CreatePageControl("PageControlDiagnosis", kDiagnosisPages, panel);
    FillPage(main->widget(pgConfiguration), configuration);
    FillPage(main->widget(pgDiagnostics), diagnosis);
    FillDataLogPage(diagnosis->widget(pgDataLog));
    FillBaudRatePage(configuration->widget(pgBaudRate));
    FillInternalGpsPage(configuration->widget(pgInternalGps));
    FillRestorePage(configuration->widget(pgRestore));
    FillNetworkPage(configuration->widget(pgNetwork));
    FillSystemCheckPage(diagnosis->widget(pgSystemCheck));
    FillGpsStatusPage(diagnosis->widget(pgGpsStatus));

    auto* reload = new QPushButton(QStringLiteral("Read Device"), panel);
    reload->setObjectName(QStringLiteral("SpeedButtonReload"));
    auto* setting = new QPushButton(QStringLiteral("Program Device"), panel);
    setting->setObjectName(QStringLiteral("SpeedButtonSetting"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(reload);
    buttons->addWidget(setting);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(main, 1);
    layout->addLayout(buttons);
    panel->hide();
    return panel;
}
