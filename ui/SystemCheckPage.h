// The SYSTEM CHECK page: one row per check with its result icon, caption and value, and
// the Refresh button. The network firmware and GPS rows exist but are never shown.
#pragma once

class QWidget;

void FillSystemCheckPage(QWidget* page);
