// The setup class of serial and parallel ports, {4D36E978-E325-11CE-BFC1-08002BE10318},
// in the memory layout of a Windows GUID, without needing the Windows headers.
#pragma once

#include <cstdint>

struct TClassGuid {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(TClassGuid) == 16);

constexpr TClassGuid kPortsClassGuid = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
