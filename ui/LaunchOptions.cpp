#include "LaunchOptions.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

struct PageName {
    const char* name;
    TControl pageControl;
    int page;
};

constexpr PageName kPages[] = {
    {"baud-rate", TControl::PageControlConf, pgBaudRate},
    {"internal-gps", TControl::PageControlConf, pgInternalGps},
    {"restore", TControl::PageControlConf, pgRestore},
    {"system-check", TControl::PageControlDiagnosis, pgSystemCheck},
    {"gps-status", TControl::PageControlDiagnosis, pgGpsStatus},
    {"data-log", TControl::PageControlDiagnosis, pgDataLog},
    {"ais-stations", TControl::PageControlDiagnosis, pgAisStations},
};

QString PageNames() {
    QStringList names;
    for (const PageName& page : kPages)
        names << QString::fromLatin1(page.name);
    return names.join(QStringLiteral(", "));
}

} // namespace

LaunchOptions ParseLaunchOptions(const QCoreApplication& app) {
    return ParseLaunchOptions(app.arguments());
}

LaunchOptions ParseLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tidelane T360KV Configurator"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption port(QStringLiteral("port"),
                            QStringLiteral("Select the port entry of <text>: a device path, "
                                           "COMn, or text the entry contains."),
                            QStringLiteral("text"));
    QCommandLineOption connect(QStringLiteral("connect"),
                               QStringLiteral("Click Connect once the window is up."));
    QCommandLineOption replay(QStringLiteral("replay"),
                              QStringLiteral("Replay the recorded log <file>, as File > Open "
                                             "log... does."),
                              QStringLiteral("file"));
    QCommandLineOption dataLog(QStringLiteral("data-log"),
                               QStringLiteral("Switch the DATA LOG on at start."));
    QCommandLineOption saveLog(QStringLiteral("save-log"),
                               QStringLiteral("On SIGTERM, SIGINT or SIGHUP save the DATA LOG "
                                              "to <file> (replacing it) and quit; the exit "
                                              "status is 1 when a logged line is not in it."),
                               QStringLiteral("file"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a PNG picture of the window and quit."),
                                  QStringLiteral("file"));
    QCommandLineOption after(QStringLiteral("after"),
                             QStringLiteral("Milliseconds from start to the picture."),
                             QStringLiteral("ms"), QString::number(options.screenshotDelayMs));
    QCommandLineOption page(QStringLiteral("page"),
                            QStringLiteral("Bring a page to the front: ") + PageNames() +
                                QStringLiteral("."),
                            QStringLiteral("page"));
    parser.addOptions({port, connect, replay, dataLog, saveLog, screenshot, after, page});
    parser.process(arguments);

    options.port = parser.value(port);
    options.connect = parser.isSet(connect);
    options.replay = parser.value(replay);
    options.dataLog = parser.isSet(dataLog);
    options.saveLog = parser.value(saveLog);
    options.screenshot = parser.value(screenshot);
    bool valid = false;
    options.screenshotDelayMs = parser.value(after).toInt(&valid);
    if (!valid || options.screenshotDelayMs < 0) {
        std::fprintf(stderr, "--after needs a number of milliseconds\n");
        std::exit(2);
    }
    if (parser.isSet(page)) {
        const QString name = parser.value(page);
        for (const PageName& known : kPages)
            if (name == QLatin1String(known.name)) {
                options.pageControl = known.pageControl;
                options.page = known.page;
            }
        if (options.page < 0) {
            std::fprintf(stderr, "no page named %s; the pages are %s\n", qPrintable(name),
                         qPrintable(PageNames()));
            std::exit(2);
        }
    }
    return options;
}
