#include "MainWindow.h"

#include "AuxiliaryWindows.h"
#include "PagePanel.h"
#include "ReplayBar.h"
#include "TopPanel.h"
#include "view/Texts.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct TimerDescription {
    TTimer timer;
    const char* name;
};

constexpr TimerDescription kTimers[] = {
    {TTimer::HandshakeTick, "Timer1"},
    {TTimer::HalfSecondTick, "Timer2"},
    {TTimer::SystemCheckTick, "TimerUpdateSysChk"},
    {TTimer::NetworkConsoleTick, "TimerEthernetRoutine"},
    {TTimer::CountdownTick, "CountdownTimer"},
    {TTimer::RefreshPause, "RefreshPause"},
    {TTimer::StationsTick, "TimerStations"},
    {TTimer::ReplayTick, "TimerReplay"},
};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

// The language items, in the order of their tags.
constexpr const char* kLanguageItems[][2] = {
    {"mnuLangEnglish", "English(&E)"},
    {"mnuLangTraChinese", "Traditional Chinese(&T)"},
    {"mnuLangSimpChinese", "Simplified Chinese(&S)"},
};

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    resize(kWidth, kHeight);
    CreateMenus();
    CreateTimers();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(CreateTopPanel(central));
    layout->addWidget(CreateReplayBar(central));
    layout->addWidget(CreatePagePanel(central), 1);
    // With the page panel hidden, the top strip stays at the top.
    layout->addStretch(0);
    setCentralWidget(central);

    CreateAboutBox(this, findChild<QAction*>(QStringLiteral("mnuAbout")));
    CreateProgressDialog(this);
    CreateCountdownDialog(this);
}

void MainWindow::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = AddMenu(bar, "mnuFile", "File(&F)");
    AddItem(AddMenu(bar, "mnuHelp", "Help(&H)"), "mnuAbout", "About(&A)");
    QMenu* language =
        AddMenu(bar, "mnuOption", "Option(&O)")->addMenu(QStringLiteral("Language(&L)"));
    language->setObjectName(QStringLiteral("mnuLanguage"));
    auto* oneLanguage = new QActionGroup(language);
    for (const auto& [name, caption] : kLanguageItems) {
        QAction* item = AddItem(language, name, caption);
        item->setCheckable(true);
        oneLanguage->addAction(item);
    }
    // The Option menu is never shown, so the File menu offers the same language items:
    // one check mark, and the captions of the language file.
    file->addActions(oneLanguage->actions());
    file->addSeparator();
    AddItem(file, "mnuOpenLog", "Open log(&O)...");
    file->addSeparator();
    AddItem(file, "mnuExit", "Exit(&X)");
}

void MainWindow::CreateTimers() {
    for (const TimerDescription& description : kTimers) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(description.name));
        timer->setInterval(TimerInterval(description.timer));
        timers_[static_cast<size_t>(description.timer)] = timer;
    }
}

QTimer& MainWindow::Timer(TTimer timer) const {
    return *timers_[static_cast<size_t>(timer)];
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    event->accept();
}
