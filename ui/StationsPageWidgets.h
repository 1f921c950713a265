#pragma once

class QWidget;

// The AIS STATIONS page: the filter, the buttons and the station count above the
// table, and the coverage plot beside it.
void FillAisStationsPage(QWidget* page);
