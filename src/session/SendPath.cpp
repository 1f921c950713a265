// The two ways of writing to the receiver: raw bytes, and a proprietary sentence that
// is completed with its checksum first.
#include "app/Mainform.h"
#include "session/Checksum.h"

namespace {
constexpr size_t kMaxSentenceLength = 100; // with "*", checksum, CR and LF
}

bool TForm1::SendData(const void* bytes, int length) {
    if (!comm_->IsOpen())
        return false;
    return comm_->Write(bytes, length) > 0;
}

int TForm1::SendSentence(const std::string& text, int confirm) {
    if (!ConnectPressed) {
        view_.ShowMessage("This function requires a connection. Please connect first.");
        return 1;
    }
    std::string sentence = text;
    if (!AppendChecksum(sentence) || sentence.size() > kMaxSentenceLength) {
        view_.ShowMessage("Data overflow");
        return 2;
    }
    SendData(sentence.data(), static_cast<int>(sentence.size()));
    if (confirm == 1)
        view_.ShowMessage("Settings applied.");
    return 0;
}
