// The controller's texts are 8-bit text in the code page of the window's language; the
// widgets hold QStrings. Every crossing goes through here. The language is the window's
// one setting for all its texts (as the ANSI code page is for a whole program), so it is
// kept here once and set by the view when the controller chooses a language.
#pragma once

#include "view/CodePages.h"

#include <QString>

#include <string>

inline TLanguage& WindowTextLanguage() {
    static TLanguage language = laEnglish;
    return language;
}

inline QString ToQString(const std::string& text) {
    const std::string utf8 = TextToUtf8(WindowTextLanguage(), text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToAnsi(const QString& text) {
    return Utf8ToText(WindowTextLanguage(), text.toUtf8().toStdString());
}
