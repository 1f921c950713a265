// What a JsonWriter writes, read back from a temporary file.
#pragma once

#include "JsonWriter.h"

#include <cstdio>
#include <string>

template <typename Write> std::string JsonText(Write write) {
    std::FILE* file = std::tmpfile();
    {
        JsonWriter json(file);
        write(json);
    }
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}
