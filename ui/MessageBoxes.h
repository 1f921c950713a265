// The modal message box of the view operations, with Win32's result codes.
#pragma once

#include "view/MainView.h"

#include <QString>

class QWidget;

// Shows `text` under `caption` with the given buttons and icon, waits for the user, and
// returns the button pressed. A box closed without a button counts as Cancel
// (or No).
TMessageAnswer AskUser(QWidget* parent, const QString& text, const QString& caption,
                       TMessageButtons buttons, TMessageIcon icon = TMessageIcon::None);
