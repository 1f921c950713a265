#include "PagePanel.h"

#include "ConfigurationPages.h"
#include "DataLogPageWidgets.h"
#include "GpsStatusPageWidgets.h"
#include "NetworkPage.h"
#include "PageIndex.h"
#include "StationsPageWidgets.h"
#include "SystemCheckPage.h"

#include "view/MainView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <array>

namespace {

struct PageDescription {
    const char* name;
    const char* caption;
    bool offered = true;
};

constexpr PageDescription kMainPages[] = {
    {"TabSheetConfig", "Configuration"},
    {"TabSheetDiagnostics", "Diagnostics"},
};
constexpr PageDescription kConfigurationPages[] = {
    {"TabSheetBaudRate", "BAUD RATE"},
    {"TabSheetInternalGPS", "INTERNAL GPS"},
    // Never offered: no tab at all, so that no click, wheel turn or key brings it to the
    // front; the page exists, hidden, so that its controls are found by name.
    {"TabSheetNetwork", "NETWORK", false},
    {"TabSheetRestore", "RESTORE"},
};
constexpr PageDescription kDiagnosisPages[] = {
    {"TabSheetSystemCheck", "SYSTEM CHECK"},
    {"TabSheetGpsStatus", "GPS STATUS"},
    {"TabSheetDataLog", "DATA LOG"},
    {"TabSheetAisStations", "AIS STATIONS"},
};

QTabWidget* CreatePageControl(const char* name, QWidget* parent) {
    auto* control = new QTabWidget(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The pages of `control` by the controller's page index; the ones not offered are
// hidden children of the control's parent.
template <size_t N>
std::array<QWidget*, N> AddPages(QTabWidget* control, const PageDescription (&pages)[N]) {
    std::array<QWidget*, N> sheets{};
    for (size_t index = 0; index < N; ++index) {
        const PageDescription& page = pages[index];
        auto* sheet = new QWidget(page.offered ? control : control->parentWidget());
        sheet->setObjectName(QString::fromLatin1(page.name));
        SetPageIndex(sheet, static_cast<int>(index));
        if (page.offered)
            control->addTab(sheet, QString::fromLatin1(page.caption));
        else
            sheet->hide();
        sheets[index] = sheet;
    }
    return sheets;
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

    QTabWidget* main = CreatePageControl("PageControlMain", panel);
    QTabWidget* configuration = CreatePageControl("PageControlConf", panel);
    QTabWidget* diagnosis = CreatePageControl("PageControlDiagnosis", panel);
    const auto mainPages = AddPages(main, kMainPages);
    const auto configurationPages = AddPages(configuration, kConfigurationPages);
    const auto diagnosisPages = AddPages(diagnosis, kDiagnosisPages);
    FillPage(mainPages[pgConfiguration], configuration);
    FillPage(mainPages[pgDiagnostics], diagnosis);
    FillDataLogPage(diagnosisPages[pgDataLog]);
    FillBaudRatePage(configurationPages[pgBaudRate]);
    FillInternalGpsPage(configurationPages[pgInternalGps]);
    FillRestorePage(configurationPages[pgRestore]);
    FillNetworkPage(configurationPages[pgNetwork]);
    FillSystemCheckPage(diagnosisPages[pgSystemCheck]);
    FillGpsStatusPage(diagnosisPages[pgGpsStatus]);
    FillAisStationsPage(diagnosisPages[pgAisStations]);

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
