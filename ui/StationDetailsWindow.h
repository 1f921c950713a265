// One station's details beside the main window, not modal: every field of the last
// message of each kind the station sent, grouped by message. Showing another station
// replaces what it shows.
#pragma once

#include "view/StationRows.h"

#include <QDialog>

#include <string>
#include <vector>

class QTreeWidget;

class StationDetailsWindow : public QDialog {
    Q_OBJECT

public:
    explicit StationDetailsWindow(QWidget* mainWindow);

    void ShowDetails(const std::string& title, const std::vector<TStationDetail>& details);

private:
    QTreeWidget* tree_;
};
