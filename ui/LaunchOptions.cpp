#include "LaunchOptions.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

LaunchOptions ParseLaunchOptions(const QCoreApplication& app) {
    LaunchOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tidelane T360KV Configurator"));
    parser.addHelpOption();
    QCommandLineOption port(QStringLiteral("port"),
                            QStringLiteral("Select the port entry of <text>: a device path, "
                                           "COMn, or text the entry contains."),
                            QStringLiteral("text"));
    QCommandLineOption connect(QStringLiteral("connect"),
                               QStringLiteral("Click Connect once the window is up."));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a PNG picture of the window and quit."),
                                  QStringLiteral("file"));
    QCommandLineOption after(QStringLiteral("after"),
                             QStringLiteral("Milliseconds from start to the picture."),
                             QStringLiteral("ms"), QString::number(options.screenshotDelayMs));
    parser.addOptions({port, connect, screenshot, after});
    parser.process(app);

    options.port = parser.value(port);
    options.connect = parser.isSet(connect);
    options.screenshot = parser.value(screenshot);
    bool valid = false;
    options.screenshotDelayMs = parser.value(after).toInt(&valid);
    if (!valid || options.screenshotDelayMs < 0) {
        std::fprintf(stderr, "--after needs a number of milliseconds\n");
        std::exit(2);
    }
    return options;
}
