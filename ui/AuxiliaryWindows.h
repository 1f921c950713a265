// The three windows besides the main window, created once as its children (so that the
// view finds their controls by name) and shown and hidden, never recreated: the about
// box frmAbout, the countdown dialog Form2 and the progress dialog frmWaitingProgress.
#pragma once

class QAction;
class QWidget;

// The about box is titled after the menu item that opens it, in the item's language.
void CreateAboutBox(QWidget* mainWindow, QAction* aboutItem);
void CreateCountdownDialog(QWidget* mainWindow);
void CreateProgressDialog(QWidget* mainWindow);
