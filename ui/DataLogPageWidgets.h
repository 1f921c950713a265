// The DATA LOG page: the log switch, the view of the newest received lines, Clear and
// Save, and the command line with its Send button.
#pragma once

class QWidget;

void FillDataLogPage(QWidget* page);
