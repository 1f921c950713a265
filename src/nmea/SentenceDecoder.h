// The entry point of sentence decoding: framing, identification of talker and
// formatter, the formatter's parser, the merge of GNSS sentences, and the AIS path of
// encapsulation sentences.
#pragma once

#include "ais/AisPath.h"
#include "nmea/DecodedSentence.h"
#include "nmea/NavigationState.h"

// What became of a line; decoders answer with a bool, tools may ask why.
enum DecodeResult : uint8_t {
    drDecoded,          // parsed, and merged when it is a GNSS sentence
    drEncapsulated,     // an encapsulation sentence, parsed; no AIS message completed and decoded
    drNoLineEnd,        // the line does not end with CR LF
    drChecksum,         // no "*" with two digits, or they do not match
    drTooLong,          // longer than 98 characters once its empty fields are expanded
    drUnknownFormatter, // no parser for the formatter
    drFields,           // the parser refused the fields: their count or a value
};

// The records a decoded line may change. They start empty wherever the state lives, also
// as a member that its owner does not initialise.
struct DecoderState {
    DecodedSentence Sentence{};
    NavigationState Navigation{};
    AisState Ais;
};

// Checks the framing of the line in `buffer` (which it rewrites), fills the header of
// `sentence` and runs the formatter's parser. True when all three succeed; on a framing
// failure `sentence` is untouched.
bool ParseSentence(SentenceBuffer& buffer, DecodedSentence& sentence,
                   DecodeResult* result = nullptr);

// True for the sentences that carry AIS messages: a "!" line whose formatter is VDM, VDO,
// ABM or BBM. Any other line, whatever its start character, holds no fragment: its
// encapsulation fields are whatever the last encapsulation sentence left there.
bool CarriesAisMessage(const DecodedSentence& sentence);

// The AIS fragment of a sentence that CarriesAisMessage; it points into the sentence.
AisFragment AisFragmentOf(const DecodedSentence& sentence);

// Merges an accepted sentence of group sgGnss into `state`; other groups are not merged.
void MergeSentence(const DecodedSentence& sentence, NavigationState& state);

// The group of the formatter in the header of `sentence`.
SentenceGroup SentenceGroupOf(const DecodedSentence& sentence);

// Decodes one line that starts with "$" or "!", ends with CR LF and is at most 82
// characters long. True when a sentence was decoded (and merged); an encapsulation
// sentence (CarriesAisMessage) counts only once it completes an AIS message that decodes.
// Every other decoded sentence, "$" or "!", discards a partly joined AIS message.
bool DecodeSentence(SentenceBuffer& buffer, DecoderState& state, DecodeResult* result = nullptr);
