// Throughput of the receive path: bytes read by the receiver session (read, cut into
// lines) and the window's presenters behind it (the GPS page, the data log), on a view
// that only keeps what it is given.
#include "FakePorts.h"
#include "FakeView.h"
#include "MemoryComm.h"

#include "app/MainController.h"

#include <benchmark/benchmark.h>

namespace {

// A mix of what a receiver sends: GNSS sentences and AIS sentences.
std::string TypicalTraffic(size_t bytes) {
    static const char* const kLines[] = {
        "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n",
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n",
        "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n",
        "!AIVDM,1,1,,A,13HOI:0P0000VOHLCnHQKwvL05Ip,0*23\r\n",
        "!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n",
        "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\r\n",
    };
    std::string traffic;
    while (traffic.size() < bytes)
        for (const char* line : kLines)
            traffic += line;
    return traffic;
}

void BM_ReceivePath(benchmark::State& state) {
    const std::string traffic = TypicalTraffic(1 << 20);
    FakeView view;
    auto memory = std::make_unique<TMemoryComm>();
    auto line = memory->line;
    TMainController app(view, {}, std::make_unique<FakePorts>(std::make_shared<FakePorts::State>()),
                        std::move(memory));
    app.Session().Comm().Open();
    const size_t chunk = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        for (size_t at = 0; at < traffic.size(); at += chunk) {
            std::string piece = traffic.substr(at, chunk);
            line->Receive(piece, /*quiet=*/true);
            app.Session().ReadWaiting(static_cast<uint32_t>(piece.size()));
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(traffic.size()));
}
// Chunk sizes: what a slow line delivers per event, a driver's queue, a large burst.
BENCHMARK(BM_ReceivePath)->Arg(64)->Arg(4096)->Arg(65536);

} // namespace
