// The settings pages of PageControlConf: BAUD RATE, INTERNAL GPS and RESTORE. Their
// selectors are created empty; the controller fills them from its code tables. Each page
// also holds a hidden "Config" button that programs the page, as Program Device does.
#pragma once

class QWidget;

void FillBaudRatePage(QWidget* page);
void FillInternalGpsPage(QWidget* page);
void FillRestorePage(QWidget* page);
