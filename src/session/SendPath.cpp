// The two ways of writing to the receiver: raw bytes, and a proprietary sentence that
// is completed with its checksum first.
#include "app/Mainform.h"
#include "session/Checksum.h"
#include "session/SendErrorText.h"

namespace {
constexpr size_t kMaxSentenceLength = 100; // with "*", checksum, CR and LF
}

bool TForm1::SendData(const void* bytes, int length) {
    if (!comm_->IsOpen())
        return false;
    return comm_->Write(bytes, length) > 0;
}

TSendResult TForm1::SendSentence(const std::string& text, bool confirm) {
    if (!ConnectPressed) {
        view_.ShowMessage("This function requires a connection. Please connect first.");
        return srNotConnected;
    }
    std::string sentence = text;
    if (!AppendChecksum(sentence) || sentence.size() > kMaxSentenceLength) {
        view_.ShowMessage("Data overflow");
        return srTooLong;
    }
    // A sentence that never left must not be confirmed as applied.
    if (!SendData(sentence.data(), static_cast<int>(sentence.size()))) {
        view_.MessageBox(kSendErrorText, kSendErrorCaption, TMessageButtons::Ok,
                         TMessageIcon::Error);
        return srWriteFailed;
    }
    if (confirm)
        view_.ShowMessage("Settings applied.");
    return srSent;
}
