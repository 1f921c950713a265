// GDI+ for the drawn pictures and the PNG files, started for as long as this lives.
#pragma once

#include "Win32Api.h"

#include <cstdint>

class TGdiPlusSession {
public:
    TGdiPlusSession();
    ~TGdiPlusSession();
    TGdiPlusSession(const TGdiPlusSession&) = delete;
    TGdiPlusSession& operator=(const TGdiPlusSession&) = delete;

private:
    uintptr_t token_ = 0;
};
