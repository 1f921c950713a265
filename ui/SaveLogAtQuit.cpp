#include "SaveLogAtQuit.h"

#include "log/DataLogPage.h"

#include <cstdio>

int SaveLogAtQuit(TDataLog& log, const std::string& path) {
    TSaveLogOutcome outcome = SaveDataLog(log, path, [] { return true; });
    if (!outcome.Message.empty())
        std::fprintf(stderr, "%s\n", outcome.Message.c_str());
    return outcome.Result == slSaved && outcome.Message.empty() ? 0 : 1;
}
