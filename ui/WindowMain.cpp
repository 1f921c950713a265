// t360kv-gui: the configurator's window.
//
//   t360kv-gui [--port TEXT] [--connect] [--screenshot FILE.png [--after MS]]
//
// The options serve demonstrations: --port selects the port entry of TEXT (a device
// path, COMn, or text the entry contains, as for t360kv), --connect clicks Connect once
// the window is up, --screenshot saves a picture of the window MS milliseconds (default
// 1500) after start and quits, also without a display (QT_QPA_PLATFORM=offscreen, or
// under Xvfb).
#include "Configurator.h"
#include "GuardedApplication.h"
#include "LaunchOptions.h"
#include "app/Settings.h"
#include "platform/DocumentsFolder.h"
#include "platform/FileSystem.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

void ClickConnect(MainWindow& window) {
    auto* openPort = window.findChild<QAbstractButton*>(QStringLiteral("OpenPort"));
    QTimer::singleShot(0, openPort, &QAbstractButton::click);
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
    GuardedApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("t360kv-gui"));
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
        if (options.connect)
            ClickConnect(window);
        if (!options.screenshot.isEmpty())
            QTimer::singleShot(options.screenshotDelayMs, &window,
                               [&window, &options] { TakeScreenshot(window, options.screenshot); });
        return app.exec();
    } catch (const std::exception& error) {
        ShowException(error);
        return 1;
    }
}
