// t360kv decode: decodes recorded receiver output the way the GPS status page would see
// it, and prints one JSON object per input line (the schema is in docs/decode.md).
#include "Commands.h"
#include "DecodedLine.h"
#include "LinePrinter.h"

#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"
#include "platform/StandardStreams.h"
#include "session/LineSplitter.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

class LineDecoder {
public:
    LineDecoder() : printer_(stdout) {}

    // Decodes one input; line numbers start again at 1.
    bool Decode(std::FILE* in) {
        lineNumber_ = 0;
        static constexpr size_t kChunk = 1 << 16;
        std::vector<uint8_t> chunk(kChunk);
        size_t got;
        auto handle = [this](std::string_view line, bool overLong) { Handle(line, overLong); };
        while ((got = std::fread(chunk.data(), 1, kChunk, in)) > 0)
            lines_.Feed({reinterpret_cast<const char*>(chunk.data()), got}, handle);
        lines_.Finish(handle);
        return std::ferror(in) == 0;
    }

    // Prints what is left, then the summary. False when writing the output failed.
    bool Finish() {
        bool written = printer_.Finish();
        printer_.Summary().Print(stderr, state_->Ais);
        return written;
    }

private:
    // The dispatch text (the line, CR, LF) through the GPS line filter and the decoder.
    void Handle(std::string_view line, bool overLong) {
        ++lineNumber_;
        ++linesRead_;
        LineVerdict verdict = lvDecoder;
        DecodeResult result = drDecoded;
        if (overLong) {
            verdict = lvReceiveTooLong;
        } else {
            // The filter judges the dispatch text, so an empty line starts with its CR.
            SentenceBuffer buffer;
            std::memcpy(buffer, line.data(), line.size());
            std::memcpy(buffer + line.size(), "\r\n", 3);
            if (!PassesGpsLineFilter(buffer, line.size() + 2)) {
                verdict = buffer[0] == '$' || buffer[0] == '!' ? lvTooLong : lvNotSentence;
            } else {
                // Stations are heard one second per line of the input, whatever the pace.
                if (buffer[0] == '!')
                    SetAisClock(state_->Ais.Clock, static_cast<uint32_t>(linesRead_));
                DecodeSentence(buffer, *state_, &result);
            }
        }
        CaptureDecodedLine(printer_.Next(), lineNumber_, verdict, result, *state_);
    }

    LinePrinter printer_;
    LineSplitter lines_;
    std::unique_ptr<DecoderState> state_ = std::make_unique<DecoderState>();
    int64_t lineNumber_ = 0;
    int64_t linesRead_ = 0; // in all inputs
};

} // namespace

int RunDecodeCommand(int argc, char** argv) {
    static const char* const kStandardInputOnly[] = {"-"};
    std::span<const char* const> paths(argv, static_cast<size_t>(argc));
    if (paths.empty())
        paths = kStandardInputOnly;
    for (const char* path : paths)
        if (path[0] == '-' && path[1] != '\0') {
            std::fprintf(stderr,
                         "usage: t360kv decode [FILE...]   (no FILE or -: standard input)\n");
            return 2;
        }

    // The JSON lines are the same bytes on every system, and a capture is read as it is.
    UseBinaryStandardStreams();
    LineDecoder decoder;
    int status = 0;
    for (const char* path : paths) {
        bool standardInput = std::strcmp(path, "-") == 0;
        std::FILE* in = standardInput ? stdin : std::fopen(path, "rb");
        if (in == nullptr) {
            std::fprintf(stderr, "t360kv decode: cannot open %s\n", path);
            status = 1;
            continue;
        }
        if (!decoder.Decode(in)) {
            std::fprintf(stderr, "t360kv decode: error reading %s\n", path);
            status = 1;
        }
        if (!standardInput)
            std::fclose(in);
    }
    if (!decoder.Finish()) {
        std::fprintf(stderr, "t360kv decode: error writing the output\n");
        status = 1;
    }
    return status;
}
