#include "session/DeviceSettings.h"
#include "session/SettingCodes.h"

#include <cstdlib>

namespace {

template <size_t N> int CodeOfRate(const TSelectorItem (&items)[N], int32_t baud) {
    for (const TSelectorItem& item : items)
        if (std::atoi(item.Text) == baud)
            return item.Code;
    return -1;
}

} // namespace

int Rs232BaudCode(int32_t baud) {
    return CodeOfRate(kRs232BaudCodes, baud);
}

int NmeaBaudCode(int32_t baud) {
    return CodeOfRate(kNmeaBaudCodes, baud);
}

int GpsDynModelCode(int32_t model) {
    for (const TSelectorItem& item : kGpsDynModelCodes)
        if (item.Code == model)
            return item.Code;
    return -1;
}
