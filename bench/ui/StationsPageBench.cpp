// The whole Qt window, offscreen, with the AIS STATIONS page in front while the receiver
// simulator floods the link: the lines the session handles per second, how long each
// stations tick takes (the table and coverage refresh), and the longest stall of the
// event loop, which is what a user feels as a window that stops responding.
//   stations_page_bench [SECONDS] [AIS_RATE] [AIS_CAPTURE]
// With a capture, the simulator replays its sentences instead of its own few vessels, so
// the table fills with as many stations as the capture holds.
#include "Configurator.h"
#include "PageIndex.h"
#include "SimProcess.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

class LineCounter : public TSessionObserver {
public:
    long lines = 0;
    void LineReceived(std::string_view, bool overLong) override {
        if (!overLong)
            ++lines;
    }
};

// Times each firing of a timer from the timer event to the last of its slots, this one
// being connected after the controller's.
class TickTimes : public QObject {
public:
    explicit TickTimes(QTimer& timer) {
        timer.installEventFilter(this);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            const qint64 took = clock_.nsecsElapsed();
            longestNs = std::max(longestNs, took);
            totalNs += took;
            ++ticks;
        });
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            clock_.start();
        return false;
    }

    qint64 longestNs = 0;
    qint64 totalNs = 0;
    long ticks = 0;

private:
    QElapsedTimer clock_;
};

// The longest time between two firings of a 5 ms timer, less the 5 ms.
class StallWatch : public QObject {
public:
    StallWatch() {
        timer_.setInterval(kIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            if (clock_.isValid())
                longestMs = std::max(longestMs, clock_.elapsed() - kIntervalMs);
            clock_.start();
        });
        timer_.start();
    }

    static constexpr qint64 kIntervalMs = 5;
    qint64 longestMs = 0;

private:
    QTimer timer_;
    QElapsedTimer clock_;
};

void RunFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const std::string rate = argc > 2 ? argv[2] : "100000";
    std::vector<std::string> simArguments = {"--rate", rate};
    if (argc > 3)
        simArguments.insert(simArguments.end(), {"--ais", argv[3]});
    SimProcess sim(simArguments);

    LineCounter counter; // outlives the session, which keeps a reference
    Configurator program;
    program.View().AnswerMessagesWith([](auto&&...) { return TMessageAnswer::Ok; });
    MainWindow& window = program.Window();
    window.show();
    program.Controller().Session().AddObserver(counter);
    if (!program.Controller().Connection().ConnectDevice(sim.Port(), br128000)) {
        std::fprintf(stderr, "cannot connect to %s\n%s", sim.Port().c_str(), sim.Log().c_str());
        return 1;
    }
    QElapsedTimer waiting;
    waiting.start();
    while (!program.Controller().Session().IsConnected() && waiting.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!program.Controller().Session().IsConnected()) {
        std::fprintf(stderr, "no handshake with the simulator\n%s", sim.Log().c_str());
        return 1;
    }
    auto* main = window.findChild<QTabWidget*>(QStringLiteral("PageControlMain"));
    auto* diagnosis = window.findChild<QTabWidget*>(QStringLiteral("PageControlDiagnosis"));
    main->setCurrentIndex(TabOfPage(main, pgDiagnostics));
    diagnosis->setCurrentIndex(TabOfPage(diagnosis, pgAisStations));
    RunFor(1000); // let the stream settle

    TickTimes ticks(window.Timer(TTimer::StationsTick));
    StallWatch stalls;
    const long lines0 = counter.lines;
    QElapsedTimer clock;
    clock.start();
    RunFor(seconds * 1000);
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const int rows =
        window.findChild<QAbstractItemView*>(QStringLiteral("GridStations"))->model()->rowCount();

    std::printf("stations_page_bench: %.0f lines/s handled with AIS STATIONS in front "
                "(simulator AIS rate %s/s, %d s, %d rows)\n",
                static_cast<double>(counter.lines - lines0) / elapsed, rate.c_str(), seconds, rows);
    std::printf("  stations tick: %ld ticks, mean %.2f ms, longest %.2f ms\n", ticks.ticks,
                ticks.ticks > 0
                    ? static_cast<double>(ticks.totalNs) / 1e6 / static_cast<double>(ticks.ticks)
                    : 0.0,
                static_cast<double>(ticks.longestNs) / 1e6);
    std::printf("  longest event-loop stall: %lld ms\n", static_cast<long long>(stalls.longestMs));
    return 0;
}
