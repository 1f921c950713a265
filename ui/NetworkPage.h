// The NETWORK page, whose tab is never shown: the module's firmware version and address,
// the link to its web page, and the console's test controls (hidden by the controller).
#pragma once

class QWidget;

void FillNetworkPage(QWidget* page);
