// Identifiers of the main window's child windows, menu items and timers. A control the
// controller addresses has kControlIdBase plus its TControl value, so that GetDlgItem
// finds it by its name's member; the window's own captions and hidden buttons, which the
// controller never addresses, have ids of their own from kOwnControlIdBase on.
#pragma once

#include "Win32Api.h"

#include "view/MainView.h"

inline constexpr int kControlIdBase = 1000;
inline constexpr int kOwnControlIdBase = 3000;

constexpr int ControlId(TControl control) {
    return kControlIdBase + static_cast<int>(control);
}

enum TOwnControl : int {
    idSelectInterfaceLabel = kOwnControlIdBase,
    idSelectPortLabel,
    idRs232Label,
    idNmeaLabel,
    idInternalGpsConfig, // the INTERNAL GPS page's hidden "Config" button
    idRestoreConfig,     // the RESTORE page's hidden "Config" button
    idFirmwareCaption,
    idSerialNoCaption,
    idReceptionCaption,
    idChannelACaption,
    idChannelBCaption,
    idNetworkFirmwareCaption,
    idGpsCaption,
    idGpsFieldCaptions, // ten captions of the GPS STATUS fields, in field order
    idSnrAxisTitle = idGpsFieldCaptions + 10,
    idSatelliteAxisTitle,
    idSatelliteMap,
    idSnrChart,
    idEnterCommandLabel,
    idNetworkFirmwareLabel,
    idNetworkAddressLabel,
    idProductName,
    idAboutVersion,
    idMakerCompany,
    idMakerWebUrl,
    idWaitInfo,
    idAboutLogo,
    idReplaySpeedLabel,
};

// SetTimer's id of each timer.
constexpr UINT_PTR TimerId(TTimer timer) {
    return 1 + static_cast<UINT_PTR>(timer);
}
