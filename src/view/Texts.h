// The translatable texts of the window, with their built-in English values. A language
// file may replace each of them (Languages.h); they are 8-bit text in the code page of
// the language that supplied them.
#pragma once

#include <string>

inline constexpr char kApplicationTitle[] = "Tidelane T360KV Configurator (Essential)";

struct TTexts {
    // Menus; Option and its Language items are never shown.
    std::string MenuFile = "File(&F)";
    std::string MenuExit = "Exit(&X)";
    std::string MenuOption = "Option(&O)";
    std::string MenuLanguage = "Language(&L)";
    std::string MenuLangEnglish = "English(&E)";
    std::string MenuLangTraChinese = "Traditional Chinese(&T)";
    std::string MenuLangSimpChinese = "Simplified Chinese(&S)";
    std::string MenuHelp = "Help(&H)";
    std::string MenuAbout = "About(&A)";
    // The Connect button while the port is closed [0] and while it is open [1].
    std::string ButtonCaptions[2] = {"Connect", "Disconnect"};
    std::string ExitButton = "EXIT";
    std::string ReadDevice = "Read Device";
    std::string ProgramDevice = "Program Device";
    std::string BaudRateTab = "BAUD RATE";
    std::string BaudRateConfig = "Config"; // the hidden button of the baud rate page
    // The connection status label.
    std::string Connecting = "Connecting...";
    std::string Connected = "Connected...";
    std::string Click2Connect = "Click to Connect";
    // The exit question.
    std::string ExitCaption = "Exit!";
    std::string QueryExit = "Are you sure to exit?";
    std::string AboutOk = "OK"; // the about box's button
    // The AIS STATIONS page's tab and buttons.
    std::string StationsTab = "AIS STATIONS";
    std::string StationDetails = "Details";
    std::string StationsClear = "Clear";
    std::string StationsExport = "Export CSV...";
};
