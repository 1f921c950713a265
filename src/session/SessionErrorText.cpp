#include "session/SessionErrorText.h"
#include "session/SendErrorText.h"

namespace {

constexpr char kNotConnectable[] = "The select device can not connectable.";

} // namespace

TErrorMessage SessionErrorMessage(TSessionError error, const std::string& reason) {
    switch (error) {
    case TSessionError::OpenFailed:
        // The reason, when known, goes below the message.
        return {kWarningCaption,
                reason.empty() ? kNotConnectable : std::string(kNotConnectable) + "\n" + reason};
    case TSessionError::NoReport:
        return {"", "Please select correct device."};
    case TSessionError::NotConnected:
        return {"", "This function requires a connection. Please connect first."};
    case TSessionError::SentenceTooLong:
        return {"", "Data overflow"};
    case TSessionError::WriteFailed:
        return {kSendErrorCaption, kSendErrorText, true};
    }
    return {};
}
