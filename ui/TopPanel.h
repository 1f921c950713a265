// The strip at the top of the main window: interface, PC baud rate, port, Connect,
// connection status and EXIT. Always visible.
#pragma once

class QWidget;

QWidget* CreateTopPanel(QWidget* parent);
