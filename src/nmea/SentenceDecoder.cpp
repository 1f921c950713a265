#include "nmea/SentenceDecoder.h"

#include "nmea/FormatterTable.h"
#include "nmea/Framing.h"

#include <cstring>

namespace {

// Up to `size` - 1 characters of `text`, stopping at its end, NUL-padded and stored in
// one write (the formatter is read back as one word right after).
template <size_t size> void SetCode(char (&code)[size], const char* text) {
    char packed[size] = {};
    for (size_t i = 0; i + 1 < size && text[i] != '\0'; ++i)
        packed[i] = text[i];
    std::memcpy(code, packed, size);
}

// Fills the header from the address field and returns where the parser starts: the
// maker's own sentences $PKRV,c,YYY,... are rewritten to $PYYY,... and parsed as such.
char* ReadAddress(char* line, DecodedSentence& sentence) {
    sentence.Start = line[0];
    sentence.ProprietarySubtype = 0;
    if (line[1] == 'P') {
        SetCode(sentence.Talker, "P");
        SetCode(sentence.Formatter, line + 2);
        if (std::memcmp(sentence.Formatter, "KRV", 4) != 0)
            return line;
        // A checked line that names KRV has at least eight characters (the code, "*",
        // two digits, CR LF), so positions 6 and 7 lie inside it.
        sentence.ProprietarySubtype = line[6];
        line[6] = '$';
        line[7] = 'P';
        SetCode(sentence.Formatter, line + 8);
        return line + 6;
    }
    SetCode(sentence.Talker, line + 1);
    SetCode(sentence.Formatter, line + 3);
    // A query $ttllQ; a formatter that itself ends in Q (AIQ) keeps its parser.
    if (line[5] == 'Q' && FindFormatter(sentence.Formatter) == nullptr)
        SetCode(sentence.Formatter, "Q");
    return line;
}

// The characters the address field is read from: positions 1 to 5, or up to 10 for the
// maker's own sentences. An empty field expanded before the last of them shifts it.
size_t AddressReach(const char* line) {
    return line[1] == 'P' && line[2] == 'K' && line[3] == 'R' && line[4] == 'V' ? 10 : 5;
}

// Parses the line; `row` is the formatter's row when the sentence was accepted.
DecodeResult Parse(char* buffer, DecodedSentence& sentence, const FormatterRow*& row) {
    size_t length = strnlen(buffer, kSentenceBufferSize);
    if (length == kSentenceBufferSize)
        return drTooLong;
    if (length < 2 || buffer[length - 2] != '\r' || buffer[length - 1] != '\n')
        return drNoLineEnd;
    size_t star;
    if (!VerifyChecksum(buffer, length, &star))
        return drChecksum;
    // The field list reads empty fields as expanded without moving the text; only an
    // empty field inside the address area is written out, as it shifts the address.
    FieldList fields(buffer, length);
    if (fields.ExpandedLength() > kMaxExpandedLength)
        return drTooLong;
    bool expanded = fields.HasEmptyFieldBefore(AddressReach(buffer));
    if (expanded) {
        ExpandEmptyFields(buffer, length);
        fields = FieldList(buffer, length);
    }

    char* text = ReadAddress(buffer, sentence);
    if (text != buffer) // "$P" now stands where the maker's code was
        fields.StartAt(static_cast<size_t>(text - buffer) + 2);
    row = FindFormatter(sentence.Formatter);
    if (row == nullptr || row->layouts.empty())
        return drUnknownFormatter;
    if (row->prepare != nullptr)
        row->prepare(sentence);
    const SentenceLayout* layout = LayoutOf(*row, fields);
    // An expansion or the maker's prefix moved the text; then the "*" is searched again.
    if (layout == nullptr || !fields.FindEnd(expanded || text != buffer ? 0 : star))
        return drFields;
    char* record = reinterpret_cast<char*>(&sentence) + row->recordOffset;
    if (!ReadFields(*layout, fields, record))
        return drFields;
    sentence.DataFieldCount = layout->dataFields;
    return drDecoded;
}

// The merge of a sentence whose formatter row is known.
void Merge(const FormatterRow& row, const DecodedSentence& sentence, NavigationState& state) {
    if (row.group != sgGnss)
        return;
    state.ConstellationCode = ConstellationCodeOf(sentence.Talker);
    row.merge(sentence, state);
}

} // namespace

bool ParseSentence(SentenceBuffer& buffer, DecodedSentence& sentence, DecodeResult* result) {
    const FormatterRow* row;
    DecodeResult outcome = Parse(buffer, sentence, row);
    if (result != nullptr)
        *result = outcome;
    return outcome == drDecoded;
}

bool CarriesAisMessage(const DecodedSentence& sentence) {
    static constexpr char kEncapsulation[][sizeof sentence.Formatter] = {"VDM", "VDO", "ABM",
                                                                         "BBM"};
    if (sentence.Start != '!')
        return false;
    for (const auto& formatter : kEncapsulation)
        if (std::memcmp(sentence.Formatter, formatter, sizeof formatter) == 0)
            return true;
    return false;
}

AisFragment AisFragmentOf(const DecodedSentence& sentence) {
    const EncapsulationFields& fields = sentence.Encapsulation;
    AisFragment fragment{};
    std::memcpy(fragment.Formatter, sentence.Formatter, sizeof fragment.Formatter);
    fragment.Total = fields.FragmentCount;
    fragment.Number = fields.FragmentNumber;
    fragment.SequentialId = fields.SequentialId;
    fragment.FillBits = fields.FillBits;
    fragment.Channel = fields.Channel;
    fragment.Payload = fields.Payload;
    fragment.PayloadLength = strnlen(fields.Payload, sizeof fields.Payload);
    return fragment;
}

SentenceGroup SentenceGroupOf(const DecodedSentence& sentence) {
    const FormatterRow* row = FindFormatter(sentence.Formatter);
    return row != nullptr ? row->group : sgNone;
}

void MergeSentence(const DecodedSentence& sentence, NavigationState& state) {
    if (const FormatterRow* row = FindFormatter(sentence.Formatter))
        Merge(*row, sentence, state);
}

bool DecodeSentence(SentenceBuffer& buffer, DecoderState& state, DecodeResult* result) {
    const FormatterRow* row;
    DecodeResult outcome = Parse(buffer, state.Sentence, row);
    if (outcome == drDecoded) {
        Merge(*row, state.Sentence, state.Navigation);
        if (!CarriesAisMessage(state.Sentence))
            DiscardPartialAisMessage(state.Ais);
        else if (!DecodeAisFragment(AisFragmentOf(state.Sentence), state.Ais))
            outcome = drEncapsulated;
    }
    if (result != nullptr)
        *result = outcome;
    return outcome == drDecoded;
}
