#include "log/DataLogPage.h"

#include "log/DataLog.h"
#include "platform/FileSystem.h"

bool SendCommand(const std::string& typed, const TSendData& sendData) {
    std::string bytes = typed + "\r\n";
    return sendData(bytes.data(), static_cast<int>(bytes.size()));
}

TSaveLogOutcome SaveDataLog(TDataLog& log, const std::string& path,
                            const std::function<bool()>& confirmOverwrite) {
    if (FileExists(path) && !confirmOverwrite())
        return {slDeclined, {}};
    TDataLogSaveResult saved = log.Save(path);
    if (!saved.Saved)
        return {slFailed, "Cannot create file \"" + path + "\": " + saved.Error +
                              ". Nothing was saved; a file of that name is left as it was."};
    if (saved.MissingLines == 0)
        return {slSaved, {}};
    return {slSaved, "The log was saved to \"" + path + "\", but " +
                         std::to_string(saved.MissingLines) + " of the " +
                         std::to_string(saved.LineCount) +
                         " lines logged are missing from it: the temporary folder \"" +
                         log.SpillFolder() + "\" could not hold them (" + saved.LossReason + ")."};
}
