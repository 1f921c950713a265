// t360kv decode: decodes recorded receiver output the way the GPS status page would see
// it, and prints one JSON object per input line (the schema is in docs/decode.md).
#include "AisJson.h"
#include "Commands.h"
#include "DecodeSummary.h"
#include "JsonWriter.h"
#include "LineAssembler.h"
#include "SentenceJson.h"

#include "nmea/FormatterTable.h"
#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

class LineDecoder {
public:
    LineDecoder() : json_(stdout), lines_(&LineDecoder::OnLine, this) {}

    // Decodes one input; line numbers start again at 1.
    bool Decode(std::FILE* in) {
        lineNumber_ = 0;
        static constexpr size_t kChunk = 1 << 16;
        std::vector<uint8_t> chunk(kChunk);
        size_t got;
        while ((got = std::fread(chunk.data(), 1, kChunk, in)) > 0)
            lines_.Feed(chunk.data(), got);
        lines_.Finish();
        return std::ferror(in) == 0;
    }

    bool Finish() {
        summary_.Print(stderr, state_->Ais.Targets);
        return json_.Flush();
    }

private:
    static void OnLine(void* self, const char* line, size_t length, bool discarded) {
        static_cast<LineDecoder*>(self)->Handle(line, length, discarded);
    }

    // The dispatch text (the line, CR, LF) through the GPS line filter and the decoder.
    void Handle(const char* line, size_t length, bool discarded) {
        ++lineNumber_;
        LineVerdict verdict = lvDecoder;
        DecodeResult result = drDecoded;
        if (discarded) {
            verdict = lvReceiveTooLong;
        } else {
            // The filter judges the dispatch text, so an empty line starts with its CR.
            SentenceBuffer buffer;
            std::memcpy(buffer, line, length);
            std::memcpy(buffer + length, "\r\n", 3);
            if (!PassesGpsLineFilter(buffer, length + 2))
                verdict = buffer[0] == '$' || buffer[0] == '!' ? lvTooLong : lvNotSentence;
            else
                DecodeSentence(buffer, *state_, &result);
        }
        summary_.Count(verdict, result, state_->Sentence);
        if (CompletedAisMessage(verdict, result))
            summary_.CountAisMessage(state_->Ais.Message);
        Write(verdict, result);
    }

    // An encapsulation sentence that completed an AIS message, which decoded.
    bool CompletedAisMessage(LineVerdict verdict, DecodeResult result) const {
        return verdict == lvDecoder && result == drDecoded && state_->Sentence.Start == '!';
    }

    void WriteHeader() {
        const DecodedSentence& sentence = state_->Sentence;
        json_.Key("start");
        json_.String(std::string_view(&sentence.Start, 1));
        json_.Key("talker");
        json_.String(sentence.Talker);
        json_.Key("formatter");
        json_.String(sentence.Formatter);
        json_.Key("subtype");
        json_.String(sentence.ProprietarySubtype != 0
                         ? std::string_view(&sentence.ProprietarySubtype, 1)
                         : std::string_view());
    }

    void Write(LineVerdict verdict, DecodeResult result) {
        bool accepted = verdict == lvDecoder && (result == drDecoded || result == drEncapsulated);
        json_.BeginObject();
        json_.Key("line");
        json_.Int(lineNumber_);
        json_.Key("accepted");
        json_.Bool(accepted);
        if (!accepted) {
            json_.Key("reason");
            json_.String(RejectionName(verdict, result));
            if (verdict == lvDecoder && (result == drUnknownFormatter || result == drFields))
                WriteHeader();
        } else {
            const DecodedSentence& sentence = state_->Sentence;
            const FormatterRow& row = *FindFormatter(sentence.Formatter);
            WriteHeader();
            json_.Key("group");
            json_.String(GroupName(row.group));
            json_.Key("fields");
            WriteSentenceFields(json_, row, sentence);
            if (row.group == sgGnss) {
                json_.Key("nav");
                navigation_.Write(json_, state_->Navigation);
            }
            if (CompletedAisMessage(verdict, result)) {
                json_.Key("ais");
                WriteAisMessage(json_, state_->Ais, sentence);
            }
        }
        json_.EndObject();
        json_.EndLine();
    }

    JsonWriter json_;
    LineAssembler lines_;
    std::unique_ptr<DecoderState> state_ = std::make_unique<DecoderState>();
    NavigationJson navigation_;
    DecodeSummary summary_;
    int64_t lineNumber_ = 0;
};

} // namespace

int RunDecodeCommand(int argc, char** argv) {
    std::vector<const char*> paths(argv, argv + argc);
    for (const char* path : paths)
        if (path[0] == '-' && path[1] != '\0') {
            std::fprintf(stderr,
                         "usage: t360kv decode [FILE...]   (no FILE or -: standard input)\n");
            return 2;
        }
    if (paths.empty())
        paths.push_back("-");

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
