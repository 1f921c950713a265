// The fixed texts of the about box, the countdown dialog and the progress dialog. The
// configuration report quotes the version and the maker's lines too.
#pragma once

inline constexpr char kProductName[] = "Tidelane T360KV Configurator";
inline constexpr char kAboutVersion[] = "Ver 1.0 Build20250227";
inline constexpr char kMakerCopyright[] = "Copyright (C) 2025 Norax Marine Electronics";
inline constexpr char kMakerCompany[] = "Norax Marine Electronics";
inline constexpr char kMakerWebUrl[] = "https://www.norax.example/t360kv";
// The about box's text area until a language's read-me file is loaded.
inline constexpr char kMakerNotice[] =
    "Tidelane T360KV Configurator reads, programs and checks the Tidelane T360KV AIS "
    "receiver over a serial port.\n\nConnect the receiver, choose its port and click "
    "Connect.";

inline constexpr char kProgressText[] = "Configuring. Please wait...";
