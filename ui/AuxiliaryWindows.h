// The three windows besides the main window, created once as its children (so that the
// view finds their controls by name) and shown and hidden, never recreated: the about
// box frmAbout, the countdown dialog Form2 and the progress dialog frmWaitingProgress.
#pragma once

class QWidget;

void CreateAboutBox(QWidget* mainWindow);
void CreateCountdownDialog(QWidget* mainWindow);
void CreateProgressDialog(QWidget* mainWindow);
