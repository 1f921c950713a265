// The modal message box of the view operations, with Win32's result codes.
#pragma once

#include "app/MainView.h"

#include <QString>

class QWidget;

// Shows `text` under `caption` with the given buttons and icon, waits for the user, and
// returns IDOK, IDCANCEL, IDYES or IDNO. A box closed without a button counts as Cancel
// (or No).
int AskUser(QWidget* parent, const QString& text, const QString& caption, TMessageButtons buttons,
            TMessageIcon icon = TMessageIcon::None);
