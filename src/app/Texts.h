// The translatable texts that the controller itself shows; the built-in English ones
// until a language file replaces them.
#pragma once

#include <string>

struct TTexts {
    std::string ButtonCaptions[2] = {"Connect", "Disconnect"};
    std::string Click2Connect = "Click to Connect";
    std::string Connecting = "Connecting...";
    std::string Connected = "Connected...";
    std::string ExitCaption = "Exit!";
    std::string QueryExit = "Are you sure to exit?";
};
