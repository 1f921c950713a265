#include "platform/DocumentsFolder.h"

#include "platform/FileSystem.h"

#include <windows.h>

#include <shlobj.h>

std::string DocumentsFolder() {
    char folder[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return ProgramFolder();
    return folder;
}
