// The main window's controls as a table: what each one is, where it sits and what it
// shows at start. Positions are in pixels at 96 DPI within the area of the control's
// place; a negative X or Y counts from the area's right or bottom edge, and a width or
// height of 0 or less stretches to that edge less its amount.
#pragma once

#include "Win32Api.h"

#include <cstdint>
#include <span>

enum class TPlace : uint8_t {
    Top,           // the top strip, always shown
    Replay,        // the row of PanelReplay under it: shown while a log is open
    Panel,         // PanelView: shown once the handshake has completed
    Configuration, // the Configuration page of PageControlMain
    Diagnostics,   // the Diagnostics page of PageControlMain
    BaudRate,      // the pages of PageControlConf ...
    InternalGps,
    Network,
    Restore,
    SystemCheck, // ... and of PageControlDiagnosis
    GpsStatus,
    DataLog,
    AisStations,
};

enum class TKind : uint8_t {
    Label,
    CenteredLabel,
    StatusLabel, // centred, and reports double clicks
    Button,
    CheckBox,
    ToggleButton, // a push button that stays pressed
    DropDownList,
    SortedDropDownList,
    ReadOnlyEdit,
    Edit,
    FilterEdit, // an edit that reports every change of its text
    LogView,
    PageControl,
    CheckIcon,
    DrawingArea,
    StationGrid, // a list view in report mode whose texts come from the station rows
    ProgressBar,
    Background, // PanelView: the ground under the pages
};

struct TControlSpec {
    int Id;
    TKind Kind;
    TPlace Place;
    const char* Text; // ASCII; items of a list are given by the controller
    int X, Y, Width, Height;
    bool Shown = true;
};

std::span<const TControlSpec> MainWindowControls();

// The window's client size at 96 DPI.
inline constexpr int kClientWidth = 800;
inline constexpr int kClientHeight = 650;
// The top strip's columns after the PC baud rate's move left while it is hidden.
inline constexpr int kBaudColumnX = 176;
inline constexpr int kBaudColumnWidth = 98;
// The replay's row under the top strip: while it shows, the page panel moves down by
// its height. The top strip has no room left for a progress text of a 200 MB log.
inline constexpr int kReplayRowTop = 90;
inline constexpr int kReplayRowHeight = 32;
