// The controller's texts are 8-bit Windows ANSI text; the widgets hold QStrings. Every
// crossing goes through here, so that choosing a code page stays a change to one file.
#pragma once

#include <QString>

#include <string>

inline QString ToQString(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToAnsi(const QString& text) {
    return text.toLatin1().toStdString();
}
