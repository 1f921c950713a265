// The bar of a recorded log's replay, under the top strip: speed, Pause/Resume, Stop,
// and how far the replay has come. Shown only while a log is open.
#pragma once

class QWidget;

QWidget* CreateReplayBar(QWidget* parent);
