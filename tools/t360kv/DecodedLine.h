// What `t360kv decode` prints about one input line, copied out of the decoder's state so
// that the text can be written on another thread while the decoder goes on.
#pragma once

#include "nmea/FormatterTable.h"
#include "nmea/SentenceDecoder.h"

#include <cstdint>

// Why a line did not reach a parser, before the decoder's own reasons.
enum LineVerdict : uint8_t {
    lvDecoder,        // the decoder answered; see its DecodeResult
    lvReceiveTooLong, // over 82 characters: the receive path discards it
    lvNotSentence,    // does not start with "$" or "!"
    lvTooLong,        // over 82 characters with its CR LF: the GPS line filter drops it
};

// The name of the reason a line was rejected, as printed.
const char* RejectionName(LineVerdict verdict, DecodeResult result);

struct DecodedLine {
    // At least the bytes of every formatter's record that its rows write (a test checks).
    static constexpr size_t kRecordCapacity = 160;

    int64_t Number;
    LineVerdict Verdict;
    DecodeResult Result;
    bool Accepted;
    bool HeaderRead; // accepted, or refused by its formatter's rules
    bool HasNavigation;
    bool HasAisMessage;
    char Start;
    char Talker[3];
    char Formatter[4];
    char ProprietarySubtype;
    uint8_t DataFieldCount;
    char Channel; // of an encapsulation sentence
    uint16_t AisBitCount;
    int32_t AisTarget;
    const FormatterRow* Row; // accepted lines
    alignas(8) char Record[kRecordCapacity];
    NavigationState Navigation; // GNSS sentences
    AisMessage Message;         // a completed AIS message that decoded
};

// Copies what the line printing needs from the decoder's state after the line.
void CaptureDecodedLine(DecodedLine& line, int64_t number, LineVerdict verdict, DecodeResult result,
                        const DecoderState& state);

// The bytes of the formatter's record that its rows write.
size_t RecordExtent(const FormatterRow& row);
