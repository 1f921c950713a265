// The GPS STATUS page: the sky map at the top left, the text fields under it, and the
// SNR chart at the right. The controller writes the fields by name and draws the map's
// symbols and the chart's bars through the view.
#pragma once

class QWidget;

void FillGpsStatusPage(QWidget* page);
