#include "log/DataLogPage.h"

#include "app/FileSystem.h"
#include "log/DataLog.h"

bool SendCommand(const std::string& typed, const TSendData& sendData) {
    std::string bytes = typed + "\r\n";
    return sendData(bytes.data(), static_cast<int>(bytes.size()));
}

TSaveLogResult SaveDataLog(TDataLog& log, const std::string& path,
                           const std::function<bool()>& confirmOverwrite) {
    if (FileExists(path) && !confirmOverwrite())
        return slDeclined;
    return log.Save(path) ? slSaved : slFailed;
}
