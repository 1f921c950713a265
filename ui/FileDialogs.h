// The file dialogs of the view operations.
#pragma once

#include "view/MainView.h"

#include <string>

class QWidget;

// Shows the dialog with the request's filter ("Description (*.EXT)|*.EXT" pairs), filter
// and proposed name; true with the chosen name. The dialog neither appends the default
// extension nor asks before overwriting: the controller does both.
bool AskSaveFileName(QWidget* parent, const TSaveFileRequest& request, std::string& fileName);

// Shows the open dialog with `filter`'s descriptions; true with the chosen existing file.
bool AskOpenFileName(QWidget* parent, const std::string& filter, std::string& fileName);
