#include "SystemErrorTexts.h"

std::string NoSuchFolderErrorText() {
    return "No such file or directory";
}

std::string NotAFolderErrorText() {
    return "Not a directory";
}

std::string MissingFolderOnOpenErrorText() {
    return "No such file or directory";
}
