// PanelView: everything below the top strip. The Configuration and Diagnostics pages
// with their sub-pages, and the Read Device and Program Device buttons. Hidden until
// the controller has completed the handshake. Pages that are not filled yet exist
// empty, so that every control can be found by name from the start.
#pragma once

class QWidget;

QWidget* CreatePagePanel(QWidget* parent);
