// t360kv-gui: the configurator's window.
//
//   t360kv-gui [--port TEXT] [--connect] [--replay LOG] [--page PAGE]
//              [--data-log] [--save-log FILE] [--screenshot FILE.png [--after MS]]
//   t360kv-gui --version
//
// The options serve demonstrations: --port selects the port entry of TEXT (a device
// path, COMn, or text the entry contains, as for t360kv), --connect clicks Connect once
// the window is up, --replay replays a recorded log as File > Open log... does, --page brings a
// page to the front, --screenshot saves a picture of the window MS milliseconds (default 1500)
// after start and quits, also without a display (QT_QPA_PLATFORM=offscreen, or under Xvfb).
// For unattended runs (scripts/soak.sh) --data-log switches the DATA LOG on at start and
// --save-log saves it to FILE when the window is sent SIGTERM, SIGINT or SIGHUP, then quits.
#include "Configurator.h"
#include "GuardedApplication.h"
#include "LaunchOptions.h"
#include "PageIndex.h"
#include "ProgramVersion.h"
#include "SaveLogAtQuit.h"
#include "TerminationSignals.h"
#include "app/Settings.h"
#include "platform/DocumentsFolder.h"
#include "platform/FileSystem.h"

#include <QAbstractButton>
#include <QFile>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void ClickConnect(MainWindow& window) {
    auto* openPort = window.findChild<QAbstractButton*>(QStringLiteral("OpenPort"));
    QTimer::singleShot(0, openPort, &QAbstractButton::click);
}

// Brings the page forward as the user's click on its tabs would, so that the controller
// hears of the change.
void BringPageForward(MainWindow& window, const LaunchOptions& options) {
    if (options.page < 0)
        return;
    auto tabs = [&window](TControl control) {
        return window.findChild<QTabWidget*>(QString::fromLatin1(ControlName(control)));
    };
    const int area =
        options.pageControl == TControl::PageControlConf ? pgConfiguration : pgDiagnostics;
    QTabWidget* main = tabs(TControl::PageControlMain);
    QTabWidget* pages = tabs(options.pageControl);
    main->setCurrentIndex(TabOfPage(main, area));
    pages->setCurrentIndex(TabOfPage(pages, options.page));
}

void TakeScreenshot(QWidget& window, const QString& file) {
    bool saved = window.grab().save(file, "PNG");
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    // exit(), not quit(): quitting would put the exit question first.
    QCoreApplication::exit(saved ? 0 : 1);
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the application is made, so that it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("t360kv-gui %s\n", T360KV_VERSION);
        return 0;
    }
    GuardedApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("t360kv-gui"));
    QCoreApplication::setApplicationVersion(QStringLiteral(T360KV_VERSION));
    const LaunchOptions options = ParseLaunchOptions(app);
    try {
        Configurator configurator(nullptr, nullptr,
                                  TAppFolders{DocumentsFolder(), ProgramFolder()});
        MainWindow& window = configurator.Window();
        // The port names are UTF-8 (see QtMainView::ListItem), as the command line is.
        if (!options.port.isEmpty() && !configurator.Controller().Connection().SelectPortEntry(
                                           options.port.toUtf8().toStdString())) {
            std::fprintf(stderr, "no port entry for \"%s\"\n", qPrintable(options.port));
            return 2;
        }
        window.show();
        BringPageForward(window, options);
        if (options.dataLog)
            configurator.Controller().DataLog().LogSwitchClicked();
        std::unique_ptr<TerminationSignals> saveAtEnd;
        if (!options.saveLog.isEmpty())
            saveAtEnd = std::make_unique<TerminationSignals>([&configurator, &options] {
                // exit(), not quit(), as for the picture: no exit question.
                QCoreApplication::exit(
                    SaveLogAtQuit(configurator.Controller().DataLog().Log(),
                                  QFile::encodeName(options.saveLog).toStdString()));
            });
        if (options.connect)
            ClickConnect(window);
        if (!options.replay.isEmpty())
            QTimer::singleShot(0, &window, [&configurator, &options] {
                configurator.Controller().Replay().OpenLog(
                    QFile::encodeName(options.replay).toStdString(),
                    TReplayPresenter::Clock::now());
            });
        // The page asked for also when the connection has brought another one forward.
        if (!options.screenshot.isEmpty())
            QTimer::singleShot(options.screenshotDelayMs, &window, [&window, &options] {
                BringPageForward(window, options);
                TakeScreenshot(window, options.screenshot);
            });
        return app.exec();
    } catch (const std::exception& error) {
        ShowException(error);
        return 1;
    }
}
