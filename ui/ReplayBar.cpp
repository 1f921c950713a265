#include "ReplayBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int kBarWidth = 780;

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QWidget* CreateReplayBar(QWidget* parent) {
    auto* bar = Named(new QWidget(parent), "PanelReplay");
    bar->setFixedWidth(kBarWidth);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(9, 0, 9, 0);
    layout->addWidget(new QLabel(QStringLiteral("Speed"), bar));
    layout->addWidget(Named(new QComboBox(bar), "ComboBoxReplaySpeed"));
    layout->addWidget(Named(new QPushButton(QStringLiteral("Pause"), bar), "ButtonReplayPause"));
    layout->addWidget(Named(new QPushButton(QStringLiteral("Stop"), bar), "ButtonReplayStop"));
    auto* progress = Named(new QProgressBar(bar), "ProgressBarReplay");
    progress->setTextVisible(false);
    layout->addWidget(progress, 1);
    // Wide enough for "End of log: 200.0 of 200.0 MB, log time 25:01:01".
    auto* text = Named(new QLabel(bar), "LabelReplayProgress");
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(
        QStringLiteral("End of log: 200.0 of 200.0 MB, log time 25:01:01")));
    layout->addWidget(text);
    bar->hide();
    return bar;
}
